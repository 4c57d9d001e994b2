#include "app/ListCommand.h"

#include <unistd.h>

#include <QLocale>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <ostream>
#include <sstream>

#include "app/BatchCommand.h"
#include "app/CalendarCommand.h"
#include "app/ChartCommand.h"
#include "app/LibraryCommand.h"
#include "app/ListArguments.h"
#include "app/ListOutput.h"
#include "app/PlaceCommand.h"
#include "app/ReportCommand.h"
#include "app/TimelineCommand.h"
#include "chart/LocaleText.h"
#include "core/Errors.h"
#include "core/PrintableText.h"
#include "listing/InForce.h"
#include "listing/Listing.h"
#include "listing/NextChanges.h"
#include "listing/Releasing.h"
#include "storage/ChartLibrary.h"
#include "storage/SettingsFiles.h"

namespace ostrane {
namespace {

// What the columns after the ruler's are read from.
TSpanColumnsBirth SpanBirth(const TListRequest& request) {
  const ReleaseSettings& s = request.Settings;
  return TSpanColumnsBirth{s.Year, s.MonthIndex + 1, s.Day, request.UtcOffsetSeconds};
}

// The present moment as a Julian Day of the system's local clock time.
double NowJulianDay() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const std::int64_t ms = ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000;
  return CivilJulianDay(TCivilMoment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, ms});
}

// The next period beginnings after the request's moment (or now) in the
// listing `main`, as CSV; a note when the listing ends before the count.
void WriteNext(const TListRequest& request, const TListing& main, std::ostream& out,
               std::ostream& err) {
  const double moment = request.At ? CivilJulianDay(*request.At) : NowJulianDay();
  const TNextChanges next = NextChanges(main, request.Settings, moment, *request.Next);
  WriteNextCsv(out, next.Periods, SpanBirth(request));
  if (next.ListingEnded)
    err << "ostrane-list: note: the listed general periods end after " << next.Periods.size()
        << " of the " << *request.Next << " beginnings asked for; list more with --periods\n";
}

// The periods in force at the request's moment in the listing `main`, as CSV.
int WriteInForce(const TListRequest& request, const TListing& main, std::ostream& out,
                 std::ostream& err) {
  const TInForce inForce = PeriodsInForce(main, request.Settings, CivilJulianDay(*request.At));
  if (inForce.Status != TInForceStatus::InForce) {
    err << "ostrane-list: " << PrintableText(EchoedText(request.AtText)) << ": "
        << InForceStatusText(inForce.Status) << "\n";
    return 1;
  }
  WriteInForceCsv(out, inForce, request.Chart ? &*request.Chart : nullptr, SpanBirth(request));
  return 0;
}

}  // namespace

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TListRequest request;
  try {
    bool done = false;
    request = ParseListArguments(args, out, done);
    if (done) return 0;
  } catch (const TUsageError& e) {
    err << "ostrane-list: " << PrintableText(e.Message) << "\n"
        << "Try 'ostrane-list --help' for more information.\n";
    return 2;
  }
  if (request.FindPlace) return RunFindPlace(*request.FindPlace, out, err);
  const std::string library = request.Library ? *request.Library : TChartLibrary::DefaultPath();
  if (request.Charts) return RunChartsCommand(library, out, err);
  if (!request.ImportFiles.empty()) return RunImportCommand(library, request.ImportFiles, out, err);
  if (request.ExportFile) return RunExportCommand(library, *request.ExportFile, err);
  try {
    LoadListFiles(request);
  } catch (const EInOutError& e) {  // a file that cannot be read
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  } catch (const EFileLineError& e) {  // a bad number line: named with its place
    err << PrintableText(ErrorBoxText(e.Located())) << "\n";
    return 1;
  } catch (const EConvertError& e) {  // a bad key=value line
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  }

  if (request.Lots) return WriteLots(request, out, err);
  if (request.Batch) {
    TBatchOptions options;
    options.Defaults.Settings = request.Settings;
    const bool timeGiven = std::any_of(request.SettingFlags.begin(), request.SettingFlags.end(),
                                       [](const auto& f) { return f.first == "--time"; });
    if (!timeGiven && !request.ChartFile && !request.OptionsFile)
      options.Defaults.Settings.TimeText = "12:00";
    if (request.ReleaseFrom) options.Defaults.ReleaseFrom = LotKey(*request.ReleaseFrom);
    if (std::any_of(request.SettingFlags.begin(), request.SettingFlags.end(),
                    [](const auto& f) { return f.first == "--start-sign"; }) &&
        !request.ReleaseFrom)
      options.Defaults.ReleaseFrom = std::to_string(request.Settings.StartSign);
    options.Defaults.Event = request.At;
    options.Progress = !request.Quiet && isatty(2);
    return RunBatchCommand(*request.Batch, request.Output, options, out, err);
  }
  if (const int status = ApplyBirthChart(request, err); status != 0) return status;
  if (request.Timeline.File) return RunTimelineCommand(request, err);
  if (request.ReportFile) return RunReportCommand(request, err);
  if (request.Calendar.File) return RunCalendarCommand(request, err);

  // The time as the window reads it under the system's locale, or in the
  // "C" forms.
  const TimeLocale locale = TimeLocaleReading(request.Settings.TimeText, QLocale());
  const TListing main = ListGeneral(request.Settings, locale);
  if (main.Ending == TListingEnd::TimeRefused) {
    err << PrintableText(ErrorBoxText(main.Refusal)) << "\n";
    return 1;
  }
  std::ostringstream text;
  if (request.Next) {
    WriteNext(request, main, text, err);
    out << text.str();
    return 0;
  }
  if (request.At) {
    const int status = WriteInForce(request, main, text, err);
    if (status != 0) return status;
    out << text.str();
    return 0;
  }

  const TListing* shown = &main;
  TListing level34;
  if (request.Level34Line) {
    const int line = *request.Level34Line;
    if (line > TabledLines(main)) {
      err << "ostrane-list: --level34 takes a data line from 1 to " << TabledLines(main) << ", not "
          << line << "\n";
      return 2;
    }
    level34 = ListLevel34(request.Settings, main, DataLineOfRow(main, kHeaderLines + line - 1));
    shown = &level34;
  }
  if (request.Csv) {
    WriteCsv(text, *shown, request.Chart ? &*request.Chart : nullptr, SpanBirth(request));
  } else {
    // The name line comes from a file or the command line: shown, not acted on.
    for (const auto& l : shown->Header) text << PrintableText(l) << '\n';
    for (const auto& l : shown->Lines) text << PrintableText(l.Text) << '\n';
  }
  out << text.str();
  return 0;
}

}  // namespace ostrane
