// The whole-line integer conversion of the settings and chart files.
// Property: an accepted text's value, written back as a decimal text,
// converts to the same value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "core/IntegerText.h"

using namespace ostrane;

namespace {

bool Convert(const std::string& text, std::int32_t& value) {
  try {
    value = StrToInt(text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::int32_t value = 0;
  if (!Convert(text, value)) return 0;
  std::int32_t back = 0;
  if (!Convert(std::to_string(value), back) || back != value) std::abort();
  if (!Convert("  " + std::to_string(value), back) || back != value) std::abort();
  if (Convert(text + " ", back)) std::abort();  // nothing may follow the digits
  return 0;
}
