// The periods of a listing as an iCalendar file (RFC 5545), one event
// (VEVENT) per period, for calendar programs.  Written with libical.
//
// The periods are exactly those of PeriodSpans: a general period (level 1)
// runs to the next one, a sub period (level 2) to the next line, the first
// sub period of a general period being an event of its own; level 3
// periods as the level 3/4 listing gives them, cut at their sub period's
// end.
//
// Times are the program's local clock times, counted on the birth's clock.
// With a known birth zone (an IANA id that libical finds in the system's
// tzdata, no manual UTC offset, a birth time the zone resolves) they are the
// same moments on the zone's clock, which follows daylight-saving time, in
// that zone (DTSTART;TZID=Europe/Amsterdam:...), and the calendar holds the
// zone's VTIMEZONE; otherwise they are floating local date-times (no time
// zone, no UTC "Z"), shown at the same clock time wherever the calendar is.
// Each moment is rounded to the nearest second.
// As a choice, each period is a one-day event on the day it begins (an
// all-day DATE) instead of an event that spans it.
//
// iCalendar dates are Gregorian-calendar dates, also before the reform: a
// moment before 1582-10-15, which the listing shows as a date of the Julian
// calendar, is written as the Gregorian date of the same instant (the
// listing's 1582-10-04 is the calendar's 1582-10-14), so calendar programs
// place it correctly.  iCalendar years have four digits: periods that begin
// before the year 1 or end after the year 9999 (Gregorian) are left out;
// one-day events only when they begin outside these years.
#pragma once

#include <cstdint>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "astro/Lots.h"
#include "core/ReleaseSettings.h"
#include "listing/PeriodSpans.h"

namespace ostrane {

// The levels a calendar holds, as bits: CalendarLevel(level) for each of
// the levels 1 .. 3.
using TCalendarLevels = unsigned;
constexpr TCalendarLevels CalendarLevel(int level) {
  return 1u << (level - 1);
}
inline constexpr TCalendarLevels kDefaultCalendarLevels = CalendarLevel(1) | CalendarLevel(2);
inline constexpr TCalendarLevels kAllCalendarLevels = kDefaultCalendarLevels | CalendarLevel(3);

// Reads a list of levels such as "1,2" or "1,2,3": the digits 1 .. 3
// separated by single commas, in any order, each at most once; nothing else
// may stand before, between or after.  On any other text returns nothing
// and puts the reason into `why` when given.
std::optional<TCalendarLevels> ParseCalendarLevels(std::string_view text,
                                                   std::string* why = nullptr);

// The levels in words: "1, 2 and 3", "2".
std::string CalendarLevelsText(TCalendarLevels levels);

// The years iCalendar can write.
inline constexpr std::int64_t kMinCalendarYear = 1, kMaxCalendarYear = 9999;

// A moment as the calendar file writes it: a date of the proleptic
// Gregorian calendar and a time of day in whole seconds.
struct TCalendarTime {
  std::int64_t Year = 1;  // astronomical numbering; may lie outside 1 .. 9999
  int Month = 1;          // 1 .. 12
  int Day = 1;            // 1 .. 31
  int Hour = 0;           // 0 .. 23
  int Minute = 0;         // 0 .. 59
  int Second = 0;         // 0 .. 59

