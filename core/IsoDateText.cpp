#include "core/IsoDateText.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "core/DateTime.h"
#include "core/TimeText.h"

namespace ostrane {
namespace {

// Reads exactly `count` ASCII digits at `at`, moving past them.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t& at, std::size_t count) {
  if (text.size() - at < count) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = text[at + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  at += count;
  return value;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

}  // namespace

bool IsCivilDate(std::int32_t year, std::int32_t month, std::int32_t day) {
  if (month < 1 || month > 12 || day < 1) return false;
  const bool gregorian =
      year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) return false;
  const bool leap = gregorian ? TDate::IsLeapYear(year) : year % 4 == 0;
  static constexpr std::int32_t kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const std::int32_t length = kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= length;
}

std::optional<TCivilMoment> ParseIsoDateTime(std::string_view text, std::string* why) {
  const auto fail = [&](const char* reason) -> std::optional<TCivilMoment> {
    if (why) *why = reason;
    return std::nullopt;
  };
  std::size_t at = 0;
  const bool negative = Expect(text, at, '-');
  // Four or five year digits.
  std::size_t yearDigits = 0;
  while (at + yearDigits < text.size() && text[at + yearDigits] >= '0' &&
         text[at + yearDigits] <= '9')
    ++yearDigits;
  if (yearDigits < 4 || yearDigits > 5) return fail("the year needs four or five digits");
  const auto year = Digits(text, at, yearDigits);
  std::optional<std::int64_t> month, day;
  if (!Expect(text, at, '-') || !(month = Digits(text, at, 2)) || !Expect(text, at, '-') ||
      !(day = Digits(text, at, 2)))
    return fail("the date is not written YYYY-MM-DD");
  TCivilMoment m;
  const std::int64_t y = negative ? -*year : *year;
  if (y < kMinIsoYear || y > kMaxIsoYear) return fail("the year lies outside -4712 .. 99999");
  m.Year = static_cast<std::int32_t>(y);
  m.Month = static_cast<std::int32_t>(*month);
  m.Day = static_cast<std::int32_t>(*day);
  if (!IsCivilDate(m.Year, m.Month, m.Day)) return fail("there is no such day in the calendar");
  if (at == text.size()) return m;

  if (!Expect(text, at, 'T') && !Expect(text, at, ' '))
    return fail("the time must follow a T, as in 2000-01-01T12:00");
  std::optional<std::int64_t> hours, minutes, seconds = 0;
  if (!(hours = Digits(text, at, 2)) || !Expect(text, at, ':') || !(minutes = Digits(text, at, 2)))
    return fail("the time is not written HH:MM or HH:MM:SS");
  if (at < text.size() && (!Expect(text, at, ':') || !(seconds = Digits(text, at, 2))))
    return fail("the time is not written HH:MM or HH:MM:SS");
  if (at != text.size()) return fail("there is more after the time");
  if (*hours > 23 || *minutes > 59 || *seconds > 59) return fail("there is no such time of day");
  m.MsOfDay = ((*hours * 60 + *minutes) * 60 + *seconds) * 1000;
  return m;
}

double CivilJulianDay(const TCivilMoment& moment) {
  TDate date;
  return date.MomentToJulian(
      moment.Year, moment.Month, moment.Day,
      static_cast<double>(moment.MsOfDay) / static_cast<double>(kMillisecondsPerDay));
}

std::string FormatIsoDateTime(const TCivilMoment& m) {
  // Written digit by digit: the batch writes several of these a row.
  const auto append = [](std::string& text, std::int64_t value, int width) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(width - (end - digits), 0)), '0');
    text.append(digits, end);
  };
  const std::int64_t seconds = m.MsOfDay / 1000;
  std::string text;
  text.reserve(24);
  if (m.Year < 0) text += '-';
  append(text, m.Year < 0 ? -std::int64_t{m.Year} : m.Year, 4);
  text += '-';
  append(text, m.Month, 2);
  text += '-';
  append(text, m.Day, 2);
  text += 'T';
  append(text, seconds / 3600, 2);
  text += ':';
  append(text, seconds / 60 % 60, 2);
  text += ':';
  append(text, seconds % 60, 2);
  return text;
}

}  // namespace ostrane
