#include "timeline/ChartWheel.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "chart/ChartText.h"
#include "timeline/TimelineModel.h"

namespace ostrane {
namespace {

// Radii as fractions of the outer circle's: the sign ring, the planets'
// ring (ticks, glyphs, degrees), the lots' ring and the inner circle.
constexpr double kSignInner = 0.84, kSignGlyph = 0.92;
constexpr double kPlanetTick = 0.80, kPlanetGlyph = 0.735, kPlanetDegree = 0.645;
constexpr double kLotCircle = 0.59, kLotTick = 0.555, kLotLabel = 0.505, kLotDegree = 0.42;
constexpr double kInner = 0.37, kHouseNumber = 0.325;
// Text heights as fractions of the outer radius.
constexpr double kSignFont = 0.085, kPlanetFont = 0.075, kLotFont = 0.042, kDegreeFont = 0.034;
constexpr double kSmallFont = 0.033, kAscFont = 0.05;
// The least angles between labels on each ring, degrees.
constexpr double kPlanetGapDeg = 8.5, kLotGapDeg = 12.0;
// Room left outside the outer circle for the Ascendant's arrow and label.
constexpr double kMargin = 1.16;

double Reduced(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0 ? r + 360.0 : (r >= 360.0 ? 0.0 : r);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Draws with the geometry of one wheel: centre, outer radius and the angle
// of each longitude.
class TWheel {
 public:
  TWheel(QPainter& painter, const QRectF& rect, const TChart& chart)
      : P(painter),
        C(chart),
        FCentre(rect.center()),
        R(std::max(std::min(rect.width(), rect.height()) / 2.0 / kMargin, 1.0)),
        FAscSign(chart.AscendantSign()) {}

  void Paint() {
    Signs();
    Circles();
    AscendantLine();
    Planets();
    Lots();
    AscendantArrow();
    Centre();
  }

 private:
  QPointF At(double angleDeg, double radius) const {
    const double a = angleDeg * std::numbers::pi / 180.0;
    return {FCentre.x() + radius * R * std::cos(a), FCentre.y() - radius * R * std::sin(a)};
  }
  double Angle(double longitudeDeg) const { return WheelAngleDeg(longitudeDeg, FAscSign); }
  QRectF Circle(double radius) const {
    return {FCentre.x() - radius * R, FCentre.y() - radius * R, 2 * radius * R, 2 * radius * R};
  }
  void Font(double height, bool bold = false) {
    QFont font = P.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * R))));
    font.setBold(bold);
    P.setFont(font);
  }
  // Text centred on a point.
  void Text(QPointF at, const QString& text) {
    P.drawText(QRectF(at.x() - R, at.y() - R, 2 * R, 2 * R), Qt::AlignCenter, text);
  }
  void Pen(const QColor& colour, double width) {
    QPen pen(colour, std::max(width * R, 0.5));
    pen.setCapStyle(Qt::FlatCap);
    P.setPen(pen);
  }

  void Signs() {
    // Fire, earth, air, water.
    static const QColor kElements[] = {QColor(0xfb, 0xe4, 0xdc), QColor(0xec, 0xf1, 0xd9),
                                       QColor(0xfb, 0xf5, 0xd6), QColor(0xdf, 0xea, 0xf6)};
    Font(kSignFont);
    for (int sign = 0; sign < 12; ++sign) {
      const double start = Angle(sign * 30.0);
      QPainterPath sector;
      sector.arcMoveTo(Circle(1.0), start);
      sector.arcTo(Circle(1.0), start, 30.0);
      sector.arcTo(Circle(kSignInner), start + 30.0, -30.0);
      sector.closeSubpath();
      P.fillPath(sector, kElements[sign % 4]);
      P.setPen(QColor(0x40, 0x40, 0x40));
      Text(At(start + 15.0, kSignGlyph), Q(SignGlyph(sign)));
    }
    // The houses' lines, strong in the sign ring, faint inside it.
    for (int sign = 0; sign < 12; ++sign) {
      const double start = Angle(sign * 30.0);
      Pen(QColor(0x80, 0x80, 0x80), 0.004);
      P.drawLine(At(start, kSignInner), At(start, 1.0));
      Pen(QColor(0xd8, 0xd8, 0xd8), 0.003);
      P.drawLine(At(start, kInner), At(start, kSignInner));
    }
    P.setPen(QColor(0xa0, 0xa0, 0xa0));
    Font(kSmallFont);
    for (int house = 1; house <= 12; ++house)
      Text(At(180.0 + (house - 1) * 30.0 + 15.0, kHouseNumber), QString::number(house));
  }

  void Circles() {
    P.setBrush(Qt::NoBrush);
    Pen(QColor(0x40, 0x40, 0x40), 0.006);
    P.drawEllipse(Circle(1.0));
    P.drawEllipse(Circle(kSignInner));
    Pen(QColor(0x90, 0x90, 0x90), 0.003);
    P.drawEllipse(Circle(kLotCircle));
    Pen(QColor(0x60, 0x60, 0x60), 0.004);
    P.drawEllipse(Circle(kInner));
  }

  // One ring of labels: a tick at each true longitude inward from
  // `tickFrom`, the label at its spread angle, a line from the tick to a
  // moved label, the degree (and "℞") under the label.
  struct TMark {
    double LongitudeDeg;
    QString Label;
    QString Degree;
    QColor Colour;
  };
  void Ring(const std::vector<TMark>& marks, double gapDeg, double tickFrom, double tickTo,
            double labelAt, double labelFont, double degreeAt) {
    std::vector<double> angles;
    angles.reserve(marks.size());
    for (const TMark& mark : marks) angles.push_back(Angle(mark.LongitudeDeg));
    const std::vector<double> spread = SpreadAngles(angles, gapDeg);
    for (std::size_t i = 0; i < marks.size(); ++i) {
      Pen(marks[i].Colour, 0.006);
      P.drawLine(At(angles[i], tickFrom), At(angles[i], tickTo));
      const double moved = std::fabs(std::remainder(spread[i] - angles[i], 360.0));
      if (moved > 0.5) {
        Pen(QColor(0xa0, 0xa0, 0xa0), 0.0025);
        P.drawLine(At(angles[i], tickTo), At(spread[i], labelAt + labelFont * 0.55));
      }
      P.setPen(marks[i].Colour);
      Font(labelFont);
      Text(At(spread[i], labelAt), marks[i].Label);
      Font(kDegreeFont);
      Text(At(spread[i], degreeAt), marks[i].Degree);
    }
  }

  static QString DegreeText(double longitudeDeg, bool retrograde) {
    const TSignPosition p = ToSignPosition(longitudeDeg);
    return QString::number(p.Degrees) + "\u00B0" + (retrograde ? "\u211E" : "");
  }

  void Planets() {
    std::vector<TMark> marks;
    marks.reserve(kPlanets.size());
    for (TPlanet planet : kPlanets) {
      const TPlanetPosition& at = C.Planets[static_cast<std::size_t>(Index(planet))];
      const TNature nature = NatureOf(planet);
      const QColor colour = nature == TNature::Benefic   ? QColor(0x1e, 0x6b, 0x2e)
                            : nature == TNature::Malefic ? QColor(0xa0, 0x24, 0x1c)
                                                         : QColor(0x20, 0x20, 0x20);
      marks.push_back({at.LongitudeDeg, Q(PlanetGlyph(planet)),
                       DegreeText(at.LongitudeDeg, at.Retrograde), colour});
    }
    Ring(marks, kPlanetGapDeg, kSignInner, kPlanetTick, kPlanetGlyph, kPlanetFont, kPlanetDegree);
  }

  void Lots() {
    std::vector<TMark> marks;
    marks.reserve(kLots.size());
    for (TLot lot : kLots)
      marks.push_back({C.LotDeg(lot), Q(LotWheelLabel(lot)), DegreeText(C.LotDeg(lot), false),
                       QColor(0x3a, 0x2f, 0x8c)});
    Ring(marks, kLotGapDeg, kLotCircle, kLotTick, kLotLabel, kLotFont, kLotDegree);
  }

  // The Ascendant's degree: a light line across the houses, under the
  // labels, and outside the signs (leaving their glyphs clear) an arrow
  // pointing out, over all.
  void AscendantLine() {
    Pen(QColor(0xb0, 0x20, 0x20, 0x90), 0.005);
    P.drawLine(At(Angle(C.AscendantDeg), kInner), At(Angle(C.AscendantDeg), kSignInner));
  }
  void AscendantArrow() {
    const double a = Angle(C.AscendantDeg);
    const QColor red(0xb0, 0x20, 0x20);
    Pen(red, 0.009);
    P.drawLine(At(a, 0.985), At(a, 1.06));
    QPainterPath head;
    head.moveTo(At(a, 1.10));
    head.lineTo(At(a + 2.2, 1.04));
    head.lineTo(At(a - 2.2, 1.04));
    head.closeSubpath();
    P.fillPath(head, red);
    P.setPen(red);
    Font(kAscFont, true);
    // Above the arrow, in the margin left of the outer circle.
    Text(At(a, 1.08) - QPointF(0.0, 1.3 * kAscFont * R), "Asc");
  }

  void Centre() {
    P.setPen(QColor(0x50, 0x50, 0x50));
    Font(kSmallFont * 1.15);
    const QString zodiac = C.Variants.Zodiac == TZodiac::Tropical
                               ? QString("Tropical")
                               : Q(ZodiacName(C.Variants.Zodiac)) + " ayanamsa";
    Text(At(90.0, 0.07), zodiac);
    Text(At(270.0, 0.07), C.Sect == TSect::Day ? "Day chart" : "Night chart");
  }

  QPainter& P;
  const TChart& C;
  QPointF FCentre;
  double R;  // the outer circle's radius, pixels
  int FAscSign;
};

}  // namespace

