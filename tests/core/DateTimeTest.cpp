#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/DateTime.h"

using ostrane::TDate;

namespace {

struct CivilJulian {
  const char* name;
  int year;
  int month;
  double day;
  double julianDay;
};

// Known values: the program's own reference points and Meeus, Astronomical
// Algorithms, chapter 7.
const CivilJulian kKnownDates[] = {
    {"2000 Jan 1.0", 2000, 1, 1.0, 2451544.5},
    {"2000 Jan 1.5 (J2000)", 2000, 1, 1.5, 2451545.0},
    {"1999 Dec 31.75", 1999, 12, 31.75, 2451544.25},
    {"1987 Jan 27.0", 1987, 1, 27.0, 2446822.5},
    {"1987 Jun 19.5", 1987, 6, 19.5, 2446966.0},
    {"1988 Jan 27.0", 1988, 1, 27.0, 2447187.5},
    {"1988 Jun 19.5", 1988, 6, 19.5, 2447332.0},
    {"1900 Jan 1.0", 1900, 1, 1.0, 2415020.5},
    {"1600 Jan 1.0", 1600, 1, 1.0, 2305447.5},
    {"1600 Dec 31.0", 1600, 12, 31.0, 2305812.5},
    {"1582 Oct 15.0, first Gregorian day", 1582, 10, 15.0, 2299160.5},
    {"1582 Oct 4.0, last Julian day", 1582, 10, 4.0, 2299159.5},
    {"1582 Oct 4.5", 1582, 10, 4.5, 2299160.0},
    {"1500 Feb 29.0, Julian leap day", 1500, 2, 29.0, 2268991.5},
    {"837 Apr 10.3", 837, 4, 10.3, 2026871.8},
    {"-123 Dec 31.0", -123, 12, 31.0, 1676496.5},
    {"-122 Jan 1.0", -122, 1, 1.0, 1676497.5},
    {"-1000 Jul 12.5", -1000, 7, 12.5, 1356001.0},
    {"-1000 Feb 29.0", -1000, 2, 29.0, 1355866.5},
    {"-1001 Aug 17.9", -1001, 8, 17.9, 1355671.4},
    {"-4712 Jan 1.0", -4712, 1, 1.0, -0.5},
    {"-4712 Jan 1.5", -4712, 1, 1.5, 0.0},
    {"year 0 Feb 29, a Julian leap day", 0, 2, 29.0, 1721116.5},
    {"year 0 Mar 1", 0, 3, 1.0, 1721117.5},
    {"year -1 Dec 31", -1, 12, 31.0, 1721056.5},
    {"year 0 Jan 1", 0, 1, 1.0, 1721057.5},
};

TEST(DateToJulian, KnownDates) {
  for (const auto& c : kKnownDates) {
    TDate date;
    date.DateToJulian(c.year, c.month, c.day);
    EXPECT_NEAR(date.GetJulianDay(), c.julianDay, 1e-9) << c.name;
  }
}

TEST(JulianToDate, KnownDates) {
  for (const auto& c : kKnownDates) {
    TDate date;
    date.JulianToDate(c.julianDay);
    EXPECT_EQ(date.GetYear(), c.year) << c.name;
    EXPECT_EQ(date.GetMonth(), c.month) << c.name;
    EXPECT_NEAR(date.GetDay(), c.day, 1e-6) << c.name;
  }
}

TEST(DateToJulian, FractionOfTheDayIsCarriedExactly) {
  TDate date;
  date.DateToJulian(1957, 10, 4.81);
  // The two truncated terms sum to 2437649; the day, B = -13 and -1524.5
  // are added in that order.
  EXPECT_EQ(date.GetJulianDay(), ((2437649.0 + 4.81) + -13.0) - 1524.5);
  EXPECT_NEAR(date.GetJulianDay(), 2436116.31, 1e-9);
}

// A civil moment is the date's Julian Day at 0 h plus the time of day, added
// after the calendar step; the date's 0 h is left in the date.
TEST(MomentToJulian, TheTimeOfDayIsAddedToTheDatesMidnight) {
  const struct {
    const char* name;
    std::int32_t year, month, day;
    double fraction, julianDay, midnight;
  } cases[] = {
      {"J2000, noon", 2000, 1, 1, 0.5, 2451545.0, 2451544.5},
      {"first Gregorian day, 0 h", 1582, 10, 15, 0.0, 2299160.5, 2299160.5},
      {"last Julian day, 18 h", 1582, 10, 4, 0.75, 2299160.25, 2299159.5},
      {"start of the count, noon", -4712, 1, 1, 0.5, 0.0, -0.5},
      {"Sputnik, 19:26:24", 1957, 10, 4, 0.81, 2436116.31, 2436115.5},
  };
  for (const auto& c : cases) {
    TDate date;
    const double jd = date.MomentToJulian(c.year, c.month, c.day, c.fraction);
    EXPECT_NEAR(jd, c.julianDay, 1e-9) << c.name;
    EXPECT_EQ(jd, c.midnight + c.fraction) << c.name << ": the fraction added after the date";
    EXPECT_EQ(date.GetJulianDay(), c.midnight) << c.name;
  }
}

TEST(DateToJulian, CalendarReform) {
  struct Case {
    const char* name;
    int month;
    double day;
    double julianDay;
  } const cases[] = {
      // The ten days that neither calendar has take the Gregorian rule.
      {"Oct 5 is counted Gregorian", 10, 5.0, 2299150.5},
      {"Oct 14 is the same day as Oct 4", 10, 14.0, 2299159.5},
      {"Oct 15 follows Oct 4", 10, 15.0, 2299160.5},
  };
  for (const auto& c : cases) {
    TDate date;
    date.DateToJulian(1582, c.month, c.day);
    EXPECT_EQ(date.GetJulianDay(), c.julianDay) << c.name;
  }
  TDate date;
  date.JulianToDate(2299150.5);
  EXPECT_EQ(date.GetYear(), 1582);
  EXPECT_EQ(date.GetMonth(), 9);
  EXPECT_EQ(date.GetDay(), 25.0);
}

TEST(DateToJulian, OutOfRangeMonthsAndDaysExtrapolate) {
  struct Case {
    const char* name;
    int year, month;
    double day, julianDay;
  } const cases[] = {
      {"month 13 is January of the next year", 2000, 13, 1.0, 2451910.5},
      {"February 30 is March 1", 2000, 2, 30.0, 2451604.5},
      {"day 0 is the last day of the previous month", 2000, 1, 0.0, 2451543.5},
      {"month 0 is December of the previous year", 2000, 0, 1.0, 2451513.5},
      {"April 31 is May 1", 2000, 4, 31.0, 2451665.5},
  };
  for (const auto& c : cases) {
    TDate date;
    date.DateToJulian(c.year, c.month, c.day);
    EXPECT_EQ(date.GetJulianDay(), c.julianDay) << c.name;
  }
}

TEST(JulianToDate, BelowTheSupportedStartTruncatesTowardZero) {
  TDate date;
  date.JulianToDate(-1.5);
  EXPECT_EQ(date.GetYear(), -4713);
  EXPECT_EQ(date.GetMonth(), 12);
  EXPECT_EQ(date.GetDay(), 31.0);
  date.JulianToDate(-1.2);
  EXPECT_EQ(date.GetYear(), -4712);
  EXPECT_EQ(date.GetMonth(), 1);
  EXPECT_NEAR(date.GetDay(), 0.3, 1e-12);
}

TEST(JulianToDate, ValuesOutsideTheSupportedRangeStayDefined) {
  // Applied directly, the formulas would overflow on these (UBSan reports
  // it); they are taken at the nearest edge of the supported range, NaN at 0.
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double input, edge;
  } cases[] = {{1e15, 1e9},    {3e9, 1e9},    {1e308, 1e9},
               {inf, 1e9},     {-1e15, -1e9}, {-3e9, -1e9},
               {-1e308, -1e9}, {-inf, -1e9},  {std::numeric_limits<double>::quiet_NaN(), 0.0}};
  for (const auto& c : cases) {
    TDate got, edge;
    got.JulianToDate(c.input);
    edge.JulianToDate(c.edge);
    EXPECT_EQ(got.GetYear(), edge.GetYear()) << c.input;
    EXPECT_EQ(got.GetMonth(), edge.GetMonth()) << c.input;
    EXPECT_EQ(got.GetDay(), edge.GetDay()) << c.input;
  }
  // The upper edge of the supported range still follows the formulas.
  TDate date;
  date.JulianToDate(1e9);
  EXPECT_EQ(date.GetYear(), 2733194);
  date.DateToJulian(date.GetYear(), date.GetMonth(), date.GetDay());
  EXPECT_EQ(date.GetJulianDay(), 1e9);
}

