// What ostrane-list writes: the list texts, or CSV rows of the periods.
//
// CSV columns (a contract: other programs read them):
//   level,sign,counter,julian_day,year,month,day,time,place_from_fortune,loosing_of_the_bond
// and, for the periods in force (--at), a last column end_julian_day.
//   sign         the long English name; counter the unreduced sign counter
//   julian_day   %.17g, local clock time like the birth moment
//   year..time   the start as the listing shows it: levels 1 and 2 on the
//                truncated day, levels 3 and 4 rounded to the millisecond
//                (a moment within half a millisecond of midnight is the
//                following midnight); time HH:MM:SS
//   place_from_fortune   1 .. 12 counted from Fortune (or from the start sign
//                with --angles-from start), empty when Fortune is unknown
//   loosing_of_the_bond  1 for the first period after a jump to the opposite
//                sign, else 0
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "core/IsoDateText.h"
#include "listing/InForce.h"
#include "listing/Listing.h"

namespace ostrane {

inline constexpr const char* kCsvHeader =
    "level,sign,counter,julian_day,year,month,day,time,place_from_fortune,loosing_of_the_bond";

// One CSV row without its line end.
std::string CsvRow(int level, std::int32_t counter, double julianDay, int place, bool loosing);

// The header and a row for every data line of the listing.
void WriteCsv(std::ostream& out, const TListing& listing);

// The header with end_julian_day, and a row for each level in force.
void WriteInForceCsv(std::ostream& out, const TInForce& inForce);

// "%.17g": every double written so that it reads back exactly.
std::string ExactReal(double value);

}  // namespace ostrane
