// The whole chart beyond the lights: the five planets against PyEphem in
// every era and their retrograde motion, the seven lots by day and by night,
// the sidereal zodiacs, the visible horizon for the sect, and each sign's
// ruler read in a chart.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "astro/Ayanamsa.h"
#include "astro/Lots.h"
#include "astro/Planets.h"
#include "astro/Rulers.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "tests/astro/GoldenPlanets.h"

namespace {

using namespace ostrane;

double AngleDiff(double a, double b) {
  return std::remainder(a - b, 360.0);
}

double YearOf(double jdTt) {
  return 2000.0 + (jdTt - 2451545.0) / 365.25;
}

TEST(Planets, AgreeWithPyEphemInEveryEraAndMoveTheSameWay) {
  constexpr TPlanet kFive[] = {TPlanet::Mercury, TPlanet::Venus, TPlanet::Mars, TPlanet::Jupiter,
                               TPlanet::Saturn};
  double worst[3] = {};  // arcseconds: from 1800, from 1000, before
  for (const golden::TPlanets& g : golden::kPlanets) {
    const double year = YearOf(g.JdTt);
    const int era = year >= 1800.0 ? 0 : year >= 1000.0 ? 1 : 2;
    const double tolerance = era == 0 ? 0.05 : era == 1 ? 0.1 : 0.25;
    const TSkyOfDate sky = ComputeSkyOfDate(g.JdTt);
    for (int i = 0; i < 5; ++i) {
      const TPlanetPosition p = PlanetPosition(sky, kFive[i]);
      const double diff = AngleDiff(p.LongitudeDeg, g.LongitudeDeg[i]);
      worst[era] = std::max(worst[era], std::fabs(diff) * 3600.0);
      EXPECT_NEAR(diff, 0.0, tolerance) << g.Name << ", " << PlanetName(kFive[i]);
      EXPECT_EQ(p.Retrograde, g.Retrograde[i]) << g.Name << ", " << PlanetName(kFive[i]);
    }
  }
  std::printf(
      "planets against PyEphem, largest: %.0f\" (1800-2100), %.0f\" (1000-1800), %.0f\" "
      "(-500..1000)\n",
      worst[0], worst[1], worst[2]);
}

// One worked chart: the Ascendant at 100 and the planets where the table puts
// them; every lot by hand, by day and by night.
TEST(Lots, HermeticFormulasByDayAndByNight) {
  const double asc = 100.0;
  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn
  const std::array<double, kPlanetCount> at{10.0, 200.0, 25.0, 330.0, 140.0, 275.0, 62.5};
  // Day:   Fortune = 100 + 200 - 10 = 290, Spirit = 100 + 10 - 200 = -90 = 270,
  //        Eros = 100 + 330 - 270 = 160, Necessity = 100 + 290 - 25 = 365 = 5,
  //        Courage = 100 + 290 - 140 = 250, Victory = 100 + 275 - 270 = 105,
  //        Nemesis = 100 + 290 - 62.5 = 327.5.
  // Night: Fortune = 270, Spirit = 290, Eros = 100 + 290 - 330 = 60,
  //        Necessity = 100 + 25 - 270 = -145 = 215, Courage = 100 + 140 - 270 = -30 = 330,
  //        Victory = 100 + 290 - 275 = 115, Nemesis = 100 + 62.5 - 270 = -107.5 = 252.5.
  const struct {
    const char* name;
    bool byDay;
    std::array<double, kLotCount> lots;
  } cases[] = {
      {"by day", true, {290.0, 270.0, 160.0, 5.0, 250.0, 105.0, 327.5}},
      {"by night", false, {270.0, 290.0, 60.0, 215.0, 330.0, 115.0, 252.5}},
  };
  for (const auto& c : cases) {
    const std::array<double, kLotCount> lots = HermeticLots(asc, at, c.byDay);
    for (const TLot lot : kLots)
      EXPECT_NEAR(lots[static_cast<std::size_t>(Index(lot))],
                  c.lots[static_cast<std::size_t>(Index(lot))], 1e-9)
          << c.name << ", " << LotName(lot);
  }
}

double ClockJd(int year, int month, int day, double hours) {
  TDate date;
  date.DateToJulian(year, month, day + hours / 24.0);
  return date.GetJulianDay();
}

TEST(Zodiac, SiderealChartsTakeTheAyanamsaFromEveryLongitude) {
  // Each system's published value at its epoch, and the general precession
  // (5028.796" a century at J2000, IAU 2006) carrying the mean value.
  EXPECT_NEAR(AyanamsaDeg(TZodiac::FaganBradley, 2433282.42346), 24.042044444, 1e-9);
  EXPECT_NEAR(AyanamsaDeg(TZodiac::Lahiri, 2435553.5), 23.0 + 15.0 / 60 + 0.658 / 3600, 1e-9);
  EXPECT_EQ(AyanamsaDeg(TZodiac::Tropical, 2451545.0), 0.0);
  const auto mean = [](TZodiac z, double jdTt) {
    return AyanamsaDeg(z, jdTt) - ComputeNutation(jdTt).LongitudeDeg;
  };
  for (const TZodiac z : {TZodiac::FaganBradley, TZodiac::Lahiri}) {
    const double rate = (mean(z, 2451545.0 + 18262.5) - mean(z, 2451545.0 - 18262.5)) * 3600.0;
    EXPECT_NEAR(rate, 5028.8, 0.5) << "arcseconds a century, zodiac " << static_cast<int>(z);
  }
  // Lahiri's ayanamsa on 2000 January 1 as the New International Ephemeris
  // 1900-2050 (Editions St. Michel, 1993) prints it: 23 51' 11".
  EXPECT_NEAR(AyanamsaDeg(TZodiac::Lahiri, 2451544.5), 23.0 + 51.0 / 60 + 11.0 / 3600, 2.0 / 3600);

  // 1990-05-17 12:30 UTC at Amsterdam: Fortune in Gemini 10 tropical,
  // in Taurus sidereally.
  const double jd = ClockJd(1990, 5, 17, 12.5);
  const TChart tropical = *ComputeChart(jd, 52.37403, 4.88969).Chart;
  for (const TZodiac z : {TZodiac::FaganBradley, TZodiac::Lahiri}) {
    const TChart sidereal =
        *ComputeChart(jd, 52.37403, 4.88969, TSect::Computed, {.Zodiac = z}).Chart;
    const double a = sidereal.AyanamsaDeg;
    EXPECT_GT(a, 23.5);
    EXPECT_NEAR(AngleDiff(tropical.AscendantDeg - a, sidereal.AscendantDeg), 0.0, 1e-9);
    for (const TPlanet p : kPlanets)
      EXPECT_NEAR(AngleDiff(tropical.PlanetDeg(p) - a, sidereal.PlanetDeg(p)), 0.0, 1e-9)
          << PlanetName(p);
    for (const TLot l : kLots)
      EXPECT_NEAR(AngleDiff(tropical.LotDeg(l) - a, sidereal.LotDeg(l)), 0.0, 1e-9) << LotName(l);
    EXPECT_EQ(tropical.FortuneSign, 2);
    EXPECT_EQ(sidereal.FortuneSign, 1);
    EXPECT_EQ(sidereal.Sect, tropical.Sect);  // the sect is the sky's, not the zodiac's
  }
}

TEST(Sect, VisibleHorizonMakesDayOfTheSunJustBelowTheGeometricOne) {
  // Amsterdam on 1990-05-17 before sunrise: the first minute the Sun's
  // centre stands between -0.8 and -0.1 degree.
  const auto chart = [](double jdUtc, const TChartVariants& variants) {
    return *ComputeChart(jdUtc, 52.37403, 4.88969, TSect::Computed, variants).Chart;
  };
  double jdUtc = 0.0;
  for (int minute = 0; minute < 180 && jdUtc == 0.0; ++minute) {
    const double jd = ClockJd(1990, 5, 17, 2.5 + minute / 60.0);
    const double altitude = chart(jd, {}).SunAltitudeDeg;
    if (altitude > -0.8 && altitude < -0.1) jdUtc = jd;
  }
  ASSERT_NE(jdUtc, 0.0);
  const TChart geometric = chart(jdUtc, {});
  const TChart visible = chart(jdUtc, {.SectHorizon = TSectHorizon::Visible});
  const TChart dayFormula = chart(jdUtc, {.LotFormula = TLotFormula::Day});
  EXPECT_EQ(geometric.Sect, TSect::Night);
  EXPECT_EQ(visible.Sect, TSect::Day);
  EXPECT_TRUE(visible.NearHorizon);
  // By day Fortune is where the night puts Spirit.
  EXPECT_NEAR(visible.FortuneDeg, geometric.SpiritDeg, 1e-9);
  // The day formula always: the lots of the day in a chart of the night.
  EXPECT_EQ(dayFormula.Sect, TSect::Night);
  EXPECT_NEAR(dayFormula.FortuneDeg, visible.FortuneDeg, 1e-9);
  EXPECT_NEAR(dayFormula.LotDeg(TLot::Nemesis), visible.LotDeg(TLot::Nemesis), 1e-9);
}

TEST(Rulers, EachSignsRulerReadInAChart) {
  const TPlanet rulers[12] = {TPlanet::Mars,   TPlanet::Venus,  TPlanet::Mercury,
                              TPlanet::Moon,   TPlanet::Sun,    TPlanet::Mercury,
                              TPlanet::Venus,  TPlanet::Mars,   TPlanet::Jupiter,
                              TPlanet::Saturn, TPlanet::Saturn, TPlanet::Jupiter};
  for (int sign = 0; sign < 12; ++sign) {
    EXPECT_EQ(ReadRuler(sign, nullptr).Ruler, rulers[sign]) << LongSignNameOf(sign);
    EXPECT_EQ(ReadRuler(sign + 24, nullptr).Ruler, rulers[sign]) << "counter " << sign + 24;
    EXPECT_EQ(RulerReadingText(ReadRuler(sign, nullptr)), PlanetName(rulers[sign]));
  }
  // A day chart with the Ascendant in Capricorn: Saturn in Leo, Mars in
  // Capricorn, Jupiter retrograde in Pisces, Venus in Taurus.
  TChart day;
  day.AscendantDeg = 280.0;
  day.Sect = TSect::Day;
  const double at[kPlanetCount] = {40.0, 100.0, 50.0, 45.0, 290.0, 335.0, 130.0};
  for (int i = 0; i < kPlanetCount; ++i)
    day.Planets[static_cast<std::size_t>(i)].LongitudeDeg = at[i];
  day.Planets[Index(TPlanet::Jupiter)].Retrograde = true;
  TChart night = day;
  night.Sect = TSect::Night;
  const struct {
    const char* name;
    int sign;
    const TChart* chart;
    const char* text;
  } cases[] = {
      {"the sect malefic with a planet in the sign", 9, &day,
       "Capricorn general: Saturn, in Leo (8th house), the sect malefic; Mars in Capricorn"},
      {"retrograde, the sect benefic", 11, &day,
       "Capricorn general: Jupiter, in Pisces (3rd house), retrograde, the sect benefic"},
      {"by night Venus the sect benefic, three in its sign", 1, &night,
       "Capricorn general: Venus, in Taurus (5th house), the sect benefic; Sun and Mercury in "
       "Taurus"},
      {"by night Saturn a malefic out of sect", 10, &night,
       "Capricorn general: Saturn, in Leo (8th house), a malefic, out of sect"},
      {"a light at home", 3, &night, "Capricorn general: Moon, in Cancer (7th house)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PeriodRulerText("Capricorn general", ReadRuler(c.sign, c.chart)), c.text) << c.name;
}

}  // namespace
