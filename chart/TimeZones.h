// The UTC offset of a birth's clock time, from the time-zone database of the
// system (Debian's tzdata, read through QTimeZone).
//
// The birth's local civil time comes in as a Julian Day (TDate's, of the
// Julian calendar before 1582 October 15 and the Gregorian after), so that
// no calendar is converted here: the instant is counted in milliseconds
// since 1970-01-01 0 h, (JD - 2440587.5) x 86,400,000, on both sides of
// QTimeZone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/ReleaseSettings.h"

class QDateTime;

namespace ostrane {

// The Julian Day of a clock reading in the program's time base, local clock
// time: the reading's own date (Julian calendar before 1582 October 15) and
// time of day, whatever its zone.
double LocalClockJulianDay(const QDateTime& reading);

enum class TZoneStatus {
  Unique,       // the clock time occurred once
  Gap,          // the clocks skipped it (moved forward over it)
  Overlap,      // it occurred twice (the clocks were put back over it)
  UnknownZone,  // the zone id is not in the database
};

struct TZoneOffset {
  std::int32_t Seconds = 0;  // the clock's lead on UTC, east positive
  std::string Abbreviation;  // as the database names it: "CET", "NST", "LMT", "+0530"
  // The zone kept local mean time then (before its first change of clocks,
  // abbreviation "LMT"): Seconds is the birthplace's own, its east
  // longitude x 240 s rounded to the second, not the zone city's.
  bool LocalMeanTime = false;
};

struct TZoneResolution {
  TZoneStatus Status = TZoneStatus::UnknownZone;
  TZoneOffset Offset;  // the offset taken (after the choice, or the manual one)
  // In a gap the offsets before and after the change; in an overlap those of
  // the first and the second occurrence of the clock time; otherwise both
  // equal Offset (unless it is manual).  All 0 for an unknown zone.
  TZoneOffset Earlier;
  TZoneOffset Later;
  bool Manual = false;      // Offset is the manual offset, whatever the zone says
  double UtcJulianDay = 0;  // the local Julian Day less Offset.Seconds / 86,400
};

// True when `zoneId` names a zone of the database: an IANA id the database
// lists ("Europe/Amsterdam", "UTC"), an obsolete name that it keeps as a
// link ("Europe/Kiev", "Japan") or another zone it holds ("CET", "GMT",
// "EST5EDT").  A POSIX rule text that the database does not hold as a zone,
// such as "ABC3" or "EST5", is not a zone here.
bool IsKnownZone(const std::string& zoneId);

// "'<id>' is not a time zone of the time-zone database", without a stop.
std::string UnknownZoneMessage(const std::string& zoneId);

// The offset in force at the local clock time.
//   zoneId         IANA time-zone id
//   localJulianDay the local civil date and time as a Julian Day (kept
//                  within TDate's supported range; NaN counts as its lower end)
//   eastLongitude  the birthplace's longitude in degrees, east positive
//                  (-180 .. 180), for local mean time
//   choice         which offset a gap or an overlap takes (Ask takes Earlier)
//   manualOffset   seconds east of UTC that override the zone's offset
// The zone is resolved even with a manual offset, so that Status, Earlier
// and Later tell what it would have given.
TZoneResolution ResolveTimeZone(const std::string& zoneId, double localJulianDay,
                                double eastLongitude, TDstChoice choice = TDstChoice::Earlier,
                                std::optional<std::int32_t> manualOffset = std::nullopt);

}  // namespace ostrane
