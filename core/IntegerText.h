// The whole-line integer conversion of the spin fields and of the settings
// and user data files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ostrane {

// The value of a text that holds one 32-bit signed integer and nothing else.
// Accepted: spaces before the number (only the space character counts), an
// optional "+" or "-", then either decimal digits or hexadecimal digits
// after a "$", "x", "X", "0x" or "0X" prefix.  Nothing may follow the digits,
// not even a space.  Hexadecimal values keep to the signed range as well:
// "$7FFFFFFF" is the largest, "-$80000000" the smallest.
// Throws EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);
// The same conversion, with nothing for a text that is not such an integer.
std::optional<std::int32_t> TryStrToInt(const std::string& text);

// "1st", "2nd", "3rd", "4th" ... "12th", "21st": `n` (0 or more) as an
// English ordinal.
std::string Ordinal(int n);

}  // namespace ostrane
