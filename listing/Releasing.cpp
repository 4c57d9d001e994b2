#include "listing/Releasing.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/IsoDateText.h"
#include "core/TimeText.h"

namespace ostrane {
namespace {

constexpr double kOneMillisecond = 1.0 / static_cast<double>(kMillisecondsPerDay);

double TimeOfDay(const TDate& date) {
  return date.GetDay() - date.GetDayNumber();
}

}  // namespace

std::string FormatDateStyle(const TDate& date, TDateStyle dateStyle) {
  const std::string d = std::to_string(date.GetDayNumber());
  const std::string m = std::to_string(date.GetMonth());
  const std::string y = std::to_string(date.GetYear());
  switch (dateStyle) {
    case TDateStyle::European: return d + "/" + m + "/" + y;
    case TDateStyle::American: return m + "/" + d + "/" + y;
    case TDateStyle::Scientific: return y + "/" + m + "/" + d;
    default: return {};
  }
}

std::string FormatSignNames(const TChronocrator& chronocrator, std::int32_t sign,
                            TSignNameStyle signNameStyle) {
  std::string name;
  if (signNameStyle == TSignNameStyle::Short)
    chronocrator.ShortSignName(sign, name);
  else if (signNameStyle == TSignNameStyle::Long)
    chronocrator.LongSignName(sign, name);
  return name;
}

std::int64_t StoreShownMoment(TDate& date, double julianDay) {
  date.JulianToDate(julianDay);
  const std::int64_t ms = RoundToMilliseconds(TimeOfDay(date));
  if (ms < kMillisecondsPerDay) return ms;
  date.JulianToDate(julianDay + kOneMillisecond);
  return 0;
}

std::string ShownDateText(double julianDay, TDateStyle style) {
  TDate date;
  StoreShownMoment(date, julianDay);
  return FormatDateStyle(date, style == TDateStyle::None ? TDateStyle::Scientific : style);
}

TCivilMoment ShownMoment(int level, double julianDay) {
  TDate date;
  std::int64_t ms = 0;
  if (level >= 3) {
    ms = StoreShownMoment(date, julianDay);
  } else {
    // The main listing shows the truncated day; its time stays on that day.
    date.JulianToDate(julianDay);
    ms =
        std::min(RoundToMilliseconds(date.GetDay() - date.GetDayNumber()), kMillisecondsPerDay - 1);
  }
  return TCivilMoment{date.GetYear(), date.GetMonth(), date.GetDayNumber(), ms};
}

TGeneralWalk GeneralWalkOf(const ReleaseSettings& s, double start) {
  TGeneralWalk walk;
  walk.ReleasingType = s.ReleasingType;
  // No start sign selected is taken as Aries.
  walk.StartSign = s.StartSign < 0 ? 0 : s.StartSign;
  walk.LooseBondType = s.LooseBondType == TLooseBond::Always ? 1 : 0;
  walk.GeneralPeriods = std::min(s.GeneralPeriods, kMaxGeneralPeriods);
  walk.Start = start;
  return walk;
}

double ListingStart(TDate& date, const ReleaseSettings& s, const TimeLocale& locale) {
  const double timeOfDay = StrToTime(s.TimeText, locale);
  return date.MomentToJulian(s.Year, s.MonthIndex + 1, s.Day, timeOfDay);
}

}  // namespace ostrane
