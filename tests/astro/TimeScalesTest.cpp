#include <gtest/gtest.h>

#include <limits>

#include "DateTime.h"
#include "DeltaT.h"
#include "TimeScales.h"

namespace {

using namespace ostrane;

double ClockJd(int year, int month, int day, double hours) {
  TDate date;
  date.DateToJulian(year, month, day + hours / 24.0);
  return date.GetJulianDay();
}

// TT - UTC = 32.184 s + TAI - UTC, leap seconds from 1972, ERFA's drift
// expressions before; UT1 = UTC.
TEST(TimeScales, FromTheLeapSecondTable) {
  const struct {
    const char* name;
    int year, month, day;
    double hours, ttMinusUtc;
    bool dubious;
  } cases[] = {
      {"1960 Jan 1, first UTC day", 1960, 1, 1, 0.0, 32.184 + 1.4178180 - 366 * 0.001296, false},
      {"1965 Jan 1", 1965, 1, 1, 0.0, 32.184 + 3.5401300, false},
      {"1972 Jan 1, 10 s", 1972, 1, 1, 12.0, 42.184, false},
      {"1985 Jun 30, before a leap second", 1985, 6, 30, 23.9, 54.184, false},
      {"1985 Jul 1, after it", 1985, 7, 1, 0.1, 55.184, false},
      {"2000 Jan 1", 2000, 1, 1, 12.0, 64.184, false},
      {"2016 Dec 31", 2016, 12, 31, 23.5, 68.184, false},
      {"2020 Jun 15, 37 s", 2020, 6, 15, 8.0, 69.184, false},
      {"2100 Jan 1, past the table", 2100, 1, 1, 0.0, 69.184, true},
  };
  for (const auto& c : cases) {
    const double jd = ClockJd(c.year, c.month, c.day, c.hours);
    const std::optional<TTimeScales> s = ComputeTimeScales(jd);
    ASSERT_TRUE(s) << c.name;
    EXPECT_NEAR(s->DeltaTSeconds, c.ttMinusUtc, 1e-6) << c.name;
    EXPECT_NEAR((s->JdTt - jd) * 86400.0, c.ttMinusUtc, 1e-4) << c.name;
    EXPECT_NEAR((s->JdUt1 - jd) * 86400.0, 0.0, 1e-4) << c.name;
    EXPECT_EQ(s->DubiousYear, c.dubious) << c.name;
  }
}

// Before 1960 the clock is UT1 and Delta T comes from the polynomials.
TEST(TimeScales, BeforeTheLeapSecondTable) {
  const double instants[] = {ClockJd(1959, 12, 31, 23.99), ClockJd(1900, 1, 1, 0.0),
                             ClockJd(1500, 3, 1, 12.0), ClockJd(-500, 3, 21, 6.0)};
  for (double jd : instants) {
    const std::optional<TTimeScales> s = ComputeTimeScales(jd);
    ASSERT_TRUE(s) << jd;
    const double deltaT = DeltaTSeconds(DeltaTDecimalYear(jd));
    EXPECT_EQ(s->JdUt1, jd);
    EXPECT_NEAR((s->JdTt - jd) * 86400.0, deltaT, 1e-4) << jd;
    EXPECT_EQ(s->DeltaTSeconds, deltaT) << jd;
    EXPECT_FALSE(s->DubiousYear) << jd;
  }
  // The two sides of 1960 January 1 differ by less than 0.1 s.
  const double before = ComputeTimeScales(kFirstUtcJulianDay - 1e-6)->DeltaTSeconds;
  const double after = ComputeTimeScales(kFirstUtcJulianDay)->DeltaTSeconds;
  EXPECT_NEAR(before, after, 0.1);
}

TEST(TimeScales, RefusesWhatErfaCannotConvert) {
  EXPECT_FALSE(ComputeTimeScales(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(ComputeTimeScales(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(ComputeTimeScales(2e9));
}

}  // namespace
