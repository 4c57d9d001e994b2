// The AAF reader: never crashes or hangs on any bytes, refuses a record
// only with a reason naming its line, and what it writes of the records it
// read reads back, after one round, to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/Aaf.h"

namespace {

std::vector<ostrane::TChartRecord> Charts(const std::vector<ostrane::TAafRecord>& records,
                                          bool all) {
  std::vector<ostrane::TChartRecord> charts;
  for (const ostrane::TAafRecord& record : records) {
    if (record.Chart == std::nullopt) {
      // Every refusal names its line; a written file refuses nothing.
      if (all || record.Refusal.rfind("Line ", 0) != 0) std::abort();
      continue;
    }
    if (!record.Refusal.empty()) std::abort();
    charts.push_back(*record.Chart);
  }
  return charts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto first = Charts(ostrane::ReadAaf(bytes), false);
  const std::string written = ostrane::WriteAaf(first);
  const auto second = Charts(ostrane::ReadAaf(written), true);
  if (second.size() != first.size()) std::abort();
  const std::string again = ostrane::WriteAaf(second);
  if (ostrane::WriteAaf(Charts(ostrane::ReadAaf(again), true)) != again) std::abort();
  return 0;
}
