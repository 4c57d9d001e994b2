// Civil calendar dates and Julian Days.
//
// A Julian Day is a real number of days counted from noon of year -4712
// January 1 in the Julian calendar, so 0 h of a civil date ends in .5 and the
// time of day is its fraction.  Years are numbered astronomically (year 0 is
// 1 BC).  Dates before 1582 October 5 are Julian-calendar dates, later ones
// Gregorian.
//
// Value ranges:
//   year          -4712 .. 10000 as the program admits them; any int32 runs
//                 through the same formulas
//   month         1 .. 12 (0 and 13 extrapolate to the neighbouring year)
//   day           a real: its whole part is the day number, the fraction the
//                 time of day
//   Julian Day    -1e9 .. 1e9 are supported (about 2.7 million years either
//                 way).  Outside that range, and for NaN or infinity,
//                 JulianToDate stays well defined but what it stores is
//                 unspecified.
//
// The class validates nothing and reports nothing.  An operation leaves its
// result in a field; the caller reads it with the accessor right after
// (DateToJulian then GetJulianDay; JulianToDate then GetYear, GetMonth,
// GetDay or GetDayNumber).
#pragma once

#include <cstdint>

namespace ostrane {

// Truncation of a real toward zero, as every conversion here needs it.
// Callers pass values whose integer part fits in 64 bits.
inline std::int64_t Trunc(double x) {
  return static_cast<std::int64_t>(x);
}

class TDate {
 public:
  inline static constexpr double kMinSupportedJulianDay = -1e9;
  inline static constexpr double kMaxSupportedJulianDay = 1e9;

  // Stores the date as given; nothing is computed.
  void SetDate(std::int32_t year, std::int32_t month, double day);

  // Julian Day of the date into FJulianDay.  Leaves FYear, FMonth, FDay alone.
  void DateToJulian(std::int32_t year, std::int32_t month, double day);
  double GetJulianDay() const { return FJulianDay; }

  // The Julian Day of a civil moment: the date (year, month 1 .. 12, whole
  // day 1 .. 31) at 0 h plus `dayFraction`, the time of day in days (0 .. 1,
  // a clock time as a fraction of 24 h).  The one conversion of a civil date
  // and time of day to a Julian Day.  Leaves the date's Julian Day at 0 h in
  // FJulianDay, as DateToJulian does.
  double MomentToJulian(std::int32_t year, std::int32_t month, std::int32_t day,
                        double dayFraction);

  // Civil date of a Julian Day into FYear, FMonth, FDay.  Leaves FJulianDay.
  void JulianToDate(double julianDay);
  std::int32_t GetYear() const { return FYear; }
  std::int32_t GetMonth() const { return FMonth; }
  double GetDay() const { return FDay; }
  std::int32_t GetDayNumber() const { return static_cast<std::int32_t>(Trunc(FDay)); }

  // Leap-year test by the Gregorian rule, applied to every year.
  static bool IsLeapYear(std::int32_t year);
  bool IsLeap() const { return IsLeapYear(FYear); }
  // Days of a month, February judged by the stored year; 0 outside 1..12.
  std::int32_t DaysInMonth(std::int32_t month) const;
  std::int32_t DaysInStoredMonth() const { return DaysInMonth(FMonth); }

  // Steps of DateToJulian, public for the tests.
  void DecimalYear(std::int32_t year, std::int32_t month, double day);
  double GetDecimalYear() const { return FDecimalYear; }
  void JulianCalendarToJD(std::int32_t year, std::int32_t month, double day);
  void GregorianCalendarToJD(std::int32_t year, std::int32_t month, double day);

 private:
  std::int32_t FYear = 0;
  std::int32_t FMonth = 0;
  double FDay = 0.0;
  double FJulianDay = 0.0;
  double FDecimalYear = 0.0;
  double FReformDecimalYear = 0.0;
  double FDateDecimalYear = 0.0;
};

}  // namespace ostrane
