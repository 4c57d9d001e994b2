// Ages in completed years, counted by birthday dates in the program's
// calendar (TDate: Julian before 1582-10-15, Gregorian from then on,
// astronomical years).
//
// The age goes up when the birthday's date begins: at local midnight of that
// date, whatever the time of the birth.  A 29 February birthday falls on
// 1 March in a common year of the calendar in force that year (the Julian
// calendar's leap years, every fourth, up to 1582; the Gregorian rule from
// 1583).  A birthday in 1582 that the reform skipped (October 5 .. 14) falls
// on October 15.
//
// Ranges:
//   birth date   year -4712 .. 10000, month 1 .. 12, day 1 .. 31 as the
//                listing takes them; a day past the month's end runs on into
//                the next month as the listing's start does (TDate)
//   moment       a Julian Day of the local clock time, like the listing's
//                starts, -1e9 .. 1e9 (TDate's range); a moment within half a
//                millisecond of midnight counts as that midnight
//   result       0 .. about 3 million from the birth date on; before the
//                birth date a negative number (-1 in the year up to it)
#pragma once

#include <cstdint>

namespace ostrane {

// The completed years at the moment `moment` of a life born on the date
// year/month/day.
std::int32_t CompletedYears(std::int32_t birthYear, std::int32_t birthMonth, std::int32_t birthDay,
                            double moment);

}  // namespace ostrane
