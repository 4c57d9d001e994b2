// The timeline's geometry: where every period of PeriodSpans lands at
// several zooms and offsets, which period a point hits, and the axis ticks
// on the program's calendar.
#include <cmath>

#include <gtest/gtest.h>

#include "core/IsoDateText.h"
#include "tests/support/TimelineTestSupport.h"
#include "timeline/TimelineExport.h"
#include "timeline/TimelineGeometry.h"

namespace ostrane::timelinetest {
namespace {

// Julian Day at 0 h of a civil date, computed here on their own: the
// Gregorian rule (Fliegel and Van Flandern) and the Julian one.
double GregorianDay(int y, int m, int d) {
  const long a = (m - 14) / 12;
  const long jdn = (1461L * (y + 4800 + a)) / 4 + (367L * (m - 2 - 12 * a)) / 12 -
                   (3L * ((y + 4900 + a) / 100)) / 4 + d - 32075;
  return static_cast<double>(jdn) - 0.5;
}
double JulianCalendarDay(int y, int m, int d) {
  const long jdn = 367L * y - (7L * (y + 5001 + (m - 9) / 7)) / 4 + (275L * m) / 9 + d + 1729777;
  return static_cast<double>(jdn) - 0.5;
}

// The worked example's two general periods (8280 days) on a plot exactly
// 8280 pixels wide: one pixel a day, the birth at x = 76 (the gutter).
constexpr double kWidth = 8280.0 + TTimelineLayout::kGutter + TTimelineLayout::kRightMargin;
constexpr double kPlotLeft = TTimelineLayout::kGutter, kPlotRight = kWidth - 10.0;

// Every period that reaches into the plot, in order, clipped to the plot
// and in its level's band.
TEST(TimelineScale, PeriodsLandWhereTheirDaysAreAtEveryZoomAndOffset) {
  const TTimelineModel model = BuildTimelineModel(WorkedExample());
  const TTimelineScene fitted = FittedScene(model, kWidth);
  const struct {
    const char* name;
    double factor, aboutX, dx;
    double pixelsPerDay, firstDay;  // the day at the plot's left edge
  } cases[] = {
      {"whole listing, a pixel a day", 1.0, 0.0, 0.0, 1.0, kBirth},
      {"panned 1000 pixels to the left", 1.0, 0.0, -1000.0, 1.0, kBirth + 1000.0},
      {"zoomed in 4x about Taurus' start", 4.0, 5476.0, 0.0, 4.0, 2456945.0 - 5400.0 / 4.0},
      {"zoomed out 2x about the left edge", 0.5, kPlotLeft, 0.0, 0.5, kBirth},
      {"zoomed in 2x, then panned 9000 pixels", 2.0, kPlotLeft, -9000.0, 2.0, kBirth + 4500.0},
      // The day at x = 500 stays: the birth + 424.
      {"far in: the closest zoom", 1e9, 500.0, 0.0, kMaxPixelsPerDay,
       kBirth + 424.0 - 424.0 / kMaxPixelsPerDay},
      {"far out: the farthest zoom", 1e-9, 500.0, 0.0, kMinPixelsPerDay,
       kBirth + 424.0 - 424.0 / kMinPixelsPerDay},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineScale scale = fitted.Scale.Zoomed(c.factor, c.aboutX).Panned(c.dx);
    EXPECT_DOUBLE_EQ(scale.PixelsPerDay, c.pixelsPerDay);
    EXPECT_NEAR(scale.Day(kPlotLeft), c.firstDay, 1e-6);
    const auto items = TimelineItems(model, fitted.Layout, scale);
    TChronocrator chronocrator;
    const ReleaseSettings settings = WorkedExample().Settings;
    const auto spans = PeriodSpans(ListGeneralPeriods(chronocrator, settings, kBirth), settings, 2,
                                   c.firstDay, c.firstDay + 8280.0 / c.pixelsPerDay);
    ASSERT_EQ(items.size(), spans.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      const TPeriodSpan& drawn = model.Tracks[0].Spans[items[i].Span];
      SCOPED_TRACE("period " + std::to_string(i) + " level " + std::to_string(drawn.Level));
      EXPECT_EQ(drawn.Start, spans[i].Start);
      EXPECT_EQ(drawn.End, spans[i].End);
      const double x0 = kPlotLeft + (spans[i].Start - c.firstDay) * c.pixelsPerDay;
      const double x1 = kPlotLeft + (spans[i].End - c.firstDay) * c.pixelsPerDay;
      EXPECT_NEAR(items[i].Rect.left(), std::max(x0, kPlotLeft), 1e-6);
      EXPECT_NEAR(items[i].Rect.right(), std::min(x1, kPlotRight), 1e-6);
      EXPECT_EQ(items[i].Rect.top(), fitted.Layout.Band(0, drawn.Level).top());
      EXPECT_EQ(items[i].Rect.bottom(), fitted.Layout.Band(0, drawn.Level).bottom());
    }
  }
}

TEST(TimelineScale, FitCentresWhatItCannotSpread) {
  const struct {
    const char* name;
    double from, to, width, pixelsPerDay;
  } cases[] = {
      {"one day on 8280 pixels: the closest zoom", kBirth, kBirth + 1.0, 8280.0, kMaxPixelsPerDay},
      {"no time at all: a year", kBirth, kBirth, 1000.0, 1000.0 / 365.25},
      {"reversed: a year", kBirth, kBirth - 50.0, 1000.0, 1000.0 / 365.25},
      {"more than the farthest zoom holds", kBirth, kBirth + 1e8, 1000.0, kMinPixelsPerDay},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineScale scale = TTimelineScale::Fit(c.from, c.to, kPlotLeft, c.width);
    EXPECT_NEAR(scale.PixelsPerDay, c.pixelsPerDay, 1e-9);
    const double middle = c.to > c.from ? (c.from + c.to) / 2.0 : c.from;
    EXPECT_NEAR(scale.Day(kPlotLeft + c.width / 2.0), middle, 1e-6);
  }
}

// However far it is panned, some of the listing stays in the plot.
TEST(TimelineScale, PanningKeepsSomeOfTheListingInSight) {
  const double right = kPlotLeft + 500.0, keep = 50.0;  // a pixel a day
  const struct {
    const char* name;
    double firstDay, lastListed;  // the day at the left edge; the listing's last
    double keptFirstDay;
  } cases[] = {
      {"in sight: as it was", kBirth - 100.0, kBirth + 1000.0, kBirth - 100.0},
      {"all but 20 pixels gone left", kBirth + 980.0, kBirth + 1000.0, kBirth + 950.0},
      {"far past its end", kBirth + 1e6, kBirth + 1000.0, kBirth + 950.0},
      {"far before its start", kBirth - 1e6, kBirth + 1000.0, kBirth - 450.0},
      {"narrower than kept: all of it", kBirth + 1e6, kBirth + 10.0, kBirth},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineScale scale{c.firstDay, 1.0, kPlotLeft};
    EXPECT_NEAR(scale.Within(kBirth, c.lastListed, right, keep).FirstDay, c.keptFirstDay, 1e-6);
  }
}

// Any range of MaxYearsAcross whole years fits; two years more do not.
TEST(TimelineScale, TheMostYearsThatFitAWidth) {
  for (const double width : {200.0, 333.0, 400.0}) {
    const std::int32_t years = MaxYearsAcross(width);
    for (const std::int32_t first : {-4712, -1, 1500, 1896, 2000}) {
      SCOPED_TRACE(std::to_string(width) + " pixels from " + std::to_string(first));
      const auto day = [](std::int32_t year) { return CivilJulianDay({year, 1, 1, 0}); };
      EXPECT_TRUE(FitsAcross(day(first), day(first + years), width));
      EXPECT_FALSE(FitsAcross(day(first), day(first + years + 2), width));
    }
  }
  EXPECT_EQ(MaxYearsAcross(200.0), 3121);
}

TEST(TimelineHits, APointHitsThePeriodDrawnThere) {
  const TTimelineModel model = BuildTimelineModel(WorkedExample());
  const TTimelineScene scene = FittedScene(model, kWidth);
  const auto items = TimelineItems(model, scene.Layout, scene.Scale);
  const double general = scene.Layout.Band(0, 1).center().y();
  const double sub = scene.Layout.Band(0, 2).center().y();
  const double gap = scene.Layout.Band(0, 1).bottom() + 1.0;
  const auto& spans = model.Tracks[0].Spans;
  const struct {
    const char* name;
    QPointF at;
    int level;  // 0: nothing
    double start;
  } cases[] = {
      {"Taurus' first pixel", {5476.0, general}, 1, 2456945.0},
      {"Aries' last half pixel", {5475.5, general}, 1, kBirth},
      // 2924 days after the birth: Virgo, from day 2610 (Aries' sub periods
      // run 450, 240, 600, 750 and 570 days).
      {"a sub period", {3000.0, sub}, 2, kBirth + 2610.0},
      {"between the bands", {3000.0, gap}, 0, 0.0},
      {"the row names", {40.0, general}, 0, 0.0},
      {"the axis", {3000.0, 20.0}, 0, 0.0},
      {"past the last period", {8356.0, general}, 0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineItem* item = ItemAt(items, c.at);
    if (c.level == 0) {
      EXPECT_EQ(item, nullptr);
      continue;
    }
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(spans[item->Span].Level, c.level);
    EXPECT_EQ(spans[item->Span].Start, c.start);
  }
}

// Years labelled every 1, 2, 5, 10, 50 .. years, 64 pixels apart at the
// least; months only from 8 pixels a month.
TEST(TimelineAxis, LabelsKeepApart) {
  const struct {
    double pixelsPerYear;
    std::int32_t step;
  } cases[] = {{64.0, 1}, {63.9, 2}, {13.0, 5}, {12.7, 10}, {3.0, 50}, {1.0, 100}, {0.05, 2000}};
  for (const auto& c : cases) {
    EXPECT_EQ(YearStep(TTimelineScale{kBirth, c.pixelsPerYear / 365.25, kPlotLeft}), c.step)
        << c.pixelsPerYear << " pixels a year";
  }
  TTimelineLayout layout;
  layout.Width = 1000.0;
  for (const double pixelsPerMonth : {7.9, 8.1, kMaxPixelsPerDay * 30.4375}) {
    const TTimelineScale scale{kBirth, pixelsPerMonth / 30.4375, kPlotLeft};
    EXPECT_EQ(MonthTicks(scale, layout).empty(), pixelsPerMonth < 8.0)
        << pixelsPerMonth << " pixels a month";
  }
}

TEST(TimelineAxis, TicksStandAtTheFirstMomentOfTheirYearOrMonth) {
  TTimelineLayout layout;
  layout.Width = kWidth;
  const struct {
    const char* name;
    double firstDay, pixelsPerDay;
    bool months;
    int firstYear, firstMonth;
    std::size_t count;
  } cases[] = {
      // 8280 days from the birth: 2001 .. 2022 (2000's Jan 1 is before it).
      {"years of the worked example", kBirth, 1.0, false, 2001, 1, 22},
      // 1000 .. 1020 in the Julian calendar, every year labelled.
      {"years before 1582", JulianCalendarDay(1000, 1, 1), 8280.0 / (20.5 * 365.25), false, 1000, 1,
       21},
      // 2 pixels a day: 4140 days from 15 Jan 2000, leap February 2000.
      {"months of 2000", GregorianDay(2000, 1, 15), 2.0, true, 2000, 2, 136},
      // 60 days from 20 September 1582: October 1 (Julian) and, 21 days
      // later, November 1 (Gregorian).
      {"months across the calendar reform", JulianCalendarDay(1582, 9, 20), 8280.0 / 60.0, true,
       1582, 10, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TTimelineScale scale{c.firstDay, c.pixelsPerDay, kPlotLeft};
    const auto ticks = c.months ? MonthTicks(scale, layout) : YearTicks(scale, layout);
    ASSERT_EQ(ticks.size(), c.count);
    int year = c.firstYear, month = c.firstMonth;
    for (const auto& tick : ticks) {
      SCOPED_TRACE(std::to_string(tick.Year) + "-" + std::to_string(tick.Month));
      EXPECT_EQ(tick.Year, year);
      EXPECT_EQ(tick.Month, month);
      const bool gregorian = year > 1582 || (year == 1582 && month > 10);
      EXPECT_EQ(tick.JulianDay,
                gregorian ? GregorianDay(year, month, 1) : JulianCalendarDay(year, month, 1));
      EXPECT_GE(scale.X(tick.JulianDay), layout.PlotLeft());
      EXPECT_LE(scale.X(tick.JulianDay), layout.PlotRight());
      if (!c.months || ++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

}  // namespace
}  // namespace ostrane::timelinetest
