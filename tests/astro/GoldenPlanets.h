// The five planets' positions of date from an independent ephemeris, PyEphem
// 4.1.4 (libastro's VSOP87; Debian python3-ephem), written by
// make_golden_planets.py, which says how each value is obtained.  As in
// GoldenPositions.h, each row gives the UT1 instant PyEphem was given and the
// TT instant that is with PyEphem's own Delta T.
#pragma once

namespace golden {

struct TPlanets {
  const char* Name;
  double JdUt1;
  double JdTt;
  // Apparent geocentric ecliptic longitudes of date, degrees: Mercury, Venus,
  // Mars, Jupiter, Saturn.
  double LongitudeDeg[5];
  // The longitude falling from half a day before to half a day after.
  bool Retrograde[5];
};

inline constexpr TPlanets kPlanets[] = {
    {"-500 Mar 21 06:00, Babylon",
     1538877.750000000,
     1538877.948916618,
     {330.117100, 315.835960, 92.350999, 118.060798, 77.189041},
     {false, false, false, true, false}},
    {"-100 Oct 2 15:40, Alexandria",
     1685173.152777778,
     1685173.287407683,
     {209.096726, 225.818815, 144.885049, 60.578660, 285.628006},
     {false, false, false, true, false}},
    {"500 Jul 10 14:30, Rome",
     1903874.104166667,
     1903874.170195856,
     {95.936340, 81.296750, 203.786087, 211.665475, 69.267581},
     {true, false, false, false, false}},
    {"1000 Nov 3 03:15, Constantinople",
     2086614.635416667,
     2086614.653541343,
     {207.110969, 192.619378, 244.780721, 283.960300, 66.280972},
     {false, false, false, false, true}},
    {"1500 Mar 1 12:00 (Julian), Florence",
     2268993.000000000,
     2268993.002313284,
     {331.533958, 3.712157, 58.713908, 338.535853, 46.693081},
     {true, false, false, false, false}},
    {"1650 Aug 8 22:10, Uppsala",
     2323930.423611111,
     2323930.424349898,
     {122.991508, 163.191113, 105.392123, 212.311971, 99.463695},
     {true, false, false, false, false}},
    {"1800 May 20 20:45, Philadelphia",
     2378636.364583333,
     2378636.364740542,
     {34.644288, 38.873818, 345.090252, 93.130453, 125.176743},
     {false, false, false, false, false}},
    {"1900 Sep 12 09:10, Tromso",
     2415274.881944444,
     2415274.881922087,
     {167.943515, 123.215177, 111.317138, 243.978594, 268.509712},
     {false, false, false, false, false}},
    {"1955 Feb 14 04:00, Cape Town",
     2435152.666666667,
     2435152.667026690,
     {321.710400, 278.857100, 21.364790, 111.373679, 230.981057},
     {true, false, false, true, false}},
    {"2000 Jan 1 12:00, Greenwich",
     2451545.000000000,
     2451545.000738778,
     {271.889398, 241.565901, 327.963422, 25.253093, 40.395646},
     {false, false, false, false, true}},
    {"2024 Jun 20 21:00, Sydney",
     2460482.375000000,
     2460482.375839760,
     {97.508682, 94.436008, 38.614309, 65.982179, 349.361659},
     {false, false, false, false, false}},
    {"2024 Dec 15 11:00, McMurdo",
     2460659.958333333,
     2460659.959177387,
     {246.410557, 309.398388, 125.681501, 75.230780, 343.470186},
     {true, false, true, true, false}},
    {"2100 Dec 31 23:00, Reykjavik",
     2488434.458333333,
     2488434.460968434,
     {298.238476, 265.767512, 253.978449, 227.000811, 216.952638},
     {false, false, false, false, false}},
    {"2024 Aug 15 12:00, Mercury retrograde",
     2460538.000000000,
     2460538.000841088,
     {149.613883, 162.768504, 77.233808, 76.806417, 347.754962},
     {true, false, false, false, true}},
    {"2020 Oct 1 00:00, Mars retrograde from Sep 9",
     2459123.500000000,
     2459123.500812230,
     {213.948579, 147.828878, 25.047071, 287.923848, 295.339749},
     {false, false, true, false, false}},
    {"2020 Jun 1 00:00, Venus retrograde",
     2459001.500000000,
     2459001.500810241,
     {94.119175, 75.304338, 342.698143, 296.764914, 301.610034},
     {false, true, false, true, true}},
};

}  // namespace golden
