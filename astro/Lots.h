// The chart the lots need and the Lots of Fortune and Spirit.
//
// Longitudes are ecliptic longitudes of date in degrees, [0, 360); signs are
// numbered 0 Aries, 1 Taurus, ... 11 Pisces, 30 degrees each from the equinox
// of date.
//
// Sect: a chart is diurnal when the Sun's centre stands geometrically above
// the horizon (altitude > 0, no refraction), nocturnal otherwise; inside the
// polar circles this follows the Sun, so a noon in the polar night is a night.
// By day  Fortune = Asc + Moon - Sun   and   Spirit = Asc + Sun - Moon;
// by night the two are exchanged.
#pragma once

#include <optional>
#include <string>

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
  double AscendantDeg = 0.0;
  double SunDeg = 0.0;
  double MoonDeg = 0.0;
  double SunAltitudeDeg = 0.0;      // geometric, -90 .. 90
  TSect ComputedSect = TSect::Day;  // from the Sun's altitude; Day or Night
  TSect Sect = TSect::Day;          // the one the lots use: the chosen one if given
  bool NearHorizon = false;         // |SunAltitudeDeg| < kNearHorizonDeg
  double FortuneDeg = 0.0;          // the lots of Sect, [0, 360)
  double SpiritDeg = 0.0;
  int FortuneSign = 0;
  int SpiritSign = 0;
  bool FortuneNearBoundary = false;  // within 1 degree of a sign boundary
  bool SpiritNearBoundary = false;
  double JdUt1 = 0.0;  // the instants the positions were computed for
  double JdTt = 0.0;
  bool DubiousYear = false;  // TimeScales.h: TT - UTC extrapolated
};

// The chart, or the message why there is none (then Chart is empty).
struct TChartResult {
  std::optional<TChart> Chart;
  std::string Error;
};

// The chart of a birth: `jdUtc` the clock Julian Day (TimeScales.h), the
// place's latitude (|lat| < 89.99) and east longitude (degrees; any finite
// value).  `sect`, when Day or Night, decides the sect of the lots in place
// of the Sun's altitude; ComputedSect still reports the altitude's verdict.
TChartResult ComputeChart(double jdUtc, double latitudeDeg, double eastLongitudeDeg,
                          TSect sect = TSect::Computed);

}  // namespace ostrane
