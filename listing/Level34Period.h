// The period a level 3/4 listing subdivides, as the level 3/4 window names
// it and finds it again in a new main listing.
#pragma once

#include <optional>
#include <string>

#include "core/ReleaseSettings.h"
#include "listing/Listing.h"

namespace ostrane {

// A sub period and the general period it lies in.
struct TLevel34Period {
  TListedPeriod General;  // level 1
  TListedPeriod Sub;      // level 2
};

// The periods of data line `dataLine` (0-based) of `main`; nothing for a
// line that is not one of its data lines.
std::optional<TLevel34Period> Level34PeriodOf(const TListing& main, int dataLine);

// The data line of `main` that lists the same sub period of the same
// general period as `period` (the same starts and signs); -1 when `main`
// has none.
int FindLevel34Period(const TListing& main, const TLevel34Period& period);

// "Capricorn general, Leo sub, 11/12/2025 – 6/13/2027": the signs' long
// names and the sub period's start and end in `style` (year/month/day when
// none is selected).
std::string Level34PeriodCaption(const TLevel34Period& period, TDateStyle style);

}  // namespace ostrane
