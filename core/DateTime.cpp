#include "core/DateTime.h"

#include <cmath>

namespace ostrane {
namespace {

std::int32_t MonthLength(std::int32_t month, bool leap) {
  switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return leap ? 29 : 28;
    default: return 0;
  }
}

// The part both calendar rules share: January and February count as months
// 13 and 14 of the previous year, and the two truncated terms are summed as
// integers.
struct MarchBased {
  std::int64_t year;
  std::int64_t dayCount;  // INT(365.25 (Y + 4716)) + INT(30.6001 (M + 1))
};

MarchBased MarchBasedCount(std::int32_t year, std::int32_t month) {
  std::int64_t y = year;
  std::int64_t m = month;
  if (month <= 2) {
    y -= 1;
    m += 12;
  }
  const std::int64_t count =
      Trunc(365.25 * static_cast<double>(y + 4716)) + Trunc(30.6001 * static_cast<double>(m + 1));
  return {y, count};
}

}  // namespace

void TDate::SetDate(std::int32_t year, std::int32_t month, double day) {
  FYear = year;
  FMonth = month;
  FDay = day;
}

bool TDate::IsLeapYear(std::int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::int32_t TDate::DaysInMonth(std::int32_t month) const {
  return MonthLength(month, IsLeap());
}

void TDate::DecimalYear(std::int32_t year, std::int32_t month, double day) {
  const bool leap = IsLeapYear(year);
  double s = day;
  // Months above 12 have no days, so the sum never needs more than 12 terms.
  const std::int32_t last = month > 13 ? 13 : month;
  for (std::int32_t m = 1; m < last; ++m) s += MonthLength(m, leap);
  const double length = year == 1582 ? 355.0 : (leap ? 366.0 : 365.0);
  FDecimalYear = year + s / length;
}

double TDate::MomentToJulian(std::int32_t year, std::int32_t month, std::int32_t day,
                             double dayFraction) {
  // The whole day goes through the calendar and the fraction is added after:
  // the sum a listing's start has always been, bit for bit.
  DateToJulian(year, month, static_cast<double>(day));
  return FJulianDay + dayFraction;
}

void TDate::DateToJulian(std::int32_t year, std::int32_t month, double day) {
  DecimalYear(1582, 10, 5.0);
  FReformDecimalYear = FDecimalYear;
  DecimalYear(year, month, day);
  FDateDecimalYear = FDecimalYear;
  if (FDateDecimalYear >= FReformDecimalYear)
    GregorianCalendarToJD(year, month, day);
  else
    JulianCalendarToJD(year, month, day);
}

void TDate::JulianCalendarToJD(std::int32_t year, std::int32_t month, double day) {
  const MarchBased mb = MarchBasedCount(year, month);
  FJulianDay = static_cast<double>(mb.dayCount) + day - 1524.5;
}

void TDate::GregorianCalendarToJD(std::int32_t year, std::int32_t month, double day) {
  const MarchBased mb = MarchBasedCount(year, month);
  const std::int64_t a = mb.year / 100;  // integer division truncates toward zero
  const std::int64_t b = 2 - a + a / 4;
  FJulianDay = static_cast<double>(mb.dayCount) + day + static_cast<double>(b) - 1524.5;
}

void TDate::JulianToDate(double julianDay) {
  // Outside the supported range the formulas would overflow; keep them
  // defined by working on the nearest supported value.
  if (std::isnan(julianDay)) julianDay = 0.0;
  if (julianDay < kMinSupportedJulianDay) julianDay = kMinSupportedJulianDay;
  if (julianDay > kMaxSupportedJulianDay) julianDay = kMaxSupportedJulianDay;

  const double j = julianDay + 0.5;
  const std::int64_t z = Trunc(j);
  const double f = j - static_cast<double>(z);
  std::int64_t a = z;
  if (z > 2299160) {
    const std::int64_t alpha = Trunc((static_cast<double>(z) - 1867216.25) / 36524.25);
    a = z + 1 + alpha - alpha / 4;
  }
  const std::int64_t b = a + 1524;
  const std::int64_t k = Trunc((static_cast<double>(b) - 122.1) / 365.25);
  const std::int64_t d = Trunc(365.25 * static_cast<double>(k));
  const std::int64_t e = Trunc(static_cast<double>(b - d) / 30.6001);
  FDay = static_cast<double>(b - d - Trunc(30.6001 * static_cast<double>(e))) + f;
  FMonth = static_cast<std::int32_t>(e < 14 ? e - 1 : e - 13);
  FYear = static_cast<std::int32_t>(FMonth > 2 ? k - 4716 : k - 4715);
}

}  // namespace ostrane
