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

QByteArray RenderPng(QSize size, const TDrawing& draw) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    draw(painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw ETimelineExportError("The PNG image could not be made.");
  return bytes;
}

QByteArray RenderSvg(QSize size, const QString& title, const QString& description,
                     const TDrawing& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setResolution(kResolution);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  // The generator writes the title and the description as they are, not as
  // XML text: escaped here.  Its drawn text it escapes itself.
  generator.setTitle(XmlCharacters(title).toHtmlEscaped());
  generator.setDescription(XmlCharacters(description).toHtmlEscaped());
  QPainter painter(&generator);
  draw(painter);
  painter.end();
  return bytes;
}

QByteArray RenderPdf(QSize size, const QString& title, const TDrawing& draw) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    const double points = 72.0 / kResolution;
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(size.width() * points, size.height() * points),
                              QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(kNameVersion);
    writer.setTitle(title);
    QPainter painter;
    if (!painter.begin(&writer)) throw ETimelineExportError("The PDF page could not be started.");
    draw(painter);
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

QByteArray RenderDrawing(QSize size, const QString& title, const QString& description,
                         const TDrawing& draw, TTimelineFormat format) {
  switch (format) {
    case TTimelineFormat::Png: return RenderPng(size, draw);
    case TTimelineFormat::Svg: return RenderSvg(size, title, description, draw);
    case TTimelineFormat::Pdf: return RenderPdf(size, title, draw);
  }
  return {};
}

QByteArray RenderTimeline(const TTimelineModel& model, const TTimelineScene& scene,
                          TTimelineFormat format) {
  return RenderDrawing(
      PixelSize(scene), "Ostrane timeline",
      QString::fromStdString("Releasing periods of " + model.Settings.Name),
      [&](QPainter& painter) { DrawTimeline(painter, model, scene); }, format);
}

void WriteDrawing(const QString& fileName, const QByteArray& bytes) {
  const QString reason = WriteFileSafely(fileName.toStdString(), [&bytes](QIODevice& device) {
    device.write(bytes);
    return QString();  // a failed write fails the file itself
  });
  if (!reason.isEmpty()) Fail(fileName, reason);
}

void ExportTimeline(const QString& fileName, const TTimelineModel& model,
                    const TTimelineScene& scene) {
  WriteDrawing(fileName, RenderTimeline(model, scene, TimelineFormatOf(fileName)));
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
