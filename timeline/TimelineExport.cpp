#include "timeline/TimelineExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "Version.h"
#include "storage/SafeFile.h"

namespace ostrane {
namespace {

constexpr double kMinExportWidth = 200.0;
constexpr int kResolution = 96;  // pixels per inch of the SVG and PDF drawings

[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
  throw ETimelineExportError("Cannot save '" + fileName.toStdString() +
                             "': " + reason.toStdString());
}

QSize PixelSize(const TTimelineScene& scene) {
  return QSize(static_cast<int>(std::ceil(scene.Layout.Width)),
               static_cast<int>(std::ceil(scene.Layout.Height())));
}

QByteArray RenderPng(const TTimelineModel& model, const TTimelineScene& scene) {
  QImage image(PixelSize(scene), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    DrawTimeline(painter, model, scene);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw ETimelineExportError("The PNG image could not be made.");
  return bytes;
}

QByteArray RenderSvg(const TTimelineModel& model, const TTimelineScene& scene) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const QSize size = PixelSize(scene);
  generator.setSize(size);
  generator.setResolution(kResolution);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  // The generator writes the title and the description as they are, not as
  // XML text: escaped here.  Its drawn text it escapes itself.
  generator.setTitle("Ostrane timeline");
  generator.setDescription(
      XmlCharacters(QString::fromStdString("Releasing periods of " + model.Settings.Name))
          .toHtmlEscaped());
  QPainter painter(&generator);
  DrawTimeline(painter, model, scene);
  painter.end();
  return bytes;
}

QByteArray RenderPdf(const TTimelineModel& model, const TTimelineScene& scene) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    const QSize size = PixelSize(scene);
    const double points = 72.0 / kResolution;
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(size.width() * points, size.height() * points),
                              QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(kNameVersion);
    writer.setTitle("Ostrane timeline");
    QPainter painter;
    if (!painter.begin(&writer)) throw ETimelineExportError("The PDF page could not be started.");
    DrawTimeline(painter, model, scene);
    painter.end();
  }
  return bytes;
}

}  // namespace

TTimelineFormat TimelineFormatOf(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == "png") return TTimelineFormat::Png;
  if (suffix == "svg") return TTimelineFormat::Svg;
  if (suffix == "pdf") return TTimelineFormat::Pdf;
  Fail(fileName, "the name must end in .png, .svg or .pdf");
}

QByteArray RenderTimeline(const TTimelineModel& model, const TTimelineScene& scene,
                          TTimelineFormat format) {
  switch (format) {
    case TTimelineFormat::Png: return RenderPng(model, scene);
    case TTimelineFormat::Svg: return RenderSvg(model, scene);
    case TTimelineFormat::Pdf: return RenderPdf(model, scene);
  }
  return {};
}

void ExportTimeline(const QString& fileName, const TTimelineModel& model,
                    const TTimelineScene& scene) {
  const TTimelineFormat format = TimelineFormatOf(fileName);
  const QByteArray bytes = RenderTimeline(model, scene, format);
  const QString reason = WriteFileSafely(fileName.toStdString(), [&bytes](QIODevice& device) {
    device.write(bytes);
    return QString();  // a failed write fails the file itself
  });
  if (!reason.isEmpty()) Fail(fileName, reason);
}

TTimelineScene FittedScene(const TTimelineModel& model, double width, std::optional<double> from,
                           std::optional<double> to) {
  TTimelineScene scene;
  scene.Layout.Width = std::max(width, kMinExportWidth);
  scene.Layout.Tracks = std::max(static_cast<int>(model.Tracks.size()), 1);
  const double first = from.value_or(model.First), last = to.value_or(model.Last);
  scene.Scale = TTimelineScale::Fit(first, last, scene.Layout.PlotLeft(),
                                    scene.Layout.PlotRight() - scene.Layout.PlotLeft());
  return scene;
}

}  // namespace ostrane
