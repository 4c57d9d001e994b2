#include "timeline/TimelineGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/DateTime.h"

namespace ostrane {
namespace {

constexpr double kDaysPerYear = 365.25;
constexpr double kDaysPerMonth = kDaysPerYear / 12.0;
// No axis holds more ticks than this, whatever the scale.
constexpr int kMaxTicks = 2000;

double FirstOfMonth(std::int32_t year, std::int32_t month) {
  TDate date;
  date.DateToJulian(year, month, 1.0);
  return date.GetJulianDay();
}

std::int32_t YearOf(double julianDay) {
  TDate date;
  date.JulianToDate(julianDay);
  return date.GetYear();
}

// The largest multiple of step at or below year.
std::int32_t FloorTo(std::int32_t year, std::int32_t step) {
  const std::int32_t r = year % step;
  return r < 0 ? year - r - step : year - r;
}

}  // namespace

TTimelineScale TTimelineScale::Fit(double from, double to, double left, double width) {
  if (!(to > from)) {
    from = from - kDaysPerYear / 2.0;
    to = from + kDaysPerYear;
  }
  width = std::max(width, 1.0);
  TTimelineScale scale;
  scale.Left = left;
  scale.PixelsPerDay = std::clamp(width / (to - from), kMinPixelsPerDay, kMaxPixelsPerDay);
  scale.FirstDay = (from + to) / 2.0 - width / 2.0 / scale.PixelsPerDay;
  if (scale.PixelsPerDay == width / (to - from)) scale.FirstDay = from;
  return scale;
}

TTimelineScale TTimelineScale::Zoomed(double factor, double aboutX) const {
  TTimelineScale zoomed = *this;
  const double day = Day(aboutX);
  zoomed.PixelsPerDay = std::clamp(PixelsPerDay * factor, kMinPixelsPerDay, kMaxPixelsPerDay);
  zoomed.FirstDay = day - (aboutX - Left) / zoomed.PixelsPerDay;
  return zoomed;
}

TTimelineScale TTimelineScale::Panned(double dx) const {
  TTimelineScale panned = *this;
  panned.FirstDay = FirstDay - dx / PixelsPerDay;
  return panned;
}

TTimelineScale TTimelineScale::Within(double first, double last, double right, double keep) const {
  TTimelineScale kept = *this;
  if (!(last >= first)) return kept;
  keep =
      std::clamp(std::min(keep, (last - first) * PixelsPerDay), 0.0, std::max(right - Left, 0.0));
  if (X(last) < Left + keep) kept.FirstDay = last - keep / PixelsPerDay;
  if (X(first) > right - keep) kept.FirstDay = first - (right - keep - Left) / PixelsPerDay;
  return kept;
}

namespace {

double PlotWidth(double width) {
  TTimelineLayout layout;
  layout.Width = width;
  return layout.PlotRight() - layout.PlotLeft();
}

}  // namespace

std::int32_t MaxYearsAcross(double width) {
  // Any n whole years last at most n x 365.25 + 0.75 days.
  const double days = PlotWidth(width) / kMinPixelsPerDay;
  return static_cast<std::int32_t>(std::max(0.0, std::floor((days - 1.0) / kDaysPerYear)));
}

bool FitsAcross(double from, double to, double width) {
  return (to - from) * kMinPixelsPerDay <= PlotWidth(width);
}

double TTimelineLayout::PlotRight() const {
  return std::max(Width - kRightMargin, kGutter + 1.0);
}

QRectF TTimelineLayout::Axis() const {
  return QRectF(PlotLeft(), 0.0, PlotRight() - PlotLeft(), kAxisHeight);
}

QRectF TTimelineLayout::TitleRow(int track) const {
  const double top =
      kAxisHeight + track * (kTitleHeight + kGeneralHeight + kBandGap + kSubHeight + kTrackGap);
  return QRectF(0.0, top, PlotRight(), kTitleHeight);
}

QRectF TTimelineLayout::Band(int track, int level) const {
  const double top = TitleRow(track).bottom() + (level == 1 ? 0.0 : kGeneralHeight + kBandGap);
  return QRectF(PlotLeft(), top, PlotRight() - PlotLeft(),
                level == 1 ? kGeneralHeight : kSubHeight);
}

int TTimelineLayout::LegendColumns() const {
  const int fit = static_cast<int>((PlotRight() - 8.0) / kLegendItemWidth);
  return std::clamp(fit, 1, kLegendItems);
}

QRectF TTimelineLayout::Legend() const {
  const int rows = (kLegendItems + LegendColumns() - 1) / LegendColumns();
  const double top = Band(Tracks - 1, 2).bottom() + kTrackGap + 4.0;
  return QRectF(8.0, top, PlotRight() - 8.0, rows * kLegendRowHeight + 6.0);
}

double TTimelineLayout::Height() const {
  return Legend().bottom() + 4.0;
}

std::vector<TTimelineItem> TimelineItems(const TTimelineModel& model, const TTimelineLayout& layout,
                                         const TTimelineScale& scale) {
  std::vector<TTimelineItem> items;
  const double left = layout.PlotLeft(), right = layout.PlotRight();
  for (std::size_t t = 0; t < model.Tracks.size(); ++t) {
    const auto& spans = model.Tracks[t].Spans;
    for (std::size_t i = 0; i < spans.size(); ++i) {
      const TPeriodSpan& span = spans[i];
      if (span.Level > 2) continue;
      const double x0 = scale.X(span.Start), x1 = scale.X(span.End);
      if (x1 <= left || x0 >= right) continue;
      const QRectF band = layout.Band(static_cast<int>(t), span.Level);
      const double a = std::max(x0, left), b = std::min(x1, right);
      items.push_back(
          TTimelineItem{static_cast<int>(t), i, QRectF(a, band.top(), b - a, band.height())});
    }
  }
  return items;
}

const TTimelineItem* ItemAt(const std::vector<TTimelineItem>& items, QPointF point) {
  for (const auto& item : items) {
    const QRectF& r = item.Rect;
    if (point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top() &&
        point.y() < r.bottom())
      return &item;
  }
  return nullptr;
}

std::int32_t YearStep(const TTimelineScale& scale, double minSpacing) {
  static constexpr std::array<std::int32_t, 15> kSteps{
      1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000};
  const double pixelsPerYear = scale.PixelsPerDay * kDaysPerYear;
  for (const std::int32_t step : kSteps) {
    if (step * pixelsPerYear >= minSpacing) return step;
  }
  return kSteps.back();
}

std::vector<TAxisTick> YearTicks(const TTimelineScale& scale, const TTimelineLayout& layout,
                                 double minSpacing) {
  std::vector<TAxisTick> ticks;
  const std::int32_t step = YearStep(scale, minSpacing);
  const double lastDay = scale.Day(layout.PlotRight());
  for (std::int32_t year = FloorTo(YearOf(scale.Day(layout.PlotLeft())), step);
       static_cast<int>(ticks.size()) < kMaxTicks; year += step) {
    const double day = FirstOfMonth(year, 1);
    if (day > lastDay) break;
    if (scale.X(day) >= layout.PlotLeft()) ticks.push_back(TAxisTick{day, year, 1});
  }
  return ticks;
}

std::vector<TAxisTick> MonthTicks(const TTimelineScale& scale, const TTimelineLayout& layout) {
  std::vector<TAxisTick> ticks;
  if (scale.PixelsPerDay * kDaysPerMonth < kMinMonthPixels) return ticks;
  TDate date;
  date.JulianToDate(scale.Day(layout.PlotLeft()));
  std::int32_t year = date.GetYear(), month = date.GetMonth();
  const double lastDay = scale.Day(layout.PlotRight());
  while (static_cast<int>(ticks.size()) < kMaxTicks) {
    const double day = FirstOfMonth(year, month);
    if (day > lastDay) break;
    if (scale.X(day) >= layout.PlotLeft()) ticks.push_back(TAxisTick{day, year, month});
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return ticks;
}

}  // namespace ostrane
