#include "astro/DeltaT.h"

#include <initializer_list>

#include "core/DateTime.h"

namespace ostrane {
namespace {

// c0 + c1 t + c2 t^2 + ..., by Horner's rule.
double Polynomial(double t, std::initializer_list<double> coefficients) {
  double sum = 0.0;
  for (auto c = coefficients.end(); c != coefficients.begin();) sum = sum * t + *--c;
  return sum;
}

double LongTermParabola(double y) {
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

}  // namespace

double DeltaTDecimalYear(double julianDay) {
  TDate date;
  date.JulianToDate(julianDay);
  return date.GetYear() + (date.GetMonth() - 0.5) / 12.0;
}

double DeltaTSeconds(double y) {
  if (y < -500.0) return LongTermParabola(y);
  if (y < 500.0) {
    return Polynomial(
        y / 100.0, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
  }
  if (y < 1600.0) {
    return Polynomial((y - 1000.0) / 100.0, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463,
                                             -0.005050998, 0.0083572073});
  }
  if (y < 1700.0) return Polynomial(y - 1600.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0});
  if (y < 1800.0) {
    return Polynomial(y - 1700.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0});
  }
  if (y < 1860.0) {
    return Polynomial(y - 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436,
                                   0.0000121272, -0.0000001699, 0.000000000875});
  }
  if (y < 1900.0) {
    return Polynomial(y - 1860.0,
                      {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0});
  }
  if (y < 1920.0) {
    return Polynomial(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
  }
  if (y < 1941.0) return Polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
  if (y < 1961.0) return Polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
  if (y < 1986.0) return Polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
  if (y < 2005.0) {
    return Polynomial(y - 2000.0,
                      {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
  }
  if (y < 2015.0) return Polynomial(y - 2005.0, {64.69, 0.2930});
  if (y < 3000.0) return Polynomial(y - 2015.0, {67.62, 0.3645, 0.0039755});
  return LongTermParabola(y);
}

}  // namespace ostrane
