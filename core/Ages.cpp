#include "core/Ages.h"

#include "core/DateTime.h"
#include "core/IsoDateText.h"

namespace ostrane {
namespace {

constexpr double kHalfMillisecond = 0.0005 / 86400.0;

struct TDayDate {
  std::int32_t Year, Month, Day;
};

// The civil date of a Julian Day (its day runs from .5 to the next .5).
TDayDate DayDateOf(double julianDay) {
  TDate date;
  date.JulianToDate(julianDay);
  return {date.GetYear(), date.GetMonth(), date.GetDayNumber()};
}

}  // namespace

std::int32_t CompletedYears(std::int32_t birthYear, std::int32_t birthMonth, std::int32_t birthDay,
                            double moment) {
  // The birth date as a calendar date: a day past the month's end runs on,
  // as the listing's start does.  Noon keeps the day clear of rounding.
  TDate date;
  const TDayDate birth = DayDateOf(date.MomentToJulian(birthYear, birthMonth, birthDay, 0.5));
  const TDayDate now = DayDateOf(moment + kHalfMillisecond);
  std::int32_t birthdayMonth = birth.Month, birthdayDay = birth.Day;
  if (birth.Month == 2 && birth.Day == 29 && !IsCivilDate(now.Year, 2, 29)) {
    birthdayMonth = 3;
    birthdayDay = 1;
  }
  const bool before =
      now.Month < birthdayMonth || (now.Month == birthdayMonth && now.Day < birthdayDay);
  return now.Year - birth.Year - (before ? 1 : 0);
}

}  // namespace ostrane
