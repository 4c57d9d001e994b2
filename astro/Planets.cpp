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

// The planet's heliocentric position and velocity (au, au/day) when the
// light that reaches the Earth `earth` at jdTt left it: its position at jdTt
// taken back along its velocity by the light time.  The light time comes from
// the distance at jdTt (off by under a second: the distance changes by under
// 0.03 au a day), and the path is straight over those minutes (Mercury's
// curves away by under 1e-7 au): together under 0.1" as seen from the Earth.
void PlanetAsSeen(double jdTt, int number, double earth[2][3], double planet[2][3]) {
  eraPlan94(ERFA_DJ00, jdTt - ERFA_DJ00, number, planet);
  double geocentric[3];
  eraPmp(planet[0], earth[0], geocentric);
  const double lightDays = eraPm(geocentric) * kLightDaysPerAu;
  for (int i = 0; i < 3; ++i) planet[0][i] -= lightDays * planet[1][i];
}

// `gcrs` rotated into the frame of `sky` (the mean ecliptic and equinox of
// date): x and y in the ecliptic.
void ToEcliptic(const TSkyOfDate& sky, const double gcrs[3], double& x, double& y) {
  const double(&rm)[3][3] = sky.GcrsToEcliptic;
  x = rm[0][0] * gcrs[0] + rm[0][1] * gcrs[1] + rm[0][2] * gcrs[2];
  y = rm[1][0] * gcrs[0] + rm[1][1] * gcrs[1] + rm[1][2] * gcrs[2];
}

TPlanetPosition Position(const TSkyOfDate& sky, TPlanet planet, double earth[2][3]) {
  double seen[2][3];
  PlanetAsSeen(sky.JdTt, Plan94Number(planet), earth, seen);
  double geocentric[2][3];
  eraPvmpv(seen, earth, geocentric);

  double direction[3];
  double distance = 0.0;
  eraPn(geocentric[0], &distance, direction);
  double velocity[3];
  eraSxp(kLightDaysPerAu, earth[1], velocity);
  const double bm1 = std::sqrt(1.0 - eraPdp(velocity, velocity));
  double apparent[3];
  eraAb(direction, velocity, eraPm(earth[0]), bm1, apparent);

  TPlanetPosition position;
  double x = 0.0, y = 0.0;
  ToEcliptic(sky, apparent, x, y);
  position.LongitudeDeg =
      NormalizeDegrees(std::atan2(y, x) * kRadToDeg + sky.Nutation.LongitudeDeg);
  // The longitude's rate has the sign of the geocentric angular momentum's
  // ecliptic component, x vy - y vx.
  double vx = 0.0, vy = 0.0;
  ToEcliptic(sky, geocentric[1], vx, vy);
  double gx = 0.0, gy = 0.0;
  ToEcliptic(sky, geocentric[0], gx, gy);
  position.Retrograde = gx * vy - gy * vx < 0.0;
  return position;
}

}  // namespace

TPlanetPosition PlanetPosition(const TSkyOfDate& sky, TPlanet planet) {
  double earth[2][3];
  EarthPv(sky.JdTt, sky.MoonPv, earth);
  return Position(sky, planet, earth);
}

std::array<TPlanetPosition, kPlanetCount> PlanetPositions(const TSkyOfDate& sky) {
  std::array<TPlanetPosition, kPlanetCount> positions{};
  positions[Index(TPlanet::Sun)].LongitudeDeg = SunLongitudeDeg(sky);
  positions[Index(TPlanet::Moon)].LongitudeDeg = MoonLongitudeDeg(sky);
  double earth[2][3];
  EarthPv(sky.JdTt, sky.MoonPv, earth);
  for (const TPlanet planet : kPlanets) {
    if (planet == TPlanet::Sun || planet == TPlanet::Moon) continue;
    positions[static_cast<std::size_t>(Index(planet))] = Position(sky, planet, earth);
  }
  return positions;
}

}  // namespace ostrane
