#include "ui/widgets/ListMarks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <vector>

#include "core/Planets.h"
#include "listing/InForceText.h"
#include "listing/Marks.h"

namespace ostrane {

// Where the marks go in the margin, from its left edge, in pixels.
struct TMargin {
  QFont MarkFont;  // the list's font, bold and a little smaller
  int ArrowLeft = 0, ArrowWidth = 0;
  int BadgeLeft = 0, BadgeWidth = 0;
  int LoosingLeft = 0, LoosingWidth = 0;
  QFont RulerFont;  // the list's font, for the planets' glyphs
  int RulerLeft = 0, RulerWidth = 0;
  int Width = 0;
};

namespace {

// The row of the period in force, and the 10th place, the strongest peak.
const QColor kInForceBackground(214, 230, 255);
const QColor kPeakBackground(255, 244, 204);
const QColor kInForceArrow(26, 86, 219);
const QColor kLoosing(123, 31, 162);
// The badges of the angles by rank: the 10th and the 1st filled, the 7th
// and the 4th outlined.
const QColor kAngleColours[4] = {QColor(179, 38, 30), QColor(232, 113, 10), QColor(26, 115, 232),
                                 QColor(95, 99, 104)};
// The ruler's badge: a dark glyph on a pale chip.
const QColor kRulerGlyph(55, 65, 81);
const QColor kRulerChip(229, 231, 235);

// The sum of the advances of the characters of each row's text in `role`
// into `sums`.
void AdvanceSums(const QFontMetricsF& metrics, const QAbstractItemModel& model, int role,
                 std::vector<qreal>& sums) {
  std::array<qreal, 128> ascii;
  ascii.fill(-1.0);
  const int rows = model.rowCount();
  sums.assign(static_cast<std::size_t>(rows), 0.0);
  for (int row = 0; row < rows; ++row) {
    const QString text = model.index(row, 0).data(role).toString();
    qreal sum = 0.0;
    for (const QChar c : text) {
      if (c.unicode() >= ascii.size()) {
        sum += metrics.horizontalAdvance(c);
        continue;
      }
      qreal& advance = ascii[c.unicode()];
      if (advance < 0.0) advance = metrics.horizontalAdvance(c);
      sum += advance;
    }
    sums[static_cast<std::size_t>(row)] = sum;
  }
}

QString GlyphOf(int planet) {
  return QString::fromUtf8(PlanetGlyph(kPlanets[static_cast<std::size_t>(planet)]));
}

TMargin MarginOf(const QFont& font) {
  TMargin m;
  m.MarkFont = font;
  m.MarkFont.setBold(true);
  if (font.pointSizeF() > 0)
    m.MarkFont.setPointSizeF(font.pointSizeF() * 0.8);
  else if (font.pixelSize() > 0)
    m.MarkFont.setPixelSize(std::max(1, font.pixelSize() * 4 / 5));
  const QFontMetrics marks(m.MarkFont);
  const int height = QFontMetrics(font).height();
  m.ArrowLeft = 2;
  m.ArrowWidth = std::max(4, height * 2 / 5);
  m.BadgeLeft = m.ArrowLeft + m.ArrowWidth + 2;
  m.BadgeWidth = marks.horizontalAdvance(QStringLiteral("10")) + marks.height() / 3;
  m.LoosingLeft = m.BadgeLeft + m.BadgeWidth + 2;
  m.LoosingWidth = marks.horizontalAdvance(QStringLiteral("LB"));
  m.RulerFont = font;
  const QFontMetrics glyphs(m.RulerFont);
  int widest = 0;
  for (int planet = 0; planet < kPlanetCount; ++planet)
    widest = std::max(widest, glyphs.horizontalAdvance(GlyphOf(planet)));
  m.RulerLeft = m.LoosingLeft + m.LoosingWidth + 3;
  m.RulerWidth = std::max(widest + 4, height * 4 / 5);
  m.Width = m.RulerLeft + m.RulerWidth + 4;
  return m;
}

void DrawArrow(QPainter& painter, const QRect& row, const TMargin& m) {
  const double half = row.height() * 0.28;
  const double centre = row.top() + row.height() / 2.0;
  const double left = row.left() + m.ArrowLeft;
  QPainterPath arrow;
  arrow.moveTo(left, centre - half);
  arrow.lineTo(left + m.ArrowWidth, centre);
  arrow.lineTo(left, centre + half);
  arrow.closeSubpath();
  painter.fillPath(arrow, kInForceArrow);
}

void DrawBadge(QPainter& painter, const QRect& row, const TMargin& m, int place) {
  const int rank = AngleRank(place);
  const QColor colour = kAngleColours[rank - 1];
  const QFontMetrics marks(m.MarkFont);
  const int height = std::min(row.height() - 2, marks.height() + 2);
  // On whole pixels plus a half, so that the outline is sharp.
  const int top = row.top() + (row.height() - height) / 2;
  const QRectF badge(row.left() + m.BadgeLeft + 0.5, top + 0.5, m.BadgeWidth - 1, height - 1);
  const bool filled = rank <= 2;
  painter.setPen(QPen(colour, 1.2));
  painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::white));
  painter.drawRoundedRect(badge, 3, 3);
  painter.setPen(filled ? QColor(Qt::white) : colour);
  painter.drawText(badge, Qt::AlignCenter, QString::number(place));
}

