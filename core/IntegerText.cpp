#include "core/IntegerText.h"

#include "core/Errors.h"

namespace ostrane {
namespace {

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// The text as the error message shows it.  A NUL would end the message's
// C string early, so it is shown as the replacement character.
std::string Shown(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    if (c == '\0')
      shown += "\xEF\xBF\xBD";
    else
      shown += c;
  }
  return shown;
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(const std::string& text) {
  const auto fail = []() -> std::optional<std::int32_t> { return std::nullopt; };

  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos) return fail();
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') {
    negative = text[at] == '-';
    ++at;
  }
  int base = 10;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    base = 16;
    at += 1;
  } else if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) {
    base = 16;
    at += 2;
  }
  if (at == text.size()) return fail();

  // The magnitude is kept below 2^32, far enough past the range to tell an
  // overflow, however many digits follow.
  constexpr std::int64_t kPastRange = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) return fail();
    magnitude = magnitude * base + digit;
    if (magnitude >= kPastRange) return fail();
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return fail();
  return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(const std::string& text) {
  if (const auto value = TryStrToInt(text)) return *value;
  throw EConvertError(FormatMessage("'%s' is not a valid integer value", Shown(text)));
}

std::string Ordinal(int n) {
  const int lastTwo = n % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    if (n % 10 == 1) suffix = "st";
    if (n % 10 == 2) suffix = "nd";
    if (n % 10 == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

}  // namespace ostrane
