// Completed years by birthday dates: a 29 February birthday in common and
// leap years of both calendars, a birth late in the day, a Julian-calendar
// birth and the days the reform skipped.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/Ages.h"
#include "core/IsoDateText.h"

using namespace ostrane;

namespace {

struct TAgeCase {
  const char* name;
  std::int32_t year, month, day;  // the birth date
  const char* moment;             // local clock time
  std::int32_t age;
};

const TAgeCase kCases[] = {
    // Born 29 February 2000 (the birth time plays no part).
    {"leap_birth_day_itself", 2000, 2, 29, "2000-02-29T00:00:00", 0},
    {"common_year_28_february_late", 2000, 2, 29, "2001-02-28T23:59:59", 0},
    {"common_year_1_march", 2000, 2, 29, "2001-03-01T00:00:00", 1},
    {"leap_year_28_february_late", 2000, 2, 29, "2004-02-28T23:59:59", 3},
    {"leap_year_29_february", 2000, 2, 29, "2004-02-29T00:00:00", 4},
    {"leap_year_1_march", 2000, 2, 29, "2004-03-01T00:00:00", 4},
    {"gregorian_2100_is_common_before", 2000, 2, 29, "2100-02-28T23:59:59", 99},
    {"gregorian_2100_is_common_after", 2000, 2, 29, "2100-03-01T00:00:00", 100},
    // The day goes up at midnight of the birthday, before a late birth time.
    {"late_birth_day_before", 1990, 5, 17, "2000-05-16T23:59:59", 9},
    {"late_birth_midnight", 1990, 5, 17, "2000-05-17T00:00:00", 10},
    {"late_birth_day_after", 1990, 5, 17, "2000-05-18T12:00:00", 10},
    {"before_the_birth_date", 2000, 6, 1, "2000-05-31T23:59:59", -1},
    // 1500 is a Julian leap year (not a Gregorian one); 1600 is leap in
    // both, 1700 only in the Julian calendar, no longer in force.
    {"julian_1501_28_february", 1500, 2, 29, "1501-02-28T23:59:59", 0},
    {"julian_1501_1_march", 1500, 2, 29, "1501-03-01T00:00:00", 1},
    {"julian_1504_29_february", 1500, 2, 29, "1504-02-29T00:00:00", 4},
    {"gregorian_1600_29_february", 1500, 2, 29, "1600-02-29T00:00:00", 100},
    {"gregorian_1700_28_february", 1500, 2, 29, "1700-02-28T23:59:59", 199},
    {"gregorian_1700_1_march", 1500, 2, 29, "1700-03-01T00:00:00", 200},
    {"bc_leap_year_birthday", -100, 2, 29, "-0099-03-01T00:00:00", 1},
    {"bc_common_year_before", -100, 2, 29, "-0099-02-28T23:59:59", 0},
    // A birthday the reform skipped comes on 15 October 1582.
    {"reform_4_october", 1550, 10, 10, "1582-10-04T23:59:59", 31},
    {"reform_15_october", 1550, 10, 10, "1582-10-15T00:00:00", 32},
    {"born_on_the_eve_of_reform", 1582, 10, 4, "1583-10-03T23:59:59", 0},
    {"born_on_the_eve_of_reform_year", 1582, 10, 4, "1583-10-04T00:00:00", 1},
    // A day past the month's end runs on, as the listing's start does.
    {"day_past_month_end", 2001, 2, 30, "2002-03-01T23:59:59", 0},
    {"day_past_month_end_birthday", 2001, 2, 30, "2002-03-02T00:00:00", 1},
};

class AgesTest : public ::testing::TestWithParam<TAgeCase> {};

TEST_P(AgesTest, CountsBirthdayDates) {
  const TAgeCase& c = GetParam();
  const std::optional<TCivilMoment> moment = ParseIsoDateTime(c.moment);
  ASSERT_TRUE(moment) << c.moment;
  EXPECT_EQ(CompletedYears(c.year, c.month, c.day, CivilJulianDay(*moment)), c.age);
}

INSTANTIATE_TEST_SUITE_P(Table, AgesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TAgeCase>& row) {
                           return std::string(row.param.name);
                         });

// Within half a millisecond of midnight counts as midnight.
TEST(Ages, HalfAMillisecondBeforeMidnightIsMidnight) {
  const double midnight = CivilJulianDay(TCivilMoment{2001, 3, 1, 0});
  EXPECT_EQ(CompletedYears(2000, 2, 29, midnight - 0.0004 / 86400.0), 1);
  EXPECT_EQ(CompletedYears(2000, 2, 29, midnight - 0.002 / 86400.0), 0);
}

}  // namespace
