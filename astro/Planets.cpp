#include "astro/Planets.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace ostrane {
namespace {

constexpr double kRadToDeg = ERFA_DR2D;
constexpr double kEarthMoonMassRatio = 81.30057;
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// eraPlan94's planet numbers: 1 Mercury, 2 Venus, 4 Mars, 5 Jupiter,
// 6 Saturn (3 is the Earth-Moon barycentre).
int Plan94Number(TPlanet planet) {
  switch (planet) {
    case TPlanet::Mercury: return 1;
    case TPlanet::Venus: return 2;
    case TPlanet::Mars: return 4;
    case TPlanet::Jupiter: return 5;
    default: return 6;
  }
}

// The Earth, heliocentric, at jdTt: position (au) and velocity (au/day), the
// barycentre less the Moon's share.
void EarthPv(double jdTt, const double moonPv[2][3], double earth[2][3]) {
  double barycentre[2][3];
  eraPlan94(ERFA_DJ00, jdTt - ERFA_DJ00, 3, barycentre);
  const double moonShare = 1.0 / (1.0 + kEarthMoonMassRatio);
  for (int k = 0; k < 2; ++k)
    for (int i = 0; i < 3; ++i) earth[k][i] = barycentre[k][i] - moonShare * moonPv[k][i];
}

// The planet's apparent direction (GCRS axes, unit vector) from the Earth
// `earth` at jdTt: light time iterated, then annual aberration.
void ApparentDirection(double jdTt, int number, double earth[2][3], double apparent[3]) {
  double lightDays = 0.0;
  double geocentric[3] = {};
  for (int pass = 0; pass < 3; ++pass) {
    double planet[2][3];
    eraPlan94(ERFA_DJ00, jdTt - ERFA_DJ00 - lightDays, number, planet);
    eraPmp(planet[0], earth[0], geocentric);
    lightDays = eraPm(geocentric) * kLightDaysPerAu;
  }
  double direction[3];
  double distance = 0.0;
  eraPn(geocentric, &distance, direction);
  double velocity[3];
  eraSxp(kLightDaysPerAu, earth[1], velocity);
  const double bm1 = std::sqrt(1.0 - eraPdp(velocity, velocity));
  eraAb(direction, velocity, eraPm(earth[0]), bm1, apparent);
}

// Longitude (degrees, not reduced) of a GCRS direction in the frame of `sky`,
// without the nutation.
double EclipticLongitudeDeg(const TSkyOfDate& sky, const double gcrs[3]) {
  const double(&rm)[3][3] = sky.GcrsToEcliptic;
  const double x = rm[0][0] * gcrs[0] + rm[0][1] * gcrs[1] + rm[0][2] * gcrs[2];
  const double y = rm[1][0] * gcrs[0] + rm[1][1] * gcrs[1] + rm[1][2] * gcrs[2];
  return std::atan2(y, x) * kRadToDeg;
}

// The planet's longitude seen from the Earth at jdTt, in the frame of `sky`.
double LongitudeAt(const TSkyOfDate& sky, double jdTt, int number, const double moonPv[2][3]) {
  double earth[2][3];
  EarthPv(jdTt, moonPv, earth);
  double apparent[3];
  ApparentDirection(jdTt, number, earth, apparent);
  return EclipticLongitudeDeg(sky, apparent);
}

}  // namespace

TPlanetPosition PlanetPosition(const TSkyOfDate& sky, TPlanet planet) {
  const int number = Plan94Number(planet);
  TPlanetPosition position;
  position.LongitudeDeg =
      NormalizeDegrees(LongitudeAt(sky, sky.JdTt, number, sky.MoonPv) + sky.Nutation.LongitudeDeg);
  double before[2][3];
  double after[2][3];
  eraMoon98(ERFA_DJ00, sky.JdTt - 0.5 - ERFA_DJ00, before);
  eraMoon98(ERFA_DJ00, sky.JdTt + 0.5 - ERFA_DJ00, after);
  const double motion = LongitudeAt(sky, sky.JdTt + 0.5, number, after) -
                        LongitudeAt(sky, sky.JdTt - 0.5, number, before);
  // A day's motion stays far under 180 degrees: reduce it to (-180, 180].
  position.Retrograde = std::remainder(motion, 360.0) < 0.0;
  return position;
}

std::array<TPlanetPosition, kPlanetCount> PlanetPositions(const TSkyOfDate& sky) {
  std::array<TPlanetPosition, kPlanetCount> positions{};
  positions[Index(TPlanet::Sun)].LongitudeDeg = SunLongitudeDeg(sky);
  positions[Index(TPlanet::Moon)].LongitudeDeg = MoonLongitudeDeg(sky);
  for (const TPlanet planet : kPlanets) {
    if (planet == TPlanet::Sun || planet == TPlanet::Moon) continue;
    positions[static_cast<std::size_t>(Index(planet))] = PlanetPosition(sky, planet);
  }
  return positions;
}

}  // namespace ostrane
