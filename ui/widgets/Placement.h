// Sizes and places of top-level windows.
#pragma once

#include <QSize>

class QWidget;

namespace ostrane {

// Moves a window so that its frame is centred on the screen's available
// area.
void CentreOnScreen(QWidget* window);

// Resizes a shown window so that its outer size, frame included, comes as
// near `outer` as the window system tells the frame; without a frame the
// client area gets the whole size.
void FitOuterSize(QWidget* window, QSize outer);

}  // namespace ostrane
