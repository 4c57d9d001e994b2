// The chart: positions and the whole chart at the instants of the golden
// table, the Ascendant at every latitude the program admits, the lots and
// their sign positions (the worked example, wrap-around at 0/360), the sect in
// polar day and night, the sect override and refused input.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "astro/Lots.h"
#include "astro/Positions.h"
#include "core/DateTime.h"
#include "tests/astro/GoldenPositions.h"

namespace {

using namespace ostrane;

constexpr double kRad = 3.14159265358979323846 / 180.0;

// a - b folded into (-180, 180].
double AngleDiff(double a, double b) {
  return std::remainder(a - b, 360.0);
}

double ClockJd(int year, int month, int day, double hours) {
  TDate date;
  date.DateToJulian(year, month, day + hours / 24.0);
  return date.GetJulianDay();
}

TEST(Positions, AgreeWithPyEphemInEveryEra) {
  for (const auto& g : golden::kPositions) {
    SCOPED_TRACE(g.Name);
    const double tol = golden::EraTolerance(g);
    // From 1800 the Sun and the sidereal time agree within 0.002 degree (7"):
    // a missing aberration (20") or nutation (up to 17") would show.
    const double fine = golden::YearOf(g) >= 1800.0 ? 0.002 : tol;
    const TSkyOfDate sky = ComputeSkyOfDate(g.JdTt);
    const double eps = sky.TrueObliquityDeg;
    const double lst = LocalSiderealTimeDeg(g.JdUt1, sky, g.EastLongitudeDeg);
    const double sun = SunLongitudeDeg(sky);
    const std::optional<double> asc = AscendantDeg(lst, eps, g.LatitudeDeg);
    ASSERT_TRUE(asc);
    EXPECT_NEAR(AngleDiff(sun, g.SunDeg), 0.0, fine);
    EXPECT_NEAR(AngleDiff(MoonLongitudeDeg(sky), g.MoonDeg), 0.0, tol);
    EXPECT_NEAR(eps, g.ObliquityDeg, 0.001);
    EXPECT_NEAR(AngleDiff(lst, g.SiderealTimeDeg), 0.0, fine);
    EXPECT_NEAR(AngleDiff(*asc, g.AscendantDeg), 0.0, tol);
    EXPECT_NEAR(SunAltitudeDeg(sun, eps, lst, g.LatitudeDeg), g.SunAltitudeDeg, tol);

    // The whole chart from the clock time (= UT1), through the program's own Delta T.
    const TChartResult r = ComputeChart(g.JdUt1, g.LatitudeDeg, g.EastLongitudeDeg);
    ASSERT_TRUE(r.Chart);
    const TChart& c = *r.Chart;
    // The Moon moves up to 0.0002 degree a second: allow for the Delta T models.
    const double moonTol = tol + 0.0002 * std::fabs(c.JdTt - g.JdTt) * 86400.0;
    EXPECT_NEAR(AngleDiff(c.AscendantDeg, g.AscendantDeg), 0.0, tol);
    EXPECT_NEAR(AngleDiff(c.SunDeg, g.SunDeg), 0.0, tol);
    EXPECT_NEAR(AngleDiff(c.MoonDeg, g.MoonDeg), 0.0, moonTol);
    EXPECT_EQ(c.ComputedSect, g.SunAltitudeDeg > 0.0 ? TSect::Day : TSect::Night);
    EXPECT_EQ(c.Sect, c.ComputedSect);
    EXPECT_EQ(c.DubiousYear, golden::YearOf(g) > 2030.0);
  }
}

// The Ascendant, turned into the horizon frame with vectors, must lie on the
// horizon (altitude 0) and in the east, inside the polar circles too.
TEST(Ascendant, RisesOnTheEasternHorizonAtEveryLatitude) {
  for (double lat : {0.0, 23.0, 51.5, -45.0, 66.0, 70.0, 80.0, -75.0, 89.98, -89.98}) {
    for (double eps : {23.44, 24.2}) {
      for (double lst = 0.0; lst < 360.0; lst += 2.5) {
        SCOPED_TRACE("latitude " + std::to_string(lat) + ", sidereal time " + std::to_string(lst));
        const std::optional<double> asc = AscendantDeg(lst, eps, lat);
        ASSERT_TRUE(asc);
        EXPECT_TRUE(*asc >= 0.0 && *asc < 360.0) << *asc;
        const double l = *asc * kRad, e = eps * kRad, t = lst * kRad, p = lat * kRad;
        const double x = std::cos(l), y = std::sin(l) * std::cos(e), z = std::sin(l) * std::sin(e);
        const double up =
            std::cos(p) * std::cos(t) * x + std::cos(p) * std::sin(t) * y + std::sin(p) * z;
        EXPECT_NEAR(std::asin(up) / kRad, 0.0, 1e-7) << "altitude";
        EXPECT_GT(-std::sin(t) * x + std::cos(t) * y, 0.0) << "east component";
      }
    }
  }
}

TEST(Ascendant, RefusedNearThePoles) {
  for (double lat : {89.99, -89.99, 90.0, -90.0, 95.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(LatitudeAdmitted(lat)) << lat;
    EXPECT_FALSE(AscendantDeg(100.0, 23.44, lat)) << lat;
  }
  EXPECT_TRUE(AscendantDeg(100.0, 23.44, 89.989));
  EXPECT_TRUE(AscendantDeg(100.0, 23.44, -89.989));
}

TEST(NormalizeDegrees, IntoZeroTo360) {
  const struct {
    double in, out;
  } cases[] = {{0.0, 0.0},   {360.0, 0.0},  {-30.0, 330.0},
               {725.5, 5.5}, {-1e-18, 0.0}, {-720.0, 0.0}};
  for (const auto& c : cases) EXPECT_EQ(NormalizeDegrees(c.in), c.out) << c.in;
}

// A night birth with the Ascendant at Taurus 25 16, the Sun at Virgo 14 19 and
// the Moon at Pisces 3 04: Fortune at Sagittarius 6 31, Spirit at Scorpio 14 01;
// by day the two change places.  Then sign positions at the ends of the circle.
TEST(Lots, WorkedExampleAndSignPositions) {
  const double asc = FromSignPosition(1, 25, 16);
  const double sun = FromSignPosition(5, 14, 19);
  const double moon = FromSignPosition(11, 3, 4);
  const TLots night = Lots(asc, sun, moon, TSect::Night);
  const TLots day = Lots(asc, sun, moon, TSect::Day);
  const struct {
    const char* name;
    double longitude;
    int sign, degrees, minutes;
  } cases[] = {
      {"Fortune by night", night.FortuneDeg, 8, 6, 31},
      {"Spirit by night", night.SpiritDeg, 7, 14, 1},
      {"Fortune by day", day.FortuneDeg, 7, 14, 1},
      {"Spirit by day", day.SpiritDeg, 8, 6, 31},
      {"minutes are truncated", 29.9999, 0, 29, 59},
      {"just below 360", 359.9999999, 11, 29, 59},
      {"negative longitude", -0.5, 11, 29, 30},
      {"past 360", 390.25, 1, 0, 15},
  };
  for (const auto& c : cases) {
    const TSignPosition p = ToSignPosition(c.longitude);
    EXPECT_TRUE(p.Sign == c.sign && p.Degrees == c.degrees && p.Minutes == c.minutes)
        << c.name << ": " << p.Sign << " " << p.Degrees << " " << p.Minutes;
  }
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

TEST(SignPosition, EveryMinuteOfTheCircleComesBackAndBoundariesAreNear) {
  for (int sign = 0; sign < 12; ++sign)
    for (int degrees = 0; degrees < 30; ++degrees)
      for (int minutes = 0; minutes < 60; ++minutes) {
        const TSignPosition p = ToSignPosition(FromSignPosition(sign, degrees, minutes));
        ASSERT_TRUE(p.Sign == sign && p.Degrees == degrees && p.Minutes == minutes)
            << sign << " " << degrees << " " << minutes;
      }
  const struct {
    double longitude;
    bool near;
  } cases[] = {{0.5, true},   {29.5, true},   {359.5, true}, {15.0, false},
               {31.0, false}, {58.99, false}, {-0.2, true},  {90.0, true}};
  for (const auto& c : cases) EXPECT_EQ(NearSignBoundary(c.longitude), c.near) << c.longitude;
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

TEST(Chart, RefusedInput) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double jd = ClockJd(2000, 1, 1, 12.0);
  const struct {
    const char* name;
    double jd, latitude, longitude;
    const char* message;
  } cases[] = {
      {"latitude 89.99", jd, 89.99, 0.0,
       "The latitude must lie less than 89.99\u00b0 from the equator."},
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