TEST(TDate, DirectionsKeepSeparateState) {
  TDate date;
  EXPECT_EQ(date.GetYear(), 0);
  EXPECT_EQ(date.GetMonth(), 0);
  EXPECT_EQ(date.GetDayNumber(), 0);
  EXPECT_EQ(date.GetJulianDay(), 0.0);

  date.DateToJulian(2000, 1, 1.0);
  EXPECT_EQ(date.GetYear(), 0) << "DateToJulian must not store the date";
  date.JulianToDate(2451545.0);
  EXPECT_EQ(date.GetJulianDay(), 2451544.5) << "JulianToDate must not store a Julian Day";
  EXPECT_EQ(date.GetDayNumber(), 1);
  EXPECT_EQ(date.GetDay(), 1.5);
  date.SetDate(1999, 7, 4.0);
  EXPECT_EQ(date.GetJulianDay(), 2451544.5);
  EXPECT_EQ(date.GetMonth(), 7);
}

TEST(TDate, LeapYearsAndMonthLengths) {
  struct Case {
    int year;
    bool leap;
  } const years[] = {{2000, true},  {1900, false}, {1600, true}, {2024, true},
                     {2023, false}, {1500, false}, {0, true},    {-4, true},
                     {-400, true},  {-1, false},   {-100, false}};
  for (const auto& c : years) EXPECT_EQ(TDate::IsLeapYear(c.year), c.leap) << c.year;

  struct MonthCase {
    int year, month, days;
  } const months[] = {{2000, 2, 29}, {1900, 2, 28},  {1600, 2, 29}, {1500, 2, 28}, {2001, 1, 31},
                      {2001, 4, 30}, {2001, 12, 31}, {2001, 0, 0},  {2001, 13, 0}, {2001, -3, 0}};
  for (const auto& c : months) {
    TDate date;
    date.SetDate(c.year, c.month, 1.0);
    EXPECT_EQ(date.DaysInMonth(c.month), c.days) << c.year << "-" << c.month;
    EXPECT_EQ(date.DaysInStoredMonth(), c.days) << c.year << "-" << c.month;
  }
}

