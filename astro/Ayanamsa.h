// The ayanamsa: how far the tropical zodiac's origin, the equinox of date,
// has moved from a sidereal zodiac's origin.  A sidereal longitude is the
// tropical one less the ayanamsa.
//
// Each system's published value at its epoch is carried by the IAU 2006
// general precession in longitude p_A (eraP06e):
//   Fagan-Bradley  24.042044444 degrees at JD 2433282.42346 TT (1950.0)
//   Lahiri         23 15' 00.658" at 1956-03-21 0h TT (JD 2435553.5)
// The values are true ones, holding the nutation in longitude of their
// epoch, and so is the ayanamsa given here: the mean value carried by the
// precession plus the nutation of date (IAU 2000B).  Taken from the apparent
// tropical longitudes, it leaves the sidereal ones free of the nutation, as
// the stars are.  So Lahiri's ayanamsa on 2000 January 1 is 23 51' 11", as
// the ephemerides print it; carrying the epoch value by the precession alone
// would give 23 51' 42".
#pragma once

#include "core/ReleaseSettings.h"

namespace ostrane {

// The ayanamsa of `zodiac` at jdTt (a Julian Day on the TT scale), degrees;
// 0 for the tropical zodiac.  About 24.7 (Fagan-Bradley) and 23.9 (Lahiri) at
// J2000, growing 50.3" a year.
double AyanamsaDeg(TZodiac zodiac, double jdTt);

}  // namespace ostrane
