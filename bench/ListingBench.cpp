// How long the listings and the calendar conversions take.
//   ./ostrane_bench --benchmark_min_time=1
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "listing/InForce.h"
#include "listing/Listing.h"
#include "listing/Releasing.h"

namespace {

using namespace ostrane;

ReleaseSettings LongestListingSettings() {
  ReleaseSettings s;
  s.Year = 2000;
  s.TimeText = "12:00";
  s.GeneralPeriods = 200;
  s.ReleasingType = TReleasingType::Valens;
  s.StartSign = 9;
  return s;
}

// The 200-period Valens listing from Capricorn (2514 lines).
void MainListing200Periods(benchmark::State& state) {
  const ReleaseSettings s = LongestListingSettings();
  std::size_t lines = 0;
  for (auto _ : state) {
    const TListing listing = ListGeneral(s, TimeLocale{});
    lines = listing.Header.size() + listing.Lines.size();
    benchmark::DoNotOptimize(listing.Lines.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(MainListing200Periods)->Unit(benchmark::kMicrosecond);

// The level 3/4 listing of the line with the most lines: an Aquarius general
// line under Valens (287 lines).
void Level34LongestLine(benchmark::State& state) {
  ReleaseSettings s = LongestListingSettings();
  s.StartSign = 10;
  s.GeneralPeriods = 1;
  const TListing main = ListGeneral(s, TimeLocale{});
  std::size_t lines = 0;
  for (auto _ : state) {
    const TListing listing = ListLevel34(s, main, 0);
    lines = listing.Header.size() + listing.Lines.size();
    benchmark::DoNotOptimize(listing.Lines.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(Level34LongestLine)->Unit(benchmark::kMicrosecond);

// The periods in force in the last general period of a 200-period listing
// (the walk goes through the whole listing first): the worst case.
void PeriodsInForceAtTheEnd(benchmark::State& state) {
  const ReleaseSettings s = LongestListingSettings();
  TChronocrator chronocrator;
  const double start = 2451545.0;
  const double end = WalkGeneralPeriods(chronocrator, GeneralWalkOf(s, start),
                                        [](const TPeriodStep&) { return true; });
  for (auto _ : state) {
    const TInForce r = PeriodsInForce(chronocrator, s, start, end - 1.0);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(PeriodsInForceAtTheEnd)->Unit(benchmark::kMicrosecond);

// The same read from the listing already listed: only the level 3/4 lines of
// the sub period in force are listed.
void PeriodsInForceOfTheListing(benchmark::State& state) {
  const ReleaseSettings s = LongestListingSettings();
  TChronocrator chronocrator;
  const TListing main = ListGeneralPeriods(chronocrator, s, 2451545.0);
  const double end = main.Lines.back().End;
  for (auto _ : state) {
    const TInForce r = PeriodsInForce(main, s, end - 1.0);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(PeriodsInForceOfTheListing)->Unit(benchmark::kMicrosecond);

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
