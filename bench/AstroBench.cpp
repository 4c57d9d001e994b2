// How long the chart of one birth takes: time scales, the seven planets,
// the Ascendant, the Sun's altitude and the seven lots.  About 5 us of CPU
// time for the lights alone with the light models of Positions.h (IAU 2000B
// nutation, eraPlan94 and eraMoon98 for the Earth), 1.4 times that with the
// five planets of Planets.h (one eraPlan94 call each); 62-64 us for the
// lights with IAU 2000A nutation and eraEpv00.  It should stay well under
// 100 us.
#include <benchmark/benchmark.h>

#include "astro/Lots.h"
#include "core/DateTime.h"

namespace {

using namespace ostrane;

double ClockJd(int year, int month, double day) {
  TDate date;
  date.DateToJulian(year, month, day);
  return date.GetJulianDay();
}

void ChartOfOneBirth(benchmark::State& state, double jdUtc) {
  for (auto _ : state) {
    TChartResult result = ComputeChart(jdUtc, 48.2, 16.37);
    benchmark::DoNotOptimize(result);
  }
}
// A birth under the leap-second table and one under the Delta T polynomials.
BENCHMARK_CAPTURE(ChartOfOneBirth, 1985, ClockJd(1985, 7, 1.4))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartOfOneBirth, 1500, ClockJd(1500, 3, 1.5))->Unit(benchmark::kMicrosecond);

}  // namespace
