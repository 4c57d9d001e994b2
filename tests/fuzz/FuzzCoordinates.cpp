// Latitude and longitude texts, fed arbitrary bytes.  Properties: an
// accepted text lies within its range; its compact text reads back to
// within half a second of arc; a text both parsers accept (a decimal one)
// gives both the same value; a refusal has a message.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Coordinates.h"
#include "core/Errors.h"

using namespace ostrane;

namespace {

bool Parse(double (*parse)(std::string_view), std::string_view text, double& value) {
  try {
    value = parse(text);
    return true;
  } catch (const EConvertError& e) {
    if (std::string_view(e.what()).empty()) std::abort();
    return false;
  }
}

void CheckRoundTrip(double (*parse)(std::string_view), std::string (*format)(double),
                    double value) {
  double back = 0;
  if (!Parse(parse, format(value), back) || std::fabs(back - value) > 0.5 / 3600 + 1e-9)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  double latitude = 0;
  double longitude = 0;
  const bool isLatitude = Parse(ParseLatitude, text, latitude);
  const bool isLongitude = Parse(ParseLongitude, text, longitude);
  if (isLatitude) {
    if (!(std::fabs(latitude) <= 90)) std::abort();
    CheckRoundTrip(ParseLatitude, FormatLatitude, latitude);
  }
  if (isLongitude) {
    if (!(std::fabs(longitude) <= 180)) std::abort();
    CheckRoundTrip(ParseLongitude, FormatLongitude, longitude);
  }
  if (isLatitude && isLongitude && latitude != longitude) std::abort();
  return 0;
}
