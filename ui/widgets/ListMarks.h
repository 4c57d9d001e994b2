// The marks of the listed periods in both lists: each data line keeps its
// period in item data roles (those of the listing model, ListingModel.h), and
// an item delegate draws the marks in a narrow margin left of the line's
// text, which stays as it is (the period's end and age are painted after
// the text, in a quieter colour): the period in force, the angles counted from
// Fortune or the start sign (the 10th strongest, then the 1st, 7th and 4th)
// and the loosing of the bond; last the glyph of the sign's ruler.  The
// places are counted when a line is painted, so the marks follow the
// current reference.
#pragma once

#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "listing/PeriodWalk.h"

namespace ostrane {

struct TMargin;

// The item data roles of a data line; a header line has none of them.
enum TPeriodRole : int {
  kPeriodLevelRole = Qt::UserRole + 1,  // int, 1 general .. 4
  kPeriodCounterRole,                   // int, the unreduced sign counter
  kPeriodStartRole,                     // double, Julian Day in local clock time
  kPeriodLoosingRole,                   // bool, a loosing of the bond
  kPeriodInForceRole,                   // bool, in force at the moment last shown
  kPeriodRulerRole,                     // int, the sign's domicile ruler: Index(TPlanet)
  // QString, the ruler read in the birth chart (PeriodRulerText, Rulers.h):
  // "Capricorn general: Saturn, in Leo (8th house), the sect malefic"; only
  // while the model has a chart.
  kPeriodRulerReadingRole,
  kPeriodEndRole,  // double, Julian Day in local clock time (exclusive)
  // int, the age at the period's start in completed years (CompletedYears,
  // Ages.h); only while the model has the birth date.
  kPeriodAgeRole,
  // QString, what is painted right of the line's text: "ends 6/13/2027 ·
  // age 36"; only while the model has the birth date.
  kPeriodEndsTextRole,
  // QString, the period's span for the tooltip: "From 1/13/2025 to 7/2/2027
  // (2 years, 5 months, 19 days), aged 34 to 37"; only with the birth date.
  kPeriodSpanTextRole,
};

// What the places are counted from, read when a line is painted.
struct TMarkReference {
  std::int32_t Sign = -1;  // SignIndex 0 .. 11, -1 when unknown
  std::string Name;        // "Fortune" or "the start sign"
};

// The marks of one line.
struct TLineMarks {
  bool Period = false;  // a data line (the others have no marks)
  int Place = 0;        // 1 .. 12 from the reference, 0 when unknown
  bool Loosing = false;
  bool InForce = false;
  int Ruler = -1;  // Index(TPlanet) of the sign's ruler, -1 on a header line
};

// The colours the marks are drawn in, for the other views of the periods:
// the background of a peak's line, the loosing of the bond's mark, and the
// badge of an angle (place 10, 1, 7 or 4; an invalid colour for the others).
QColor PeakBackgroundColour();
QColor LoosingColour();
QColor AngleColour(int place);

class TMarkDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using ReferenceFn = std::function<TMarkReference()>;

  TMarkDelegate(ReferenceFn reference, QObject* parent);
  ~TMarkDelegate() override;

  TLineMarks Marks(const QModelIndex& index) const;
  // The marks in words, the line's tooltip: "10th from Fortune: the peak",
  // "the loosing of the bond (LB): a turning point", "In force", joined by
  // "; "; then, each
  // on a line of its own, the period's span (kPeriodSpanTextRole) when the
  // model has the birth date and the ruler read in the chart
  // (kPeriodRulerReadingRole) when it has one.  Empty text for a line
  // without any.
  QString ToolTip(const QModelIndex& index) const;
  // The marks as they are printed in the line's margin (PrintedMarks), and
  // the ruler's glyph after them when the model reads it in a chart.
  QString PrintedMarks(const QModelIndex& index) const;
  // The width in pixels of the margin in front of every line, for `font`.
  static int MarginWidth(const QFont& font);
  // The room in pixels between a line's text and its ends (kPeriodEndsTextRole).
  static int EndsGap(const QFont& font);
  // The width the ends of a line take after its text, with the gap; 0 for
  // a line without them.
  static int EndsWidth(const QFont& font, const QModelIndex& index);
  // Where the ends of the line are painted: from the end of its text (as the
  // style lays the text out in `option`, the line without its margin) and
  // the gap to the right of the row.
  QRect EndsRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  // In a list view of uniform item sizes (as both lists are) every line is
  // as large as the widest line of the list (WidestLineSize), so that the
  // list lays out as it would line by line; otherwise the line's own size.
  // Both with the margin and the ends (EndsWidth).
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The size, without the margin, of the widest line of `model` as the
  // style measures it, with its ends (EndsWidth); the lines have one
  // font, one line of text each and so one height.  Invalid for a model
  // without lines.
  QSize WidestLineSize(const QStyleOptionViewItem& option, const QAbstractItemModel& model) const;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 private:
  // The margin for `font`, measured once for each font the lines come in.
  const TMargin& Margin(const QFont& font) const;
  void DrawEnds(QPainter& painter, const QStyleOptionViewItem& option,
                const QModelIndex& index) const;

  ReferenceFn FReference;
  struct TMarginOfFont;
  mutable std::unique_ptr<TMarginOfFont> FMargin;
};

}  // namespace ostrane
