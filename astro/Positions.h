// Apparent positions of date for a chart: the Sun, the Moon, the true
// obliquity, the local apparent sidereal time, the Ascendant and the Sun's
// altitude.  Built on ERFA's light models, everything an instant shares
// computed once (TSkyOfDate):
//   nutation      IAU 2000B (eraNut00b, 77 luni-solar terms)
//   precession    IAU 2006 (eraObl06, eraEcm06, eraGmst06)
//   the Moon      eraMoon98 (ELP-2000 truncated), geocentric
//   the Sun       the Earth as eraPlan94's Earth-Moon barycentre less the
//                 Moon's geocentric vector / (1 + 81.30057)
//
// Accuracy budget, against ERFA's full models (IAU 2000A nutation eraNut06a,
// the Earth's ephemeris eraEpv00, the sidereal time eraPn06 + eraGst06) over
// 1800-2100: the Sun within 10", the Moon, the Ascendant and the local
// sidereal time within 1".  tests/astro/ModelBudgetTest.cpp asserts it over
// 601 instants (the Ascendant at 8 latitudes up to 66) and prints the largest
// differences.  Measured over 100,000 instants of 1800-2100: the Sun 9.06"
// (2080; the barycentre of eraPlan94), the Moon 0.004" (the nutation in
// longitude, 0.004"), the local sidereal time 0.004", the Ascendant 0.015" up
// to latitude 60 and 0.06" at 66 (601 instants).  For orientation, 1000-1800:
// the Sun 10.3", the Moon and the sidereal time 0.07", the Ascendant 0.3" (to
// 60) and 1.5" (at 66); -500..1000: the Sun 19.6", the Moon 0.4", the
// sidereal time 5.7" (the classical equation of the equinoxes drifts from
// eraGst06 far from J2000), the Ascendant 26" (to 60) and 150" (at 66).
// Against an independent ephemeris (PyEphem, tests/astro/GoldenPositions.h)
// the positions stay within 0.01 degree from 1800, 0.05 from 1000 and 0.2
// back to -500.  The lights of a chart cost about 5 us of CPU time
// (bench/AstroBench.cpp), 62-64 us with the full models; the five planets
// (Planets.h) add about 40 percent.
//
// Conventions:
//   jdTt, jdUt1   Julian Days on the TT and UT1 scales (TimeScales.h); passed
//                 to ERFA as the pair (2451545.0, jd - 2451545.0)
//   angles        degrees; longitudes and times of the sky in [0, 360)
//   latitude      geographic, north positive, -90 .. 90
//   longitude     geographic, east positive (west negative)
//
// The series degrade outside their fitted spans (eraPlan94 1000-3000, the
// Moon's eraMoon98 1950-2100, eraNut00b 1995-2050) but stay smooth.
#pragma once

#include <optional>

namespace ostrane {

// The latitudes a chart can be cast for: |latitude| < kLatitudeLimitDeg.
// Nearer the pole the horizon and the ecliptic meet in points that swing all
// round the zodiac within minutes.
inline constexpr double kLatitudeLimitDeg = 89.99;
inline constexpr const char* kLatitudeRefusedMessage =
    "The latitude must lie less than 89.99\u00b0 from the equator.";

// True when the chart can be cast at `latitudeDeg` (false also for NaN).
bool LatitudeAdmitted(double latitudeDeg);

// `angleDeg` reduced to [0, 360).
double NormalizeDegrees(double angleDeg);

// Nutation of date (IAU 2000B, eraNut00b), degrees.
struct TNutation {
  double LongitudeDeg = 0.0;  // nutation in longitude, delta psi
  double ObliquityDeg = 0.0;  // nutation in obliquity, delta epsilon
};
TNutation ComputeNutation(double jdTt);

// True obliquity of the ecliptic of date: mean obliquity eraObl06 plus the
// nutation in obliquity, degrees (about 23.44 now).
double TrueObliquityDeg(double jdTt, const TNutation& nutation);

// What the positions of one TT instant share, computed once per chart.
struct TSkyOfDate {
  double JdTt = 0.0;
  TNutation Nutation;
  double MeanObliquityDeg = 0.0;  // eraObl06
  double TrueObliquityDeg = 0.0;  // mean plus nutation in obliquity
  // Equation of the equinoxes: delta psi cos(mean obliquity) plus the two
  // largest complementary terms (the others stay under 0.00004"), degrees.
  double EquationOfEquinoxesDeg = 0.0;
  // Rotation from the GCRS to the mean ecliptic and equinox of date (eraEcm06).
  double GcrsToEcliptic[3][3] = {};
  // The Moon's geocentric GCRS position (au) and velocity (au/day), eraMoon98.
  double MoonPv[2][3] = {};
};
TSkyOfDate ComputeSkyOfDate(double jdTt);

// Apparent geocentric ecliptic longitude of the Sun, of date, in [0, 360):
// the Sun's direction from the Earth (eraPlan94's Earth-Moon barycentre less
// the Moon's share), annual aberration from the Earth's heliocentric velocity
// (eraAb), rotated to the mean ecliptic and equinox of date, plus the nutation
// in longitude.
double SunLongitudeDeg(const TSkyOfDate& sky);

// Apparent geocentric ecliptic longitude of the Moon, of date, in [0, 360):
// the Moon's position taken 1.3 s earlier for the light time (from its
// velocity), through the same rotation plus the nutation in longitude.
double MoonLongitudeDeg(const TSkyOfDate& sky);

// Local apparent sidereal time in [0, 360): Greenwich mean sidereal time
// (eraGmst06) plus the equation of the equinoxes plus the east longitude.
// Within 0.004" (1800-2100) of eraGst06a(UT1, TT) + longitude.
double LocalSiderealTimeDeg(double jdUt1, const TSkyOfDate& sky, double eastLongitudeDeg);

// Ecliptic longitude of the Ascendant, the point of the ecliptic rising on
// the eastern horizon, in [0, 360), for the local apparent sidereal time
// theta, the true obliquity epsilon and the latitude phi:
//   lambda = atan2(cos theta, -(sin theta cos epsilon + tan phi sin epsilon)),
// turned by 180 degrees when cos epsilon + sin theta tan phi sin epsilon < 0,
// so that it is the eastern one of the two horizon points also inside the
// polar circles.  Empty when the latitude is not admitted (LatitudeAdmitted).
std::optional<double> AscendantDeg(double localSiderealTimeDeg, double trueObliquityDeg,
                                   double latitudeDeg);

// Geometric altitude of the Sun's centre above the horizon, -90 .. 90, without
// refraction, from its apparent longitude, the true obliquity, the local
// apparent sidereal time and the latitude.  The Sun's ecliptic latitude (under
// 1.2") and its parallax (8.8") are neglected.
double SunAltitudeDeg(double sunLongitudeDeg, double trueObliquityDeg, double localSiderealTimeDeg,
                      double latitudeDeg);

}  // namespace ostrane
