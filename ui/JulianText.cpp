#include "JulianText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ostrane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatJulianDate(double julianDate, const std::string& decimalSeparator) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, julianDate, std::chars_format::general, 15);
  if (ec != std::errc()) return {};
  std::string text(buffer, end);
  const auto point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
  return text;
}

std::optional<double> ParseRealText(const std::string& text, const std::string& decimalSeparator) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string plain;  // the number in the form from_chars reads
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) plain += text[i++], ++digits;
  if (!decimalSeparator.empty() && text.compare(i, decimalSeparator.size(), decimalSeparator) == 0) {
    i += decimalSeparator.size();
    plain += '.';
    while (i < n && IsDigit(text[i])) plain += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  bool exponentUp = false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    plain += text[i++];
    exponentUp = true;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exponentUp = text[i] == '+';
      plain += text[i++];
    }
    std::size_t exponentDigits = 0;
    while (i < n && IsDigit(text[i])) plain += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return std::nullopt;

  double value = 0.0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range)
    value = exponentUp ? std::numeric_limits<double>::infinity() : 0.0;
  else if (ec != std::errc() || end != plain.data() + plain.size())
    return std::nullopt;
  return negative ? -value : value;
}

}  // namespace ostrane