TEST(TDate, DecimalYearOrdersTheReform) {
  TDate date;
  date.DecimalYear(1582, 10, 5.0);
  EXPECT_DOUBLE_EQ(date.GetDecimalYear(), 1582 + (273 + 5.0) / 355.0);
  date.DecimalYear(2000, 12, 31.0);
  EXPECT_DOUBLE_EQ(date.GetDecimalYear(), 2001.0) << "31 December ends the year exactly";
  date.DecimalYear(2001, 1, 0.0);
  EXPECT_DOUBLE_EQ(date.GetDecimalYear(), 2001.0);
}

// Every day from -4712 January 1 to 10000 December 31 converts to a date and
// back to the same Julian Day, and consecutive days give consecutive dates.
TEST(TDate, WalkOverEveryDay) {
  TDate start;
  start.DateToJulian(-4712, 1, 1.0);
  TDate end;
  end.DateToJulian(10000, 12, 31.0);
  ASSERT_EQ(start.GetJulianDay(), -0.5);

  TDate date;
  int year = -4712, month = 1, day = 1;
  long failures = 0;
  for (double jd = start.GetJulianDay(); jd <= end.GetJulianDay(); jd += 1.0) {
    date.JulianToDate(jd);
    if (date.GetYear() != year || date.GetMonth() != month || date.GetDay() != day) {
      ADD_FAILURE() << "JD " << jd << " gave " << date.GetYear() << "-" << date.GetMonth() << "-"
                    << date.GetDay() << ", expected " << year << "-" << month << "-" << day;
      if (++failures > 5) return;
    }
    date.DateToJulian(year, month, day);
    if (date.GetJulianDay() != jd) {
      ADD_FAILURE() << year << "-" << month << "-" << day << " gave JD " << date.GetJulianDay()
                    << ", expected " << jd;
      if (++failures > 5) return;
    }
    // The next civil date: Julian leap rule up to 1582, Gregorian after it,
    // and 1582 October 4 followed by October 15.
    const bool leap = year <= 1582 ? (year % 4 == 0) : TDate::IsLeapYear(year);
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year == 1582 && month == 10 && day == 4) {
      day = 15;
    } else if (++day > lengths[month - 1]) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  EXPECT_EQ(year, 10001) << "the walk must reach the end of year 10000";
}

}  // namespace
