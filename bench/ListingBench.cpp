// How long the listings and the calendar conversions take.
//   ./ostrane_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Releasing.h"

namespace {

using namespace ostrane;

// Keeps the lines, as a list box would.
class KeepingWindow : public IReleasingWindow {
 public:
  ReleaseSettings settings;
  int selected = -1;
  std::vector<std::string> main, level3;

  ReleaseSettings ReadSettings() const override { return settings; }
  TimeLocale ReadTimeLocale() const override { return {}; }
  int MainSelectedIndex() const override { return selected; }
  void ClearMainList() override { main.clear(); }
  void AddMainLine(const std::string& text) override { main.push_back(text); }
  void ClearLevel3List() override { level3.clear(); }
  void AddLevel3Line(const std::string& text) override { level3.push_back(text); }
  void SetCommandEnabled(TCommand, bool) override {}
  void ShowLevel3Window() override {}
};

KeepingWindow LongestListingWindow() {
  KeepingWindow w;
  w.settings.Year = 2000;
  w.settings.TimeText = "12:00";
  w.settings.GeneralPeriods = 200;
  w.settings.ReleasingType = kValens;
  w.settings.StartSign = 9;
  return w;
}

void MainListing200Periods(benchmark::State& state) {
  KeepingWindow w = LongestListingWindow();
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing(w, date, chronocrator, tables);
  for (auto _ : state) {
    listing.BtnCalculateOstraneClick();
    benchmark::DoNotOptimize(w.main.data());
  }
  state.counters["lines"] = static_cast<double>(w.main.size());
}
BENCHMARK(MainListing200Periods)->Unit(benchmark::kMicrosecond);

// The level 3/4 listing of the line with the most lines: an Aquarius general
// line under Valens (287 lines).
void Level34LongestLine(benchmark::State& state) {
  KeepingWindow w = LongestListingWindow();
  w.settings.StartSign = 10;
  w.settings.GeneralPeriods = 1;
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing(w, date, chronocrator, tables);
  listing.BtnCalculateOstraneClick();
  w.selected = kHeaderLines;
  for (auto _ : state) {
    listing.ListBoxOstraneDblClick();
    benchmark::DoNotOptimize(w.level3.data());
  }
  state.counters["lines"] = static_cast<double>(w.level3.size());
}
BENCHMARK(Level34LongestLine)->Unit(benchmark::kMicrosecond);

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
