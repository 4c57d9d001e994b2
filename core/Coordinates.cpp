#include "core/Coordinates.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Errors.h"

namespace ostrane {
namespace {

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // U+2212

struct TAxis {
  const char* Name;  // "latitude"
  double Bound;      // 90
  char Positive;     // 'n'
  char Negative;     // 's'
  const char* Examples;
};

constexpr TAxis kLatitude{"latitude", 90, 'n', 's', "52.37, -33.87, 52n22 or 52n22'30"};
constexpr TAxis kLongitude{"longitude", 180, 'e', 'w', "4.9, -74.01, 4e54 or 74w00'36"};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

[[noreturn]] void Fail(const std::string& pattern, std::string_view text) {
  throw EConvertError(FormatMessage(pattern, std::string(text)));
}

// Reads up to `most` digits at text[at]; returns how many it read.
std::size_t Digits(std::string_view text, std::size_t& at, std::size_t most, int& value) {
  std::size_t count = 0;
  value = 0;
  while (at < text.size() && IsDigit(text[at]) && count < most) {
    value = value * 10 + (text[at++] - '0');
    ++count;
  }
  return count;
}

// The decimal form; false when the text is not one.
bool DecimalDegrees(std::string_view text, double& value) {
  std::string_view number = text;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) number.remove_prefix(1);
  std::size_t digits = 0;
  std::size_t points = 0;
  for (const char c : number) {
    if (IsDigit(c)) {
      ++digits;
    } else if (c == '.' && points == 0) {
      ++points;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                             std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    value = HUGE_VAL;
  } else if (error != std::errc() || stop != number.data() + number.size()) {
    return false;
  }
  if (text.front() == '-') value = -value;
  return true;
}

double ParseCoordinate(std::string_view typed, const TAxis& axis) {
  const std::string_view text = Trimmed(typed);
  const std::string notOne =
      std::string("'%s' is not a ") + axis.Name + "; write it as " + axis.Examples;
  const std::string outOfRange = std::string("'%s' is out of range: a ") + axis.Name +
                                 " lies between -" + std::to_string(static_cast<int>(axis.Bound)) +
                                 " and " + std::to_string(static_cast<int>(axis.Bound)) +
                                 " degrees";
  double value = 0;
  if (DecimalDegrees(text, value)) {
    if (!(std::fabs(value) <= axis.Bound)) Fail(outOfRange, typed);
    return value;
  }
  std::size_t at = 0;
  int degrees = 0;
  if (Digits(text, at, 3, degrees) == 0 || at == text.size()) Fail(notOne, typed);
  const char letter = Lower(text[at++]);
  if (letter != axis.Positive && letter != axis.Negative) {
    if (letter == 'n' || letter == 's' || letter == 'e' || letter == 'w')
      Fail(std::string("'%s' is not a ") + axis.Name + ": its letter must be " + axis.Positive +
               " or " + axis.Negative,
           typed);
    Fail(notOne, typed);
  }
  int minutes = 0;
  int seconds = 0;
  const std::size_t minuteDigits = Digits(text, at, 2, minutes);
  if (minuteDigits > 0 && at < text.size() && text[at] == '\'') {
    ++at;
    if (Digits(text, at, 2, seconds) == 0) Fail(notOne, typed);
  }
  if (at != text.size()) Fail(notOne, typed);
  if (minutes > 59 || seconds > 59)
    Fail(std::string("'%s' is not a ") + axis.Name + ": minutes and seconds run from 0 to 59",
         typed);
  value = degrees + minutes / 60.0 + seconds / 3600.0;
  if (value > axis.Bound) Fail(outOfRange, typed);
  return letter == axis.Negative ? -value : value;
}

std::string FormatCoordinate(double degrees, const TAxis& axis) {
  const long long total = std::llround(std::fabs(degrees) * 3600.0);
  const char letter = degrees < 0 && total > 0 ? axis.Negative : axis.Positive;
  char text[48];
  const long long d = total / 3600;
  const int m = static_cast<int>(total / 60 % 60);
  const int s = static_cast<int>(total % 60);
  if (s == 0)
    std::snprintf(text, sizeof text, "%lld%c%02d", d, letter, m);
  else
    std::snprintf(text, sizeof text, "%lld%c%02d'%02d", d, letter, m, s);
  return text;
}

}  // namespace

double ParseLatitude(std::string_view text) {
  return ParseCoordinate(text, kLatitude);
}

double ParseLongitude(std::string_view text) {
  return ParseCoordinate(text, kLongitude);
}

std::string FormatLatitude(double degrees) {
  return FormatCoordinate(degrees, kLatitude);
}

std::string FormatLongitude(double degrees) {
  return FormatCoordinate(degrees, kLongitude);
}

std::int32_t ParseUtcOffset(std::string_view typed) {
  const std::string_view text = Trimmed(typed);
  const auto notOne = [&]() {
    Fail("'%s' is not a UTC offset; write it as +01:00, -05:30, +0530 or Z", typed);
  };
  if (text == "Z" || text == "z") return 0;
  std::size_t at = 0;
  int sign = 1;
  if (text.substr(0, kMinusSign.size()) == kMinusSign) {
    sign = -1;
    at = kMinusSign.size();
  } else if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    sign = text[0] == '-' ? -1 : 1;
    at = 1;
  } else {
    notOne();
  }
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  const std::size_t hourDigits = Digits(text, at, 2, hours);
  if (hourDigits == 0) notOne();
  if (at < text.size() && text[at] == ':') {
    ++at;
    if (Digits(text, at, 2, minutes) != 2) notOne();
    if (at < text.size() && text[at] == ':') {
      ++at;
      if (Digits(text, at, 2, seconds) != 2) notOne();
    }
  } else if (hourDigits == 2 && at < text.size()) {
    if (Digits(text, at, 2, minutes) != 2) notOne();
    if (at < text.size() && Digits(text, at, 2, seconds) != 2) notOne();
  }
  if (at != text.size()) notOne();
  if (minutes > 59 || seconds > 59)
    Fail("'%s' is not a UTC offset: minutes and seconds run from 00 to 59", typed);
  const std::int32_t value = hours * 3600 + minutes * 60 + seconds;
  if (value > kMaxUtcOffsetSeconds)
    Fail("'%s' is out of range: a UTC offset lies between -18:00 and +18:00", typed);
  return sign * value;
}

std::string FormatUtcOffset(std::int32_t seconds) {
  const std::int64_t magnitude = std::llabs(static_cast<long long>(seconds));
  char text[32];
  const int h = static_cast<int>(magnitude / 3600);
  const int m = static_cast<int>(magnitude / 60 % 60);
  const int s = static_cast<int>(magnitude % 60);
  if (s == 0)
    std::snprintf(text, sizeof text, "%c%02d:%02d", seconds < 0 ? '-' : '+', h, m);
  else
    std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", seconds < 0 ? '-' : '+', h, m, s);
  return text;
}

}  // namespace ostrane
