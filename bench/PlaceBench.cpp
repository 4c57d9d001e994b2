// How long the table of places takes to load and to search, a search being
// what the birth-place field runs at every keystroke.
#include <string>

#include <benchmark/benchmark.h>

#include "chart/BuiltInPlaces.h"
#include "chart/Places.h"

namespace {

using namespace ostrane;

void PlaceTableReadResource(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuiltInPlacesText());
}
BENCHMARK(PlaceTableReadResource)->Unit(benchmark::kMillisecond);

void PlaceTableParse(benchmark::State& state) {
  const std::string text = BuiltInPlacesText();
  std::size_t rows = 0;
  for (auto _ : state) {
    const TPlaceTable table(text);
    rows = table.Size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(PlaceTableParse)->Unit(benchmark::kMillisecond);

// The texts of a name typed letter by letter, and a narrowed one.
const char* const kTyped[] = {
    "a",         "am",    "ams",          "amst", "amste",
    "amsterdam", "sao p", "new york, us", "xq",   "springfield, illinois"};

void PlaceSearchKeystroke(benchmark::State& state) {
  const TPlaceTable& table = BuiltInPlaces();
  const char* const query = kTyped[state.range(0)];
  std::size_t found = 0;
  for (auto _ : state) {
    const auto places = table.Search(query, 20);
    found = places.size();
    benchmark::DoNotOptimize(places.data());
  }
  state.SetLabel(query);
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(PlaceSearchKeystroke)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

void PlaceNearestNames(benchmark::State& state) {
  const TPlaceTable& table = BuiltInPlaces();
  const char* const query = state.range(0) == 0 ? "Amstredam" : "Sprngfeild, US";
  for (auto _ : state) {
    const auto places = table.NearestNames(query, 5);
    benchmark::DoNotOptimize(places.data());
  }
  state.SetLabel(query);
}
BENCHMARK(PlaceNearestNames)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
