#include "astro/TimeScales.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "astro/DeltaT.h"

namespace ostrane {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// TT and UT1 from ERFA's UTC.  ERFA's status +1 (dubious year) is a warning;
// a negative status is a refusal.
std::optional<TTimeScales> FromUtc(double jdUtc) {
  int year = 0;
  int month = 0;
  int day = 0;
  double fraction = 0.0;
  if (eraJd2cal(jdUtc, 0.0, &year, &month, &day, &fraction) != 0) return std::nullopt;

  // The caller's day has 86400 s, also on a day that ends in a leap second.
  const double seconds = fraction * kSecondsPerDay;
  const int hour = std::min(static_cast<int>(seconds / 3600.0), 23);
  const int minute = std::min(static_cast<int>((seconds - hour * 3600.0) / 60.0), 59);
  const double second = std::clamp(seconds - hour * 3600.0 - minute * 60.0, 0.0, 59.999999999);

  double utc1 = 0.0;
  double utc2 = 0.0;
  int status = eraDtf2d("UTC", year, month, day, hour, minute, second, &utc1, &utc2);
  if (status < 0) return std::nullopt;
  bool dubious = status == 1;

  double tai1 = 0.0;
  double tai2 = 0.0;
  status = eraUtctai(utc1, utc2, &tai1, &tai2);
  if (status < 0) return std::nullopt;
  dubious = dubious || status == 1;

  double tt1 = 0.0;
  double tt2 = 0.0;
  if (eraTaitt(tai1, tai2, &tt1, &tt2) != 0) return std::nullopt;

  double ut11 = 0.0;
  double ut12 = 0.0;
  status = eraUtcut1(utc1, utc2, 0.0, &ut11, &ut12);
  if (status < 0) return std::nullopt;
  dubious = dubious || status == 1;

  TTimeScales scales;
  scales.JdTt = tt1 + tt2;
  scales.JdUt1 = ut11 + ut12;
  scales.DeltaTSeconds = ((tt1 - ut11) + (tt2 - ut12)) * kSecondsPerDay;
  scales.DubiousYear = dubious;
  return scales;
}

}  // namespace

std::optional<TTimeScales> ComputeTimeScales(double jdUtc) {
  if (!std::isfinite(jdUtc)) return std::nullopt;
  if (jdUtc >= kFirstUtcJulianDay) return FromUtc(jdUtc);
  TTimeScales scales;
  scales.JdUt1 = jdUtc;
  scales.DeltaTSeconds = DeltaTSeconds(DeltaTDecimalYear(jdUtc));
  scales.JdTt = jdUtc + scales.DeltaTSeconds / kSecondsPerDay;
  return scales;
}

}  // namespace ostrane
