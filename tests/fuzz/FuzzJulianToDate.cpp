// Julian Days to dates and their texts, fed arbitrary doubles.  Property:
// from -0.5 to the end of year 10000, the converted date's 0 h converts back
// to the Julian Day of that midnight.  (The day with its fraction is one
// double: for the smallest Julian Days a moment a few femtodays before
// midnight rounds onto the next day, and then names that midnight.)
// Elsewhere only defined behaviour is asked for.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "listing/Releasing.h"

using namespace ostrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double jd = 0;
  std::memcpy(&jd, data, sizeof jd);
  const double lastJulianDay = 5373484.5;  // 10000 December 31, 0 h
  if (size > sizeof(double) && (data[sizeof(double)] & 1) != 0) {
    // Spread the bytes over the calendar's range, where the property holds.
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    jd = -0.5 + static_cast<double>(bits >> 11) * 0x1p-53 * (lastJulianDay + 1.5);
  }

  TDate date;
  date.JulianToDate(jd);
  for (std::int32_t style = -1; style <= 3; ++style)
    (void)FormatDateStyle(date, FromItemIndex<TDateStyle>(style));
  if (jd >= -0.5 && jd < lastJulianDay + 1.0) {
    const double midnight = std::floor(jd + 0.5) - 0.5;
    if (date.GetMonth() < 1 || date.GetMonth() > 12) std::abort();
    TDate back;
    back.DateToJulian(date.GetYear(), date.GetMonth(), date.GetDayNumber());
    const bool roundedOntoNextDay =
        back.GetJulianDay() == midnight + 1.0 && (jd + 0.5) - std::floor(jd + 0.5) > 1.0 - 1e-12;
    if (back.GetJulianDay() != midnight && !roundedOntoNextDay) std::abort();
  }
  TDate shown;
  const std::int64_t ms = StoreShownMoment(shown, jd);
  if (ms < 0 || ms >= kMillisecondsPerDay) std::abort();
  (void)FormatTime12(ms);
  (void)FormatDateStyle(shown, TDateStyle::American);
  return 0;
}
