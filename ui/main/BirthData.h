// The birth-data conversions of the main window, apart from its widgets:
// date and time to Julian Day ("Show Julian"), Julian Day to date and time
// ("Show Date"), the day roll-over when the day field is entered, and what
// counts as a change of the birth data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/DateTime.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

// The Julian Day of 0 h of the civil date plus the time of day (a fraction
// of a day).  The month is the month list's item index, 0 for January.
double BirthJulianDay(TDate& date, std::int32_t year, std::int32_t monthIndex, std::int32_t day,
                      double timeOfDay);

// The date and time of day the date fields show for a Julian Day.
struct TBirthMoment {
  std::int32_t Year = 0;
  std::int32_t MonthIndex = 0;
  std::int32_t Day = 0;
  std::int64_t MsOfDay = 0;  // 0 .. 86,399,999
};

// "Show Date": the moment of a Julian Date text.  The time of day is
// rounded to whole milliseconds and kept on its day (at most 23:59:59.999).
// Throws EConvertError "'<text>' is not a valid floating point value" for a
// text that is not a number, and "'<text>' lies outside the supported range
// of Julian Dates" for one that is not finite or lies outside -1e9 .. 1e9.
TBirthMoment BirthMomentOfJulianText(TDate& date, const std::string& text,
                                     const std::string& decimalSeparator);

// Days of `month` (1..12) in the year stored in `date`, as the day
// roll-over counts them: February of a year before 1582 has 29 days every
// fourth year (the Julian calendar), later years follow the Gregorian rule.
std::int32_t RollOverDaysInMonth(const TDate& date, std::int32_t month);

struct TDayRollOver {
  std::int32_t MonthIndex;  // the month list's new item
  std::int32_t Day;         // the day before the day field limits it
};

// The day roll-over: when the day lies beyond the end of its month, the
// following month and the day minus that month's length (which the day
// field then limits to 1).  Nothing when the day fits, and for December,
// which has no following item.  Stores the entered date in `date`.
std::optional<TDayRollOver> RollOverDay(TDate& date, std::int32_t year, std::int32_t monthIndex,
                                        std::int32_t day);

// Whether `a` and `b` hold the same birth data, the values a chart file
// keeps for the chart: the name, the date, the time (as text), the start
// sign and the place.  The listing's styles and the Julian Date text are not
// birth data.
inline bool SameBirthData(const ReleaseSettings& a, const ReleaseSettings& b) {
  return a.Name == b.Name && a.MonthIndex == b.MonthIndex && a.Day == b.Day && a.Year == b.Year &&
         a.TimeText == b.TimeText && a.StartSign == b.StartSign && a.Place == b.Place;
}

}  // namespace ostrane
