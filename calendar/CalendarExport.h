// The periods of a listing as an iCalendar file (RFC 5545), one event
// (VEVENT) per period, for calendar programs.  Written with libical.
//
// The periods are exactly those of PeriodSpans: a general period (level 1)
// runs to the next one, a sub period (level 2) to the next line, the first
// sub period of a general period being an event of its own; level 3
// periods as the level 3/4 listing gives them, cut at their sub period's
// end.
//
// Times are floating local date-times (no time zone, no UTC "Z"): the
// program's moments are local clock times, so a calendar shows them at the
// same clock time wherever it is.  Each moment is rounded to the nearest
// second.  iCalendar dates are Gregorian-calendar dates, also before the
// reform: a moment before 1582-10-15, which the listing shows as a date of
// the Julian calendar, is written as the Gregorian date of the same instant
// (the listing's 1582-10-04 is the calendar's 1582-10-14), so calendar
// programs place it correctly.  iCalendar years have four digits: periods
// that begin before the year 1 or end after the year 9999 (Gregorian) are
// left out.
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
};

// The summary of a period's event: "L2 Libra: peak (10th from Fortune)" for
// the angles (places 10, 1, 7 and 4, counted as the settings choose:
// "from the start sign" when counted from it), plain "L1 Capricorn"
// otherwise, with ", loosing of the bond" added when it is one.
std::string PeriodSummary(const ReleaseSettings& settings, const TPeriodSpan& period);

// The description: the level (with the chart's name, its control
// characters but the tab as spaces: iCalendar text holds none), the sign,
// the place (or "unknown") and whether it is the loosing of the bond, one
// per line; with the birth chart `chart` (may be null) last the ruler read
// in it: "Ruler: Saturn, in Leo (8th house), the sect malefic; Mars in
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
