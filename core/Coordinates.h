// Latitudes, longitudes and UTC offsets as typed, and their texts.
//
// A coordinate is written in decimal degrees, north and east positive:
//   "52.3676", "-4.9", "+52.5", ".5"
// (an optional sign, digits with at most one '.', at least one digit; no
// exponent), or in degrees, the hemisphere letter, minutes and seconds:
//   "52n22", "52n22'30", "33s52", "151e12", "4W54", "52N"
// (one to three digits of degrees, then n or s for a latitude, e or w for a
// longitude, in either case, then optionally one or two digits of minutes,
// then optionally an apostrophe and one or two digits of seconds; minutes
// and seconds run from 0 to 59).  Spaces before and after are ignored.
// A latitude lies in -90 .. 90 degrees, a longitude in -180 .. 180.
//
// A UTC offset is the clock's lead on Universal Time, east of Greenwich
// positive.  Written with a sign ('+', '-' or U+2212 MINUS SIGN) and hours
// of one or two digits, then optionally ":MM" and ":SS", or as "+HHMM" or
// "+HHMMSS"; "Z" (either case) is UTC itself, as ISO 8601 has it.  Minutes
// and seconds have two digits and run from 0 to 59; the offset lies within
// -18:00 .. +18:00.  Spaces before and after are ignored.
//
// The parsers throw EConvertError with a message quoting the text and
// saying what is wrong with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrane {

inline constexpr std::int32_t kMaxUtcOffsetSeconds = 18 * 3600;

// Degrees, north positive (-90 .. 90).
double ParseLatitude(std::string_view text);
// Degrees, east positive (-180 .. 180).
double ParseLongitude(std::string_view text);

// The compact text of a latitude or longitude in degrees, rounded to the
// second, seconds left out when they round to 0: "52n22'27", "4e54",
// "33s52'05", "0n00".  The value is taken to be within its range.
std::string FormatLatitude(double degrees);
std::string FormatLongitude(double degrees);

// Seconds, -kMaxUtcOffsetSeconds .. kMaxUtcOffsetSeconds.
std::int32_t ParseUtcOffset(std::string_view text);

// "+01:00", "-03:30", "+00:19:32": seconds shown only when not 0.
std::string FormatUtcOffset(std::int32_t seconds);

}  // namespace ostrane
