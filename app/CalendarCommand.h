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
};

// True for the options of the calendar: --ics, --levels, --from, --to.
bool IsCalendarFlag(const std::string& flag);

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