void DrawLoosing(QPainter& painter, const QRect& row, const TMargin& m) {
  painter.setPen(kLoosing);
  painter.drawText(QRect(row.left() + m.LoosingLeft, row.top(), m.LoosingWidth + 2, row.height()),
                   Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("LB"));
}

// The ruler's glyph on its chip, centred in its column.
void DrawRuler(QPainter& painter, const QRect& row, const TMargin& m, int planet) {
  const int height = std::min(row.height() - 2, QFontMetrics(m.RulerFont).height());
  const QRectF chip(row.left() + m.RulerLeft + 0.5, row.top() + (row.height() - height) / 2.0 + 0.5,
                    m.RulerWidth - 1, height - 1);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kRulerChip);
  painter.drawRoundedRect(chip, height / 2.0, height / 2.0);
  painter.setFont(m.RulerFont);
  painter.setPen(kRulerGlyph);
  painter.drawText(chip, Qt::AlignCenter, GlyphOf(planet));
}

}  // namespace

QColor PeakBackgroundColour() {
  return kPeakBackground;
}

QColor LoosingColour() {
  return kLoosing;
}

QColor AngleColour(int place) {
  const int rank = AngleRank(place);
  return rank > 0 ? kAngleColours[rank - 1] : QColor();
}

TMarkDelegate::TMarkDelegate(ReferenceFn reference, QObject* parent)
    : QStyledItemDelegate(parent), FReference(std::move(reference)) {}

struct TMarkDelegate::TMarginOfFont {
  QFont Font;
  TMargin Margin;
};

TMarkDelegate::~TMarkDelegate() = default;

const TMargin& TMarkDelegate::Margin(const QFont& font) const {
  if (!FMargin || !(FMargin->Font == font))
    FMargin = std::make_unique<TMarginOfFont>(TMarginOfFont{font, MarginOf(font)});
  return FMargin->Margin;
}

TLineMarks TMarkDelegate::Marks(const QModelIndex& index) const {
  TLineMarks marks;
  const QVariant level = index.data(kPeriodLevelRole);
  if (!level.isValid()) return marks;
  marks.Period = true;
  marks.Place = PlaceFrom(FReference().Sign, index.data(kPeriodCounterRole).toInt());
  marks.Loosing = index.data(kPeriodLoosingRole).toBool();
  marks.InForce = index.data(kPeriodInForceRole).toBool();
  const QVariant ruler = index.data(kPeriodRulerRole);
  if (ruler.isValid() && ruler.toInt() >= 0 && ruler.toInt() < kPlanetCount)
    marks.Ruler = ruler.toInt();
  return marks;
}

QString TMarkDelegate::ToolTip(const QModelIndex& index) const {
  const TLineMarks marks = Marks(index);
  if (!marks.Period) return {};
  QString text = QString::fromStdString(MarksText(marks.Place, marks.Loosing, FReference().Name));
  if (marks.InForce) text += QString(text.isEmpty() ? "" : "; ") + "In force";
  const QString span = index.data(kPeriodSpanTextRole).toString();
  if (!span.isEmpty()) text += (text.isEmpty() ? "" : "\n") + span;
  const QString reading = index.data(kPeriodRulerReadingRole).toString();
  if (!reading.isEmpty()) text += (text.isEmpty() ? "" : "\n") + reading;
  return text;
}

QString TMarkDelegate::PrintedMarks(const QModelIndex& index) const {
  const TLineMarks marks = Marks(index);
  if (!marks.Period) return {};
  QString printed =
      QString::fromStdString(ostrane::PrintedMarks(marks.Place, marks.Loosing, marks.InForce));
  if (marks.Ruler >= 0) printed += (printed.isEmpty() ? "" : " ") + GlyphOf(marks.Ruler);
  return printed;
}

