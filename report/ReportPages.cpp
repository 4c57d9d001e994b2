#include "report/ReportPages.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "timeline/ChartWheel.h"
#include "timeline/TimelineExport.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelinePainter.h"

namespace ostrane {
namespace {

// Sizes in points (1/72 inch).
constexpr double kHeaderHeight = 28.0;  // from the top of the paint area to the content
constexpr double kFooterHeight = 24.0;  // from the content's end to the bottom
constexpr double kTableFont = 7.5, kTitleFont = 10.5, kTextFont = 8.5;
constexpr double kGap = 10.0;           // between blocks
constexpr double kWheelMax = 270.0;     // the wheel's largest side
constexpr double kTimelineWidth = 820;  // the timeline's drawing width, its pixels
const QColor kShade(232, 232, 232), kGrey(90, 90, 90), kRule(150, 150, 150);

QFont Font(double points, bool bold = false, bool italic = false) {
  static const QString family = QFontInfo(QFont()).family();
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// One pass over the report: laying it out (no painter: the pages are only
// counted) or painting it as laid out.  Both passes take the same steps.
class TReportPages {
 public:
  TReportPages(const QPaintDevice& device, const TReportContent& content, QPainter* painter,
               QPagedPaintDevice* paged, int pages)
      : D(device), C(content), P(painter), Paged(paged), Pages(pages) {
    U = D.logicalDpiY() / 72.0;
    W = D.width();
    H = D.height();
  }

  int Run() {
    StartPage();
    FirstPage();
    if (C.Chart) NewPage();  // the periods begin on a page of their own
    Table(C.Periods);
    if (C.PeriodsLeft > 0)
      Paragraph("The table ends here; " + QString::number(C.PeriodsLeft) +
                    " more general periods are listed in the program.",
                Font(kTextFont, false, true));
    for (const QString& line : C.Legend) Paragraph(line, Font(kTableFont), 2.0);
    NewPage();  // what holds now on a page of its own
    Timeline();
    Table(C.InForce);
    Table(C.NextChanges);
    return Page;
  }

 private:
  const QPaintDevice& D;
  const TReportContent& C;
  QPainter* P;
  QPagedPaintDevice* Paged;
  int Pages;
  double U = 1, W = 0, H = 0;  // device pixels per point; the paint area in pixels
  int Page = 0;
  double Y = 0;  // the top of the next block, pixels

  double Pt(double points) const { return points * U; }
  double Bottom() const { return H - Pt(kFooterHeight); }
  QFontMetricsF Metrics(const QFont& font) const {
    return QFontMetricsF(font, const_cast<QPaintDevice*>(&D));
  }

  void Text(const QRectF& rect, int flags, const QString& text, const QFont& font,
            const QColor& color = Qt::black) {
    if (!P) return;
    P->setFont(font);
    P->setPen(color);
    P->drawText(rect, flags, text);
  }
  void Rule(double y, const QColor& color = kRule) {
    if (!P) return;
    P->setPen(QPen(color, Pt(0.6)));
    P->drawLine(QPointF(0, y), QPointF(W, y));
  }

  void StartPage() {
    ++Page;
    Y = Pt(kHeaderHeight);
    if (!P) return;
    const QFont small = Font(7.5);
    Text(QRectF(0, 0, W * 0.65, Pt(16)), Qt::AlignLeft | Qt::AlignVCenter, C.Name, Font(10, true));
    Text(QRectF(W * 0.35, 0, W * 0.65, Pt(16)), Qt::AlignRight | Qt::AlignVCenter,
         "Zodiacal releasing report", small, kGrey);
    Rule(Pt(18));
    const double footer = H - Pt(14);
    Rule(footer - Pt(3));
    const QRectF line(0, footer, W, Pt(12));
    Text(line, Qt::AlignLeft | Qt::AlignVCenter, C.Footer, small, kGrey);
    Text(line, Qt::AlignHCenter | Qt::AlignVCenter, QString("page %1 of %2").arg(Page).arg(Pages),
         small, kGrey);
    Text(line, Qt::AlignRight | Qt::AlignVCenter, "Report of " + C.Made, small, kGrey);
  }
  void NewPage() {
    if (P && !Paged->newPage()) throw EReportError("A page of the report could not be added.");
    StartPage();
  }
  // Begins a new page unless `height` pixels fit below Y.
  void Need(double height) {
    if (Y + height > Bottom() && Y > Pt(kHeaderHeight)) NewPage();
  }

  double WrappedHeight(const QString& text, const QFont& font, double width) const {
    return Metrics(font)
        .boundingRect(QRectF(0, 0, width, H), Qt::TextWordWrap | Qt::AlignLeft, text)
        .height();
  }
  void Paragraph(const QString& text, const QFont& font, double gapAfter = 6.0) {
    if (text.isEmpty()) return;
    const double height = WrappedHeight(text, font, W);
    Need(height);
    Text(QRectF(0, Y, W, height), Qt::TextWordWrap | Qt::AlignLeft, text, font);
    Y += height + Pt(gapAfter);
  }

  // The birth data in two columns, label and value, `width` wide from x;
  // returns the height.
  double BirthRows(double x, double width) {
    const QFont label = Font(kTextFont, true), value = Font(kTextFont);
    const double labelWidth = std::min(width * 0.42, Pt(124));
    double y = Y;
    for (const auto& [caption, text] : C.BirthRows) {
      const double h = std::max(WrappedHeight(caption, label, labelWidth - Pt(4)),
                                WrappedHeight(text, value, width - labelWidth)) +
                       Pt(3);
      Text(QRectF(x, y, labelWidth - Pt(4), h), Qt::TextWordWrap | Qt::AlignTop, caption, label,
           kGrey);
      Text(QRectF(x + labelWidth, y, width - labelWidth, h), Qt::TextWordWrap | Qt::AlignTop, text,
           value);
      y += h;
    }
    return y - Y;
  }

  void FirstPage() {
    Text(QRectF(0, Y, W, Pt(22)), Qt::AlignLeft | Qt::AlignVCenter, C.Name, Font(16, true));
    Y += Pt(22);
    Text(QRectF(0, Y, W, Pt(14)), Qt::AlignLeft | Qt::AlignVCenter,
         "Hellenistic zodiacal releasing: the birth chart and the time-lord periods",
         Font(kTextFont, false, true), kGrey);
    Y += Pt(14) + Pt(kGap);
    if (!C.Chart) {
      Y += BirthRows(0, W) + Pt(kGap);
      Paragraph(C.NoChart, Font(kTextFont + 0.5, true), kGap);
      return;
    }
    const double side = std::min(W * 0.52, Pt(kWheelMax));
    const double rows = BirthRows(0, W - side - Pt(kGap));
    if (P) {
      P->setFont(Font(9));
      // Inset: the Ascendant's arrow and label reach past the circle.
      const double inset = Pt(12);
      PaintChartWheel(*P, QRectF(W - side + inset, Y, side - inset, side - inset), *C.Chart);
    }
    Y += std::max(rows, side) + Pt(kGap);
    Table(C.PlanetsAndLots);
    for (const QString& note : C.ChartNotes) Paragraph(note, Font(kTableFont, false, true), 2.0);
  }

  // The x of each column's left edge, and the right edge last.
  std::vector<double> Columns(const TReportTable& t) const {
    double sum = 0;
    for (const double w : t.Widths) sum += w;
    std::vector<double> x{0};
    for (const double w : t.Widths) x.push_back(x.back() + W * w / sum);
    return x;
  }

  void TableCaptions(const TReportTable& t, const std::vector<double>& x, bool continued) {
    const QFont title = Font(kTitleFont, true);
    const double titleHeight = Metrics(title).height() + Pt(4);
    Text(QRectF(0, Y, W, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
         t.Title + (continued ? " (continued)" : ""), title);
    Y += titleHeight;
    const QFont caption = Font(kTableFont, true);
    const double h = RowHeight();
    for (std::size_t c = 0; c < t.Columns.size() && c + 1 < x.size(); ++c) {
      const double width = x[c + 1] - x[c] - Pt(4);
      Text(QRectF(x[c] + Pt(2), Y, width, h), Qt::AlignLeft | Qt::AlignVCenter,
           Metrics(caption).elidedText(t.Columns[c], Qt::ElideRight, width), caption, kGrey);
    }
    Y += h;
    Rule(Y, Qt::black);
  }
  double RowHeight() const { return Metrics(Font(kTableFont)).height() * 1.4; }
  double CaptionsHeight() const {
    return Metrics(Font(kTitleFont, true)).height() + Pt(4) + RowHeight();
  }

  void Row(const TReportRow& row, const std::vector<double>& x) {
    const double h = RowHeight();
    if (P && row.Strong) P->fillRect(QRectF(0, Y, W, h), kShade);
    const QFont font = Font(kTableFont, row.Strong);
    const QFontMetricsF metrics = Metrics(font);
    for (std::size_t c = 0; c < row.Cells.size() && c + 1 < x.size(); ++c) {
      // A row of one cell spans the table.
      const double right = row.Cells.size() == 1 ? W : x[c + 1];
      const double indent = c == 0 && row.Indent ? Pt(10) : 0.0;
      const double width = right - x[c] - indent - Pt(4);
      Text(QRectF(x[c] + Pt(2) + indent, Y, width, h), Qt::AlignLeft | Qt::AlignVCenter,
           metrics.elidedText(row.Cells[c], Qt::ElideRight, width), font);
    }
    Y += h;
  }

  void Table(const TReportTable& t) {
    if (t.Rows.empty()) return;
    const std::vector<double> x = Columns(t);
    const double h = RowHeight();
    Need(CaptionsHeight() + h * std::min<double>(3, static_cast<double>(t.Rows.size())));
    TableCaptions(t, x, false);
    for (const TReportRow& row : t.Rows) {
      if (Y + h > Bottom()) {
        NewPage();
        TableCaptions(t, x, true);
      }
      Row(row, x);
    }
    Rule(Y);
    Y += Pt(kGap);
  }

  void Timeline() {
    if (C.Timeline.Empty()) return;
    const TTimelineModel& model = C.Timeline;
    std::optional<double> to = C.TimelineTo;
    if (!FitsAcross(model.First, to.value_or(model.Last), kTimelineWidth))
      to = model.First + MaxYearsAcross(kTimelineWidth) * 365.25;
    TTimelineScene scene = FittedScene(model, kTimelineWidth, std::nullopt, to);
    scene.Moment = C.Moment;
    scene.MomentLabel = C.TimelineMomentLabel.toStdString();
    const double scale = W / scene.Layout.Width;
    const double height = scene.Layout.Height() * scale;
    const QFont title = Font(kTitleFont, true);
    const double titleHeight = Metrics(title).height() + Pt(4);
    Need(titleHeight + height);
    Text(QRectF(0, Y, W, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, C.TimelineTitle, title);
    Y += titleHeight;
    if (P) {
      P->save();
      P->translate(0, Y);
      P->scale(scale, scale);
      DrawTimeline(*P, model, scene);
      P->restore();
    }
    Y += height + Pt(kGap);
  }
};

}  // namespace

QPageSize ReportPageSize(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                           : QPageSize::A4);
}

TReportContent FittedReport(const QPagedPaintDevice& device, const TReportContent& content,
                            int* pages) {
  TReportContent fitted = content;
  std::vector<TReportRow>& rows = fitted.Periods.Rows;
  int count = TReportPages(device, fitted, nullptr, nullptr, 0).Run();
  while (count > kMaxReportPages) {
    const auto last =
        std::find_if(rows.rbegin(), rows.rend(), [](const TReportRow& row) { return row.Strong; });
    if (last == rows.rend() || std::next(last) == rows.rend()) break;  // the first stays
    rows.erase(std::prev(last.base()), rows.end());
    ++fitted.PeriodsLeft;
    count = TReportPages(device, fitted, nullptr, nullptr, 0).Run();
  }
  if (pages) *pages = count;
  return fitted;
}

int PaintReport(QPagedPaintDevice& device, const TReportContent& content) {
  int pages = 0;
  const TReportContent fitted = FittedReport(device, content, &pages);
  QPainter painter;
  if (!painter.begin(&device)) throw EReportError("The report could not be started.");
  painter.setRenderHint(QPainter::Antialiasing);
  TReportPages(device, fitted, &painter, &device, pages).Run();
  if (!painter.end()) throw EReportError("The report could not be completed.");
  return pages;
}

}  // namespace ostrane