double WheelAngleDeg(double longitudeDeg, int ascendantSign) {
  return Reduced(180.0 + longitudeDeg - 30.0 * ascendantSign);
}

std::vector<double> SpreadAngles(const std::vector<double>& anglesDeg, double minGapDeg) {
  const std::size_t n = anglesDeg.size();
  std::vector<double> result(n);
  if (n == 0) return result;
  const double gap = std::min(std::max(minGapDeg, 0.0), 360.0 / static_cast<double>(n));
  std::vector<double> angles(n);
  std::transform(anglesDeg.begin(), anglesDeg.end(), angles.begin(), Reduced);
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
  // Cut the circle open at its widest empty arc, which is at least 360 / n.
  std::size_t cut = 0;
  double widest = -1.0;
  for (std::size_t k = 0; k < n; ++k) {
    const double next = k + 1 < n ? angles[order[k + 1]] : angles[order[0]] + 360.0;
    if (next - angles[order[k]] > widest) {
      widest = next - angles[order[k]];
      cut = (k + 1) % n;
    }
  }
  std::vector<double> line(n);  // the angles unrolled from the cut, ascending
  for (std::size_t j = 0; j < n; ++j)
    line[j] = angles[order[(cut + j) % n]] + (cut + j >= n ? 360.0 : 0.0);
  // Runs spaced by the gap and centred on their angles' mean, merged with the
  // run before while they overlap it.
  struct TRun {
    double Sum;
    std::size_t Count;
    double Gap;
    double Start() const { return Sum / static_cast<double>(Count) - Gap * (Count - 1) / 2.0; }
  };
  std::vector<TRun> runs;
  for (double x : line) {
    runs.push_back({x, 1, gap});
    while (runs.size() > 1) {
      const TRun& before = runs[runs.size() - 2];
      if (before.Start() + gap * before.Count <= runs.back().Start() + 1e-12) break;
      runs[runs.size() - 2].Sum += runs.back().Sum;
      runs[runs.size() - 2].Count += runs.back().Count;
      runs.pop_back();
    }
  }
  // Overlapping across the cut: one run of all, which fits as n gaps do.
  const double last = runs.back().Start() + gap * (runs.back().Count - 1);
  if (runs.front().Start() + 360.0 < last + gap - 1e-9)
    runs = {{std::accumulate(line.begin(), line.end(), 0.0), n, gap}};
  std::size_t j = 0;
  for (const TRun& run : runs)
    for (std::size_t k = 0; k < run.Count; ++k, ++j)
      result[order[(cut + j) % n]] = Reduced(run.Start() + gap * k);
  return result;
}

std::string LotWheelLabel(TLot lot) {
  if (lot == TLot::Fortune) return "\u2297";
  return std::string(LotName(lot).substr(0, 3));
}

void PaintChartWheel(QPainter& painter, const QRectF& rect, const TChart& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  TWheel(painter, rect, chart).Paint();
  painter.restore();
}

QByteArray RenderChartWheel(const TChart& chart, int size, TTimelineFormat format) {
  const int side = std::max(size, 100);
  return RenderDrawing(
      QSize(side, side), "Ostrane chart wheel", "Whole-sign chart wheel",
      [&](QPainter& painter) { PaintChartWheel(painter, QRectF(0, 0, side, side), chart); },
      format);
}

void ExportChartWheel(const QString& fileName, const TChart& chart, int size) {
  WriteDrawing(fileName, RenderChartWheel(chart, size, TimelineFormatOf(fileName)));
}

}  // namespace ostrane
