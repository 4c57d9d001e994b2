#include "SpinRules.h"

#include <algorithm>
#include <limits>

namespace ostrane {
namespace {

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> IntegerOfText(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  // The magnitude may reach 2^31 for the most negative value.
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int d = DigitValue(text[i], base);
    if (d < 0) return std::nullopt;
    magnitude = magnitude * base + d;
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t TSpinRules::ValueOfText(const std::string& text) const {
  return IntegerOfText(text).value_or(FMin);
}

std::int32_t TSpinRules::Limit(std::int64_t value) const {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, FMin, FMax));
}

std::string TSpinRules::TextOfValue(std::int64_t value) const {
  return std::to_string(Limit(value));
}

std::optional<std::int32_t> TSpinRules::CorrectionOnLeave(const std::string& text) const {
  const std::int32_t value = ValueOfText(text);
  if (Limit(value) == value) return std::nullopt;
  return Limit(value);
}

bool AcceptsTypedText(const std::u32string& typed, const std::u32string& decimalSeparator) {
  if (!decimalSeparator.empty() && typed == decimalSeparator) return true;
  return std::all_of(typed.begin(), typed.end(), [&](char32_t c) {
    if (c == U'\r' || c == U'\n') return false;
    if (c < 0x20 || c == 0x7f) return true;
    if ((c >= U'0' && c <= U'9') || c == U'+' || c == U'-') return true;
    return decimalSeparator.size() == 1 && c == decimalSeparator[0];
  });
}

}  // namespace ostrane
