#include "core/DateSpan.h"

#include <cmath>

#include "core/DateTime.h"
#include "core/IsoDateText.h"

namespace ostrane {
namespace {

constexpr double kHalfMillisecond = 0.0005 / 86400.0;

// The Julian Day of 0 h of a date.
double DayOf(const TCivilDay& d) {
  TDate date;
  return date.MomentToJulian(d.Year, d.Month, d.Day, 0.0);
}

// The date `months` whole months after `from`, its day at most the last day
// of the month reached; a day the reform of 1582 skipped becomes October 15.
TCivilDay AddMonths(const TCivilDay& from, std::int32_t months) {
  const std::int64_t index = static_cast<std::int64_t>(from.Year) * 12 + (from.Month - 1) + months;
  TCivilDay to{static_cast<std::int32_t>(index >= 0 ? index / 12 : -((-index + 11) / 12)), 0,
               from.Day};
  to.Month = static_cast<std::int32_t>(index - static_cast<std::int64_t>(to.Year) * 12) + 1;
  while (to.Day > 28 && !IsCivilDate(to.Year, to.Month, to.Day)) --to.Day;
  if (to.Year == 1582 && to.Month == 10 && to.Day > 4 && to.Day < 15) to.Day = 15;
  return to;
}

}  // namespace

TCivilDay CivilDayOf(double julianDay) {
  TDate date;
  date.JulianToDate(julianDay + kHalfMillisecond);
  return {date.GetYear(), date.GetMonth(), date.GetDayNumber()};
}

TDateSpan CalendarSpan(double start, double end) {
  if (!(end > start)) return {};
  const TCivilDay from = CivilDayOf(start);
  const TCivilDay to = CivilDayOf(end);
  std::int32_t months = (to.Year - from.Year) * 12 + (to.Month - from.Month);
  if (to.Day < from.Day) --months;
  // The day clipped to a shorter month, or moved past the reform, can put
  // the anchor after the end: one month less then.
  while (months > 0 && DayOf(AddMonths(from, months)) > DayOf(to)) --months;
  if (months < 0) months = 0;
  const double days = DayOf(to) - DayOf(AddMonths(from, months));
  return {months / 12, months % 12, static_cast<std::int32_t>(std::lround(days))};
}

}  // namespace ostrane
