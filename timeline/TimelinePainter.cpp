#include "timeline/TimelinePainter.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "listing/Marks.h"

namespace ostrane {
namespace {

constexpr double kHatchSpacing = 6.0;
constexpr double kLoosingWidth = 22.0;  // kept free at a period's start for "LB"
const QColor kOutline(90, 90, 90);
const QColor kGridText(70, 70, 70);

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Drawn text: an SVG drawing writes it as XML text.
QString Text(const std::string& s) {
  return XmlCharacters(QString::fromStdString(s));
}

// The default face by the name it resolves to ("DejaVu Sans" rather than
// "Sans Serif"), so that an SVG names a face its viewer can find.
QFont Font(double pixels, bool bold = false) {
  static const QString family = QFontInfo(QFont()).family();
  QFont font(family);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  return font;
}

// Only the periods are drawn with drawRect; every other box is a path.
void Box(QPainter& p, const QRectF& r, const QBrush& brush, const QPen& pen = Qt::NoPen) {
  QPainterPath path;
  path.addRect(r);
  p.setPen(pen);
  p.setBrush(brush);
  p.drawPath(path);
}

// The hatch lines of the rectangle, anchored to the surface so that the
// lines of neighbouring periods meet.  Families: y = c (horizontal),
// x + y = c (rising), x - y = c (falling).
QPainterPath HatchPath(const QRectF& r, THatch hatch) {
  QPainterPath path;
  const double l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
  const auto family = [&](int kind) {
    const double step = kind == 0 ? kHatchSpacing : kHatchSpacing * std::sqrt(2.0);
    const double lo = kind == 0 ? t : kind == 1 ? l + t : l - b;
    const double hi = kind == 0 ? b : kind == 1 ? rt + b : rt - t;
    for (double c = std::ceil(lo / step) * step; c < hi; c += step) {
      if (kind == 0) {
        path.moveTo(l, c);
        path.lineTo(rt, c);
        continue;
      }
      const double x0 = kind == 1 ? std::max(l, c - b) : std::max(l, c + t);
      const double x1 = kind == 1 ? std::min(rt, c - t) : std::min(rt, c + b);
      if (!(x0 < x1)) continue;
      path.moveTo(x0, kind == 1 ? c - x0 : x0 - c);
      path.lineTo(x1, kind == 1 ? c - x1 : x1 - c);
    }
  };
  switch (hatch) {
    case THatch::None: break;
    case THatch::Horizontal: family(0); break;
    case THatch::Rising: family(1); break;
    case THatch::Falling: family(2); break;
    case THatch::Cross:
      family(1);
      family(2);
      break;
  }
  return path;
}

void Hatch(QPainter& p, const QRectF& r, const TPlaceStyle& style) {
  if (style.Hatch == THatch::None || r.width() < 4.0) return;  // too thin: the fill tells
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(style.Ink, 1.3));
  p.drawPath(HatchPath(r, style.Hatch));
}

// Text on a light halo, so that it reads over any hatch.
void HaloText(QPainter& p, const QRectF& at, const QString& text, const QFont& font,
              const QColor& halo = QColor(255, 255, 255, 215)) {
  p.setFont(font);
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(text) + 6.0, metrics.height() + 1.0);
  const QRectF box(at.center().x() - size.width() / 2.0, at.center().y() - size.height() / 2.0,
                   size.width(), size.height());
  QPainterPath path;
  path.addRoundedRect(box, 3.0, 3.0);
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawPath(path);
  p.setPen(Qt::black);
  p.drawText(box, Qt::AlignCenter, text);
}

// The longest label that fits the width: the name with the angle's marker,
// the name, the glyph with the marker, the glyph; empty when none fits.
QString FittingLabel(const TPeriodSpan& span, const TTimelineModel& model, double width,
                     const QFont& font) {
  const QFontMetricsF metrics(font);
  const std::string marker = PlaceStyle(span.Place).Marker;
  const std::string name = SignName(span.Counter, model.Settings.SignNameStyle);
  const std::string glyph = SignGlyph(span.Counter);
  std::vector<std::string> candidates;
  if (!marker.empty()) candidates.push_back(name + " \xC2\xB7 " + marker);
  candidates.push_back(name);
  if (!marker.empty()) candidates.push_back(glyph + " " + marker);
  candidates.push_back(glyph);
  for (const auto& candidate : candidates) {
    QString text = Text(candidate);
    if (metrics.horizontalAdvance(text) + 10.0 <= width) return text;
  }
  return {};
}

// The notch at the top of the band where a period of the loosing of the
// bond begins, a line down its start, and "LB" beside it when there is room.
void LoosingMark(QPainter& p, double x, const QRectF& band, bool room) {
  p.setPen(QPen(Qt::black, 2.0));
  p.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
  QPolygonF notch;
  notch << QPointF(x - 6.0, band.top()) << QPointF(x + 6.0, band.top())
        << QPointF(x, band.top() + 8.0);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPolygon(notch);
  if (!room) return;
  p.setPen(Qt::black);
  p.setFont(Font(10, true));
  p.drawText(QRectF(x + 2.0, band.top() + 8.0, kLoosingWidth - 3.0, band.height() - 8.0),
             Qt::AlignCenter, "LB");
}

