// The fonts of the windows: 8-point "MS Sans Serif" for the controls and
// 10-point for the lists.  Where that face is missing Qt falls back to the
// desktop's sans-serif face at the same sizes.
#pragma once

#include <QFont>

namespace ostrane {

QFont DialogFont();
QFont ListFont();

}  // namespace ostrane
