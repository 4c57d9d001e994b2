// Apparent positions of date for a chart: the Sun, the Moon, the true
// obliquity, the local apparent sidereal time, the Ascendant and the Sun's
// altitude.  Built on ERFA (IAU 2006 precession, IAU 2000A nutation as
// eraNut06a adjusts it to IAU 2006).
//
// Conventions:
//   jdTt, jdUt1   Julian Days on the TT and UT1 scales (TimeScales.h); passed
//                 to ERFA as the pair (2451545.0, jd - 2451545.0)
//   angles        degrees; longitudes and times of the sky in [0, 360)
//   latitude      geographic, north positive, -90 .. 90
//   longitude     geographic, east positive (west negative)
//
// The series degrade outside their fitted spans (the Earth's ephemeris
// eraEpv00 1900-2100, the Moon's eraMoon98 1950-2100) but stay smooth; the
// program's tests bound the differences from an independent ephemeris back to
// -500.
#pragma once

#include <optional>

namespace ostrane {

// The latitudes a chart can be cast for: |latitude| < kLatitudeLimitDeg.
// Nearer the pole the horizon and the ecliptic meet in points that swing all
// round the zodiac within minutes.
inline constexpr double kLatitudeLimitDeg = 89.99;
inline constexpr const char* kLatitudeRefusedMessage =
    "The latitude must lie within 89.99\u00b0 of the equator.";

// True when the chart can be cast at `latitudeDeg` (false also for NaN).
bool LatitudeAdmitted(double latitudeDeg);

// `angleDeg` reduced to [0, 360).
double NormalizeDegrees(double angleDeg);

// Nutation of date (eraNut06a), degrees.
struct TNutation {
  double LongitudeDeg = 0.0;  // nutation in longitude, delta psi
  double ObliquityDeg = 0.0;  // nutation in obliquity, delta epsilon
};
TNutation ComputeNutation(double jdTt);

// True obliquity of the ecliptic of date: mean obliquity eraObl06 plus the
// nutation in obliquity, degrees (about 23.44 now).
double TrueObliquityDeg(double jdTt, const TNutation& nutation);

// Apparent geocentric ecliptic longitude of the Sun, of date, in [0, 360):
// the Sun's geocentric direction from the Earth's heliocentric position
// (eraEpv00), annual aberration from the Earth's barycentric velocity (eraAb),
// rotated from the ICRS to the mean ecliptic and equinox of date (eraEcm06),
// plus the nutation in longitude.
double SunLongitudeDeg(double jdTt, const TNutation& nutation);

// Apparent geocentric ecliptic longitude of the Moon, of date, in [0, 360):
// eraMoon98's geocentric GCRS position, taken 1.3 s earlier for the light
// time (from its velocity), through the same rotation plus the nutation in
// longitude.
double MoonLongitudeDeg(double jdTt, const TNutation& nutation);

// Local apparent sidereal time in [0, 360): Greenwich apparent sidereal time
// (eraGst06 with the precession-nutation matrix of `nutation`) plus the
// east longitude.  Equals eraGst06a(UT1, TT) + longitude.
double LocalSiderealTimeDeg(double jdUt1, double jdTt, double eastLongitudeDeg,
                            const TNutation& nutation);

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
