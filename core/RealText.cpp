#include "core/RealText.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace ostrane {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Roughly where the first significant digit of a plain "digits.digits e
// exponent" text stands (1 for 1..9.99, 0 for 0.1..0.999, -1 below):
// enough to tell a number too large for a double from one too small.
long long DecimalOrder(const char* first, const char* last) {
  long long order = 0;
  bool significant = false, fraction = false;
  for (; first != last && *first != 'e'; ++first) {
    if (*first == '.') {
      fraction = true;
    } else if (*first != '0' || significant) {
      if (!significant && fraction) break;
      significant = true;
      if (!fraction) ++order;
    } else if (fraction) {
      --order;
    }
  }
  while (first != last && *first != 'e') ++first;
  if (first == last) return order;
  ++first;
  const bool negative = *first == '-';
  if (*first == '-' || *first == '+') ++first;
  long long exponent = 0;
  for (; first != last && exponent < 1'000'000'000; ++first)
    exponent = exponent * 10 + (*first - '0');
  return order + (negative ? -exponent : exponent);
}

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
  if (!decimalSeparator.empty() &&
      text.compare(i, decimalSeparator.size(), decimalSeparator) == 0 &&
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

  const bool negative = !plain.empty() && plain.front() == '-';
  const char* first = plain.data() + (negative ? 1 : 0);
  const char* last = plain.data() + plain.size();
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec == std::errc::result_out_of_range) {
    value = DecimalOrder(first, last) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || ptr != last) {
    return std::nullopt;
  }
  return negative ? -value : value;
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
