// The length of a span by calendar dates: month ends, leap days, the time of
// day, a Julian-calendar span and one across the reform of 1582.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/DateSpan.h"
#include "core/IsoDateText.h"

using namespace ostrane;

namespace {

struct TSpanCase {
  const char* name;
  const char* start;  // local clock time
  const char* end;
  TDateSpan span;
};

const TSpanCase kCases[] = {
    {"same_day", "2025-01-13T08:00", "2025-01-13T20:00", {0, 0, 0}},
    {"time_of_day_plays_no_part", "2025-01-13T23:59", "2027-07-02T00:00", {2, 5, 19}},
    {"whole_years", "1990-05-17", "2026-05-17", {36, 0, 0}},
    {"day_before_anniversary", "1990-05-17", "2026-05-16", {35, 11, 29}},
    // Month ends: a day the month reached lacks stands for its last day.
    {"31_january_to_28_february", "2025-01-31", "2025-02-28", {0, 0, 28}},
    {"31_january_to_1_march", "2025-01-31", "2025-03-01", {0, 1, 1}},
    {"31_january_to_29_february_leap", "2024-01-31", "2024-02-29", {0, 0, 29}},
    {"31_march_to_30_april", "2025-03-31", "2025-04-30", {0, 0, 30}},
    {"30_april_to_31_may", "2025-04-30", "2025-05-31", {0, 1, 1}},
    {"31_december_to_1_january", "2025-12-31", "2026-01-01", {0, 0, 1}},
    // Leap days.
    {"29_february_to_28_february", "2000-02-29", "2001-02-28", {0, 11, 30}},
    {"29_february_to_1_march", "2000-02-29", "2001-03-01", {1, 0, 1}},
    {"29_february_to_29_february", "2000-02-29", "2004-02-29", {4, 0, 0}},
    {"across_common_1900", "1900-02-01", "1900-03-01", {0, 1, 0}},
    // Julian calendar: 1500 is a leap year in it; then across the reform,
    // where 1582-10-04 is followed by 1582-10-15.
    {"julian_leap_1500", "1500-02-29", "1500-03-29", {0, 1, 0}},
    {"julian_span", "1400-03-10", "1452-11-02", {52, 7, 23}},
    {"reform_next_day", "1582-10-04", "1582-10-15", {0, 0, 1}},
    {"reform_month_onto_skipped_day", "1582-09-10", "1582-10-16", {0, 1, 1}},
    {"reform_month_back", "1582-10-04", "1582-11-04", {0, 1, 0}},
    {"astronomical_years", "-0001-03-01", "0001-03-01", {2, 0, 0}},
    {"end_before_start", "2025-02-01", "2025-01-01", {0, 0, 0}},
};

class DateSpanTest : public ::testing::TestWithParam<TSpanCase> {};

TEST_P(DateSpanTest, CountsCalendarDates) {
  const TSpanCase& c = GetParam();
  const std::optional<TCivilMoment> start = ParseIsoDateTime(c.start);
  const std::optional<TCivilMoment> end = ParseIsoDateTime(c.end);
  ASSERT_TRUE(start && end);
  const TDateSpan span = CalendarSpan(CivilJulianDay(*start), CivilJulianDay(*end));
  EXPECT_EQ(span.Years, c.span.Years);
  EXPECT_EQ(span.Months, c.span.Months);
  EXPECT_EQ(span.Days, c.span.Days);
}

INSTANTIATE_TEST_SUITE_P(Table, DateSpanTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TSpanCase>& row) {
                           return std::string(row.param.name);
                         });

// An end half a millisecond before midnight is that midnight's date.
TEST(DateSpan, HalfAMillisecondBeforeMidnightIsMidnight) {
  const double start = CivilJulianDay(TCivilMoment{2025, 1, 1, 0});
  const double midnight = CivilJulianDay(TCivilMoment{2025, 2, 1, 0});
  EXPECT_EQ(CalendarSpan(start, midnight - 0.0004 / 86400.0), (TDateSpan{0, 1, 0}));
  EXPECT_EQ(CalendarSpan(start, midnight - 0.002 / 86400.0), (TDateSpan{0, 0, 30}));
}

}  // namespace
