// One batch row taken apart: what each step of a row costs on one core
// (ChartOfOneBirth in AstroBench.cpp is the chart's astronomy alone).
//   Zone   the birth's clock time through its historical time zone
//   Chart  the zone and the chart with its lots, as a row computes them
//   Walk   the periods in force at the event, four levels
//   Parse  a CSV row read and its dates read
//   Write  the computed columns as text and the record written
//   Row    a whole row's computation, without reading and writing
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "batch/BatchRows.h"
#include "chart/BirthChart.h"
#include "chart/BuiltInPlaces.h"
#include "chart/TimeZones.h"
#include "core/Chronocrators.h"
#include "core/CsvText.h"
#include "core/IsoDateText.h"
#include "listing/InForce.h"

namespace {

using namespace ostrane;

constexpr double kBirth = 2447300.1;  // 1988 May 12, 14:24 clock time
constexpr double kEvent = 2460000.5;  // 2023 February 24

TBirthPlace Amsterdam() {
  TBirthPlace p;
  SetBirthPlace(p, *BuiltInPlaces().ExactMatch("Amsterdam, NL"));
  p.Dst = TDstChoice::Earlier;
  return p;
}

void Zone(benchmark::State& state) {
  for (auto _ : state) {
    TZoneResolution r = ResolveTimeZone("Europe/Amsterdam", kBirth, 4.88969);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(Zone)->Unit(benchmark::kMicrosecond);

void Chart(benchmark::State& state) {
  const TBirthPlace place = Amsterdam();
  for (auto _ : state) {
    TBirthChartResult r = ComputeBirthChart(place, kBirth);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(Chart)->Unit(benchmark::kMicrosecond);

void Walk(benchmark::State& state) {
  ReleaseSettings s;
  s.StartSign = 4;
  s.FortuneSign = 7;
  for (auto _ : state) {
    TChronocrator chronocrator;
    TInForce r = PeriodsInForce(ListGeneralPeriods(chronocrator, s, kBirth, kEvent), s, kEvent);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(Walk)->Unit(benchmark::kMicrosecond);

void Parse(benchmark::State& state) {
  const std::string row = "c123,1988-05-12,14:24,\"Amsterdam, NL\",2023-02-24\n";
  std::string many;
  for (int i = 0; i < 1000; ++i) many += row;
  std::vector<std::string> fields;
  for (auto _ : state) {
    std::istringstream in(many);
    TCsvReader reader(in);
    while (reader.Next(fields)) {
      auto birth = ParseIsoDateTime(fields[1]);
      auto event = ParseIsoDateTime(fields[4]);
      benchmark::DoNotOptimize(birth);
      benchmark::DoNotOptimize(event);
    }
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(Parse)->Unit(benchmark::kMillisecond);

void Write(benchmark::State& state) {
  std::vector<std::string> record = {"c123", "1988-05-12", "14:24", "Amsterdam, NL", "2023-02-24"};
  const TCivilMoment moment{1988, 5, 12, 51'840'000};
  for (auto _ : state) {
    std::vector<std::string> out = record;
    out.push_back(SixDecimals(123.456789012));
    out.push_back(SixDecimals(301.5));
    for (int i = 0; i < 8; ++i) out.push_back(FormatIsoDateTime(moment));
    for (int i = 0; i < 30; ++i) out.emplace_back("Leo");
    std::string text = CsvRecord(out) + "\r\n";
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(Write)->Unit(benchmark::kMicrosecond);

void Row(benchmark::State& state) {
  const std::vector<std::string> header = {"name", "date", "time", "place", "event_date"};
  TBatchColumns columns;
  ReadBatchHeader(header, columns);
  TBatchDefaults defaults;
  defaults.Settings.Place.Dst = TDstChoice::Earlier;
  TChartCache cache;
  int i = 0;
  for (auto _ : state) {
    // A new chart every row, as in a collection of births.
    // (1,440 clock times, more than the cache keeps.)
    const std::string time = std::to_string(10 + i / 60 % 14) + ":" + std::to_string(10 + i % 50);
    ++i;
    std::vector<std::string> r = ComputeBatchRow(
        columns, {"c", "1988-05-12", time, "Amsterdam, NL", "2023-02-24"}, defaults, cache);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(Row)->Unit(benchmark::kMicrosecond);

}  // namespace
