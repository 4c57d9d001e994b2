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
// and after these, for --csv and --at,
//   start,end,age_at_start,julian_day_ut
//   start, end   the period's start and end as ISO local date-times to the
//                second, [-]YYYY-MM-DDTHH:MM:SS (rounded to the second; they
//                sort as text within the years 0 .. 9999)
//   age_at_start the completed years at the start (CompletedYears)
//   julian_day_ut  julian_day less the birth's UTC offset / 86,400, %.17g;
//                empty when no offset is known (no place)
//
// --next writes its own columns (kNextCsvHeader):
//   moment       the period's start, an ISO local date-time as start above
//   level, sign  as above; end as above
//   age          the completed years at the moment
//   place_from_fortune, loosing_of_the_bond, ruler  as above
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "astro/Lots.h"
#include "core/IsoDateText.h"
#include "listing/InForce.h"
#include "listing/Listing.h"
#include "listing/NextChanges.h"

namespace ostrane {

inline constexpr const char* kCsvHeader =
    "level,sign,counter,julian_day,year,month,day,time,place_from_fortune,loosing_of_the_bond";

// The columns after the listing's (and end_julian_day).
inline constexpr const char* kRulerCsvHeader = "ruler,ruler_sign,ruler_house,planets_in_sign";

// The columns after the ruler's in --csv and --at.
inline constexpr const char* kSpanCsvHeader = "start,end,age_at_start,julian_day_ut";

inline constexpr const char* kNextCsvHeader =
    "moment,level,sign,end,age,place_from_fortune,loosing_of_the_bond,ruler";

// What the columns after the ruler's are read from: the birth date as the
// listing has it (month 1 .. 12) and the birth's UTC offset, if known.
struct TSpanColumnsBirth {
  std::int32_t Year = 2000, Month = 1, Day = 1;
  std::optional<std::int32_t> UtcOffsetSeconds;  // seconds east
};

// The Julian Day (local clock time) as an ISO local date-time rounded to the
// second: "2027-06-13T14:30:00" (FormatIsoDateTime).
std::string IsoSecondText(double julianDay);

// The columns start,end,age_at_start,julian_day_ut of a period, without a
// leading comma.
std::string SpanColumns(double start, double end, const TSpanColumnsBirth& birth);

// One CSV row without its line end.
std::string CsvRow(int level, std::int32_t counter, double julianDay, int place, bool loosing);

// The ruler columns of the period of sign counter `counter` read in `chart`
// (may be null), without a leading comma.
std::string RulerColumns(std::int32_t counter, const TChart* chart);

// The header and a row for every data line of the listing; `chart` (may be
// null) the birth chart the rulers are read in.
void WriteCsv(std::ostream& out, const TListing& listing, const TChart* chart,
              const TSpanColumnsBirth& birth);

// The header with end_julian_day, and a row for each level in force.
void WriteInForceCsv(std::ostream& out, const TInForce& inForce, const TChart* chart,
                     const TSpanColumnsBirth& birth);

// The header of --next and a row for each period.
void WriteNextCsv(std::ostream& out, const std::vector<TListedPeriod>& periods,
                  const TSpanColumnsBirth& birth);

// "%.17g": every double written so that it reads back exactly.
std::string ExactReal(double value);

}  // namespace ostrane
