#include "ui/main/BirthData.h"

#include <algorithm>
#include <cmath>

#include "core/Errors.h"
#include "core/RealText.h"
#include "core/TimeText.h"

namespace ostrane {
namespace {

constexpr std::int32_t kLastMonthIndex = 11;
constexpr std::int32_t kFebruary = 2;
constexpr std::int32_t kGregorianReformYear = 1582;

}  // namespace

double BirthJulianDay(TDate& date, std::int32_t year, std::int32_t monthIndex, std::int32_t day,
                      double timeOfDay) {
  return date.MomentToJulian(year, monthIndex + 1, day, timeOfDay);
}

TBirthMoment BirthMomentOfJulianText(TDate& date, const std::string& text,
                                     const std::string& decimalSeparator) {
  const std::optional<double> julianDay = ParseReal(text, decimalSeparator);
  if (!julianDay)
    throw EConvertError(FormatMessage("'%s' is not a valid floating point value", text));
  if (!std::isfinite(*julianDay) || *julianDay < TDate::kMinSupportedJulianDay ||
      *julianDay > TDate::kMaxSupportedJulianDay)
    throw EConvertError(
        FormatMessage("'%s' lies outside the supported range of Julian Dates", text));

  date.JulianToDate(*julianDay);
  TBirthMoment moment;
  moment.Year = date.GetYear();
  moment.MonthIndex = date.GetMonth() - 1;
  moment.Day = date.GetDayNumber();
  moment.MsOfDay =
      std::min(RoundToMilliseconds(date.GetDay() - date.GetDayNumber()), kMillisecondsPerDay - 1);
  return moment;
}

std::int32_t RollOverDaysInMonth(const TDate& date, std::int32_t month) {
  if (month == kFebruary && date.GetYear() < kGregorianReformYear)
    return date.GetYear() % 4 == 0 ? 29 : 28;
  return date.DaysInMonth(month);
}

std::optional<TDayRollOver> RollOverDay(TDate& date, std::int32_t year, std::int32_t monthIndex,
                                        std::int32_t day) {
  date.SetDate(year, monthIndex + 1, static_cast<double>(day));
  if (RollOverDaysInMonth(date, monthIndex + 1) >= day) return std::nullopt;
  if (monthIndex >= kLastMonthIndex) return std::nullopt;
  const std::int32_t next = monthIndex + 1;
  return TDayRollOver{next, day - RollOverDaysInMonth(date, next + 1)};
}

}  // namespace ostrane
