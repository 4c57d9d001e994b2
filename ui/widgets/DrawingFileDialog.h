// The file dialog that asks where to export a drawing (the timeline, the
// chart wheel): a PNG image, an SVG drawing or a PDF document, the suffix
// following the filter chosen.
#pragma once

#include <QString>

class QWidget;

namespace ostrane {

// The file name chosen in a dialog titled `title` over `parent`, or an empty
// text when it was cancelled.
QString AskDrawingFileName(QWidget* parent, const QString& title);

}  // namespace ostrane
