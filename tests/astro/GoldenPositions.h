// Positions of date from an independent ephemeris, PyEphem 4.1.4 (libastro;
// Debian python3-ephem), written by make_golden_positions.py, which says how
// each value is obtained.  PyEphem was given the UT1 instant; the TT instant
// is that plus PyEphem's own Delta T, so a check at (JdUt1, JdTt) compares the
// two ephemerides at the same instant whatever Delta T either one prefers.
#pragma once

namespace golden {

struct TPosition {
  const char* Name;
  double JdUt1;
  double JdTt;
  double LatitudeDeg;
  double EastLongitudeDeg;
  double SunDeg;           // apparent geocentric ecliptic longitude of date
  double MoonDeg;          // apparent geocentric ecliptic longitude of date
  double ObliquityDeg;     // true obliquity
  double SiderealTimeDeg;  // local apparent sidereal time
  double AscendantDeg;
  double SunAltitudeDeg;  // topocentric, no refraction: 8.8" parallax below geocentric
};

// Year of a row.
inline double YearOf(const TPosition& p) {
  return 2000.0 + (p.JdTt - 2451545.0) / 365.25;
}

// The agreement asked for in each era, degrees: 0.01 from 1800, 0.05 from
// 1000, 0.2 before.
inline double EraTolerance(const TPosition& p) {
  const double year = YearOf(p);
  return year >= 1800.0 ? 0.01 : year >= 1000.0 ? 0.05 : 0.2;
}

inline constexpr TPosition kPositions[] = {
    {"-500 Mar 21 06:00, Babylon", 1538877.750000000, 1538877.948916618, 32.54, 44.42, 354.638075,
     359.224918, 23.754368, 307.054620, 51.843965, 32.889891},
    {"-100 Oct 2 15:40, Alexandria", 1685173.152777778, 1685173.287407683, 31.20, 29.92, 186.594788,
     200.149670, 23.709838, 273.156706, 4.693809, 1.091586},
    {"500 Jul 10 14:30, Rome", 1903874.104166667, 1903874.170195856, 41.90, 12.50, 109.162378,
     90.402541, 23.634518, 160.174360, 234.524101, 44.520799},
    {"1000 Nov 3 03:15, Constantinople", 2086614.635416667, 2086614.653541343, 41.01, 28.98,
     226.632609, 272.346849, 23.571155, 125.575569, 208.020328, -17.355074},
    {"1500 Mar 1 12:00 (Julian), Florence", 2268993.000000000, 2268993.002313284, 43.77, 11.25,
     350.445123, 5.931859, 23.505216, 359.818350, 110.764753, 41.807270},
    {"1650 Aug 8 22:10, Uppsala", 2323930.423611111, 2323930.424349898, 59.86, 17.64, 136.251789,
     277.448793, 23.486552, 307.631644, 86.257433, -13.614030},
    {"1800 May 20 20:45, Philadelphia", 2378636.364583333, 2378636.364740542, 39.95, -75.17,
     59.503183, 28.745961, 23.467472, 114.335520, 199.412549, 37.739203},
    {"1900 Sep 12 09:10, Tromso", 2415274.881944444, 2415274.881922087, 69.65, 18.96, 169.127102,
     33.938561, 23.451321, 147.378739, 208.249697, 22.981174},
    {"1955 Feb 14 04:00, Cape Town", 2435152.666666667, 2435152.667026690, -33.92, 18.42,
     324.686362, 227.620051, 23.445334, 221.825186, 319.721749, -4.750507},
    {"2000 Jan 1 12:00, Greenwich", 2451545.000000000, 2451545.000738778, 51.48, 0.00, 280.369021,
     223.323758, 23.437687, 280.457070, 24.268202, 15.481693},
    {"2024 Jun 20 21:00, Sydney", 2460482.375000000, 2460482.375839760, -33.87, 151.21, 90.005925,
     255.428332, 23.438404, 15.769857, 88.950249, -0.845960},
    {"2024 Dec 15 11:00, McMurdo", 2460659.958333333, 2460659.959177387, -77.85, 166.67, 263.964641,
     85.054048, 23.438385, 56.265060, 207.115438, 12.395861},
    {"2100 Dec 31 23:00, Reykjavik", 2488434.458333333, 2488434.460968434, 64.15, -21.94,
     280.323366, 293.370697, 23.428221, 63.520694, 164.807578, -42.029487},
};

}  // namespace golden
