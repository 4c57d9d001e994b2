// The timeline as a file: an SVG with one rectangle per period shown, a PNG
// of the width asked for, a one-page PDF, and writes that fail leaving the
// old file as it was.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "FileSizeLimit.h"
#include "Releasing.h"
#include "TimelineExport.h"
#include "TimelineTestSupport.h"

namespace ostrane::timelinetest {
namespace {

struct TSvgShapes {
  QString Root;
  QString Width, ViewBox;
  int Rects = 0;
  QString Error;
};

TSvgShapes ReadSvg(const QByteArray& bytes) {
  TSvgShapes shapes;
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (shapes.Root.isEmpty()) {
      shapes.Root = xml.name().toString();
      shapes.Width = xml.attributes().value("width").toString();
      shapes.ViewBox = xml.attributes().value("viewBox").toString();
    }
    if (xml.name() == QLatin1String("rect")) ++shapes.Rects;
  }
  if (xml.hasError()) shapes.Error = xml.errorString();
  return shapes;
}

// The periods of levels 1 and 2 of the track's listing that overlap the days.
std::size_t PeriodsBetween(const TTimelineSource& source, std::int32_t startSign, double from,
                           double to) {
  ReleaseSettings settings = source.Settings;
  settings.StartSign = startSign;
  TChronocrator chronocrator;
  return PeriodSpans(chronocrator, settings, source.Start, 2, from, to).size();
}

double FirstOfYear(int year) {
  TDate date;
  date.DateToJulian(year, 1, 1.0);
  return date.GetJulianDay();
}

TEST(TimelineExport, SvgHoldsOneRectanglePerPeriodShown) {
  const struct {
    const char* name;
    int periods;
    std::int32_t spirit;
    double width;
    std::optional<int> fromYear, toYear;  // the years shown, both included
    bool listed;
  } cases[] = {
      {"worked example, all of it", 2, -1, 1600.0, {}, {}, true},
      {"twelve general periods, narrow", 12, -1, 400.0, {}, {}, true},
      {"2010 .. 2030 of twelve", 12, -1, 1200.0, 2010, 2030, true},
      {"one year inside a sub period", 12, -1, 900.0, 2002, 2002, true},
      {"two tracks", 12, 4, 1000.0, {}, {}, true},
      {"nothing listed", 2, -1, 800.0, {}, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineSource source = WorkedExample(c.periods, 3);
    const TTimelineModel model = c.listed ? BuildTimelineModel(source, c.spirit) : TTimelineModel{};
    std::optional<double> from, to;
    if (c.fromYear) from = FirstOfYear(*c.fromYear);
    if (c.toYear) to = FirstOfYear(*c.toYear + 1);
    const TTimelineScene scene = FittedScene(model, c.width, from, to);
    const TSvgShapes svg = ReadSvg(RenderTimeline(model, scene, TTimelineFormat::Svg));
    ASSERT_EQ(svg.Error, QString());
    EXPECT_EQ(svg.Root, "svg");
    EXPECT_EQ(
        svg.ViewBox,
        QString("0 0 %1 %2").arg(static_cast<int>(c.width)).arg(std::ceil(scene.Layout.Height())));
    EXPECT_NEAR(svg.Width.chopped(2).toDouble(), c.width * 25.4 / 96.0, 0.01)
        << "millimetres at 96 pixels an inch: " << svg.Width.toStdString();
    const double first = scene.Scale.Day(scene.Layout.PlotLeft());
    const double last = scene.Scale.Day(scene.Layout.PlotRight());
    std::size_t expected = 0;
    for (const auto& track : model.Tracks)
      expected += PeriodsBetween(source, track.StartSign, first, last);
    if (c.listed) {
      EXPECT_GT(expected, 0u);
    }
    EXPECT_EQ(static_cast<std::size_t>(svg.Rects), expected);
    if (from && to) {
      EXPECT_NEAR(first, *from, 1e-6);
      EXPECT_NEAR(last, *to, 1e-6);
    }
  }
}

TEST(TimelineExport, PngHasTheWidthAskedForAndPdfIsOnePage) {
  const TTimelineModel model = BuildTimelineModel(WorkedExample(12, 3), 4);
  for (const double width : {200.0, 333.0, 1600.0, 4000.0}) {
    SCOPED_TRACE(std::to_string(width) + " pixels");
    const TTimelineScene scene = FittedScene(model, width);
    const int height = static_cast<int>(std::ceil(scene.Layout.Height()));

    const QImage image =
        QImage::fromData(RenderTimeline(model, scene, TTimelineFormat::Png), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), static_cast<int>(width));
    EXPECT_EQ(image.height(), height);
    // The second general period of the first track is the 11th from
    // Fortune: plain grey just inside its top left corner.
    const auto items = TimelineItems(model, scene.Layout, scene.Scale);
    const auto second = std::find_if(items.begin(), items.end(), [&](const TTimelineItem& item) {
      const TPeriodSpan& s = model.Tracks[0].Spans[item.Span];
      return item.Track == 0 && s.Level == 1 && s.Entry > 0;
    });
    ASSERT_NE(second, items.end());
    const QPoint inside = (second->Rect.topLeft() + QPointF(3.0, 3.0)).toPoint();
    if (second->Rect.width() > 8.0) {
      EXPECT_EQ(image.pixelColor(inside),
                PlaceStyle(model.Tracks[0].Spans[second->Span].Place).Fill);
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));

    const QByteArray pdf = RenderTimeline(model, scene, TTimelineFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
    // 96 pixels to the inch: 3/4 of a point a pixel.
    const QByteArray key = "/MediaBox [0 0 ";
    const qsizetype at = pdf.indexOf(key);
    ASSERT_GE(at, 0);
    const qsizetype close = pdf.indexOf(']', at);
    ASSERT_GT(close, at);
    const QList<QByteArray> size =
        pdf.mid(at + key.size(), close - at - key.size()).simplified().split(' ');
    ASSERT_EQ(size.size(), 2);
    EXPECT_NEAR(size[0].toDouble(), width * 0.75, 0.5);
    EXPECT_NEAR(size[1].toDouble(), height * 0.75, 0.5);
  }
}

using ostrane::testing::FileSizeLimit;

TEST(TimelineExport, AFailedWriteLeavesTheOldFileAndSaysWhy) {
  const TTimelineModel model = BuildTimelineModel(WorkedExample(12, 3));
  const TTimelineScene scene = FittedScene(model, 1600.0);
  const QByteArray old = "the old file\n";
  const struct {
    const char* name;
    const char* file;
    bool directoryThere;
    rlim_t sizeLimit;  // 0: none
    const char* reason;
  } cases[] = {
      {"an unknown extension", "t.gif", false, 0, "the name must end in .png, .svg or .pdf"},
      {"a folder of that name", "t.png", true, 0, ""},
      {"a folder that is not there", "missing/t.svg", false, 0, "No such file or directory"},
      {"the file size limit, SVG", "t.svg", false, 4096, "File too large"},
      {"the file size limit, PDF", "t.pdf", false, 4096, "File too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath(c.file);
    if (c.directoryThere) {
      ASSERT_TRUE(QDir().mkdir(path));
    } else if (QFileInfo(path).dir().exists()) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
    std::string message;
    {
      std::optional<FileSizeLimit> limit;
      if (c.sizeLimit) {
        limit.emplace(c.sizeLimit);
        if (!limit->Active()) GTEST_SKIP() << "the file size limit cannot be lowered";
      }
      try {
        ExportTimeline(path, model, scene);
      } catch (const ETimelineExportError& error) {
        message = error.what();
      }
    }
    const std::string prefix = "Cannot save '" + path.toStdString() + "': ";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix);
    EXPECT_GT(message.size(), prefix.size()) << "a reason is given";
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    if (c.directoryThere) {
      EXPECT_TRUE(QFileInfo(path).isDir());
    } else if (QFileInfo(path).dir().exists()) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), old);
    }
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files).size(),
              QFileInfo(path).isFile() ? 1 : 0)
        << "no temporary file left";
  }
}

}  // namespace
}  // namespace ostrane::timelinetest
