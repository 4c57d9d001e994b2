// The marks of a listed period: its place counted from the Lot of Fortune
// (or from the starting sign), which tells the peak, the angular places and
// the loosing of the bond.
#pragma once

#include <cstdint>
#include <string>

#include "core/IntegerText.h"  // Ordinal
#include "core/ReleaseSettings.h"

namespace ostrane {

// The place of the sign counter `counter` counted from the sign `reference`
// (SignIndex 0 .. 11): 1 for the reference sign itself up to 12, or 0 when
// the reference is unknown (negative).
int PlaceFrom(std::int32_t reference, std::int32_t counter);

// The sign the places are counted from: Fortune's sign (-1 when unknown) or
// the starting sign, as the settings choose.
std::int32_t AngleReference(const ReleaseSettings& settings);

// What the places are counted from, in words: "Fortune" or "the start sign".
std::string AngleReferenceName(const ReleaseSettings& settings);

// How strong a peak the place is: 1 for the 10th (the strongest), 2 for the
// 1st, 3 for the 7th, 4 for the 4th, 0 for the places that are not angles.
int AngleRank(int place);

// The words every view uses for the marks: the 10th place is "the peak",
// the 1st, 4th and 7th are "angular"; empty for the other places.
std::string PlaceWord(int place);

// The loosing of the bond, a turning point, in words and abbreviated.
inline constexpr const char* kLoosingWords = "the loosing of the bond (LB)";
inline constexpr const char* kLoosingReading = "the loosing of the bond (LB): a turning point";

// The marks of a period in words, for tooltips: "10th from Fortune: the
// peak", "7th from Fortune: angular", "the loosing of the bond (LB): a
// turning point", joined by "; ", or empty text when the period is neither
// an angle nor the loosing of the bond.
std::string MarksText(int place, bool loosing, const std::string& referenceName);

}  // namespace ostrane
