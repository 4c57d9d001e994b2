#include "app/CalendarCommand.h"

#include <QLocale>

#include "app/ListArguments.h"
#include "chart/LocaleText.h"
#include "core/Errors.h"
#include "core/PrintableText.h"
#include "listing/Releasing.h"

namespace ostrane {

bool IsCalendarFlag(const std::string& flag) {
  return flag == "--ics" || flag == "--levels" || flag == "--from" || flag == "--to" ||
         flag == "--ics-remind";
}

bool ReadCalendarSwitch(const std::string& flag, const std::optional<std::string>& value,
                        TCalendarOptions& o) {
  bool* target = flag == "--ics-begins"       ? &o.Begins
                 : flag == "--ics-from-today" ? &o.FromToday
                                              : nullptr;
  if (target == nullptr) return false;
  if (value) throw TUsageError{flag + " takes no value"};
  *target = true;
  return true;
}

void ReadCalendarFlag(const std::string& flag, const std::string& value, TCalendarOptions& o) {
  if (flag == "--ics") {
    if (value.empty()) throw TUsageError{"--ics needs a file name"};
    o.File = value;
  } else if (flag == "--levels") {
    std::string why;
    const std::optional<TCalendarLevels> levels = ParseCalendarLevels(value, &why);
    if (!levels)
      throw TUsageError{"--levels takes a list of the levels 1, 2 and 3 such as 1,2, not '" +
                        value + "': " + why};
    o.Levels = *levels;
    o.LevelsGiven = true;
  } else if (flag == "--from") {
    o.From = MomentValue(flag, value);
  } else if (flag == "--to") {
    o.To = MomentValue(flag, value);
  } else if (flag == "--ics-remind") {
    o.RemindDays = IntegerValue(flag, value, 0, kMaxRemindDays);
    o.RemindGiven = true;
  }
}

void CheckCalendarOptions(const TListRequest& r) {
  const TCalendarOptions& o = r.Calendar;
  if (!o.File) {
    if (o.LevelsGiven || o.From || o.To)
      throw TUsageError{std::string(o.LevelsGiven ? "--levels"
                                    : o.From      ? "--from"
                                                  : "--to") +
                        " goes with --ics"};
    if (o.Begins || o.RemindGiven || o.FromToday)
      throw TUsageError{std::string(o.Begins        ? "--ics-begins"
                                    : o.RemindGiven ? "--ics-remind"
                                                    : "--ics-from-today") +
                        " goes with --ics"};
    return;
  }
  if (o.FromToday && o.From)
    throw TUsageError{"--ics-from-today and --from both set the start of the range"};
  if (r.Csv) throw TUsageError{"--ics writes a calendar; it does not combine with --csv"};
  if (r.At) throw TUsageError{"--ics writes a calendar; it does not combine with --at"};
  if (r.Lots) throw TUsageError{"--ics writes a calendar; it does not combine with --lots"};
  if (r.Batch) throw TUsageError{"--ics writes a calendar; it does not combine with --batch"};
  if (r.Level34Line)
    throw TUsageError{"--ics writes a calendar; it does not combine with --level34"};
  if (o.From && o.To && !(CivilJulianDay(*o.From) < CivilJulianDay(*o.To)))
    throw TUsageError{"--to must be later than --from"};
}

int RunCalendarCommand(const TListRequest& r, std::ostream& err) {
  TCalendarRequest calendar;
  calendar.Settings = r.Settings;
  calendar.Levels = r.Calendar.Levels;
  if (r.Calendar.From) calendar.From = CivilJulianDay(*r.Calendar.From);
  if (r.Calendar.To) calendar.To = CivilJulianDay(*r.Calendar.To);
  calendar.ReleasedFrom = r.ReleaseFrom;
  calendar.Begins = r.Calendar.Begins;
  calendar.RemindDays = r.Calendar.RemindDays;
  calendar.FromToday = r.Calendar.FromToday;
  try {
    TDate date;
    calendar.Start =
        ListingStart(date, r.Settings, TimeLocaleReading(r.Settings.TimeText, QLocale()));
  } catch (const EConvertError& e) {
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  }
  const TCalendarResult result = WriteCalendar(*r.Calendar.File, calendar);
  if (!result.Ok) {
    err << "ostrane-list: cannot write the output: " << PrintableText(*r.Calendar.File) << ": "
        << result.Reason << "\n";
    return 1;
  }
  if (result.LeftOut > 0)
    err << "ostrane-list: " << result.LeftOut
        << " periods outside the years 1 to 9999 were left out of the calendar\n";
  return 0;
}

}  // namespace ostrane
