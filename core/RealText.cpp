#include "RealText.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ostrane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> ParseReal(const std::string& text, const std::string& decimalSeparator) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::size_t end = n;
  while (end > i && text[end - 1] == ' ') --end;

  // Rebuild the number in the "C" form that from_chars reads.
  std::string plain;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < end && IsDigit(text[i])) plain += text[i++], ++digits;
  if (!decimalSeparator.empty() && text.compare(i, decimalSeparator.size(), decimalSeparator) == 0 &&
      i + decimalSeparator.size() <= end) {
    plain += '.';
    i += decimalSeparator.size();
    while (i < end && IsDigit(text[i])) plain += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    std::size_t exponentDigits = 0;
    while (i < end && IsDigit(text[i])) plain += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != end) return std::nullopt;

  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string FormatReal(double value, const std::string& decimalSeparator) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  if (const auto dot = text.find('.'); dot != std::string::npos)
    text.replace(dot, 1, decimalSeparator);
  return text;
}

}  // namespace ostrane
