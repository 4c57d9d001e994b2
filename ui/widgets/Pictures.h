// The program's pictures, drawn by code: the zodiac wheel of the About window
// and the program icon (window icon, About window, installed icon).
#pragma once

#include <QIcon>
#include <QImage>

namespace ostrane {

inline constexpr int kWheelWidth = 325;
inline constexpr int kWheelHeight = 212;

// The twelve signs round a wheel, Aries at the left and the signs following
// counter-clockwise, on a night sky; kWheelWidth x kWheelHeight logical
// pixels at the given device pixel ratio.  Needs a GUI application (text).
QImage DrawZodiacWheel(qreal devicePixelRatio = 1.0);

// The program icon, `size` pixels square: a wheel of twelve sectors with the
// sector of the running period lit.  Shapes only, so it can be drawn without
// a GUI application (the build draws the installed icon files this way).
QImage DrawProgramIcon(int size);

// The icon in the usual sizes, for the windows and the application.
QIcon OstraneIcon();

}  // namespace ostrane
