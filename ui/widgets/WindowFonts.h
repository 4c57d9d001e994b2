// The fonts of the windows: 8-point "MS Sans Serif" for the controls and
// 10-point for the lists.  Where that face is missing Qt falls back to the
// desktop's sans-serif face at the same sizes.  And the one colour of
// their own: the background of what warns.
#pragma once

#include <QColor>
#include <QFont>

namespace ostrane {

QFont DialogFont();
QFont ListFont();

// The background of a warning: a spin field whose text is not a whole
// number, the line telling that a listing is out of date.  Light, with
// black text on it whatever the desktop's theme.
inline const QColor kWarningColor{255, 221, 153};

}  // namespace ostrane