int TMarkDelegate::EndsGap(const QFont& font) {
  return QFontMetrics(font).horizontalAdvance(QStringLiteral("MM"));
}

QRect TMarkDelegate::EndsRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  // Where the style puts the text, then past the text's own width.
  QStyleOptionViewItem text = option;
  initStyleOption(&text, index);
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &text, widget);
  const int left = textRect.left() + QFontMetrics(option.font).horizontalAdvance(text.text) +
                   EndsGap(option.font);
  return {left, option.rect.top(), std::max(0, option.rect.right() + 1 - left),
          option.rect.height()};
}

void TMarkDelegate::DrawEnds(QPainter& painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QString ends = index.data(kPeriodEndsTextRole).toString();
  if (ends.isEmpty()) return;
  const QRect rect = EndsRect(option, index);
  if (rect.width() <= 0) return;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  painter.save();
  painter.setFont(option.font);
  painter.setPen(
      option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
  painter.drawText(rect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, ends);
  painter.restore();
}

int TMarkDelegate::MarginWidth(const QFont& font) {
  return MarginOf(font).Width;
}

void TMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  const TLineMarks marks = Marks(index);
  const TMargin& margin = Margin(option.font);
  const QRect row = option.rect;
  const bool peak = AngleRank(marks.Place) == 1;

  painter->save();
  if (marks.InForce)
    painter->fillRect(row, kInForceBackground);
  else if (peak)
    painter->fillRect(row, kPeakBackground);
  // The selection covers the margin as well as the text.
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  QStyleOptionViewItem panel = option;
  initStyleOption(&panel, index);
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);
  painter->restore();

  QStyleOptionViewItem text = option;
  text.rect.setLeft(row.left() + margin.Width);
  QStyledItemDelegate::paint(painter, text, index);

  if (!marks.Period) return;
  DrawEnds(*painter, text, index);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setFont(margin.MarkFont);
  if (marks.InForce) DrawArrow(*painter, row, margin);
  if (AngleRank(marks.Place) > 0) DrawBadge(*painter, row, margin, marks.Place);
  if (marks.Loosing) DrawLoosing(*painter, row, margin);
  if (marks.Ruler >= 0) DrawRuler(*painter, row, margin, marks.Ruler);
  painter->restore();
}

int TMarkDelegate::EndsWidth(const QFont& font, const QModelIndex& index) {
  const QString ends = index.data(kPeriodEndsTextRole).toString();
  return ends.isEmpty() ? 0 : EndsGap(font) + QFontMetrics(font).horizontalAdvance(ends);
}

QSize TMarkDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* view = qobject_cast<const QListView*>(option.widget);
  QSize size;
  if (view && view->uniformItemSizes() && index.model()) {
    size = WidestLineSize(option, *index.model());
  } else {
    size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += EndsWidth(option.font, index);
  }
  return {size.width() + Margin(option.font).Width, size.height()};
}

QSize TMarkDelegate::WidestLineSize(const QStyleOptionViewItem& option,
                                    const QAbstractItemModel& model) const {
  // Measuring a line as the style does lays its text out, too slow for
  // thousands of lines.  The sum of the advances of a line's characters
  // (and of its ends' with the gap) ranks the lines instead; only those
  // within a line height of the widest sum (kerning and shaping stay far
  // inside that) are measured.
  const QFontMetricsF metrics(option.font);
  std::vector<qreal> sums, ends;
  AdvanceSums(metrics, model, Qt::DisplayRole, sums);
  AdvanceSums(metrics, model, kPeriodEndsTextRole, ends);
  const qreal gap = EndsGap(option.font);
  qreal widest = 0.0;
  for (std::size_t row = 0; row < sums.size(); ++row) {
    if (ends[row] > 0.0) sums[row] += gap + ends[row];
    widest = std::max(widest, sums[row]);
  }
  QSize size;
  for (int row = 0; row < static_cast<int>(sums.size()); ++row) {
    if (sums[static_cast<std::size_t>(row)] < widest - metrics.height()) continue;
    const QModelIndex index = model.index(row, 0);
    QSize line = QStyledItemDelegate::sizeHint(option, index);
    line.rwidth() += EndsWidth(option.font, index);
    if (!size.isValid() || line.width() > size.width()) size = line;
  }
  return size;
}

bool TMarkDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                              const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  const QString tip = ToolTip(index);
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return false;
  }
  QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
  return true;
}

}  // namespace ostrane
