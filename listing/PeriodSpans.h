// Every period of a listing with its end, level by level: what the calendar
// export and the timeline draw.  The periods are those of the periods in
// force (InForce.h): a general period runs to the next one; a sub period to
// the next data line, the last one cut at its general period's end; level 3
// and 4 periods to the next start in their chain, the last one cut at its
// parent's end.  The line of a general period also stands for its first sub
// period, which is a level 2 period of its own here.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "core/Chronocrators.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

struct TPeriodSpan {
  int Level = 1;             // 1 .. 4
  std::int32_t Counter = 0;  // unreduced sign counter
  double Start = 0.0;        // Julian Days, local clock time; Start < End
  double End = 0.0;
  int Place = 0;         // from the angle reference, 1 .. 12; 0 unknown
  bool Loosing = false;  // the first period after a jump to the opposite sign
  // The data line of the main listing the period belongs to (its entry,
  // list index minus 3): its own line for levels 1 and 2, the line of its
  // sub period for levels 3 and 4.
  int Entry = 0;
  // Levels 3 and 4: the entry of its line in that sub period's level 3/4
  // listing (list index minus 3); -1 for levels 1 and 2.
  int Level34Entry = -1;
};

// The periods of levels 1 .. maxLevel (at most 4) of the listing of
// `settings` from the birth moment `start`, in listing order (each period
// followed by its children), keeping those that overlap [from, to).
// Periods of no length (a sub period that begins exactly where its general
// period ends) are left out.
std::vector<TPeriodSpan> PeriodSpans(TChronocrator& chronocrator, const ReleaseSettings& settings,
                                     double start, int maxLevel,
                                     double from = -std::numeric_limits<double>::infinity(),
                                     double to = std::numeric_limits<double>::infinity());

}  // namespace ostrane