  bool operator==(const TCalendarTime&) const = default;
};

// The moment of a Julian Day (local clock time, -1e9 .. 1e9) rounded to the
// nearest second, in the Gregorian calendar: from 1582-10-15 on the date the
// program's calendar (TDate) gives, before it the Gregorian date of the same
// instant (see above).
TCalendarTime CalendarTime(double julianDay);

// "YYYYMMDDTHHMMSS", the floating DATE-TIME of iCalendar, for a year of
// 1 .. 9999.
std::string CalendarTimeText(const TCalendarTime& time);

// The most days a reminder can come before its event.
inline constexpr int kMaxRemindDays = 365;

// What to export.
struct TCalendarRequest {
  // The listing's settings and birth data; with a known birth place the
  // descriptions read each period's ruler in the chart of the birth there
  // (ComputeBirthChart at Start).
  ReleaseSettings Settings;
  double Start = 0.0;  // the birth moment, Julian Day (ListingStart)
  TCalendarLevels Levels = kDefaultCalendarLevels;
  // Only the periods that overlap [From, To) (Julian Days, local clock
  // time); each is written whole.
  double From = -std::numeric_limits<double>::infinity();
  double To = std::numeric_limits<double>::infinity();
  // DTSTAMP, seconds since 1970-01-01 UTC; 0 for the time of the export.
  std::time_t Stamp = 0;
  // The lot whose sign the periods are released from; none when the start
  // sign was given as a sign.  Named in the summaries.
  std::optional<TLot> ReleasedFrom;
  // One all-day event on the day each period begins instead of one that
  // spans the period.
  bool Begins = false;
  // A reminder (VALARM, ACTION:DISPLAY) this many days before each event,
  // 0 .. kMaxRemindDays; 0 for none.
  int RemindDays = 0;
  // Only the periods that end after the day of the export began (the
  // system's local date of Stamp, or of now), besides [From, To).
  bool FromToday = false;
};

// The zone the times of the calendar are written in: the birth place's
// IANA zone when it has no manual UTC offset and libical knows the zone;
// empty for floating times.
std::string CalendarZone(const TBirthPlace& place);

// The Julian Day (local clock time) of the midnight that begins the day of
// `now` (seconds since 1970-01-01 UTC) in the system's local time.
double DayStartJulianDay(std::time_t now);

// The summary of a period's event: the chart's name, what it is released
// from (the lot, or "Start sign") and the level and sign, joined by middle
// dots: "Jane Doe · Spirit · L2 Leo" (UTF-8).  The name's control
// characters but the tab are spaces (iCalendar text holds none); a name of
// nothing but spaces is left out.
std::string PeriodSummary(const ReleaseSettings& settings, std::optional<TLot> releasedFrom,
                          const TPeriodSpan& period);

// The place of a period in the marks' words: "10th from Fortune: the peak",
// "7th from the start sign: angular" (the 1st, 4th and 7th), "5th from
// Fortune", or "Place from Fortune: unknown" when Fortune's sign is not
// known.
std::string PeriodPlaceText(const ReleaseSettings& settings, const TPeriodSpan& period);

// The description: the level (with the chart's name, its control
// characters but the tab as spaces), the sign, the place (PeriodPlaceText),
// "the loosing of the bond (LB): a turning point" when it is one, one per
// line; with the birth chart `chart` (may be null) last the ruler read in
// it: "Ruler: Saturn, in Leo (8th house), the sect malefic; Mars in
// Capricorn".
std::string PeriodDescription(const ReleaseSettings& settings, const TPeriodSpan& period,
                              const TChart* chart = nullptr);

// The event's UID: the same for the same period of the same chart, so that
// a calendar updates the event on a new export instead of adding it again.
// Derived from the chart (name, birth moment, releasing type, start sign,
// loose bond) and the period (level, unreduced sign counter, start): 32 hex
// digits of a SHA-256 hash, then "@ostrane".
std::string PeriodUid(const TCalendarRequest& request, const TPeriodSpan& period);

// The calendar as text (lines ended by CR LF), with the number of events it
// holds and of the periods left out for their years.
struct TCalendarText {
  std::string Text;
  int Events = 0;
  int LeftOut = 0;
};
TCalendarText CalendarText(const TCalendarRequest& request);

struct TCalendarResult {
  bool Ok = true;
  // Why the file was not written, naming the file; empty when it was.
  std::string Message;
  // The reason alone; empty when it was written.
  std::string Reason;
  int Events = 0;   // written
  int LeftOut = 0;  // left out for their years
};

// Writes the calendar to the file: through a temporary file in the same
// folder that replaces the old file only when everything was written, so
// that on failure the old file keeps its content.  Fails, writing nothing,
// when no period of the chosen levels lies in the range.
TCalendarResult WriteCalendar(const std::string& fileName, const TCalendarRequest& request);

// The moment at which the last general period of the listing ends.
double ListingEnd(const ReleaseSettings& settings, double start);

}  // namespace ostrane
