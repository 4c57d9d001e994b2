// The length of a span of time in years, months and days, counted by its
// calendar dates in the program's calendar (TDate: Julian before
// 1582-10-15, Gregorian from then on, astronomical years).
//
// Whole months are counted from the start date to the end date; a start day
// the month reached lacks (the 31st, a 29 February) stands for that month's
// last day.  The days are those left after the whole months, counted as Julian
// Days, so a span across the reform of 1582 counts the days that were lived,
// not those the calendar skipped.  1/31 to 2/28 is 28 days; 1/31 to 3/1 is
// 1 month and 1 day (common year); 2/29 to the next 2/28 is 11 months and
// 30 days.
//
// Ranges: the moments are Julian Days of the local clock time, like the
// listing's starts, -1e9 .. 1e9; a moment within half a millisecond of
// midnight counts as that midnight.  An end before the start gives a zero
// span.
#pragma once

#include <cstdint>

namespace ostrane {

// A calendar date of the program's calendar.
struct TCivilDay {
  std::int32_t Year, Month, Day;  // astronomical year; month 1 .. 12; day 1 .. 31
};
// The date of the day `julianDay` falls in (a day runs from .5 to the next
// .5); a moment within half a millisecond of midnight counts as that
// midnight.
TCivilDay CivilDayOf(double julianDay);

struct TDateSpan {
  std::int32_t Years = 0;   // 0 .. about 2.7 million
  std::int32_t Months = 0;  // 0 .. 11
  std::int32_t Days = 0;    // 0 .. 30

  bool operator==(const TDateSpan&) const = default;
};

// The span from the date of `start` to the date of `end`.
TDateSpan CalendarSpan(double start, double end);

}  // namespace ostrane