void DrawAxis(QPainter& p, const TTimelineScene& scene) {
  const TTimelineLayout& layout = scene.Layout;
  const QRectF axis = layout.Axis();
  p.setPen(QPen(kGridText, 1.0));
  p.drawLine(QPointF(axis.left(), axis.bottom() - 0.5), QPointF(axis.right(), axis.bottom() - 0.5));

  const auto months = MonthTicks(scene.Scale, layout);
  if (!months.empty()) {
    const double monthWidth = scene.Scale.PixelsPerDay * 365.25 / 12.0;
    p.setFont(Font(10));
    for (const auto& tick : months) {
      const double x = scene.Scale.X(tick.JulianDay);
      p.setPen(QPen(kGridText, 1.0));
      p.drawLine(QPointF(x, axis.bottom() - 10.0), QPointF(x, axis.bottom()));
      if (monthWidth >= kMonthNamePixels && x + monthWidth / 2.0 < axis.right())
        p.drawText(QRectF(x, axis.top() + 18.0, monthWidth, 13.0), Qt::AlignCenter,
                   kMonthNames[tick.Month - 1]);
    }
  }
  p.setFont(Font(12, true));
  const auto years = YearTicks(scene.Scale, layout);
  for (const auto& tick : years) {
    const double x = scene.Scale.X(tick.JulianDay);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(x, axis.top() + 16.0), QPointF(x, axis.bottom()));
    if (x + 30.0 < axis.right())
      p.drawText(QRectF(x + 3.0, axis.top() + 1.0, 80.0, 16.0), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::number(tick.Year));
  }
  // Among the months, the year of the left edge, unless its tick is there.
  if (!months.empty() &&
      (years.empty() || scene.Scale.X(years.front().JulianDay) > axis.left() + 60.0)) {
    const QString year =
        QString::number(months.front().Month == 1 ? months.front().Year - 1 : months.front().Year);
    p.setPen(Qt::black);
    p.drawText(QRectF(axis.left() + 3.0, axis.top() + 1.0, 80.0, 16.0),
               Qt::AlignLeft | Qt::AlignVCenter, year);
  }
}

void DrawTrackFrame(QPainter& p, const TTimelineTrack& track, int index,
                    const TTimelineLayout& layout) {
  p.setPen(Qt::black);
  p.setFont(Font(12, true));
  const QRectF title = layout.TitleRow(index);
  p.drawText(
      QRectF(layout.PlotLeft(), title.top(), title.width() - layout.PlotLeft(), title.height()),
      Qt::AlignLeft | Qt::AlignVCenter, Text(track.Title));
  p.setFont(Font(11));
  for (int level : {1, 2}) {
    const QRectF band = layout.Band(index, level);
    p.setPen(kGridText);
    p.drawText(QRectF(2.0, band.top(), layout.PlotLeft() - 8.0, band.height()),
               Qt::AlignRight | Qt::AlignVCenter, level == 1 ? "general" : "sub");
    Box(p, band, QColor(250, 250, 250), QPen(QColor(200, 200, 200), 1.0));
  }
}

void DrawItems(QPainter& p, const TTimelineModel& model, const TTimelineScene& scene) {
  const auto items = TimelineItems(model, scene.Layout, scene.Scale);
  for (const auto& item : items) {
    const TPeriodSpan& span = model.Tracks[static_cast<std::size_t>(item.Track)].Spans[item.Span];
    const TPlaceStyle style = PlaceStyle(span.Place);
    p.setPen(item.Rect.width() >= 3.0 ? QPen(kOutline, 1.0) : Qt::NoPen);
    p.setBrush(style.Fill);
    p.drawRect(item.Rect);
    Hatch(p, item.Rect, style);
  }
  for (const auto& item : items) {
    const TPeriodSpan& span = model.Tracks[static_cast<std::size_t>(item.Track)].Spans[item.Span];
    const double startX = scene.Scale.X(span.Start);
    const bool markLoosing = span.Loosing && startX >= scene.Layout.PlotLeft();
    const bool roomForLB = markLoosing && item.Rect.width() >= kLoosingWidth + 8.0;
    QRectF labelArea = item.Rect;
    if (roomForLB) labelArea.setLeft(labelArea.left() + kLoosingWidth);
    const QFont font = Font(span.Level == 1 ? 13 : 11, span.Level == 1);
    const QString label = FittingLabel(span, model, labelArea.width(), font);
    if (!label.isEmpty()) HaloText(p, labelArea, label, font);
    if (markLoosing) LoosingMark(p, startX, item.Rect, roomForLB);
  }
}

