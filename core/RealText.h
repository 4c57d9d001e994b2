// Real numbers as text, as the Julian Date field holds them.
#pragma once

#include <optional>
#include <string>

namespace ostrane {

// A decimal real: optional spaces, an optional sign, digits with at most one
// decimal separator (at least one digit in all), an optional exponent
// ("e" or "E", an optional sign, digits), optional spaces.  Nothing else:
// no thousands separators, no "nan" or "inf".  Nothing is returned for other
// texts.  A magnitude beyond the range of a double gives an infinity (the
// caller refuses it as out of range), one below it zero.
std::optional<double> ParseReal(const std::string& text, const std::string& decimalSeparator);

// The general format with up to 15 significant digits, the decimal separator
// given: 2451545 and 2451544.5.
std::string FormatReal(double value, const std::string& decimalSeparator);

}  // namespace ostrane
