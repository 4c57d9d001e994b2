#include <gtest/gtest.h>

#include "DateTime.h"
#include "DeltaT.h"

namespace {

using ostrane::DeltaTDecimalYear;
using ostrane::DeltaTSeconds;

// Published values the expressions were fitted to: Morrison and Stephenson
// (2004) as tabled in Espenak and Meeus, Five Millennium Canon, Table 1
// (within 5 s), and the observed values of its Table 2.
TEST(DeltaT, PublishedTableValues) {
  const struct {
    const char* name;
    double year, seconds, tolerance;
  } cases[] = {
      {"-1000, long-term parabola", -1000, 25400, 30},
      {"-500, moved to 17203.7 to meet the parabola", -500, 17203.7, 0.1},
      {"0", 0, 10580, 5},
      {"1000", 1000, 1570, 5},
      {"1500", 1500, 200, 5},
      {"1600", 1600, 120, 0.5},
      {"1800", 1800, 14, 0.5},
      {"1850", 1850, 7, 0.5},
      {"1900", 1900, -2.8, 0.1},
      {"1950", 1950, 29.1, 0.1},
      {"2000", 2000, 63.8, 0.1},
      {"2010, 2014 revision", 2010, 66.1, 0.1},
      {"2020, 2014 revision", 2020, 69.4, 0.2},
  };
  for (const auto& c : cases) EXPECT_NEAR(DeltaTSeconds(c.year), c.seconds, c.tolerance) << c.name;
}

// Neighbouring pieces meet within 0.3 s, which a wrong coefficient at either
// end of a piece would break.
TEST(DeltaT, PiecesMeet) {
  const double joints[] = {-500, 500,  1600, 1700, 1800, 1860, 1900,
                           1920, 1941, 1961, 1986, 2005, 2015};
  for (double y : joints) EXPECT_NEAR(DeltaTSeconds(y - 1e-9), DeltaTSeconds(y), 0.3) << y;
}

// The decimal year is the middle of the month of the program's calendar.
TEST(DeltaT, DecimalYearOfTheProgramCalendar) {
  const struct {
    const char* name;
    int year, month;
    double day, decimalYear;
  } cases[] = {
      {"1500 Feb 29, Julian (Gregorian Mar 10)", 1500, 2, 29.75, 1500 + 1.5 / 12},
      {"1582 Oct 4, last Julian day", 1582, 10, 4.0, 1582 + 9.5 / 12},
      {"2000 Jan 1.5", 2000, 1, 1.5, 2000 + 0.5 / 12},
      {"-1 Dec 31", -1, 12, 31.9, -1 + 11.5 / 12},
      {"-500 Jul 1", -500, 7, 1.0, -500 + 6.5 / 12},
  };
  for (const auto& c : cases) {
    ostrane::TDate date;
    date.DateToJulian(c.year, c.month, c.day);
    EXPECT_DOUBLE_EQ(DeltaTDecimalYear(date.GetJulianDay()), c.decimalYear) << c.name;
  }
}

}  // namespace
