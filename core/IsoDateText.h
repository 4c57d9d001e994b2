// Calendar dates and times written the ISO 8601 way, [-]YYYY-MM-DD with an
// optional THH:MM[:SS], in the program's calendar: astronomical year
// numbering (year 0 is 1 BC), Julian calendar before 1582-10-15, Gregorian
// from then on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrane {

// The years a date text may name.  The listings reach about 3,000 years past
// the latest birth year the window takes.
inline constexpr std::int32_t kMinIsoYear = -4712, kMaxIsoYear = 99999;

// A civil date and a clock time of day.
struct TCivilMoment {
  std::int32_t Year = 2000;  // kMinIsoYear .. kMaxIsoYear
  std::int32_t Month = 1;    // 1 .. 12
  std::int32_t Day = 1;      // 1 .. days of the month in the calendar in force
  std::int64_t MsOfDay = 0;  // 0 .. 86,399,999
};

// True when the date exists in the program's calendar: the Julian calendar's
// leap years (every fourth) before 1582-10-15, the Gregorian rule from then
// on; 1582-10-05 .. 1582-10-14 do not exist.
bool IsCivilDate(std::int32_t year, std::int32_t month, std::int32_t day);

// Reads "[-]YYYY-MM-DD", "...THH:MM" or "...THH:MM:SS" (four or five year
// digits, two for the others; a space may stand for the T).  Nothing else
// may stand before, between or after.  On a text that is not such a moment,
// returns nothing and puts the reason into `why` when given.
std::optional<TCivilMoment> ParseIsoDateTime(std::string_view text, std::string* why = nullptr);

// The Julian Day of the moment (TDate::MomentToJulian).
double CivilJulianDay(const TCivilMoment& moment);

// "YYYY-MM-DDTHH:MM:SS": the year with at least four digits and a "-" when
// negative; milliseconds dropped.
std::string FormatIsoDateTime(const TCivilMoment& moment);

}  // namespace ostrane
