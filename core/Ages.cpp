#include "core/Ages.h"

#include "core/DateSpan.h"
#include "core/DateTime.h"
#include "core/IsoDateText.h"

namespace ostrane {

std::int32_t CompletedYears(std::int32_t birthYear, std::int32_t birthMonth, std::int32_t birthDay,
                            double moment) {
  // The birth date as a calendar date: a day past the month's end runs on,
  // as the listing's start does.  Noon keeps the day clear of rounding.
  TDate date;
  const TCivilDay birth = CivilDayOf(date.MomentToJulian(birthYear, birthMonth, birthDay, 0.5));
  const TCivilDay now = CivilDayOf(moment);
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
