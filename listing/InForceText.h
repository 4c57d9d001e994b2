// The periods in force in words, for the line under the main list, and the
// short marks of a listed period as they are printed beside its line.
#pragma once

#include <cstdint>
#include <string>

#include "listing/InForce.h"

namespace ostrane {

// "On 12/9/2026: Capricorn general (10th from Fortune: the peak), Libra sub,
// Leo L3, Virgo L4": the date text `dateText` as the listing writes dates (no
// "On ...: " when it is empty), then each period in force with its long sign
// name and level.  A period at an angle (place 1, 4, 7 or 10) is followed by
// its place counted from `referenceName` ("Fortune", "the start sign") and
// its word (PlaceWord), a period that is a loosing of the bond by "the
// loosing of the bond (LB)", both in one pair of brackets, split by "; ".  Before the first period
// and after the last listed one the status is given in words (InForceStatusText).
std::string InForceText(const TInForce& inForce, const std::string& dateText,
                        const std::string& referenceName);

// A period's name as the line under the list gives it: the long name of the
// sign of `counter` (any sign counter) and the level (1 .. 4): "Capricorn
// general", "Leo sub", "Leo L3", "Leo L4"; the sign alone for another level.
std::string PeriodName(std::int32_t counter, int level);

// The marks printed in the left margin of a listed period's line, separated
// by single spaces: "▶" (UTF-8) when it is in force, the place "10", "1",
// "7" or "4" when it is an angle, "LB" when it is a loosing of the bond;
// empty text when it has none.  `place` is 1 .. 12, or 0 when unknown.
std::string PrintedMarks(int place, bool loosing, bool inForce);

}  // namespace ostrane
