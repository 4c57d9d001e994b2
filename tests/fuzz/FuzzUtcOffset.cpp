// UTC offset texts, fed arbitrary bytes.  Properties: an accepted offset
// lies within -18:00 .. +18:00 and its text reads back to the same seconds;
// a refusal has a message.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Coordinates.h"
#include "core/Errors.h"

using namespace ostrane;

namespace {

bool Parse(std::string_view text, std::int32_t& seconds) {
  try {
    seconds = ParseUtcOffset(text);
    return true;
  } catch (const EConvertError& e) {
    if (std::string_view(e.what()).empty()) std::abort();
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::int32_t seconds = 0;
  if (!Parse(text, seconds)) return 0;
  if (seconds < -kMaxUtcOffsetSeconds || seconds > kMaxUtcOffsetSeconds) std::abort();
  std::int32_t back = 0;
  if (!Parse(FormatUtcOffset(seconds), back) || back != seconds) std::abort();
  return 0;
}
