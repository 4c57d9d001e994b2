// The periods that begin after a moment, at every level, in time order: what
// comes next, walked forward from the sub period in force.  Only the level
// 3/4 listings of the sub periods walked are made, each in full, so that a
// period's end is the one PeriodsInForce gives.
#pragma once

#include <vector>

#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

struct TNextChanges {
  // The periods of levels 1 .. 4 that begin strictly after the moment, by
  // start, the lower level first among those that begin together (a general
  // period, its first sub period, that one's first level 3 and level 4
  // periods); at most the count asked for.  Periods of no length (a sub
  // period that begins where its general period ends, a level 3 or 4 period
  // listed past its parent's end) are left out, as the periods in force
  // never hold them.
  std::vector<TListedPeriod> Periods;
  // True when the listing's general periods ran out before the count was
  // reached.
  bool ListingEnded = false;
};

// The first `count` (0 .. any) period beginnings after `moment` (a Julian
// Day, local clock time) in the main listing `main` of `settings` (its text
// or ListGeneralPeriods; the releasing type and places of `settings` give
// the level 3/4 periods).  Entry and MainEntry as in TListedPeriod.
TNextChanges NextChanges(const TListing& main, const ReleaseSettings& settings, double moment,
                         int count);

}  // namespace ostrane
