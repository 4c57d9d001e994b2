// The tags of the chart library as typed: never crash, and what they read
// to are trimmed, non-empty, comma-free, unique tags that read back the same
// when joined again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "storage/ChartLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> tags = ostrane::SplitTags(text);
  for (std::size_t i = 0; i < tags.size(); ++i) {
    const std::string& tag = tags[i];
    if (tag.empty() || tag.find(',') != std::string::npos || tag.front() == ' ' ||
        tag.back() == ' ' || std::count(tags.begin(), tags.end(), tag) != 1)
      std::abort();
  }
  if (ostrane::SplitTags(ostrane::JoinTags(tags)) != tags) std::abort();
  return 0;
}