void DrawMoment(QPainter& p, const TTimelineModel& model, const TTimelineScene& scene) {
  if (!scene.Moment) return;
  const TTimelineLayout& layout = scene.Layout;
  const double x = scene.Scale.X(*scene.Moment);
  if (x < layout.PlotLeft() || x > layout.PlotRight()) return;
  const int tracks = std::max(static_cast<int>(model.Tracks.size()), 1);
  QPen pen(Qt::black, 2.0, Qt::DashLine);
  p.setPen(pen);
  p.drawLine(QPointF(x, layout.Axis().top()), QPointF(x, layout.Band(tracks - 1, 2).bottom()));
  if (scene.MomentLabel.empty()) return;
  const QFont font = Font(11, true);
  const QFontMetricsF metrics(font);
  const QString text = Text(scene.MomentLabel);
  const double width = metrics.horizontalAdvance(text) + 8.0;
  // In the first track's title row, beside the line on the side with room.
  const QRectF row = layout.TitleRow(0);
  const double left = x + 4.0 + width <= layout.PlotRight() ? x + 4.0 : x - 4.0 - width;
  const QRectF box(left, row.top() + 3.0, width, row.height() - 5.0);
  Box(p, box, Qt::black);
  p.setPen(Qt::white);
  p.setFont(font);
  p.drawText(box, Qt::AlignCenter, text);
}

void DrawLegend(QPainter& p, const TTimelineModel& model, const TTimelineScene& scene) {
  const TTimelineLayout& layout = scene.Layout;
  const QRectF legend = layout.Legend();
  Box(p, legend, Qt::white, QPen(QColor(190, 190, 190), 1.0));
  const ReleaseSettings& s = model.Settings;
  const std::string from =
      s.AnglesFrom == TAnglesFrom::StartSign ? " from start sign" : " from Fortune";
  const bool known = AngleReference(s) >= 0;
  const int columns = layout.LegendColumns();
  p.setFont(Font(11));
  for (int i = 0; i < TTimelineLayout::kLegendItems; ++i) {
    const int column = i % columns, row = i / columns;
    const double left = legend.left() + 6.0 + column * TTimelineLayout::kLegendItemWidth;
    const double top = legend.top() + 4.0 + row * TTimelineLayout::kLegendRowHeight;
    const QRectF swatch(left, top + 2.0, 26.0, 15.0);
    const QRectF label(left + 32.0, top, TTimelineLayout::kLegendItemWidth - 36.0, 19.0);
    std::string text;
    if (i < 5) {
      static constexpr int kPlaces[5] = {10, 1, 7, 4, 0};
      const TPlaceStyle style = PlaceStyle(kPlaces[i]);
      Box(p, swatch, style.Fill, QPen(kOutline, 1.0));
      Hatch(p, swatch, style);
      text = i < 4 ? Ordinal(kPlaces[i]) + from + ": " + PlaceWord(kPlaces[i])
                   : (known ? "other places" : "places unknown: no Fortune");
    } else if (i == 5) {
      Box(p, swatch, PlaceStyle(0).Fill, QPen(kOutline, 1.0));
      LoosingMark(p, swatch.left() + 8.0, swatch, false);
      text = "LB: the loosing of the bond";
    } else {
      p.setPen(QPen(Qt::black, 2.0, Qt::DashLine));
      p.drawLine(QPointF(swatch.center().x(), swatch.top()),
                 QPointF(swatch.center().x(), swatch.bottom()));
      text = "the chosen moment";
    }
    p.setPen(Qt::black);
    p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, Text(text));
  }
}

}  // namespace

QString XmlCharacters(const QString& text) {
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const char16_t u = c.unicode();
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      kept += c;
      kept += text[++i];
    } else if (!c.isSurrogate() && u != 0xFFFE && u != 0xFFFF &&
               (u >= 0x20 || u == u'\t' || u == u'\n' || u == u'\r')) {
      kept += c;
    }
  }
  return kept;
}

TPlaceStyle PlaceStyle(int place) {
  switch (AngleRank(place)) {
    case 1: return {QColor(246, 190, 160), QColor(213, 94, 0), THatch::Cross, "10th"};
    case 2: return {QColor(250, 222, 150), QColor(176, 120, 0), THatch::Rising, "1st"};
    case 3: return {QColor(184, 216, 238), QColor(0, 114, 178), THatch::Falling, "7th"};
    case 4: return {QColor(181, 227, 211), QColor(0, 130, 95), THatch::Horizontal, "4th"};
    default: return {QColor(232, 232, 232), QColor(232, 232, 232), THatch::None, ""};
  }
}

void DrawTimeline(QPainter& painter, const TTimelineModel& model, const TTimelineScene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const TTimelineLayout& layout = scene.Layout;
  Box(painter, QRectF(0.0, 0.0, layout.Width, layout.Height()), Qt::white);
  DrawAxis(painter, scene);
  for (std::size_t t = 0; t < model.Tracks.size(); ++t)
    DrawTrackFrame(painter, model.Tracks[t], static_cast<int>(t), layout);
  if (model.Empty()) {
    painter.setPen(kGridText);
    painter.setFont(Font(13));
    painter.drawText(layout.Band(0, 1), Qt::AlignCenter, "No listing: list the periods first.");
  }
  DrawItems(painter, model, scene);
  DrawMoment(painter, model, scene);
  DrawLegend(painter, model, scene);
  painter.restore();
}

}  // namespace ostrane
