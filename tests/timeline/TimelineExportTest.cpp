// The timeline as a file in each format, and writes that fail leaving the
// old file as it was.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "listing/Releasing.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TimelineTestSupport.h"
#include "timeline/TimelineExport.h"

namespace ostrane::timelinetest {
namespace {

double FirstOfYear(int year) {
  TDate date;
  date.DateToJulian(year, 1, 1.0);
  return date.GetJulianDay();
}

// Each format at the scene's size (a pixel is 1/96 inch): an SVG with one
// rectangle per period shown, a PNG of the width asked for, a one-page PDF.
TEST(TimelineExport, EveryFormatDrawsTheSceneAtItsSize) {
  const struct {
    const char* name;
    int periods;
    std::int32_t spirit;
    double width;
    std::optional<int> fromYear, toYear;  // the years shown, both included
    bool listed;
  } cases[] = {
      {"worked example, all of it, widest", 2, -1, 4000.0, {}, {}, true},
      {"twelve general periods, narrowest", 12, -1, 200.0, {}, {}, true},
      {"2010 .. 2030 of twelve", 12, -1, 1200.0, 2010, 2030, true},
      {"one year inside a sub period", 12, -1, 900.0, 2002, 2002, true},
      {"two tracks", 12, 4, 1600.0, {}, {}, true},
      {"two tracks, an odd width", 12, 4, 333.0, {}, {}, true},
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
    const int height = static_cast<int>(std::ceil(scene.Layout.Height()));
    const double first = scene.Scale.Day(scene.Layout.PlotLeft());
    const double last = scene.Scale.Day(scene.Layout.PlotRight());
    if (from && to) {
      EXPECT_NEAR(first, *from, 1e-6);
      EXPECT_NEAR(last, *to, 1e-6);
    }
    // The periods of levels 1 and 2 of each track's listing that overlap the days.
    std::size_t periods = 0;
    for (const auto& track : model.Tracks) {
      ReleaseSettings settings = source.Settings;
      settings.StartSign = track.StartSign;
      TChronocrator chronocrator;
      periods += PeriodSpans(ListGeneralPeriods(chronocrator, settings, source.Start), settings, 2,
                             first, last)
                     .size();
    }
    EXPECT_EQ(periods > 0, c.listed);

    QXmlStreamReader xml(RenderTimeline(model, scene, TTimelineFormat::Svg));
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QString("0 0 %1 %2").arg(c.width).arg(height));
    const QString width = xml.attributes().value("width").toString();
    EXPECT_NEAR(width.chopped(2).toDouble(), c.width * 25.4 / 96.0, 0.01)
        << "millimetres: " << width.toStdString();
    std::size_t rects = 0;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("rect"))
        ++rects;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(rects, periods);

    const QImage image =
        QImage::fromData(RenderTimeline(model, scene, TTimelineFormat::Png), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(static_cast<int>(c.width), height));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    // The second general period of the first track is the 11th from
    // Fortune: plain grey just inside its top left corner.
    const auto items = TimelineItems(model, scene.Layout, scene.Scale);
    const auto second = std::find_if(items.begin(), items.end(), [&](const TTimelineItem& item) {
      const TPeriodSpan& s = model.Tracks[0].Spans[item.Span];
      return item.Track == 0 && s.Level == 1 && s.Entry > 0;
    });
    if (second != items.end() && second->Rect.width() > 8.0) {
      EXPECT_EQ(image.pixelColor((second->Rect.topLeft() + QPointF(3.0, 3.0)).toPoint()),
                PlaceStyle(model.Tracks[0].Spans[second->Span].Place).Fill);
    }

    const QByteArray pdf = RenderTimeline(model, scene, TTimelineFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
    // 3/4 of a point a pixel.
    const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+) *\])")
                         .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), c.width * 0.75, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), height * 0.75, 0.5);
  }
}

// A hostile chart name (and drawn label) is XML text in the SVG: the file
// parses, the text reads back (what XML cannot hold dropped), and no markup
// comes of it.
TEST(TimelineExport, SvgTextIsEscapedXml) {
  const struct {
    const char* what;
    std::string name, read;  // as set, as the SVG's description holds it
    const char* drawn;       // the beginning of the label as drawn
  } cases[] = {
      {"ampersand", "A & B", "A & B", "A & B"},
      {"a script", "<script>alert(1)</script>", "<script>alert(1)</script>",
       "<script>alert(1)</script>"},
      // Drawn, the tab is laid out as a space.
      {"controls", "\x01Name\x1b[2J\t\x7F", "Name[2J\t\x7F", "Name[2J "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTimelineSource source = WorkedExample();
    source.Settings.Name = c.name;
    const TTimelineModel model = BuildTimelineModel(source, -1);
    TTimelineScene scene = FittedScene(model, 800.0);
    scene.Moment = (model.First + model.Last) / 2.0;
    scene.MomentLabel = c.name;
    QXmlStreamReader xml(RenderTimeline(model, scene, TTimelineFormat::Svg));
    QStringList elements, texts;
    QString description;
    while (!xml.atEnd()) {
      const auto token = xml.readNext();
      if (token != QXmlStreamReader::StartElement) continue;
      elements << xml.name().toString();
      if (xml.name() == QLatin1String("desc"))
        description = xml.readElementText();
      else if (xml.name() == QLatin1String("text"))
        texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_FALSE(elements.contains("script"));
    EXPECT_EQ(description.toStdString(), "Releasing periods of " + c.read);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [&](const QString& t) { return t.startsWith(c.drawn); }))
        << "the moment's label: " << texts.join('|').toStdString();
  }
  // A lone surrogate and the noncharacters U+FFFE, U+FFFF; a pair stays.
  QString odd = QStringLiteral("a");
  odd += QChar(0xD800);
  odd += QLatin1Char('b');
  for (const char16_t u : {0xFFFE, 0xFFFF, 0xDC00}) odd += QChar(u);
  odd += QString::fromUtf8("\xF0\x9F\x98\x80");
  odd += QChar(0xD83D);
  EXPECT_EQ(XmlCharacters(odd), QString::fromUtf8("ab\xF0\x9F\x98\x80"));
}

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
    const bool oldFile = !c.directoryThere && QFileInfo(path).dir().exists();
    if (c.directoryThere) {
      ASSERT_TRUE(QDir().mkdir(path));
    } else if (oldFile) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
    std::string message;
    {
      std::optional<ostrane::testing::FileSizeLimit> limit;
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
    EXPECT_EQ(QFileInfo(path).isDir(), c.directoryThere);
    if (oldFile) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), old);
    }
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files).size(), oldFile ? 1 : 0)
        << "no temporary file left";
  }
}

}  // namespace
}  // namespace ostrane::timelinetest
