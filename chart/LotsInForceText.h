// The line under the main list in words: the periods in force of one
// listing or of both lots, their rulers and the next change.
#pragma once

#include <string>
#include <vector>

#include "astro/Lots.h"
#include "chart/LotListings.h"
#include "core/ReleaseSettings.h"
#include "listing/InForce.h"
#include "listing/NextChanges.h"

namespace ostrane {

// The rulers of the periods in force, after the text of the line under the
// list: " — ruled by Mars, Venus, Mercury and Saturn", one for each period in
// the order InForceText names them; empty text when none is in force.
std::string RulersInForceText(const TInForce& inForce);
// Each period in force with its ruler read in `chart` (may be null), one a
// line: "Capricorn general: Saturn, in Leo (8th house), the sect malefic;
// Mars in Capricorn" (PeriodRulerText); empty text when none is in force.
std::string RulersInForceReading(const TInForce& inForce, const TChart* chart);

// The next change after the periods in force, for the end of the line under
// the list: ", next: Aquarius sub on 6/13/2027, at 40", the first period of
// `next` (NextChanges) with its start's date in the style of `settings` (in
// year/month/day with none selected) and the age then in completed years
// from the birth date of `settings`; empty text when `next` has none.
std::string NextChangeText(const TNextChanges& next, const ReleaseSettings& settings);

// The line under the list for the listings `lots` (LotListings), whose
// periods in force at `moment` are `inForce` (one for each listing, in the
// same order).  The main listing read alone: as the line has always been,
// "On 4/5/2001: Aries general, ... — ruled by ..., next: Leo L4 on 4/8/2001,
// at 1".  Both lots: the date once, then each lot's periods, rulers and next
// change after "from Spirit, " or "from Fortune, ", the two joined by "; ".
// Empty text without listings.
std::string LotsInForceText(const std::vector<TLotListing>& lots,
                            const std::vector<TInForce>& inForce, double moment);

}  // namespace ostrane
