// The chart of a birth from its clock time and its place: the clock time
// through the place's time zone (or a manual UTC offset) to Universal Time,
// then the Ascendant, the Sun, the Moon, the sect and the lots.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "astro/Lots.h"
#include "chart/TimeZones.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

struct TBirthChart {
  double LocalJulianDay = 0.0;  // the clock time of the birth
  TZoneResolution Zone;         // the offset taken, and what the zone says
  TChart Chart;
};

struct TBirthChartResult {
  std::optional<TBirthChart> Value;
  // Why there is no chart, in a sentence: no place, no zone, an unknown
  // zone, a clock time in a gap or an overlap without a choice, a latitude
  // too near a pole.
  std::string Error;
  // The clock time fell in a gap or an overlap and the place holds no
  // choice: Zone.Earlier and Zone.Later are the two candidates.
  bool NeedsDstChoice = false;
  TZoneResolution Zone;
};

// The chart of a birth at the clock time `localJulianDay` (the birth moment
// the listing starts from) at `place`.
TBirthChartResult ComputeBirthChart(const TBirthPlace& place, double localJulianDay);

// A longitude as the chart shows it: "Sagittarius 6°31′".
std::string SignPositionText(double longitudeDeg);

// Degrees with six decimals, as --lots and the batch write them.
std::string SixDecimals(double degrees);

// The lots of a chart as --lots and the batch write them, in this order:
// sect (day or night), fortune and spirit (SixDecimals), fortune_sign and
// spirit_sign (long names).
std::vector<std::pair<std::string, std::string>> LotsValues(const TChart& chart);

// The rest of the chart as --lots writes it after LotsValues, in this order:
// mercury, venus, mars, jupiter, saturn, eros, necessity, courage, victory,
// nemesis (SixDecimals), eros_sign, necessity_sign, courage_sign,
// victory_sign, nemesis_sign (long names), zodiac (a ZodiacKeys name),
// ayanamsa (SixDecimals; 0.000000 tropical), lot_formula and sect_horizon
// (LotFormulaKeys, SectHorizonKeys).
std::vector<std::pair<std::string, std::string>> PlanetsAndLotsValues(const TChart& chart);

// The names of the chart's variants as the command line, the batch and the
// files spell them, indexed by the enumerators' values:
// tropical, fagan-bradley, lahiri; sect, day; geometric, visible.
const std::vector<std::string>& ZodiacKeys();
const std::vector<std::string>& LotFormulaKeys();
const std::vector<std::string>& SectHorizonKeys();
std::string VariantKey(TZodiac zodiac);
std::string VariantKey(TLotFormula formula);
std::string VariantKey(TSectHorizon horizon);

}  // namespace ostrane
