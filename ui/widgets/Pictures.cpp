#include "ui/widgets/Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "core/Chronocrators.h"

namespace ostrane {

namespace {

const QColor kGold(224, 178, 64);
const QColor kNight(12, 20, 60);

// A point at `radius` from `centre`, `degrees` counter-clockwise from the
// right (QPainter's arc convention).
QPointF Polar(const QPointF& centre, qreal radius, qreal degrees) {
  const qreal a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

QPainterPath Sector(const QPointF& centre, qreal inner, qreal outer, qreal start, qreal sweep) {
  QPainterPath path;
  const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
  const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
  path.arcMoveTo(outerBox, start);
  path.arcTo(outerBox, start, sweep);
  path.arcTo(innerBox, start + sweep, -sweep);
  path.closeSubpath();
  return path;
}

// Fire, earth, air and water, in the order of the signs from Aries.
QColor ElementColour(int sign) {
  static const QColor colours[4] = {QColor(232, 116, 84), QColor(126, 176, 96),
                                    QColor(236, 206, 98), QColor(96, 150, 222)};
  return colours[sign % 4];
}

void DrawStars(QPainter& painter, int width, int height) {
  std::uint32_t seed = 1148u;  // a fixed sky
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const qreal x = next() % static_cast<std::uint32_t>(width);
    const qreal y = next() % static_cast<std::uint32_t>(height);
    const int light = 140 + static_cast<int>(next() % 116);
    painter.setBrush(QColor(light, light, 255));
    painter.drawEllipse(QPointF(x, y), 0.7, 0.7);
  }
}

}  // namespace

QImage DrawZodiacWheel(qreal devicePixelRatio) {
  QImage image(QSize(kWheelWidth, kWheelHeight) * devicePixelRatio,
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kWheelHeight);
  sky.setColorAt(0, QColor(8, 12, 40));
  sky.setColorAt(1, QColor(30, 44, 100));
  painter.fillRect(QRectF(0, 0, kWheelWidth, kWheelHeight), sky);
  DrawStars(painter, kWheelWidth, kWheelHeight);

  const QPointF centre(kWheelWidth / 2.0, kWheelHeight / 2.0);
  const qreal outer = 100, inner = 60, core = 24;
  QFont font;
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  font.setBold(true);
  QFont glyphFont = font;
  glyphFont.setBold(false);
  glyphFont.setPixelSize(15);
  const QFontMetricsF glyphMetrics(glyphFont);
  TChronocrator names;
  for (int sign = 0; sign < 12; ++sign) {
    const qreal start = 180.0 + 30.0 * sign;
    painter.setPen(QPen(kNight, 1.2));
    painter.setBrush(ElementColour(sign));
    painter.drawPath(Sector(centre, inner, outer, start, 30.0));

    // The sign's symbol when the fonts have it, and its short name.
    const QChar glyph(static_cast<char16_t>(0x2648 + sign));
    const bool hasGlyph = glyphMetrics.inFont(glyph);
    std::string name;
    names.ShortSignName(sign, name);
    painter.setPen(kNight);
    const qreal middle = start + 15.0;
    const qreal nameRadius = hasGlyph ? 71 : 80;
    QRectF box(0, 0, 30, 16);
    box.moveCenter(Polar(centre, nameRadius, middle));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, QString::fromStdString(name));
    if (hasGlyph) {
      box.moveCenter(Polar(centre, 88, middle));
      painter.setFont(glyphFont);
      painter.drawText(box, Qt::AlignCenter, QString(glyph));
    }
  }

  // The inner wheel: the sub periods' spokes round the sun.
  QRadialGradient disc(centre, inner);
  disc.setColorAt(0, QColor(40, 58, 130));
  disc.setColorAt(1, kNight);
  painter.setPen(QPen(kGold, 1.5));
  painter.setBrush(disc);
  painter.drawEllipse(centre, inner, inner);
  painter.setPen(QPen(kGold, 0.8));
  for (int spoke = 0; spoke < 12; ++spoke)
    painter.drawLine(Polar(centre, core, 180.0 + 30.0 * spoke),
                     Polar(centre, inner, 180.0 + 30.0 * spoke));
  // The loosing of the bond: a chord across to the opposite sign.
  painter.setPen(QPen(QColor(240, 120, 40), 1.6, Qt::DashLine));
  painter.drawLine(Polar(centre, inner - 4, 255.0), Polar(centre, inner - 4, 75.0));
  QRadialGradient sun(centre, core);
  sun.setColorAt(0, QColor(255, 236, 150));
  sun.setColorAt(1, kGold);
  painter.setPen(QPen(kNight, 1));
  painter.setBrush(sun);
  painter.drawEllipse(centre, core - 6, core - 6);
  painter.setPen(QPen(kGold, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, outer, outer);
  return image;
}

QImage DrawProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);  // drawn on a 32 x 32 grid
  const QPointF centre(16, 16);

  QRadialGradient disc(centre, 15);
  disc.setColorAt(0, QColor(48, 70, 150));
  disc.setColorAt(1, kNight);
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.drawEllipse(centre, 15, 15);
  // The running period's sign, lit.
  painter.setBrush(QColor(240, 122, 40));
  painter.drawPath(Sector(centre, 8.5, 14.5, 90.0, 30.0));
  painter.setPen(QPen(kGold, 0.9));
  for (int spoke = 0; spoke < 12; ++spoke)
    painter.drawLine(Polar(centre, 8.5, 30.0 * spoke), Polar(centre, 14.5, 30.0 * spoke));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kGold, 1.2));
  painter.drawEllipse(centre, 8.5, 8.5);
  painter.setPen(QPen(kGold, 1.6));
  painter.drawEllipse(centre, 14.6, 14.6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 214, 90));
  painter.drawEllipse(centre, 4, 4);
  return image;
}

QIcon OstraneIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
  return icon;
}

}  // namespace ostrane
