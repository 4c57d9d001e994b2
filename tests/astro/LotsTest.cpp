// The lots and their sign positions: the worked example, wrap-around at
// 0/360, the sect in polar day and night, the sect override, refused input.
// The chart's positions against the golden table are in PositionsTest.cpp.
#include <gtest/gtest.h>

#include <limits>

#include "DateTime.h"
#include "Lots.h"
#include "Positions.h"

namespace {

using namespace ostrane;

double ClockJd(int year, int month, int day, double hours) {
  TDate date;
  date.DateToJulian(year, month, day + hours / 24.0);
  return date.GetJulianDay();
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
