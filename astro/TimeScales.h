// From the clock time of a birth to the time scales the ephemerides take.
//
// The input is a Julian Day on the clock scale, computed by the caller with the
// program's calendar (TDate: Julian calendar before 1582 October 15, Gregorian
// from then on), its fraction the clock time of day on the UTC scale.
//
// From 1960 January 1 (JD 2436934.5) on, the clock time is UTC as ERFA knows
// it: the Julian Day becomes a Gregorian date and time of day (eraJd2cal), a
// two-part UTC quasi Julian Day (eraDtf2d), then TAI and TT (eraUtctai,
// eraTaitt), and UT1 with UT1 - UTC taken as 0 (eraUtcut1).  TT - UTC is then
// 32.184 s plus TAI - UTC from ERFA's leap-second table (and its drift
// expressions for 1960-1971).  Years the table cannot vouch for (later than a
// few years past its last entry) are computed all the same with the last
// value and flagged as dubious.
//
// Before 1960 the clock time is taken as UT1 and TT = UT1 + Delta T, with
// Delta T from the polynomial expressions of DeltaT.h.
#pragma once

#include <optional>

namespace ostrane {

// The first clock Julian Day that goes through ERFA's UTC: 1960 January 1, 0 h.
inline constexpr double kFirstUtcJulianDay = 2436934.5;

struct TTimeScales {
  double JdUt1 = 0.0;          // Julian Day on the UT1 scale
  double JdTt = 0.0;           // Julian Day on the TT scale
  double DeltaTSeconds = 0.0;  // TT - UT1 in seconds
  bool DubiousYear = false;    // ERFA's leap-second table does not cover the year
};

// The time scales of the clock Julian Day `jdUtc`.  Empty when `jdUtc` is not
// finite or, from 1960 on, when ERFA refuses the date (beyond JD 1e9).
std::optional<TTimeScales> ComputeTimeScales(double jdUtc);

}  // namespace ostrane
