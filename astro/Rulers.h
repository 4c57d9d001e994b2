// The ruler of a period's sign read in the birth chart: where the domicile
// ruler stands, its nature and its part in the sect, and the planets that
// occupy the sign.
#pragma once

#include <string>
#include <vector>

#include "astro/Lots.h"
#include "core/Planets.h"

namespace ostrane {

struct TRulerReading {
  std::int32_t Sign = 0;  // the period's sign, 0 .. 11
  TPlanet Ruler = TPlanet::Mars;
  TNature Nature = TNature::Neutral;
  // The rest only with a chart.
  bool WithChart = false;
  std::int32_t RulerSign = 0;  // 0 .. 11
  int RulerHouse = 1;          // whole-sign house from the Ascendant's sign, 1 .. 12
  bool Retrograde = false;
  TSectRole SectRole = TSectRole::None;
  std::vector<TPlanet> PlanetsInSign;  // kPlanets' order
};

// The reading of sign `sign` (any sign counter, reduced modulo 12); `chart`
// may be null, and then only the ruler and its nature are known.
TRulerReading ReadRuler(std::int32_t sign, const TChart* chart);

// The reading in words after its period's name:
//   "Saturn, in Leo (8th house), the sect malefic; Mars in Capricorn"
//   "Jupiter, in Pisces (3rd house), retrograde, the sect benefic"
//   "Venus, in Taurus (10th house), a benefic, out of sect"
//   "Mercury" (without a chart)
// The nature is given as "the sect benefic", "the sect malefic", "a benefic,
// out of sect", "a malefic, out of sect", or not at all for the lights and
// Mercury; the planets in the sign other than the ruler (which is named
// where it stands) are joined with ", " and " and " ("; Sun and Mars in
// Capricorn").
std::string RulerReadingText(const TRulerReading& reading);

// "Capricorn general: " + RulerReadingText, `periodName` the period's name
// as the program writes it.
std::string PeriodRulerText(const std::string& periodName, const TRulerReading& reading);

}  // namespace ostrane
