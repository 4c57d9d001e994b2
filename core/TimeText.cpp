#include "core/TimeText.h"

#include <cmath>
#include <cstdio>

#include "core/Errors.h"

namespace ostrane {
namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

class TimeScanner {
 public:
  explicit TimeScanner(const std::string& text) : s_(text) {}

  void SkipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  bool AtEnd() const { return pos_ == s_.size(); }

  // One to four digits after optional blanks.
  bool Number(int& value) {
    SkipBlanks();
    std::size_t digits = 0;
    value = 0;
    while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
      if (++digits > 4) return false;
      value = value * 10 + (s_[pos_] - '0');
      ++pos_;
    }
    return digits > 0;
  }

  // A separator after optional blanks; an empty separator never matches.
  bool Text(const std::string& what, bool ignoreCase) {
    SkipBlanks();
    if (what.empty() || s_.size() - pos_ < what.size()) return false;
    for (std::size_t i = 0; i < what.size(); ++i) {
      const char a = s_[pos_ + i];
      const char b = what[i];
      if (ignoreCase ? AsciiUpper(a) != AsciiUpper(b) : a != b) return false;
    }
    pos_ += what.size();
    return true;
  }

  // The am/pm designator: the base hour 0 or 12, or -1 when there is none.
  int Designator(const TimeLocale& locale) {
    const std::size_t start = pos_;
    if (Text(locale.MorningString, true) || Text("AM", true)) return 0;
    pos_ = start;
    if (Text(locale.AfternoonString, true) || Text("PM", true)) return 12;
    pos_ = start;
    return -1;
  }

 private:
  const std::string& s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::int64_t> ParseTimeMs(const std::string& text, const TimeLocale& locale) {
  TimeScanner scan(text);
  int baseHour = scan.Designator(locale);
  int hour = 0, minute = 0, second = 0, msec = 0;
  if (!scan.Number(hour)) return std::nullopt;
  if (scan.Text(locale.TimeSeparator, false)) {
    if (!scan.Number(minute)) return std::nullopt;
    if (scan.Text(locale.TimeSeparator, false)) {
      if (!scan.Number(second)) return std::nullopt;
      if (scan.Text(locale.DecimalSeparator, false) && !scan.Number(msec)) return std::nullopt;
    }
  }
  if (baseHour < 0) baseHour = scan.Designator(locale);
  scan.SkipBlanks();
  if (!scan.AtEnd()) return std::nullopt;
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12) return std::nullopt;
    if (hour == 12) hour = 0;
    hour += baseHour;
  }
  if (hour >= 24 || minute >= 60 || second >= 60 || msec >= 1000) return std::nullopt;
  return ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + msec;
}

double StrToTime(const std::string& text, const TimeLocale& locale) {
  const auto ms = ParseTimeMs(text, locale);
  if (!ms) throw EConvertError(FormatMessage("'%s' is not a valid time", text));
  return static_cast<double>(*ms) / static_cast<double>(kMillisecondsPerDay);
}

std::int64_t RoundToMilliseconds(double fraction) {
  if (!(fraction > 0.0)) return 0;
  if (fraction >= 1.0) return kMillisecondsPerDay;
  const double scale = static_cast<double>(kMillisecondsPerDay);
  const double product = fraction * scale;
  // The rounded product may itself sit on a tie; the exact product's error
  // term then decides the direction.
  const double error = std::fma(fraction, scale, -product);
  const double whole = std::floor(product);
  const double rest = product - whole;
  auto ms = static_cast<std::int64_t>(whole);
  if (rest > 0.5 || (rest == 0.5 && (error > 0.0 || (error == 0.0 && ms % 2 != 0)))) ++ms;
  return ms;
}

std::string FormatTime12(std::int64_t msOfDay) {
  const std::int64_t minutes = (msOfDay % kMillisecondsPerDay) / 60000;
  const int hour = static_cast<int>(minutes / 60);
  const int minute = static_cast<int>(minutes % 60);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d %s", hour12, minute, hour < 12 ? "am" : "pm");
  return buffer;
}

std::string FormatTime24(std::int64_t msOfDay) {
  const std::int64_t seconds = (msOfDay % kMillisecondsPerDay) / 1000;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return buffer;
}

}  // namespace ostrane
