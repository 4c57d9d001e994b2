// A timeline written to a file: a PNG image, an SVG drawing or a PDF page,
// as the file name's extension says.  The drawing is made in memory first
// and written through a temporary file in the target's folder that replaces
// the target only when all of it was written, so a failure leaves the old
// file as it was.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

#include "timeline/TimelinePainter.h"

namespace ostrane {

enum class TTimelineFormat { Png, Svg, Pdf };

// A timeline that could not be written: the message names the file and why.
class ETimelineExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The format of the file name's extension (.png, .svg, .pdf, in any case).
// Throws ETimelineExportError for any other extension.
TTimelineFormat TimelineFormatOf(const QString& fileName);

// What paints a drawing, on a surface whose pixels are its coordinates.
using TDrawing = std::function<void(QPainter&)>;

// A drawing of `size` pixels in the format: a PNG image on white, an SVG
// drawing or a PDF page of that size at 96 pixels per inch, the title and
// the description (plain text) in the SVG, the title in the PDF.  Needs a
// QGuiApplication.
QByteArray RenderDrawing(QSize size, const QString& title, const QString& description,
                         const TDrawing& draw, TTimelineFormat format);

// Writes a rendered drawing to the file, replacing it only when all of it
// was written.  Throws ETimelineExportError "Cannot save '<file>': <reason>".
void WriteDrawing(const QString& fileName, const QByteArray& bytes);

// The scene drawn in the format: Layout.Width by Layout.Height() pixels (an
// SVG and a PDF page of that size at 96 pixels per inch).  Needs a
// QGuiApplication.
QByteArray RenderTimeline(const TTimelineModel& model, const TTimelineScene& scene,
                          TTimelineFormat format);

// Renders the scene in the format of the file name and writes it there.
// Throws ETimelineExportError "Cannot save '<file>': <reason>".
void ExportTimeline(const QString& fileName, const TTimelineModel& model,
                    const TTimelineScene& scene);

// The scene that shows the Julian Days [from, to) (by default the model's
// First and Last) across a surface `width` pixels wide (at least 200), as
// tall as its tracks need; no moment line.
TTimelineScene FittedScene(const TTimelineModel& model, double width,
                           std::optional<double> from = {}, std::optional<double> to = {});

}  // namespace ostrane
