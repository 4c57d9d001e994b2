// AAF, the plain-text exchange format of astrological chart data (the AAF
// format definition of 3 February 1997), read into chart records and
// written from them.
//
// A file is a stream of records.  A record begins with a "#A93:" chunk line;
// the chunk lines after it ("#ID:" at the start of a line, fields separated
// by commas, white space around a field not counting, "*" for a value that
// is unknown) belong to it up to the next "#A93:".  A line that does not
// begin with '#' continues the chunk before it; "#:" lines are comments.
//   #A93:name,first name,type,date,time,place,country
//        date d.m.yyyy (astronomical year, Julian calendar before 1582-10-15,
//        as the program's calendar), time h:mm or h:mm:ss (also h.mm), the
//        local clock time; type (m, f, e, ...) is not kept
//   #B93:Julian Day UT,latitude,longitude,zone,daylight saving
//        coordinates as 52n22, 4e54 or 33s52:30 (degrees, hemisphere,
//        minutes, seconds); zone as 1he00, 5hw, 0he21:48, 1 (hours east),
//        daylight saving 0, 1 or 2 (hours on top of the zone) or L or m
//        (local mean time, when the zone is '*')
//   #ZNAM:zone name   kept when it is a region's zone id of the time-zone
//                     database ("Europe/Berlin"); an abbreviation ("CET",
//                     "MEZ", "EST") is not used
//   #COM:note         the note; further #COM chunks and continuation lines
//                     add lines to it
// Other chunks (#SRC, #VIA, #LPOS, ...) are skipped.
//
// With #B93 the place takes its coordinates and the UTC offset of the birth
// (zone plus daylight saving, or the Julian Day less the clock time when the
// zone is '*'); the offset is kept only when the #ZNAM zone does not give
// the same one at that time.  Without #B93 the place name ("place, country")
// is looked up in the built-in table as a typed one is, and the record
// takes the place's coordinates and zone but keeps its own name.
//
// A file is UTF-8 when it is valid UTF-8 (a byte order mark dropped), and
// Windows-1252 otherwise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/ChartRecord.h"

namespace ostrane {

// The longest line read, line end not counted.
inline constexpr std::size_t kMaxAafLineBytes = 64 * 1024;

// One record of a file: its chart, or why it was refused.
struct TAafRecord {
  std::int64_t Line = 0;  // the line the record (or the fault) begins on, from 1
  std::optional<TChartRecord> Chart;
  std::string Refusal;  // "Line 7: ..." when Chart is empty
};

// True when the text begins (after a byte order mark, blank lines and
// spaces) with an AAF chunk line: '#', then letters and digits, then ':'.
bool LooksLikeAaf(std::string_view bytes);

// The records of an AAF text, in file order.  Each record's settings start
// from `base` (name, date, time and place replaced by the record's).  Text
// outside any record (a chunk before the first #A93) is a refusal of its
// own.  Never throws for any input.
std::vector<TAafRecord> ReadAaf(std::string_view bytes, const ReleaseSettings& base = {});

// The AAF text (UTF-8, lines ended by CR LF) of the records: #A93, #B93 when
// the place has coordinates, #ZNAM when it has a zone, #COM when there is a
// note.  A comma in a name becomes ';' (AAF fields cannot hold one); the
// place name is split at its last ", " into place and country.
std::string WriteAaf(const std::vector<TChartRecord>& records);

}  // namespace ostrane
