// The chart: the Ascendant, the seven planets, the sect and the seven
// Hermetic lots.
//
// Longitudes are ecliptic longitudes of date in degrees, [0, 360), in the
// chart's zodiac: tropical (signs of 30 degrees from the equinox of date) or
// sidereal, the tropical longitude less the ayanamsa (Ayanamsa.h).  Signs are
// numbered 0 Aries, 1 Taurus, ... 11 Pisces.
//
// Sect: a chart is diurnal when the Sun's centre stands above the horizon:
// the geometric one (altitude > 0, no refraction) or, as a variant, the
// visible one (altitude > -0.833: refraction and the Sun's radius); nocturnal
// otherwise.  Inside the polar circles this follows the Sun, so a noon in the
// polar night is a night.
//
// The lots (Paulus Alexandrinus), by day as written, by night reversed (the
// two longitudes subtracted exchanged), or always by day as a variant:
//   Fortune   = Asc + Moon - Sun         Spirit  = Asc + Sun - Moon
//   Eros      = Asc + Venus - Spirit     Victory = Asc + Jupiter - Spirit
//   Necessity = Asc + Fortune - Mercury  Courage = Asc + Fortune - Mars
//   Nemesis   = Asc + Fortune - Saturn
// where Fortune and Spirit inside the later formulas are the lots of the same
// formula (by night, the night's Fortune and Spirit).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "astro/Planets.h"
#include "core/Planets.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

struct TLots {
  double FortuneDeg = 0.0;  // [0, 360)
  double SpiritDeg = 0.0;   // [0, 360)
};

// The lots from the Ascendant, the Sun and the Moon (any real degrees; the
// results are reduced to [0, 360)); `sect` Day or Night (TSect of
// ReleaseSettings.h; anything but Day counts as Night).
TLots Lots(double ascendantDeg, double sunDeg, double moonDeg, TSect sect);

// All seven lots (kLots' order, [0, 360)) from the Ascendant and the planets'
// longitudes (kPlanets' order; any real degrees); `byDay` the day formula.
std::array<double, kLotCount> HermeticLots(double ascendantDeg,
                                           const std::array<double, kPlanetCount>& planetsDeg,
                                           bool byDay);

// The altitude of the Sun's centre above which a chart is diurnal, degrees:
// 0 for the geometric horizon, -0.833 for the visible one.
double SectHorizonAltitudeDeg(TSectHorizon horizon);

// Sign 0..11 of a longitude (any real degrees).
int SignOf(double longitudeDeg);

// True when a longitude lies within `orbDeg` (0 .. 15) of the nearest sign
// boundary, where a small error in the birth time may move it across.
bool NearSignBoundary(double longitudeDeg, double orbDeg = 1.0);

// A longitude as sign, whole degrees (0..29) and whole minutes (0..59) within
// the sign; the minutes are truncated.  A value a hair (under 1e-7') below a
// whole minute, as sums of minutes leave in binary arithmetic, counts as that
// minute.
struct TSignPosition {
  int Sign = 0;
  int Degrees = 0;
  int Minutes = 0;
};
TSignPosition ToSignPosition(double longitudeDeg);

// The inverse for whole values: sign 0..11, degrees 0..29, minutes 0..59.
double FromSignPosition(int sign, int degrees, int minutes);

// |altitude| below this many degrees flags the sect as sensitive to the birth
// time (and to refraction, which the sect leaves out).
inline constexpr double kNearHorizonDeg = 1.0;

struct TChart {
  TChartVariants Variants{};  // what the chart was computed with
  double AyanamsaDeg = 0.0;   // subtracted from every tropical longitude; 0 tropical
  double AscendantDeg = 0.0;
  double SunDeg = 0.0;              // as Planets[Sun]
  double MoonDeg = 0.0;             // as Planets[Moon]
  double SunAltitudeDeg = 0.0;      // geometric, -90 .. 90
  TSect ComputedSect = TSect::Day;  // from the Sun's altitude and the horizon; Day or Night
  TSect Sect = TSect::Day;          // the chart's: the chosen one if given
  bool NearHorizon = false;         // the altitude within kNearHorizonDeg of the sect's horizon
  std::array<TPlanetPosition, kPlanetCount> Planets{};  // kPlanets' order
  std::array<double, kLotCount> LotsDeg{};              // kLots' order, [0, 360)
  double FortuneDeg = 0.0;                              // as LotsDeg[Fortune]
  double SpiritDeg = 0.0;                               // as LotsDeg[Spirit]
  int FortuneSign = 0;
  int SpiritSign = 0;
  bool FortuneNearBoundary = false;  // within 1 degree of a sign boundary
  bool SpiritNearBoundary = false;
  double JdUt1 = 0.0;  // the instants the positions were computed for
  double JdTt = 0.0;
  bool DubiousYear = false;  // TimeScales.h: TT - UTC extrapolated

  double PlanetDeg(TPlanet planet) const {
    return Planets[static_cast<std::size_t>(Index(planet))].LongitudeDeg;
  }
  double LotDeg(TLot lot) const { return LotsDeg[static_cast<std::size_t>(Index(lot))]; }
  int LotSign(TLot lot) const { return SignOf(LotDeg(lot)); }
  int AscendantSign() const { return SignOf(AscendantDeg); }
  // True when the lots take the day formula.
  bool LotsByDay() const { return Sect == TSect::Day || Variants.LotFormula == TLotFormula::Day; }
};

// The chart, or the message why there is none (then Chart is empty).
struct TChartResult {
  std::optional<TChart> Chart;
  std::string Error;
};

// The chart of a birth: `jdUtc` the clock Julian Day (TimeScales.h), the
// place's latitude (|lat| < 89.99) and east longitude (degrees; any finite
// value).  `sect`, when Day or Night, decides the sect of the chart in place
// of the Sun's altitude; ComputedSect still reports the altitude's verdict.
// `variants` chooses the zodiac, the lots' formula and the sect's horizon.
TChartResult ComputeChart(double jdUtc, double latitudeDeg, double eastLongitudeDeg,
                          TSect sect = TSect::Computed, const TChartVariants& variants = {});

}  // namespace ostrane
