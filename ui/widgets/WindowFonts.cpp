#include "ui/widgets/WindowFonts.h"

namespace ostrane {
namespace {

QFont SansSerif(int pointSize) {
  QFont font(QStringLiteral("MS Sans Serif"), pointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont DialogFont() {
  return SansSerif(8);
}
QFont ListFont() {
  return SansSerif(10);
}

}  // namespace ostrane
