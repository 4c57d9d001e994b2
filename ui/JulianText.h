// The Julian Date field's text: a real number with the locale's decimal
// separator.
#pragma once

#include <optional>
#include <string>

namespace ostrane {

// The general floating-point format with up to 15 significant digits: a
// whole number shows no decimals (2451545), otherwise as many as needed
// (2451544.5); very large or small magnitudes in exponent form.
std::string FormatJulianDate(double julianDate, const std::string& decimalSeparator);

// The number of a real-number text, or nothing when it is not one.
// Accepted: blanks before and after; an optional "+" or "-"; digits with at
// most one decimal separator (at least one digit in all); an optional
// exponent "e" or "E" with optional sign and digits.  Nothing else, so
// "nan", "inf" and group separators are not numbers.  A magnitude beyond
// the double range gives an infinity.
std::optional<double> ParseRealText(const std::string& text, const std::string& decimalSeparator);

}  // namespace ostrane
