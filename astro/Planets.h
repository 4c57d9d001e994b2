// Apparent geocentric ecliptic longitudes of date of Mercury, Venus, Mars,
// Jupiter and Saturn, and their direction of motion.
//
//   the planets   eraPlan94 heliocentric positions (Simon et al. 1994),
//                 fitted 1000-3000, smooth beyond
//   the Earth     eraPlan94's Earth-Moon barycentre less the Moon's
//                 geocentric vector / (1 + 81.30057), as for the Sun
//   light time    the planet taken where it was when its light left it,
//                 iterated three times (under 1e-9 au left)
//   aberration    annual, from the Earth's heliocentric velocity (eraAb)
//   frame         rotated to the mean ecliptic and equinox of date and the
//                 nutation in longitude added, as the Sun (Positions.h)
//
// Against an independent ephemeris (PyEphem, tests/astro/GoldenPlanets.h):
// within 0.05 degree over 1800-2100, 0.1 over 1000-1800 and 0.25 back to
// -500; eraPlan94's own error is at most 97", 137" and 362" there.
#pragma once

#include "astro/Positions.h"
#include "core/Planets.h"

namespace ostrane {

struct TPlanetPosition {
  double LongitudeDeg = 0.0;  // apparent, of date, [0, 360)
  bool Retrograde = false;    // the longitude falling over the day around the instant
};

// The position of `planet` (Mercury .. Saturn; the Sun and the Moon are
// computed by SunLongitudeDeg and MoonLongitudeDeg) at sky.JdTt.  The motion
// compares the apparent longitudes half a day before and after, both in the
// frame of the instant.
TPlanetPosition PlanetPosition(const TSkyOfDate& sky, TPlanet planet);

// The apparent longitudes of all seven planets (kPlanets' order) at
// sky.JdTt; the lights are never retrograde.
std::array<TPlanetPosition, kPlanetCount> PlanetPositions(const TSkyOfDate& sky);

}  // namespace ostrane
