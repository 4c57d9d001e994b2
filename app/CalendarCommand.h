// ostrane-list --ics: the periods of the listing written as an iCalendar
// file instead of being printed (calendar/CalendarExport.h).
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "calendar/CalendarExport.h"
#include "core/IsoDateText.h"

namespace ostrane {

struct TListRequest;

struct TCalendarOptions {
  std::optional<std::string> File;                  // --ics FILE
  TCalendarLevels Levels = kDefaultCalendarLevels;  // --levels LIST
  bool LevelsGiven = false;
  // --from and --to, the range of moments [From, To); the whole listing
  // when not given.
  std::optional<TCivilMoment> From, To;
  bool Begins = false;  // --ics-begins: one all-day event on each period's first day
  int RemindDays = 0;   // --ics-remind DAYS, 0 .. kMaxRemindDays; 0 for no reminder
  bool RemindGiven = false;
  bool FromToday = false;  // --ics-from-today: the periods that end after today begins
};

// True for the options of the calendar that take a value: --ics, --levels,
// --from, --to, --ics-remind.
bool IsCalendarFlag(const std::string& flag);

// Takes --ics-begins or --ics-from-today, which take no value, and returns
// true; false for any other flag.  Throws TUsageError when a value is given.
bool ReadCalendarSwitch(const std::string& flag, const std::optional<std::string>& value,
                        TCalendarOptions& options);

// Takes the value of one of them.  Throws TUsageError naming the flag.
void ReadCalendarFlag(const std::string& flag, const std::string& value, TCalendarOptions& options);

// Throws TUsageError when the calendar options do not go together with each
// other or with the other options of the request.
void CheckCalendarOptions(const TListRequest& request);

// Writes the calendar of the request's listing (its settings and birth data
// as the other outputs take them) to the --ics file.  Prints nothing on
// success but a note on `err` when periods were left out for their years;
// returns 1 with the reason on `err` when the birth time is not a time or
// the file cannot be written, else 0.
int RunCalendarCommand(const TListRequest& request, std::ostream& err);

}  // namespace ostrane
