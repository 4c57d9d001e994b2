// The fields of the birth place as typed (the Birth Place dialog) read into
// a TBirthPlace, and the fields that show a place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ReleaseSettings.h"

namespace ostrane {

// The fields of the birth place dialog as typed.
struct TPlaceTexts {
  std::string Name;       // the search field: the place's name as chosen or typed
  std::string Latitude;   // decimal degrees or "52n22" (Coordinates.h); empty when unknown
  std::string Longitude;  // decimal degrees or "4e54"; empty when unknown
  std::string TimeZone;   // IANA time-zone id; empty for none
  std::string UtcOffset;  // "+01:00" (Coordinates.h); empty for none
  // The item indices of the choices (ToItemIndex of TDstChoice and TSect).
  std::int32_t Dst = 0;
  std::int32_t Sect = 0;
};

// The place the fields give, or what is wrong with them.
struct TPlaceReading {
  std::optional<TBirthPlace> Place;  // set when Errors is empty
  // One sentence each, in the order of the fields: a coordinate or an
  // offset that cannot be read (the parser's message), a zone the database
  // does not know, one coordinate without the other, coordinates without a
  // zone or an offset, a zone or offset or name without coordinates.
  std::vector<std::string> Errors;
};

// Reads the fields.  Spaces around each text do not count; the name's line
// breaks and other control characters read as spaces (PlainText).  All fields
// empty (the choices aside) give the empty place: no place.  A choice
// outside its range reads as Ask or Computed.
TPlaceReading ReadPlaceTexts(const TPlaceTexts& texts);

// The shortest decimal text of a coordinate that reads back to the same
// degrees (ParseLatitude, ParseLongitude), without an exponent: "52.37403",
// "-4", "0.000000000000000123".
std::string DegreesText(double degrees);

// The fields that show a place: the coordinates as the shortest decimal
// text that reads back to the same degrees, the offset as FormatUtcOffset.
TPlaceTexts PlaceTexts(const TBirthPlace& place);

}  // namespace ostrane
