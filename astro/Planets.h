// Apparent geocentric ecliptic longitudes of date of Mercury, Venus, Mars,
// Jupiter and Saturn, and their direction of motion.
//
//   the planets   eraPlan94 heliocentric positions (Simon et al. 1994),
//                 fitted 1000-3000, smooth beyond
//   the Earth     eraPlan94's Earth-Moon barycentre less the Moon's
//                 geocentric vector / (1 + 81.30057), as for the Sun
//   light time    the planet taken back along its velocity by the light time
//                 of its distance at the instant (under 0.1")
//   aberration    annual, from the Earth's heliocentric velocity (eraAb)
//   frame         rotated to the mean ecliptic and equinox of date and the
//                 nutation in longitude added, as the Sun (Positions.h)
//
// Against an independent ephemeris (PyEphem's VSOP87, tests/astro/
// GoldenPlanets.h): within 0.05 degree over 1800-2100, 0.1 over 1000-1800
// and 0.25 back to -500.  Measured at 200 random instants of each era, the
// largest differences (Saturn's, eraPlan94's weakest) are 97", 111" and 273";
// Mercury's 12", 10" and 17".
#pragma once

#include "astro/Positions.h"
#include "core/Planets.h"

namespace ostrane {

struct TPlanetPosition {
  double LongitudeDeg = 0.0;  // apparent, of date, [0, 360)
  bool Retrograde = false;    // the geocentric longitude falling at the instant
};

// The position of `planet` (Mercury .. Saturn; the Sun and the Moon are
// computed by SunLongitudeDeg and MoonLongitudeDeg) at sky.JdTt.  The motion
// is the sign of the longitude's rate at the instant, from eraPlan94's
// velocities: the planet's less the Earth's, in the ecliptic of date.  It
// agrees with comparing the longitudes half a day before and after except
// within hours of a station, where the planet barely moves.
TPlanetPosition PlanetPosition(const TSkyOfDate& sky, TPlanet planet);

// The apparent longitudes of all seven planets (kPlanets' order) at
// sky.JdTt; the lights are never retrograde.
std::array<TPlanetPosition, kPlanetCount> PlanetPositions(const TSkyOfDate& sky);

}  // namespace ostrane
