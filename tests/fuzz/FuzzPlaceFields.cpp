// The birth place's fields as typed, fed arbitrary bytes: the input split
// at NUL bytes gives the name, latitude, longitude, time zone and UTC offset
// texts, and its first two bytes the daylight-saving and sect choices.
// Properties: a reading holds a place or errors, never both nor neither; a
// place's coordinates and offset lie within their ranges, its choices
// within theirs; and the fields that show a place read back to that place.
// The whole input after its first byte, read into the field of the place
// table that the first byte picks, either sets a value within the field's
// range or fails with a message and leaves the place as it was.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "chart/PlaceFields.h"
#include "core/Coordinates.h"
#include "core/Errors.h"

using namespace ostrane;

namespace {

bool Same(const TBirthPlace& a, const TBirthPlace& b) {
  return a.Name == b.Name && a.Latitude == b.Latitude && a.Longitude == b.Longitude &&
         a.TimeZone == b.TimeZone && a.UtcOffsetSeconds == b.UtcOffsetSeconds && a.Dst == b.Dst &&
         a.Sect == b.Sect;
}

bool InRange(const TBirthPlace& place) {
  return (!place.Latitude || (*place.Latitude >= -90 && *place.Latitude <= 90)) &&
         (!place.Longitude || (*place.Longitude >= -180 && *place.Longitude <= 180)) &&
         (!place.UtcOffsetSeconds || (*place.UtcOffsetSeconds >= -kMaxUtcOffsetSeconds &&
                                      *place.UtcOffsetSeconds <= kMaxUtcOffsetSeconds)) &&
         place.Dst >= TDstChoice::Ask && place.Dst <= TDstChoice::Later &&
         place.Sect >= TSect::Computed && place.Sect <= TSect::Night;
}

void ReadOneField(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::vector<TPlaceFieldInfo>& table = PlaceFieldTable();
  const TPlaceFieldInfo& info = table[data[0] % table.size()];
  TBirthPlace place;
  place.Name = "before";
  place.Sect = TSect::Night;
  const TBirthPlace before = place;
  try {
    ReadPlaceField(place, info.Field,
                   std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  } catch (const EConvertError& error) {
    if (!Same(place, before) || std::string(error.what()).empty()) std::abort();
    return;
  }
  if (!InRange(place)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadOneField(data, size);
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
  if (!InRange(place)) std::abort();
  if (place.Latitude.has_value() != place.Longitude.has_value()) std::abort();

  const TPlaceReading again = ReadPlaceTexts(PlaceTexts(place));
  if (!again.Place || !Same(*again.Place, place)) std::abort();
  return 0;
}
