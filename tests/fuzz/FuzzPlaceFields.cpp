// The birth place's fields as typed, fed arbitrary bytes: the input split
// at NUL bytes gives the name, latitude, longitude, time zone and UTC offset
// texts, and its first two bytes the daylight-saving and sect choices.
// Properties: a reading holds a place or errors, never both nor neither; a
// place's coordinates and offset lie within their ranges, its choices
// within theirs; and the fields that show a place read back to that place.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Coordinates.h"
#include "PlaceFields.h"

using namespace ostrane;

namespace {

bool Same(const TBirthPlace& a, const TBirthPlace& b) {
  return a.Name == b.Name && a.Latitude == b.Latitude && a.Longitude == b.Longitude &&
         a.TimeZone == b.TimeZone && a.UtcOffsetSeconds == b.UtcOffsetSeconds && a.Dst == b.Dst &&
         a.Sect == b.Sect;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  TPlaceTexts texts;
  if (size >= 2) {
    texts.Dst = static_cast<std::int8_t>(data[0]);
    texts.Sect = static_cast<std::int8_t>(data[1]);
  }
  std::string* fields[] = {&texts.Name, &texts.Latitude, &texts.Longitude, &texts.TimeZone,
                           &texts.UtcOffset};
  for (std::string* field : fields) {
    const std::size_t nul = input.find('\0');
    *field = std::string(input.substr(0, nul));
    input = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
  }

  const TPlaceReading reading = ReadPlaceTexts(texts);
  if (reading.Place.has_value() == !reading.Errors.empty()) std::abort();
  for (const std::string& error : reading.Errors)
    if (error.empty()) std::abort();
  if (!reading.Place) return 0;
  const TBirthPlace& place = *reading.Place;
  if (place.Latitude && !(*place.Latitude >= -90 && *place.Latitude <= 90)) std::abort();
  if (place.Longitude && !(*place.Longitude >= -180 && *place.Longitude <= 180)) std::abort();
  if (place.UtcOffsetSeconds && (*place.UtcOffsetSeconds < -kMaxUtcOffsetSeconds ||
                                 *place.UtcOffsetSeconds > kMaxUtcOffsetSeconds))
    std::abort();
  if (place.Dst < TDstChoice::Ask || place.Dst > TDstChoice::Later) std::abort();
  if (place.Sect < TSect::Computed || place.Sect > TSect::Night) std::abort();
  if (place.Latitude.has_value() != place.Longitude.has_value()) std::abort();

  const TPlaceReading again = ReadPlaceTexts(PlaceTexts(place));
  if (!again.Place || !Same(*again.Place, place)) std::abort();
  return 0;
}
