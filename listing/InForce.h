// The periods in force at a moment: at each of the four levels the period
// whose start <= t < end, read from the same walks as the listings.
//
// What a period is:
//   level 1  a general period, from its line's Julian Day to the next
//            general period's;
//   level 2  a sub period, from its line's Julian Day to the next data
//            line's (the last sub period of a general period ends where the
//            next general period begins);
//   level 3, 4  the periods the level 3/4 listing of that sub period's line
//            gives, each from its start to the next start in its chain or to
//            its parent's end, whichever comes first.
// A period never reaches past its parent's end, so the last listed period of
// a chain (which usually reaches past it in the listing) is cut there.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Chronocrators.h"
#include "core/ReleaseSettings.h"
#include "listing/PeriodWalk.h"

namespace ostrane {

struct TPeriodInForce {
  int Level = 0;             // 1 .. 4
  std::int32_t Counter = 0;  // unreduced sign counter
  double Start = 0.0;        // Julian Day, local clock time
  double End = 0.0;          // Julian Day at which it ends (exclusive)
  int Place = 0;             // place from the angle reference, 1 .. 12; 0 unknown
  bool Loosing = false;      // the first period after a jump to the opposite sign
  // Levels 1 and 2: the data line's entry in the main listing (list index
  // minus 3).  Levels 3 and 4: the data line's entry in the level 3/4
  // listing of the sub period (list index minus 3).
  int Entry = 0;
};

enum class TInForceStatus {
  InForce,
  BeforeFirst,  // before the first listed period
  AfterLast,    // at or after the end of the last listed general period
};

struct TInForce {
  TInForceStatus Status = TInForceStatus::BeforeFirst;
  std::array<TPeriodInForce, 4> Periods{};  // levels 1 to 4, when in force
};

// The periods in force at the moment `moment` (a Julian Day in local clock
// time, like the birth moment `start`) of the listing of `settings` (its
// releasing type, start sign, general periods and loose bond; places counted
// as AngleReference gives).  Walks only as far as the moment.
TInForce PeriodsInForce(TChronocrator& chronocrator, const ReleaseSettings& settings, double start,
                        double moment);

// The status in words: "before the first period", "after the last listed
// general period: list more general periods"; empty when in force.
std::string InForceStatusText(TInForceStatus status);

}  // namespace ostrane
