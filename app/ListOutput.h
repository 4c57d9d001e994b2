// What ostrane-list writes: the list texts, or CSV rows of the periods.
//
// CSV columns (a contract: other programs read them):
//   level,sign,counter,julian_day,year,month,day,time,place_from_fortune,loosing_of_the_bond
// and, for the periods in force (--at), a column end_julian_day; then both
//   ruler,ruler_sign,ruler_house,planets_in_sign
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
//   ruler        the English name of the sign's domicile ruler
//   ruler_sign   the long name of the sign the ruler stands in in the chart
//   ruler_house  its whole-sign house from the Ascendant's sign, 1 .. 12
//   planets_in_sign  the planets in the period's sign, English names
//                separated by spaces, Sun, Moon, Mercury .. Saturn
//   (the last three empty without a chart)
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "astro/Lots.h"
#include "core/IsoDateText.h"
#include "listing/InForce.h"
#include "listing/Listing.h"

namespace ostrane {

inline constexpr const char* kCsvHeader =
    "level,sign,counter,julian_day,year,month,day,time,place_from_fortune,loosing_of_the_bond";

// The columns after the listing's (and end_julian_day).
inline constexpr const char* kRulerCsvHeader = "ruler,ruler_sign,ruler_house,planets_in_sign";

// One CSV row without its line end.
std::string CsvRow(int level, std::int32_t counter, double julianDay, int place, bool loosing);

// The ruler columns of the period of sign counter `counter` read in `chart`
// (may be null), without a leading comma.
std::string RulerColumns(std::int32_t counter, const TChart* chart);

// The header and a row for every data line of the listing; `chart` (may be
// null) the birth chart the rulers are read in.
void WriteCsv(std::ostream& out, const TListing& listing, const TChart* chart);

// The header with end_julian_day, and a row for each level in force.
void WriteInForceCsv(std::ostream& out, const TInForce& inForce, const TChart* chart);

// "%.17g": every double written so that it reads back exactly.
std::string ExactReal(double value);

}  // namespace ostrane
