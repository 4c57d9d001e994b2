#include "astro/Positions.h"

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

// The Earth-Moon mass ratio (IAU 2009), which places the barycentre on the
// line from the Earth to the Moon at 1 / (1 + 81.30057) of the way.
constexpr double kEarthMoonMassRatio = 81.30057;

// Arcseconds to degrees.
constexpr double kArcsecToDeg = 1.0 / 3600.0;

// Longitude in the mean ecliptic and equinox of date of a GCRS vector plus
// the nutation in longitude, degrees in [0, 360).
double ApparentLongitudeDeg(const TSkyOfDate& sky, const double gcrs[3]) {
  const double(&rm)[3][3] = sky.GcrsToEcliptic;
  const double x = rm[0][0] * gcrs[0] + rm[0][1] * gcrs[1] + rm[0][2] * gcrs[2];
  const double y = rm[1][0] * gcrs[0] + rm[1][1] * gcrs[1] + rm[1][2] * gcrs[2];
  return NormalizeDegrees(std::atan2(y, x) * kRadToDeg + sky.Nutation.LongitudeDeg);
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
  eraNut00b(ERFA_DJ00, SinceJ2000(jdTt), &dpsi, &deps);
  return {dpsi * kRadToDeg, deps * kRadToDeg};
}

double TrueObliquityDeg(double jdTt, const TNutation& nutation) {
  return eraObl06(ERFA_DJ00, SinceJ2000(jdTt)) * kRadToDeg + nutation.ObliquityDeg;
}

TSkyOfDate ComputeSkyOfDate(double jdTt) {
  TSkyOfDate sky;
  sky.JdTt = jdTt;
  sky.Nutation = ComputeNutation(jdTt);
  const double meanObliquity = eraObl06(ERFA_DJ00, SinceJ2000(jdTt));
  sky.MeanObliquityDeg = meanObliquity * kRadToDeg;
  sky.TrueObliquityDeg = TrueObliquityDeg(jdTt, sky.Nutation);
  // The complementary terms of eraEect00 above 0.0001": 0.00264096" sin(Omega)
  // and 0.00006352" sin(2 Omega), Omega the Moon's mean ascending node.
  const double omega = eraFaom03(SinceJ2000(jdTt) / ERFA_DJC);
  sky.EquationOfEquinoxesDeg =
      sky.Nutation.LongitudeDeg * std::cos(meanObliquity) +
      (0.00264096 * std::sin(omega) + 0.00006352 * std::sin(2.0 * omega)) * kArcsecToDeg;
  eraEcm06(ERFA_DJ00, SinceJ2000(jdTt), sky.GcrsToEcliptic);
  eraMoon98(ERFA_DJ00, SinceJ2000(jdTt), sky.MoonPv);
  return sky;
}

double SunLongitudeDeg(const TSkyOfDate& sky) {
  // The Earth-Moon barycentre, heliocentric, au and au/day.  Status +1 only
  // says the date lies outside 1000-3000; +2 (no convergence) does not occur
  // for the barycentre's small eccentricity.
  double barycentre[2][3];
  eraPlan94(ERFA_DJ00, SinceJ2000(sky.JdTt), 3, barycentre);

  // The Sun seen from the Earth, and the Earth's velocity in units of c.
  const double moonShare = 1.0 / (1.0 + kEarthMoonMassRatio);
  double toSun[3];
  double velocity[3];
  for (int i = 0; i < 3; ++i) {
    toSun[i] = moonShare * sky.MoonPv[0][i] - barycentre[0][i];
    velocity[i] = (barycentre[1][i] - moonShare * sky.MoonPv[1][i]) * (ERFA_AULT / ERFA_DAYSEC);
  }
  double distance = 0.0;
  double direction[3];
  eraPn(toSun, &distance, direction);
  // eraAb takes the reciprocal of the Lorentz factor as well.
  const double bm1 = std::sqrt(1.0 - eraPdp(velocity, velocity));
  double apparent[3];
  eraAb(direction, velocity, distance, bm1, apparent);
  return ApparentLongitudeDeg(sky, apparent);
}

double MoonLongitudeDeg(const TSkyOfDate& sky) {
  // Where the Moon was when the light left it: p - v * (|p| / c).
  const double(&pv)[2][3] = sky.MoonPv;
  const double lightDays =
      std::sqrt(pv[0][0] * pv[0][0] + pv[0][1] * pv[0][1] + pv[0][2] * pv[0][2]) * ERFA_AULT /
      ERFA_DAYSEC;
  double seen[3];
  for (int i = 0; i < 3; ++i) seen[i] = pv[0][i] - lightDays * pv[1][i];
  return ApparentLongitudeDeg(sky, seen);
}

double LocalSiderealTimeDeg(double jdUt1, const TSkyOfDate& sky, double eastLongitudeDeg) {
  const double gmst = eraGmst06(ERFA_DJ00, SinceJ2000(jdUt1), ERFA_DJ00, SinceJ2000(sky.JdTt));
  return NormalizeDegrees(gmst * kRadToDeg + sky.EquationOfEquinoxesDeg + eastLongitudeDeg);
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
