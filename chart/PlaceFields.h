// The fields of a birth place as text: the one table of them that the options
// and chart files, the command line, the batch and the Birth Place dialog
// read a place by, the dialog's fields read into a TBirthPlace, and the
// fields that show a place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ReleaseSettings.h"

namespace ostrane {

// A field of a place.
enum class TPlaceField { Name, Latitude, Longitude, TimeZone, UtcOffset, Dst, Sect };

// How each reader of text names a field.
struct TPlaceFieldInfo {
  TPlaceField Field;
  const char* FileKey;  // its key=value line in the options and chart files
  const char* Flag;     // its option of ostrane-list; nullptr when it has none
  const char* Column;   // its column of the batch; nullptr when it has none
  // A choice's names by item index (Dst: ask, earlier, later; Sect: computed,
  // day, night); empty for a text field.
  std::vector<std::string> Choices;
};

// The fields in the order they are read and their faults reported: name,
// latitude, longitude, time zone, UTC offset, dst choice, sect.
const std::vector<TPlaceFieldInfo>& PlaceFieldTable();
const TPlaceFieldInfo& PlaceFieldInfo(TPlaceField field);

// Reads `text` (as given: no spaces are taken off) into the field of
// `place`: the name as it is; a latitude, longitude or UTC offset by its
// parser (Coordinates.h); a time zone that the database knows; a choice as
// the files write it, empty for the first choice (Ask, Computed) and the name
// of another.  Throws EConvertError with the parser's message, for a zone
// UnknownZoneMessage, for a choice "'x' is neither earlier nor later"; the
// place is then left as it was.
void ReadPlaceField(TBirthPlace& place, TPlaceField field, const std::string& text);

// Takes the field's value away: no coordinate, zone or offset, an empty
// name, the first choice.
void ClearPlaceField(TBirthPlace& place, TPlaceField field);

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
