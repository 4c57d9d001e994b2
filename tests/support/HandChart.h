// A chart set by hand for the readings of the periods' rulers: the
// Ascendant in Capricorn, the Sun and Mercury in Cancer, the Moon in Libra,
// Venus in Gemini, Mars in Capricorn, Jupiter retrograde in Pisces, Saturn
// in Leo.  By day Jupiter and Saturn are the sect's benefic and malefic, by
// night Venus and Mars.
#pragma once

#include "astro/Lots.h"

namespace ostrane::testing {

inline TChart HandChart(TSect sect) {
  TChart chart;
  chart.AscendantDeg = 285.0;  // Capricorn 15
  chart.Sect = chart.ComputedSect = sect;
  const double longitudes[kPlanetCount] = {100.0, 200.0, 110.0, 60.0, 280.0, 340.0, 130.0};
  for (const TPlanet planet : kPlanets)
    chart.Planets[static_cast<std::size_t>(Index(planet))].LongitudeDeg = longitudes[Index(planet)];
  chart.Planets[static_cast<std::size_t>(Index(TPlanet::Jupiter))].Retrograde = true;
  chart.SunDeg = chart.PlanetDeg(TPlanet::Sun);
  chart.MoonDeg = chart.PlanetDeg(TPlanet::Moon);
  return chart;
}

}  // namespace ostrane::testing
