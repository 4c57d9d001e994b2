#include "Positions.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace ostrane {
namespace {

constexpr double kDegToRad = ERFA_DD2R;
constexpr double kRadToDeg = ERFA_DR2D;

// Days since J2000.0, the second half of ERFA's two-part date.
double SinceJ2000(double jd) {
  return jd - ERFA_DJ00;
}

// Longitude in the mean ecliptic and equinox of date of a GCRS vector, degrees.
double EclipticOfDateLongitudeDeg(double jdTt, double gcrs[3]) {
  double rm[3][3];
  eraEcm06(ERFA_DJ00, SinceJ2000(jdTt), rm);
  double ecliptic[3];
  eraRxp(rm, gcrs, ecliptic);
  return std::atan2(ecliptic[1], ecliptic[0]) * kRadToDeg;
}

}  // namespace

bool LatitudeAdmitted(double latitudeDeg) {
  return std::fabs(latitudeDeg) < kLatitudeLimitDeg;
}

double NormalizeDegrees(double angleDeg) {
  double r = std::fmod(angleDeg, 360.0);
  if (r < 0.0) r += 360.0;
  // A tiny negative remainder rounds up to 360 when added.
  return r >= 360.0 ? 0.0 : r;
}

TNutation ComputeNutation(double jdTt) {
  double dpsi = 0.0;
  double deps = 0.0;
  eraNut06a(ERFA_DJ00, SinceJ2000(jdTt), &dpsi, &deps);
  return {dpsi * kRadToDeg, deps * kRadToDeg};
}

double TrueObliquityDeg(double jdTt, const TNutation& nutation) {
  return eraObl06(ERFA_DJ00, SinceJ2000(jdTt)) * kRadToDeg + nutation.ObliquityDeg;
}

double SunLongitudeDeg(double jdTt, const TNutation& nutation) {
  double heliocentric[2][3];
  double barycentric[2][3];
  // Status +1 only says the date lies outside 1900-2100.
  eraEpv00(ERFA_DJ00, SinceJ2000(jdTt), heliocentric, barycentric);

  // The Sun seen from the Earth: the Earth's heliocentric position reversed.
  double toSun[3];
  eraSxp(-1.0, heliocentric[0], toSun);
  double distance = 0.0;
  double direction[3];
  eraPn(toSun, &distance, direction);

  // The Earth's barycentric velocity in units of c, and the reciprocal of its
  // Lorentz factor, as eraAb takes them.
  double velocity[3];
  eraSxp(ERFA_AULT / ERFA_DAYSEC, barycentric[1], velocity);
  const double bm1 = std::sqrt(1.0 - eraPdp(velocity, velocity));
  double apparent[3];
  eraAb(direction, velocity, distance, bm1, apparent);

  return NormalizeDegrees(EclipticOfDateLongitudeDeg(jdTt, apparent) + nutation.LongitudeDeg);
}

double MoonLongitudeDeg(double jdTt, const TNutation& nutation) {
  double pv[2][3];
  eraMoon98(ERFA_DJ00, SinceJ2000(jdTt), pv);
  // Where the Moon was when the light left it: p - v * (|p| / c).
  const double lightDays = eraPm(pv[0]) * ERFA_AULT / ERFA_DAYSEC;
  double seen[3];
  eraPpsp(pv[0], -lightDays, pv[1], seen);
  return NormalizeDegrees(EclipticOfDateLongitudeDeg(jdTt, seen) + nutation.LongitudeDeg);
}

double LocalSiderealTimeDeg(double jdUt1, double jdTt, double eastLongitudeDeg,
                            const TNutation& nutation) {
  double epsa = 0.0;
  double rb[3][3];
  double rp[3][3];
  double rbp[3][3];
  double rn[3][3];
  double rbpn[3][3];
  eraPn06(ERFA_DJ00, SinceJ2000(jdTt), nutation.LongitudeDeg * kDegToRad,
          nutation.ObliquityDeg * kDegToRad, &epsa, rb, rp, rbp, rn, rbpn);
  const double gast = eraGst06(ERFA_DJ00, SinceJ2000(jdUt1), ERFA_DJ00, SinceJ2000(jdTt), rbpn);
  return NormalizeDegrees(gast * kRadToDeg + eastLongitudeDeg);
}

std::optional<double> AscendantDeg(double localSiderealTimeDeg, double trueObliquityDeg,
                                   double latitudeDeg) {
  if (!LatitudeAdmitted(latitudeDeg)) return std::nullopt;
  const double theta = localSiderealTimeDeg * kDegToRad;
  const double eps = trueObliquityDeg * kDegToRad;
  const double tanPhi = std::tan(latitudeDeg * kDegToRad);
  const double sinTheta = std::sin(theta);
  double lambda =
      std::atan2(std::cos(theta), -(sinTheta * std::cos(eps) + tanPhi * std::sin(eps))) * kRadToDeg;
  // The east component of the point found, up to a positive factor; where it
  // is negative the point is the setting one and the rising one is opposite.
  if (std::cos(eps) + sinTheta * tanPhi * std::sin(eps) < 0.0) lambda += 180.0;
  return NormalizeDegrees(lambda);
}

double SunAltitudeDeg(double sunLongitudeDeg, double trueObliquityDeg, double localSiderealTimeDeg,
                      double latitudeDeg) {
  const double lambda = sunLongitudeDeg * kDegToRad;
  const double eps = trueObliquityDeg * kDegToRad;
  const double rightAscension = std::atan2(std::sin(lambda) * std::cos(eps), std::cos(lambda));
  const double declination = std::asin(std::sin(lambda) * std::sin(eps));
  const double hourAngle = localSiderealTimeDeg * kDegToRad - rightAscension;
  double azimuth = 0.0;
  double altitude = 0.0;
  eraHd2ae(hourAngle, declination, latitudeDeg * kDegToRad, &azimuth, &altitude);
  return altitude * kRadToDeg;
}

}  // namespace ostrane
