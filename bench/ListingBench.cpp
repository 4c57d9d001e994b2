// How long the listings and the calendar conversions take.
//   ./ostrane_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "CollectingWindow.h"
#include "InForce.h"
#include "Releasing.h"

namespace {

using namespace ostrane;

TCollectingWindow LongestListingWindow() {
  TCollectingWindow w;
  w.Settings.Year = 2000;
  w.Settings.TimeText = "12:00";
  w.Settings.GeneralPeriods = 200;
  w.Settings.ReleasingType = kValens;
  w.Settings.StartSign = 9;
  return w;
}

void MainListing200Periods(benchmark::State& state) {
  TCollectingWindow w = LongestListingWindow();
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing(w, date, chronocrator, tables);
  for (auto _ : state) {
    listing.BtnCalculateOstraneClick();
    benchmark::DoNotOptimize(w.MainLines.data());
  }
  state.counters["lines"] = static_cast<double>(w.MainLines.size());
}
BENCHMARK(MainListing200Periods)->Unit(benchmark::kMicrosecond);

// The level 3/4 listing of the line with the most lines: an Aquarius general
// line under Valens (287 lines).
void Level34LongestLine(benchmark::State& state) {
  TCollectingWindow w = LongestListingWindow();
  w.Settings.StartSign = 10;
  w.Settings.GeneralPeriods = 1;
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing(w, date, chronocrator, tables);
  listing.BtnCalculateOstraneClick();
  w.Selected = kHeaderLines;
  for (auto _ : state) {
    listing.ListBoxOstraneDblClick();
    benchmark::DoNotOptimize(w.Level3Lines.data());
  }
  state.counters["lines"] = static_cast<double>(w.Level3Lines.size());
}
BENCHMARK(Level34LongestLine)->Unit(benchmark::kMicrosecond);

// The periods in force in the last general period of a 200-period listing
// (the walk goes through the whole listing first): the worst case.
void PeriodsInForceAtTheEnd(benchmark::State& state) {
  TCollectingWindow w = LongestListingWindow();
  TChronocrator chronocrator;
  const double start = 2451545.0;
  const double end = WalkGeneralPeriods(chronocrator, GeneralWalkOf(w.Settings, start),
                                        [](const TPeriodStep&) { return true; });
  for (auto _ : state) {
    const TInForce r = PeriodsInForce(chronocrator, w.Settings, start, end - 1.0);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(PeriodsInForceAtTheEnd)->Unit(benchmark::kMicrosecond);

// Every day from -4712 January 1 to 10000 December 31, to a date and back.
void EveryDayBothWays(benchmark::State& state) {
  TDate date;
  date.DateToJulian(10000, 12, 31.0);
  const double last = date.GetJulianDay();
  for (auto _ : state) {
    double sum = 0;
    for (double jd = -0.5; jd <= last; jd += 1.0) {
      date.JulianToDate(jd);
      date.DateToJulian(date.GetYear(), date.GetMonth(), date.GetDay());
      sum += date.GetJulianDay();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["days"] = last + 1.5;
}
BENCHMARK(EveryDayBothWays)->Unit(benchmark::kMillisecond);

}  // namespace
