// Times of day as text: the parse of the time field, and the "hh:mm am/pm"
// text of the level 3/4 lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ostrane {

inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// What the time parse needs of a locale.  The defaults are the "C" locale's.
struct TimeLocale {
  std::string TimeSeparator = ":";
  std::string DecimalSeparator = ".";
  std::string MorningString = "AM";
  std::string AfternoonString = "PM";
};

// Milliseconds since midnight (0 .. 86,399,999) of a time text, or nothing
// when the text is not a time of day.  Accepted: an optional am/pm
// designator (the locale's strings or "AM"/"PM", any letter case) before the
// hours or after the last number; hours; optionally separator and minutes;
// then optionally separator and seconds; then optionally decimal separator
// and milliseconds.  Spaces may stand before and between the elements and at
// the end.  Each number has one to four ASCII digits.  With a designator the
// hour lies in 1..12 (12 counts as 0, the afternoon adds 12).
std::optional<std::int64_t> ParseTimeMs(const std::string& text, const TimeLocale& locale);

// The time as a fraction of a day (12:00 gives 0.5).  Throws EConvertError
// "'<text>' is not a valid time".
double StrToTime(const std::string& text, const TimeLocale& locale);

// A fraction of a day rounded to whole milliseconds: the exact product
// fraction x 86,400,000 rounded to nearest, ties to even.  The result lies in
// 0 .. 86,400,000; the last value is a moment that rounds up to midnight.
std::int64_t RoundToMilliseconds(double fraction);

// "hh:mm am" / "hh:mm pm" on the 12-hour clock; seconds are dropped.
std::string FormatTime12(std::int64_t msOfDay);

// "HH:MM:SS" on the 24-hour clock; milliseconds are dropped.
std::string FormatTime24(std::int64_t msOfDay);

}  // namespace ostrane
