#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "ui/main/BirthData.h"

namespace ostrane {
namespace {

TEST(BirthData, ShowJulianAddsTheTimeToMidnightsJulianDay) {
  TDate date;
  EXPECT_EQ(BirthJulianDay(date, 2000, 0, 1, 0.5), 2451545.0) << "1 January 2000, 12:00";
  EXPECT_EQ(BirthJulianDay(date, 2000, 0, 1, 0.0), 2451544.5) << "1 January 2000, 00:00";
  EXPECT_EQ(BirthJulianDay(date, 1582, 9, 15, 0.0), 2299160.5) << "15 October 1582";
}

TEST(BirthData, ShowDateGivesTheCalendarMoment) {
  struct Case {
    const char* text;
    std::int32_t year, monthIndex, day;
    std::int64_t ms;
  };
  const Case cases[] = {
      {"2451545.25", 2000, 0, 1, 18 * 3600000},
      {"2451545", 2000, 0, 1, 12 * 3600000},
      {"2299160.5", 1582, 9, 15, 0},
      {"2299159.5", 1582, 9, 4, 0},
      {"-1000", -4715, 3, 6, 12 * 3600000},  // the year field then limits the year to -4712
      // Within half a millisecond of midnight: kept on its day.
      {"2451545.499999999", 2000, 0, 1, 86'399'999},
  };
  for (const Case& c : cases) {
    TDate date;
    const TBirthMoment m = BirthMomentOfJulianText(date, c.text, ".");
    EXPECT_EQ(m.Year, c.year) << c.text;
    EXPECT_EQ(m.MonthIndex, c.monthIndex) << c.text;
    EXPECT_EQ(m.Day, c.day) << c.text;
    EXPECT_EQ(m.MsOfDay, c.ms) << c.text;
  }
}

TEST(BirthData, ShowDateRejectsTextsThatAreNoSupportedJulianDate) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"abc", "'abc' is not a valid floating point value"},
      {"nan", "'nan' is not a valid floating point value"},
      {"inf", "'inf' is not a valid floating point value"},
      {"", "'' is not a valid floating point value"},
      {"2451545,25", "'2451545,25' is not a valid floating point value"},
      {"1e10", "'1e10' lies outside the supported range of Julian Dates"},
      {"-1000000001", "'-1000000001' lies outside the supported range of Julian Dates"},
      {"1e999", "'1e999' lies outside the supported range of Julian Dates"},
  };
  for (const Case& c : cases) {
    TDate date;
    try {
      BirthMomentOfJulianText(date, c.text, ".");
      ADD_FAILURE() << "no error for '" << c.text << "'";
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.text;
    }
  }
  TDate date;
  EXPECT_NO_THROW(BirthMomentOfJulianText(date, "1e9", ".")) << "the range's upper end";
  EXPECT_NO_THROW(BirthMomentOfJulianText(date, "-1e9", ".")) << "the range's lower end";
}

TEST(BirthData, DayRollOver) {
  struct Case {
    const char* name;
    std::int32_t year, monthIndex, day;
    std::optional<std::int32_t> newMonthIndex;
    std::int32_t newDay;  // before the day field limits it to 1
  };
  const Case cases[] = {
      {"31 April", 2024, 3, 31, 4, 0},
      {"31 June", 2024, 5, 31, 6, 0},
      {"30 February", 2023, 1, 30, 2, -1},
      {"30 February of a leap year", 2024, 1, 30, 2, -1},
      {"29 February 2023", 2023, 1, 29, 2, -2},
      {"29 February 2024", 2024, 1, 29, std::nullopt, 0},
      {"29 February 2000", 2000, 1, 29, std::nullopt, 0},
      {"29 February 1900 (Gregorian)", 1900, 1, 29, 2, -2},
      {"29 February 1700 (Gregorian)", 1700, 1, 29, 2, -2},
      {"29 February 1500 (Julian)", 1500, 1, 29, std::nullopt, 0},
      {"29 February 1100 (Julian)", 1100, 1, 29, std::nullopt, 0},
      {"29 February 1501", 1501, 1, 29, 2, -2},
      {"29 February -4 (Julian)", -4, 1, 29, std::nullopt, 0},
      {"29 February -1", -1, 1, 29, 2, -2},
      {"30 February 1500", 1500, 1, 30, 2, -1},
      {"31 January", 2024, 0, 31, std::nullopt, 0},
      {"30 April", 2024, 3, 30, std::nullopt, 0},
      {"31 December", 2024, 11, 31, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    TDate date;
    const auto rollOver = RollOverDay(date, c.year, c.monthIndex, c.day);
    ASSERT_EQ(rollOver.has_value(), c.newMonthIndex.has_value()) << c.name;
    if (!rollOver) continue;
    EXPECT_EQ(rollOver->MonthIndex, *c.newMonthIndex) << c.name;
    EXPECT_EQ(rollOver->Day, c.newDay) << c.name;
  }
}

}  // namespace
}  // namespace ostrane
