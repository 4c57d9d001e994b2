#include "chart/PlaceFields.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "chart/TimeZones.h"
#include "core/Coordinates.h"
#include "core/Errors.h"
#include "core/PrintableText.h"

namespace ostrane {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A choice as the files write it: empty for the first, else the name of
// another; the item index.
std::int32_t ChoiceIndex(const TPlaceFieldInfo& info, const std::string& text) {
  if (text.empty()) return 0;
  for (std::size_t i = 1; i < info.Choices.size(); ++i)
    if (text == info.Choices[i]) return static_cast<std::int32_t>(i);
  throw EConvertError("'" + text + "' is neither " + info.Choices[1] + " nor " + info.Choices[2]);
}

}  // namespace

const std::vector<TPlaceFieldInfo>& PlaceFieldTable() {
  static const std::vector<TPlaceFieldInfo> table{
      {TPlaceField::Name, "place", nullptr, nullptr, {}},
      {TPlaceField::Latitude, "latitude", "--lat", "latitude", {}},
      {TPlaceField::Longitude, "longitude", "--lon", "longitude", {}},
      {TPlaceField::TimeZone, "time-zone", "--tz", "time_zone", {}},
      {TPlaceField::UtcOffset, "utc-offset", "--utc-offset", "utc_offset", {}},
      {TPlaceField::Dst, "dst-choice", "--dst-choice", nullptr, {"ask", "earlier", "later"}},
      {TPlaceField::Sect, "sect", "--sect", nullptr, {"computed", "day", "night"}},
  };
  return table;
}

const TPlaceFieldInfo& PlaceFieldInfo(TPlaceField field) {
  return PlaceFieldTable()[static_cast<std::size_t>(field)];
}

void ReadPlaceField(TBirthPlace& place, TPlaceField field, const std::string& text) {
  switch (field) {
    case TPlaceField::Name: place.Name = text; break;
    case TPlaceField::Latitude: place.Latitude = ParseLatitude(text); break;
    case TPlaceField::Longitude: place.Longitude = ParseLongitude(text); break;
    case TPlaceField::TimeZone:
      if (!IsKnownZone(text)) throw EConvertError(UnknownZoneMessage(text));
      place.TimeZone = text;
      break;
    case TPlaceField::UtcOffset: place.UtcOffsetSeconds = ParseUtcOffset(text); break;
    case TPlaceField::Dst:
      place.Dst = FromItemIndex<TDstChoice>(ChoiceIndex(PlaceFieldInfo(field), text));
      break;
    case TPlaceField::Sect:
      place.Sect = FromItemIndex<TSect>(ChoiceIndex(PlaceFieldInfo(field), text));
      break;
  }
}

void ClearPlaceField(TBirthPlace& place, TPlaceField field) {
  switch (field) {
    case TPlaceField::Name: place.Name.clear(); break;
    case TPlaceField::Latitude: place.Latitude.reset(); break;
    case TPlaceField::Longitude: place.Longitude.reset(); break;
    case TPlaceField::TimeZone: place.TimeZone.clear(); break;
    case TPlaceField::UtcOffset: place.UtcOffsetSeconds.reset(); break;
    case TPlaceField::Dst: place.Dst = TDstChoice::Ask; break;
    case TPlaceField::Sect: place.Sect = TSect::Computed; break;
  }
}

std::string DegreesText(double degrees) {
  char buffer[40];
  int digits = 6;
  for (; digits < 17; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, degrees);
    if (std::strtod(buffer, nullptr) == degrees) break;
  }
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, degrees);
  const char* exponent = std::strchr(buffer, 'e');
  if (!exponent) return buffer;
  // The same significant digits written out in full: the coordinate
  // parsers read no exponent.
  const int decimals = std::max(0, digits - 1 - std::atoi(exponent + 1));
  std::vector<char> fixed(static_cast<std::size_t>(decimals) + 400);
  std::snprintf(fixed.data(), fixed.size(), "%.*f", decimals, degrees);
  std::string text = fixed.data();
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

TPlaceReading ReadPlaceTexts(const TPlaceTexts& texts) {
  TPlaceReading reading;
  std::vector<std::string>& errors = reading.Errors;
  const std::string latitude = Trimmed(texts.Latitude), longitude = Trimmed(texts.Longitude);
  const std::string zone = Trimmed(texts.TimeZone), offset = Trimmed(texts.UtcOffset);
  TBirthPlace place;
  // Kept as the name field keeps a name: no line breaks or other controls.
  place.Name = Trimmed(PlainText(texts.Name));
  // The parser's message of each field that cannot be read, in the table's
  // order, as the error box words it.
  for (const auto& [field, text] :
       {std::pair{TPlaceField::Latitude, &latitude}, std::pair{TPlaceField::Longitude, &longitude},
        std::pair{TPlaceField::TimeZone, &zone}, std::pair{TPlaceField::UtcOffset, &offset}}) {
    if (text->empty()) continue;
    try {
      ReadPlaceField(place, field, *text);
    } catch (const EConvertError& error) {
      errors.push_back(ErrorBoxText(error.what()));
    }
  }
  // A choice's item index outside the table's choices reads as the first.
  const auto choice = [](TPlaceField field, std::int32_t index) {
    const auto count = static_cast<std::int32_t>(PlaceFieldInfo(field).Choices.size());
    return index >= 0 && index < count ? index : 0;
  };
  place.Dst = FromItemIndex<TDstChoice>(choice(TPlaceField::Dst, texts.Dst));
  place.Sect = FromItemIndex<TSect>(choice(TPlaceField::Sect, texts.Sect));
  if (!errors.empty()) return reading;

  if (place.Latitude.has_value() != place.Longitude.has_value())
    errors.emplace_back(place.Latitude ? "Give the longitude too." : "Give the latitude too.");
  else if (place.Known() && zone.empty() && offset.empty())
    errors.emplace_back("Give a time zone or a UTC offset.");
  else if (!place.Known() && !(place.Name.empty() && zone.empty() && offset.empty()))
    errors.emplace_back("Give the latitude and the longitude, or choose a place from the list.");
  if (errors.empty()) reading.Place = place;
  return reading;
}

TPlaceTexts PlaceTexts(const TBirthPlace& place) {
  TPlaceTexts texts;
  texts.Name = place.Name;
  if (place.Latitude) texts.Latitude = DegreesText(*place.Latitude);
  if (place.Longitude) texts.Longitude = DegreesText(*place.Longitude);
  texts.TimeZone = place.TimeZone;
  if (place.UtcOffsetSeconds) texts.UtcOffset = FormatUtcOffset(*place.UtcOffsetSeconds);
  texts.Dst = ToItemIndex(place.Dst);
  texts.Sect = ToItemIndex(place.Sect);
  return texts;
}

}  // namespace ostrane
