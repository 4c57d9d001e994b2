// The real-number parse of the Julian Date field.  Properties: an accepted
// text is a number (an infinity only when it overflows), and the 15-digit
// general text of a finite one reads back to the same value within those
// digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/RealText.h"

using namespace ostrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string separator = (data[0] & 1) != 0 ? "," : ".";
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto value = ParseReal(text, separator);
  if (!value) return 0;
  if (std::isnan(*value)) std::abort();
  if (std::isinf(*value)) return 0;
  const auto back = ParseReal(FormatReal(*value, separator), separator);
  if (!back) std::abort();
  if (std::abs(*back - *value) > std::abs(*value) * 1e-14) std::abort();
  return 0;
}
