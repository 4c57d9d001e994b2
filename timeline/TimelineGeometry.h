// Where the timeline puts things, without drawing them: Julian Days to x
// pixels at a zoom (pixels per day) and an offset (the day at the plot's
// left edge), the rows of the tracks, the rectangle of every period shown,
// and the ticks of the time axis.  All lengths are in pixels of the surface
// drawn on (a widget, an image, an SVG or PDF page), y growing downwards.
#pragma once

#include <QPointF>
#include <QRectF>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "timeline/TimelineModel.h"

namespace ostrane {

// The zoom range: from about 3 pixels per century to 8 pixels per day.
inline constexpr double kMinPixelsPerDay = 1e-4;
inline constexpr double kMaxPixelsPerDay = 8.0;

struct TTimelineScale {
  double FirstDay = 0.0;      // the Julian Day at x = Left
  double PixelsPerDay = 1.0;  // kMinPixelsPerDay .. kMaxPixelsPerDay
  double Left = 0.0;          // x of FirstDay, pixels

  double X(double julianDay) const { return Left + (julianDay - FirstDay) * PixelsPerDay; }
  double Day(double x) const { return FirstDay + (x - Left) / PixelsPerDay; }

  // The scale that shows the days [from, to) across `width` pixels starting
  // at x = left (the zoom kept within its range, the middle day in the
  // middle when it has to be).  An empty or reversed range shows a year.
  static TTimelineScale Fit(double from, double to, double left, double width);
  // Zoomed by `factor` (> 1 zooms in), the day under x = aboutX staying
  // there; the zoom kept within its range.
  TTimelineScale Zoomed(double factor, double aboutX) const;
  // Moved by dx pixels: what was at x is then at x + dx.
  TTimelineScale Panned(double dx) const;
  // Moved as little as keeps some of the days [first, last] between Left
  // and x = right: at least `keep` pixels of them, or all of them when they
  // are narrower.  The zoom stays.
  TTimelineScale Within(double first, double last, double right, double keep) const;
};

// The most years that the plot of a surface `width` pixels wide shows
// (at the least zoom), whichever years they are: any range of that many
// whole years fits.
std::int32_t MaxYearsAcross(double width);
// True when the days [from, to) fit across the plot of a surface `width`
// pixels wide, so that TTimelineScale::Fit shows them all.
bool FitsAcross(double from, double to, double width);

// The rows, top to bottom: the time axis, then per track a title row, the
// general periods' band and the sub periods' band, then the legend.  The
// row names stand in a gutter at the left; the plot (the axis and the
// bands) fills the rest of the width but a right margin.
struct TTimelineLayout {
  static constexpr double kGutter = 76.0;
  static constexpr double kRightMargin = 10.0;
  static constexpr double kAxisHeight = 42.0;
  static constexpr double kTitleHeight = 22.0;
  static constexpr double kGeneralHeight = 38.0;
  static constexpr double kSubHeight = 30.0;
  static constexpr double kBandGap = 3.0;
  static constexpr double kTrackGap = 8.0;
  static constexpr double kLegendItemWidth = 205.0;
  static constexpr double kLegendRowHeight = 22.0;
  static constexpr int kLegendItems = 7;

  double Width = 800.0;  // of the surface, at least kGutter + kRightMargin + 1
  int Tracks = 1;

  // The x range of the plot, full height.
  double PlotLeft() const { return kGutter; }
  double PlotRight() const;
  QRectF Axis() const;
  QRectF TitleRow(int track) const;
  // The band of a track's general periods (level 1) or sub periods (2).
  QRectF Band(int track, int level) const;
  // The legend below the last track: kLegendItems items of
  // kLegendItemWidth, in as many rows as the width needs.
  QRectF Legend() const;
  int LegendColumns() const;
  // The height that holds it all.
  double Height() const;
};

// A period as it is shown: its track, its index in the track's Spans, and
// its rectangle in its band, cut at the plot's edges.
struct TTimelineItem {
  int Track = 0;
  std::size_t Span = 0;
  QRectF Rect;
};

// The periods of levels 1 and 2 of every track that reach into the plot at
// this scale, each once, in track and listing order.  A period narrower
// than a pixel keeps its true (thin) width.
std::vector<TTimelineItem> TimelineItems(const TTimelineModel& model, const TTimelineLayout& layout,
                                         const TTimelineScale& scale);

// The item whose rectangle holds the point, or nullptr.
const TTimelineItem* ItemAt(const std::vector<TTimelineItem>& items, QPointF point);

// A tick of the time axis: the first moment (0 h) of a year or a month.
struct TAxisTick {
  double JulianDay = 0.0;
  std::int32_t Year = 0;   // astronomical numbering
  std::int32_t Month = 1;  // 1 .. 12; 1 for year ticks
};

// The year ticks in the plot [PlotLeft, PlotRight]: every year, or every
// 2nd, 5th, 10th, 20th, 50th, 100th ... whichever first puts labels at least
// `minSpacing` pixels apart; years divisible by that step.
std::vector<TAxisTick> YearTicks(const TTimelineScale& scale, const TTimelineLayout& layout,
                                 double minSpacing = 64.0);
// The step YearTicks takes at this scale.
std::int32_t YearStep(const TTimelineScale& scale, double minSpacing = 64.0);

// The month ticks in the plot when an average month is at least
// kMinMonthPixels wide; none otherwise.  Months wide enough for a name
// (kMonthNamePixels) are named.
inline constexpr double kMinMonthPixels = 8.0;
inline constexpr double kMonthNamePixels = 30.0;
std::vector<TAxisTick> MonthTicks(const TTimelineScale& scale, const TTimelineLayout& layout);

}  // namespace ostrane
