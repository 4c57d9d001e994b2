#include "PlaceFields.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Coordinates.h"
#include "Errors.h"
#include "PrintableText.h"
#include "TimeZones.h"

namespace ostrane {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Runs a parser of the field's text; its message goes to the errors.
template <class T, class Parse>
std::optional<T> ReadField(const std::string& text, Parse parse, std::vector<std::string>& errors) {
  if (text.empty()) return std::nullopt;
  try {
    return parse(text);
  } catch (const EConvertError& error) {
    errors.push_back(ErrorBoxText(error.what()));
    return std::nullopt;
  }
}

}  // namespace

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
  place.Latitude = ReadField<double>(latitude, ParseLatitude, errors);
  place.Longitude = ReadField<double>(longitude, ParseLongitude, errors);
  if (!zone.empty() && !IsKnownZone(zone)) errors.push_back(UnknownZoneMessage(zone) + ".");
  place.TimeZone = zone;
  place.UtcOffsetSeconds = ReadField<std::int32_t>(offset, ParseUtcOffset, errors);
  place.Dst =
      texts.Dst >= 0 && texts.Dst <= 2 ? FromItemIndex<TDstChoice>(texts.Dst) : TDstChoice::Ask;
  place.Sect =
      texts.Sect >= 0 && texts.Sect <= 2 ? FromItemIndex<TSect>(texts.Sect) : TSect::Computed;
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
