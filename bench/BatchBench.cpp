// Rows per second of the batch, end to end: CSV parsing, the place lookup,
// the time zone, the chart and lots, the periods in force at the event and
// the CSV written, on one worker and on all.  The chart's ERFA models
// (nutation and the Earth's position) take most of each row.
#include <cstdio>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "batch/BatchRun.h"
#include "chart/BuiltInPlaces.h"

namespace {

using namespace ostrane;

// `rows` births with a place name and one event each, all different.
std::string Collection(int rows) {
  static const char* const kPlaces[] = {"Amsterdam, NL", "Paris, FR", "Tokyo", "Lima",
                                        "Cairo",         "Toronto",   "Oslo",  "Sydney"};
  std::string text = "name,date,time,place,event_date\n";
  char line[128];
  for (int i = 0; i < rows; ++i) {
    std::snprintf(line, sizeof line, "c%d,%04d-%02d-%02d,%02d:%02d,\"%s\",%04d-%02d-15\n", i,
                  1900 + i % 105, 1 + i % 12, 1 + i % 28, i % 24, (i * 7) % 60, kPlaces[i % 8],
                  1960 + i % 60, 1 + (i * 5) % 12);
    text += line;
  }
  return text;
}

void BatchRows(benchmark::State& state) {
  const std::string input = Collection(2000);
  BuiltInPlaces();  // the table is read once per program, not per run
  TBatchOptions options;
  options.Threads = static_cast<unsigned>(state.range(0));
  options.Defaults.Settings.Place.Dst = TDstChoice::Earlier;
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const TBatchOutcome outcome = RunBatch(in, out, err, options);
    if (outcome.Rows != 2000) state.SkipWithError("not every row was written");
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * 2000);
}
// One worker gives the figure per core; 0 uses every core.
BENCHMARK(BatchRows)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
