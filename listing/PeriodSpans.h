// Every period of a listing with its end, level by level: what the calendar
// export and the timeline draw, read from the main listing's value
// (Listing.h) and the level 3/4 listings of its lines.  The periods are
// those of the periods in force (InForce.h): a general period runs to the
// next one; a sub period to the next data line, the last one cut at its
// general period's end; level 3 and 4 periods to the next start in their
// chain, the last one cut at its parent's end.  The line of a general period
// also stands for its first sub period, which is a level 2 period of its own
// here.
#pragma once

#include <limits>
#include <vector>

#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

// A period of the listing.  Entry: its line in its own listing; MainEntry:
// the main listing's data line it belongs to (TListedPeriod).
using TPeriodSpan = TListedPeriod;

// The periods of levels 1 .. maxLevel (at most 4) of the main listing `main`
// of `settings` (its text or ListGeneralPeriods; the releasing type and
// places of `settings` give the level 3/4 periods), in listing order (each
// period followed by its children), keeping those that overlap [from, to).
// Periods of no length (a sub period that begins exactly where its general
// period ends) are left out.
std::vector<TListedPeriod> PeriodSpans(const TListing& main, const ReleaseSettings& settings,
                                       int maxLevel,
                                       double from = -std::numeric_limits<double>::infinity(),
                                       double to = std::numeric_limits<double>::infinity());

}  // namespace ostrane
