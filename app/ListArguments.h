// The command line of ostrane-list: its options, read into a request.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/CalendarCommand.h"
#include "app/ReportCommand.h"
#include "app/TimelineCommand.h"
#include "astro/Lots.h"
#include "core/IsoDateText.h"
#include "core/Planets.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

// A usage error: exit status 2, the message after "ostrane-list: ".
struct TUsageError {
  std::string Message;
};

struct TListRequest {
  ReleaseSettings Settings;
  std::optional<int> Level34Line;  // --level34: the K-th data line, from 1
  bool Csv = false;
  bool Lots = false;
  std::optional<std::string> Batch;  // --batch: a collection instead, "-" standard input
  std::string Output = "-";          // --output of --batch
  bool Quiet =
      false;  // --quiet: no progress line  // --lots: the chart and the lots instead of a listing
  // The lot whose sign --start-sign releases from; none for a sign given.
  std::optional<TLot> ReleaseFrom;
  bool FortuneGiven = false;       // --fortune was given
  std::optional<TCivilMoment> At;  // --at: the periods in force instead
  std::string AtText;
  // --next: the next N period beginnings after --at (or now) instead, 1 .. 1000.
  std::optional<int> Next;
  std::optional<std::string> OptionsFile, ChartFile;
  std::optional<std::string> FindPlace;   // --find-place: search the places instead
  bool Charts = false;                    // --charts: the chart library as CSV instead
  std::optional<std::string> Library;     // --library: its file; the user's by default
  std::vector<std::string> ImportFiles;   // --import FILE ...: added to the library instead
  std::optional<std::string> ExportFile;  // --export FILE: the library written to it instead
  TCalendarOptions Calendar;              // --ics and its options
  TTimelineOptions Timeline;              // --timeline and its options
  std::optional<std::string> ReportFile;  // --report FILE: the report for a client instead
  // The setting options in command-line order, applied again over the files.
  std::vector<std::pair<std::string, std::string>> SettingFlags;
  // The birth chart once ApplyBirthChart has computed it (for the rulers of
  // --csv and --at).
  std::optional<TChart> Chart;
  // The birth's UTC offset in seconds east, once ApplyBirthChart knows it (a
  // chart computed, or --utc-offset given), for julian_day_ut.
  std::optional<std::int32_t> UtcOffsetSeconds;
};

// The largest count --next takes.
inline constexpr int kMaxNextChanges = 1000;

// The lot a --start-sign value names (fortune .. nemesis, any letter case),
// or none.
std::optional<TLot> LotOfText(const std::string& text);

// An argument as flag and value: "--year=2000" gives "--year" and "2000";
// any other argument gives itself and no value.
std::pair<std::string, std::optional<std::string>> SplitFlag(const std::string& argument);

// The whole number `text` given to `flag`, from `min` to `max`; throws
// TUsageError naming the flag and the range otherwise.
std::int32_t IntegerValue(const std::string& flag, const std::string& text, std::int32_t min,
                          std::int32_t max);

// The moment `text` given to `flag` as [-]YYYY-MM-DD[THH:MM[:SS]]; throws
// TUsageError naming the flag and the fault otherwise.
TCivilMoment MomentValue(const std::string& flag, const std::string& text);

// The usage text of --help.
const char* ListUsage();

// Reads the arguments (without the program name) once, for every command.
// With --timeline its options are taken out first (TakeTimelineOptions).
// --help and --version write their text to `out` and set `done`.  Throws
// TUsageError.
TListRequest ParseListArguments(const std::vector<std::string>& args, std::ostream& out,
                                bool& done);

// The settings of the files, the options file first, then the chart file;
// the setting options on top.  Values out of range are limited as restoring
// them into the window's controls limits them.  Throws EInOutError and
// EConvertError as LoadSettingsFile does, TUsageError as the options do.
void LoadListFiles(TListRequest& request);

}  // namespace ostrane
