#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DateTime.h"
#include "GoldenPositions.h"
#include "Lots.h"
#include "Positions.h"

namespace {

using namespace ostrane;

double ClockJd(int year, int month, int day, double hours) {
  TDate date;
  date.DateToJulian(year, month, day + hours / 24.0);
  return date.GetJulianDay();
}

void ExpectSignPosition(double longitude, int sign, int degrees, int minutes, const char* name) {
  const TSignPosition p = ToSignPosition(longitude);
  EXPECT_EQ(p.Sign, sign) << name;
  EXPECT_EQ(p.Degrees, degrees) << name;
  EXPECT_EQ(p.Minutes, minutes) << name;
}

// A night birth with the Ascendant at Taurus 25 16, the Sun at Virgo 14 19 and
// the Moon at Pisces 3 04: Fortune at Sagittarius 6 31, Spirit at Scorpio 14 01.
TEST(Lots, WorkedNightExample) {
  const double asc = FromSignPosition(1, 25, 16);
  const double sun = FromSignPosition(5, 14, 19);
  const double moon = FromSignPosition(11, 3, 4);
  const TLots night = Lots(asc, sun, moon, TSect::Night);
  ExpectSignPosition(night.FortuneDeg, 8, 6, 31, "Fortune by night");
  ExpectSignPosition(night.SpiritDeg, 7, 14, 1, "Spirit by night");
  const TLots day = Lots(asc, sun, moon, TSect::Day);
  ExpectSignPosition(day.FortuneDeg, 7, 14, 1, "Fortune by day");
  ExpectSignPosition(day.SpiritDeg, 8, 6, 31, "Spirit by day");
}

TEST(Lots, WrapAroundTheCircle) {
  const struct {
    const char* name;
    double asc, sun, moon;
    TSect sect;
    double fortune, spirit;
  } cases[] = {
      {"day, Fortune past 360", 350, 10, 30, TSect::Day, 10, 330},
      {"day, Fortune below 0", 5, 200, 10, TSect::Day, 175, 195},
      {"night, Spirit past 360", 300, 100, 170, TSect::Night, 230, 10},
      {"day, exactly 360 is 0", 340, 0, 20, TSect::Day, 0, 320},
      {"night, Sun and Moon together", 123.5, 77, 77, TSect::Night, 123.5, 123.5},
  };
  for (const auto& c : cases) {
    const TLots lots = Lots(c.asc, c.sun, c.moon, c.sect);
    EXPECT_NEAR(lots.FortuneDeg, c.fortune, 1e-9) << c.name;
    EXPECT_NEAR(lots.SpiritDeg, c.spirit, 1e-9) << c.name;
  }
}

TEST(SignPosition, EveryMinuteOfTheCircleComesBack) {
  for (int sign = 0; sign < 12; ++sign) {
    for (int degrees = 0; degrees < 30; ++degrees) {
      for (int minutes = 0; minutes < 60; ++minutes) {
        const TSignPosition p = ToSignPosition(FromSignPosition(sign, degrees, minutes));
        ASSERT_TRUE(p.Sign == sign && p.Degrees == degrees && p.Minutes == minutes)
            << sign << " " << degrees << " " << minutes;
      }
    }
  }
  ExpectSignPosition(29.9999, 0, 29, 59, "minutes are truncated");
  ExpectSignPosition(359.9999999, 11, 29, 59, "just below 360");
  ExpectSignPosition(-0.5, 11, 29, 30, "negative longitude");
  ExpectSignPosition(390.25, 1, 0, 15, "past 360");
}

TEST(SignPosition, NearBoundary) {
  const struct {
    double longitude;
    bool near;
  } cases[] = {{0.5, true},   {29.5, true},   {359.5, true}, {15.0, false},
               {31.0, false}, {58.99, false}, {-0.2, true},  {90.0, true}};
  for (const auto& c : cases) EXPECT_EQ(NearSignBoundary(c.longitude), c.near) << c.longitude;
}

// The whole chart at the instants of the golden table, clock time = UT1.
TEST(Chart, AgreesWithPyEphem) {
  for (const auto& g : golden::kPositions) {
    const TChartResult r = ComputeChart(g.JdUt1, g.LatitudeDeg, g.EastLongitudeDeg);
    ASSERT_TRUE(r.Chart) << g.Name;
    const TChart& c = *r.Chart;
    const double tol = golden::EraTolerance(g);
    // The Moon moves up to 0.0002 degree a second: allow for the Delta T models.
    const double moonTol = tol + 0.0002 * std::fabs(c.JdTt - g.JdTt) * 86400.0;
    EXPECT_NEAR(std::remainder(c.AscendantDeg - g.AscendantDeg, 360.0), 0.0, tol) << g.Name;
    EXPECT_NEAR(std::remainder(c.SunDeg - g.SunDeg, 360.0), 0.0, tol) << g.Name;
    EXPECT_NEAR(std::remainder(c.MoonDeg - g.MoonDeg, 360.0), 0.0, moonTol) << g.Name;
    EXPECT_EQ(c.ComputedSect, g.SunAltitudeDeg > 0.0 ? TSect::Day : TSect::Night) << g.Name;
    EXPECT_EQ(c.DubiousYear, golden::YearOf(g) > 2030.0) << g.Name;
  }
}

TEST(Chart, SectFollowsTheSun) {
  const struct {
    const char* name;
    double jdUtc, latitude, longitude;
    TSect sect;
    bool nearHorizon;
  } cases[] = {
      {"Tromso, noon in the polar night", ClockJd(2023, 12, 15, 11.0), 69.65, 18.96, TSect::Night,
       false},
      {"Tromso, midnight sun", ClockJd(2023, 6, 21, 22.75), 69.65, 18.96, TSect::Day, false},
      {"Sydney, Sun 0.85 below the horizon", ClockJd(2024, 6, 20, 21.0), -33.87, 151.21,
       TSect::Night, true},
      {"Greenwich, noon", ClockJd(2000, 1, 1, 12.0), 51.48, 0.0, TSect::Day, false},
  };
  for (const auto& c : cases) {
    const TChartResult r = ComputeChart(c.jdUtc, c.latitude, c.longitude);
    ASSERT_TRUE(r.Chart) << c.name;
    EXPECT_EQ(r.Chart->ComputedSect, c.sect) << c.name << ", altitude " << r.Chart->SunAltitudeDeg;
    EXPECT_EQ(r.Chart->Sect, c.sect) << c.name;
    EXPECT_EQ(r.Chart->NearHorizon, c.nearHorizon) << c.name;
  }
}

TEST(Chart, SectOverrideDecidesTheLots) {
  const double jd = ClockJd(2024, 6, 20, 21.0);
  const TChart computed = *ComputeChart(jd, -33.87, 151.21).Chart;
  const TChart overridden = *ComputeChart(jd, -33.87, 151.21, TSect::Day).Chart;
  EXPECT_EQ(computed.Sect, TSect::Night);
  EXPECT_EQ(overridden.ComputedSect, TSect::Night);
  EXPECT_EQ(overridden.Sect, TSect::Day);
  EXPECT_DOUBLE_EQ(overridden.FortuneDeg, computed.SpiritDeg);
  EXPECT_DOUBLE_EQ(overridden.SpiritDeg, computed.FortuneDeg);
  EXPECT_EQ(overridden.FortuneSign, SignOf(computed.SpiritDeg));
  EXPECT_EQ(overridden.SpiritNearBoundary, NearSignBoundary(computed.FortuneDeg));
}

// 1500 March 1 is a Julian-calendar date; read as proleptic Gregorian it would
// be ten days later, with the Sun ten degrees further on.
TEST(Chart, JulianCalendarBirth) {
  const golden::TPosition& g = golden::kPositions[4];
  const double jd = ClockJd(1500, 3, 1, 12.0);
  EXPECT_EQ(jd, g.JdUt1);
  const TChart c = *ComputeChart(jd, g.LatitudeDeg, g.EastLongitudeDeg).Chart;
  EXPECT_EQ(c.JdUt1, jd);
  EXPECT_NEAR(c.JdTt - jd, g.JdTt - g.JdUt1, 3.0 / 86400.0);  // the Delta T models agree
  EXPECT_NEAR(c.SunDeg, g.SunDeg, 0.05);
  EXPECT_NEAR(c.AscendantDeg, g.AscendantDeg, 0.05);
}

TEST(Chart, RefusedInput) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double jd = ClockJd(2000, 1, 1, 12.0);
  const struct {
    const char* name;
    double jd, latitude, longitude;
    const char* message;
  } cases[] = {
      {"latitude 89.99", jd, 89.99, 0.0, kLatitudeRefusedMessage},
      {"longitude NaN", jd, 10.0, nan, "The longitude must be a finite number of degrees."},
      {"date NaN", nan, 10.0, 0.0, "The date lies outside the range the time scales cover."},
  };
  for (const auto& c : cases) {
    const TChartResult r = ComputeChart(c.jd, c.latitude, c.longitude);
    EXPECT_FALSE(r.Chart) << c.name;
    EXPECT_EQ(r.Error, c.message) << c.name;
  }
}

}  // namespace
