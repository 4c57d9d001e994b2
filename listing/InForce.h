// The periods in force at a moment: at each of the four levels the period
// whose start <= t < end, read from the main listing's value (Listing.h) and
// the level 3/4 listing of the sub period in force.
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
// a chain (which usually reaches past it in the listing) is cut there: these
// are the ends of the listed lines (TListedLine::End, SubPeriodEnd).
#pragma once

#include <array>
#include <string>

#include "core/Chronocrators.h"
#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

// A period in force.  Entry: for levels 1 and 2 the data line of the main
// listing, for levels 3 and 4 the data line of the level 3/4 listing of the
// sub period (list index minus 3).
using TPeriodInForce = TListedPeriod;

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
// time, like the lines' starts) of the main listing `main` of `settings`
// (its text, or ListGeneralPeriods at least through the moment; the
// releasing type of `settings` gives the level 3/4 periods of the sub
// period in force, listed only as far as the moment).  Places are counted
// as `settings` give them, which may differ from the listing's when
// Fortune's sign became known after it was made.
TInForce PeriodsInForce(const TListing& main, const ReleaseSettings& settings, double moment);

// The same without a listing at hand: the listing of `settings` from the
// birth moment `start`, made with `chronocrator` only through the moment.
TInForce PeriodsInForce(TChronocrator& chronocrator, const ReleaseSettings& settings, double start,
                        double moment);

// The status in words: "before the first period", "after the last listed
// general period: list more general periods"; empty when in force.
std::string InForceStatusText(TInForceStatus status);

}  // namespace ostrane
