#include "app/ListArguments.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>

#include "Version.h"
#include "chart/BirthChart.h"
#include "chart/BuiltInPlaces.h"
#include "chart/PlaceFields.h"
#include "chart/TimeZones.h"
#include "core/ChoiceText.h"
#include "core/Coordinates.h"
#include "core/Errors.h"
#include "core/PrintableText.h"
#include "listing/Releasing.h"
#include "storage/SettingsFiles.h"

namespace ostrane {
namespace {

constexpr const char* kUsage =
    "Usage: ostrane-list [options]\n"
    "Prints the general and sub-period releasing listing, one line per list line.\n"
    "\n"
    "Birth data (date and time default to now):\n"
    "  --name TEXT            name on the second header line (at most 50 characters,\n"
    "                         no control characters)\n"
    "  --year N               -4712 .. 10000\n"
    "  --month N              1 .. 12\n"
    "  --day N                1 .. 31\n"
    "  --time TEXT            time of day, such as 14:30, 2:30 pm or 14:30:15.250\n"
    "Listing settings:\n"
    "  --start-sign S         0 .. 11 or a sign name (default aries), or fortune or\n"
    "                         spirit: the sign of that lot, computed from the birth\n"
    "                         data and place (Fortune's sign is then set as well);\n"
    "                         likewise eros, necessity, courage, victory or nemesis\n"
    "  --type T               0/modern, 1/egyptian or 2/valens (default valens)\n"
    "  --periods N            number of general periods, 1 .. 200 (default 6)\n"
    "  --date-style S         european, american (default) or scientific\n"
    "  --sign-names S         long (default) or short\n"
    "  --loose-bond S         always (default) or never\n"
    "  --fortune S            the sign of the Lot of Fortune, 0 .. 11 or a name, or none\n"
    "  --angles-from W        fortune (default) or start: what the places (the peak,\n"
    "                         the angular periods) are counted from\n"
    "Output:\n"
    "  --level34 K            the level 3 and 4 periods of the K-th data line instead\n"
    "  --csv                  one CSV row per period instead of the list texts; columns\n"
    "                         level,sign,counter,julian_day,year,month,day,time,\n"
    "                         place_from_fortune,loosing_of_the_bond, then ruler,\n"
    "                         ruler_sign,ruler_house,planets_in_sign: the sign's\n"
    "                         domicile ruler, its sign and whole-sign house in the\n"
    "                         chart and the planets in the sign (names separated by\n"
    "                         spaces; the last three empty without a place)\n"
    "  --at DATETIME          the periods in force at [-]YYYY-MM-DD[THH:MM[:SS]] (local\n"
    "                         clock time, astronomical years, Julian calendar before\n"
    "                         1582-10-15): the CSV columns with end_julian_day\n"
    "                         before ruler, one row per level 1 .. 4\n"
    "                         --csv and --at end with start,end (ISO local date-times\n"
    "                         to the second), age_at_start (completed years) and\n"
    "                         julian_day_ut (julian_day less the birth's UTC offset;\n"
    "                         empty without a place or offset); julian_day stays\n"
    "                         the local clock time\n"
    "  --next N               the next N (1 .. 1000) period beginnings of levels 1 .. 4\n"
    "                         after --at (default now), in time order, as CSV:\n"
    "                         moment,level,sign,end,age,place_from_fortune,\n"
    "                         loosing_of_the_bond,ruler\n"
    "  --ics FILE             write the periods to FILE as an iCalendar file instead,\n"
    "                         one event per period named by the chart's name, the lot\n"
    "                         ('Start sign' for a sign given), the level and the sign\n"
    "                         between middle dots; times in the birth zone, or\n"
    "                         floating local clock times without one (or with\n"
    "                         --utc-offset); dates before 1582-10-15 written as the\n"
    "                         Gregorian date of the same day, as iCalendar dates are\n"
    "                         Gregorian; periods outside the years 1 .. 9999 left out\n"
    "  --levels LIST          the levels of --ics: 1, 2, 3 separated by commas (1,2)\n"
    "  --from DATETIME        --ics: only the periods that overlap [--from, --to),\n"
    "  --to DATETIME          each written whole; dates as --at takes them (default:\n"
    "                         the whole listing)\n"
    "  --ics-from-today       --ics: only the periods that end after today begins\n"
    "                         (not with --from)\n"
    "  --ics-begins           --ics: one all-day event on the day each period begins\n"
    "                         instead of one that spans it\n"
    "  --ics-remind DAYS      --ics: a reminder DAYS (0 .. 365) days before each event;\n"
    "                         0, the default, for none\n"
    "Timeline (a drawing of the general and sub periods instead of the listing):\n"
    "  --timeline FILE        draws them into FILE, a .png, .svg or .pdf file\n"
    "  --from-year YEAR       the first year drawn (default: the listing's first)\n"
    "  --to-year YEAR         the last year drawn (default: the listing's last); whole\n"
    "                         years, astronomical numbering\n"
    "  --width PIXELS         the drawing's width, 200 .. 20000 (default 1600)\n"
    "Report (for a client, instead of the listing):\n"
    "  --report FILE          writes a PDF report to FILE: the birth data, the chart\n"
    "                         wheel with the planets and lots (with a place), the\n"
    "                         general and sub periods with their marks, the timeline\n"
    "                         of both lots and the periods in force at --at (default\n"
    "                         now) with the next twelve changes; A4 pages, Letter\n"
    "                         where the locale measures in US units\n"
    "Files (loaded first, the options file before the chart file; the other\n"
    "options override them; values out of range are limited as the window does):\n"
    "  --options FILE         an options file (all settings)\n"
    "  --chart FILE           a chart file (name, date, time and start sign)\n"
    "Birth place (for the chart and the lots; with a place and no Fortune given,\n"
    "Fortune's sign is computed for the places of the periods):\n"
    "  --place NAME           the most populous place of that name in the built-in table;\n"
    "                         \"NAME, CC\" narrows it by country code or region\n"
    "  --lat DEG --lon DEG    latitude and longitude, north and east positive: decimal\n"
    "                         degrees or forms such as 52n22 and 4e54\n"
    "  --tz ZONE              an IANA time-zone id (default: the place's zone)\n"
    "  --utc-offset OFFSET    a UTC offset such as +01:00 or -05:30 that overrides the zone\n"
    "  --dst-choice W         earlier or later: the offset of a clock time that the\n"
    "                         clocks skipped or showed twice\n"
    "  --sect S               day or night in place of the Sun's altitude\n"
    "  --zodiac Z             tropical (default), fagan-bradley or lahiri: sidereal\n"
    "                         longitudes are the tropical ones less that ayanamsa\n"
    "  --lot-formula F        sect (default: the lots reversed by night) or day (the\n"
    "                         day formula always)\n"
    "  --sect-horizon H       geometric (default: the Sun's centre above altitude 0)\n"
    "                         or visible (above -0.833, refraction and the Sun's radius)\n"
    "  --lots                 print the chart and the lots as CSV (key,value) instead of\n"
    "                         a listing: latitude, longitude, time_zone,\n"
    "                         utc_offset_seconds, julian_day_ut, julian_day_tt, sun, moon,\n"
    "                         ascendant, sun_altitude, sect, fortune, spirit,\n"
    "                         fortune_sign, spirit_sign, mercury, venus, mars, jupiter,\n"
    "                         saturn, eros, necessity, courage, victory, nemesis,\n"
    "                         eros_sign, necessity_sign, courage_sign, victory_sign,\n"
    "                         nemesis_sign, zodiac, ayanamsa, lot_formula, sect_horizon;\n"
    "                         longitudes in the chosen zodiac\n"
    "A whole collection of charts:\n"
    "  --batch IN.csv         the lots and the periods in force at each row's event, as\n"
    "                         CSV (- for standard input); see the manual page for the\n"
    "                         columns.  The options above give the defaults of the rows\n"
    "                         (the time 12:00 unless --time is given), --at the event\n"
    "                         of a row without event_date.  An AAF file (told by its\n"
    "                         content) is read whole; one bad record refuses it\n"
    "  --output OUT.csv       where --batch writes (default - , standard output)\n"
    "  --quiet                no progress line on a terminal\n"
    "Places:\n"
    "  --find-place TEXT      list the places matching TEXT (a name or its beginning,\n"
    "                         optionally \", CC\" or \", region\") with their latitude,\n"
    "                         longitude and time zone, and nothing else\n"
    "Chart library:\n"
    "  --charts               write the charts of the chart library as CSV instead, in\n"
    "                         the input columns of --batch: name,date,time,place,\n"
    "                         latitude,longitude,time_zone,utc_offset,release_from,\n"
    "                         type,loose_bond,periods,zodiac,lot_formula,\n"
    "                         sect_horizon, then tags (separated by \", \") and note\n"
    "  --import FILE ...      adds the charts of the files to the chart library\n"
    "                         instead: AAF, CSV in the columns above or chart files,\n"
    "                         told by content; a file with a bad record adds nothing\n"
    "  --export FILE          writes the charts of the library to FILE instead, as AAF\n"
    "                         (.aaf) or CSV (.csv) by the name's end\n"
    "  --library FILE         the chart library of --charts, --import and --export\n"
    "                         (default: the user's, charts.sqlite in the program's\n"
    "                         data folder)\n"
    "  --help, --version\n"
    "\n"
    "Times (--time and the time line of a file) are read as the window reads its\n"
    "time field under the system's locale (LC_ALL, LC_TIME, LC_NUMERIC, LANG), such\n"
    "as 9.01.16 in Finnish, and otherwise as 14:30, 14:30:15.250 or 2:30 pm.  The\n"
    "Julian Date line of a file is not used.\n";

// A value given by number or by one of its names.
std::int32_t ChoiceValue(const std::string& flag, const std::string& text,
                         const std::vector<std::string>& names, bool numbersToo) {
  if (const auto index = ChoiceIndex(text, names, numbersToo)) return *index;
  throw TUsageError{flag + " takes one of " + ChoiceList(names) +
                    (numbersToo ? " (or its number)" : "") + ", not '" + text + "'"};
}

// The characters (code points) of well-formed UTF-8 text.
std::size_t Utf8Length(const std::string& s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

void SetToNow(ReleaseSettings& s) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  s.Year = local.tm_year + 1900;
  s.MonthIndex = local.tm_mon;
  s.Day = local.tm_mday;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  s.TimeText = buffer;
}

// A value converted by a parser that throws EConvertError, as a usage error.
template <class Convert>
auto Converted(const std::string& flag, Convert convert) {
  try {
    return convert();
  } catch (const EConvertError& e) {
    throw TUsageError{flag + ": " + e.what()};
  }
}

// The options that are applied after the others, whatever their order: a
// time zone or offset given with a place overrides the place's own.
bool AppliedLast(const std::string& flag) {
  return flag == "--tz" || flag == "--utc-offset";
}

// The options that set one of the listing's input values.
using SettingFlag =
    std::function<void(ReleaseSettings&, const std::string& flag, const std::string& value)>;

// The options of the place's fields (PlaceFieldTable): a text field read by
// its parser, a choice by its name or number.
void AddPlaceFlags(std::map<std::string, SettingFlag>& flags) {
  for (const TPlaceFieldInfo& info : PlaceFieldTable()) {
    if (!info.Flag) continue;
    const TPlaceField field = info.Field;
    flags[info.Flag] = [field](ReleaseSettings& s, const std::string& f, const std::string& v) {
      const std::vector<std::string>& names = PlaceFieldInfo(field).Choices;
      if (names.empty()) {
        Converted(f, [&] { ReadPlaceField(s.Place, field, v); });
      } else if (field == TPlaceField::Dst) {
        s.Place.Dst = FromItemIndex<TDstChoice>(ChoiceValue(f, v, names, false));
      } else {
        s.Place.Sect = FromItemIndex<TSect>(ChoiceValue(f, v, names, false));
      }
    };
  }
}

const std::map<std::string, SettingFlag>& SettingFlags() {
  static std::map<std::string, SettingFlag> flags{
      {"--name",
       [](ReleaseSettings& s, const std::string& f, const std::string& v) {
         // It is listed and saved as it is: nothing a terminal would act on.
         if (!IsPrintableText(v))
           throw TUsageError{f +
                             " takes UTF-8 text without line breaks or other control characters"};
         if (Utf8Length(v) > kMaxNameLength)
           throw TUsageError{f + " takes at most " + std::to_string(kMaxNameLength) +
                             " characters"};
         s.Name = v;
       }},
      {"--year", [](ReleaseSettings& s, const auto& f,
                    const auto& v) { s.Year = IntegerValue(f, v, kMinYear, kMaxYear); }},
      {"--month", [](ReleaseSettings& s, const auto& f,
                     const auto& v) { s.MonthIndex = IntegerValue(f, v, 1, 12) - 1; }},
      {"--day", [](ReleaseSettings& s, const auto& f,
                   const auto& v) { s.Day = IntegerValue(f, v, kMinDay, kMaxDay); }},
      {"--time", [](ReleaseSettings& s, const auto&, const auto& v) { s.TimeText = v; }},
      {"--start-sign",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         const std::string lower = LowerAscii(v);
         if (LotOfText(v)) return;  // resolved from the chart
         s.StartSign = ChoiceValue(f, v, SignKeys(), true);
       }},
      {"--place",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         const TPlace* place = BuiltInPlaces().BestMatch(v);
         if (!place) {
           const std::string nearest = NearestPlaceLabels(v);
           throw TUsageError{f + ": no place matches '" + v + "'" +
                             (nearest.empty() ? "" : "; nearest names: " + nearest)};
         }
         SetBirthPlace(s.Place, *place);
       }},
      {"--type",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.ReleasingType = FromItemIndex<TReleasingType>(
             ChoiceValue(f, v, {"modern", "egyptian", "valens"}, true));
       }},
      {"--periods",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.GeneralPeriods = IntegerValue(f, v, kMinGeneralPeriods, kMaxGeneralPeriods);
       }},
      {"--date-style",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.DateStyle = FromItemIndex<TDateStyle>(
             ChoiceValue(f, v, {"european", "american", "scientific"}, false));
       }},
      {"--sign-names",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         // Listed in the order of the selection index: 0 short, 1 long.
         s.SignNameStyle =
             FromItemIndex<TSignNameStyle>(ChoiceValue(f, v, {"short", "long"}, false));
       }},
      {"--loose-bond",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.LooseBondType = FromItemIndex<TLooseBond>(ChoiceValue(f, v, {"never", "always"}, false));
       }},
      {"--fortune",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.FortuneSign =
             LowerAscii(v) == "none" ? kNoSelection : ChoiceValue(f, v, SignKeys(), true);
       }},
      {"--zodiac",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.Place.Variants.Zodiac = FromItemIndex<TZodiac>(ChoiceValue(f, v, ZodiacKeys(), false));
       }},
      {"--lot-formula",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.Place.Variants.LotFormula =
             FromItemIndex<TLotFormula>(ChoiceValue(f, v, LotFormulaKeys(), false));
       }},
      {"--sect-horizon",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.Place.Variants.SectHorizon =
             FromItemIndex<TSectHorizon>(ChoiceValue(f, v, SectHorizonKeys(), false));
       }},
      {"--angles-from",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.AnglesFrom = FromItemIndex<TAnglesFrom>(ChoiceValue(f, v, {"fortune", "start"}, false));
       }},
  };
  static const bool placeFlags = (AddPlaceFlags(flags), true);
  (void)placeFlags;
  return flags;
}

}  // namespace

std::int32_t IntegerValue(const std::string& flag, const std::string& text, std::int32_t min,
                          std::int32_t max) {
  std::size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(text, &used, 10);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || value < min || value > max)
    throw TUsageError{flag + " takes a whole number from " + std::to_string(min) + " to " +
                      std::to_string(max) + ", not '" + text + "'"};
  return static_cast<std::int32_t>(value);
}

TCivilMoment MomentValue(const std::string& flag, const std::string& text) {
  std::string why;
  const std::optional<TCivilMoment> moment = ParseIsoDateTime(text, &why);
  if (!moment)
    throw TUsageError{flag + " takes [-]YYYY-MM-DD[THH:MM[:SS]], not '" + text + "': " + why};
  return *moment;
}

std::pair<std::string, std::optional<std::string>> SplitFlag(const std::string& argument) {
  const auto eq = argument.find('=');
  if (argument.rfind("--", 0) != 0 || eq == std::string::npos) return {argument, std::nullopt};
  return {argument.substr(0, eq), argument.substr(eq + 1)};
}

std::optional<TLot> LotOfText(const std::string& text) {
  const std::string lower = LowerAscii(text);
  for (const TLot lot : kLots)
    if (lower == LotKey(lot)) return lot;
  return std::nullopt;
}

const char* ListUsage() {
  return kUsage;
}

namespace {

// Reads the value of a known option that takes one.  Throws TUsageError.
void ReadValue(TListRequest& r, const std::string& flag, const std::string& value) {
  if (flag == "--level34") {
    r.Level34Line = IntegerValue(flag, value, 1, kTabledLines);
  } else if (flag == "--options") {
    r.OptionsFile = value;
  } else if (flag == "--at") {
    r.At = MomentValue(flag, value);
    r.AtText = value;
  } else if (flag == "--next") {
    r.Next = IntegerValue(flag, value, 1, kMaxNextChanges);
  } else if (flag == "--batch") {
    r.Batch = value;
  } else if (flag == "--output") {
    r.Output = value;
  } else if (flag == "--find-place") {
    r.FindPlace = value;
  } else if (flag == "--chart") {
    r.ChartFile = value;
  } else if (flag == "--library") {
    r.Library = value;
  } else if (flag == "--import") {
    r.ImportFiles.push_back(value);
  } else if (flag == "--export") {
    r.ExportFile = value;
  } else if (flag == "--report") {
    r.ReportFile = value;
  } else if (IsCalendarFlag(flag)) {
    ReadCalendarFlag(flag, value, r.Calendar);
  } else {
    SettingFlags().at(flag)(r.Settings, flag, value);  // checks the value
    r.SettingFlags.emplace_back(flag, value);
    if (flag == "--fortune") r.FortuneGiven = true;
    if (flag == "--start-sign") r.ReleaseFrom = LotOfText(value);
  }
}

// The options that do not combine.  Throws TUsageError.
void CheckCombinations(const TListRequest& r) {
  if (r.Batch && (r.Lots || r.Level34Line || r.Csv))
    throw TUsageError{"--batch does not combine with --lots, --level34 or --csv"};
  if (r.Lots && (r.At || r.Level34Line || r.Csv))
    throw TUsageError{"--lots prints the chart; it does not combine with --at, --level34 or --csv"};
  if (r.At && r.Level34Line)
    throw TUsageError{"--at lists the periods in force; it does not combine with --level34"};
  if (r.Next && (r.Batch || r.Lots || r.Level34Line || r.Calendar.File || r.Timeline.File))
    throw TUsageError{
        "--next lists the coming periods; it does not combine with --batch, --lots, --level34, "
        "--ics or --timeline"};
  const int libraryCommands =
      int{r.Charts} + int{!r.ImportFiles.empty()} + int{r.ExportFile.has_value()};
  if (r.Library && libraryCommands == 0)
    throw TUsageError{"--library names the chart library of --charts, --import or --export"};
  if (libraryCommands > 1)
    throw TUsageError{"--charts, --import and --export are three commands: give one at a time"};
  if (libraryCommands == 1 && (r.Batch || r.Lots || r.At || r.Next || r.Level34Line || r.Csv ||
                               r.Calendar.File || r.Timeline.File || r.FindPlace || r.ReportFile))
    throw TUsageError{
        std::string(r.Charts                 ? "--charts"
                    : !r.ImportFiles.empty() ? "--import"
                                             : "--export") +
        " works on the chart library; it does not combine with --batch, --lots, --at, --next, "
        "--level34, --csv, --ics, --timeline, --report or --find-place"};
  CheckCalendarOptions(r);
  CheckTimelineOptions(r);
  CheckReportOptions(r);
}

}  // namespace

TListRequest ParseListArguments(const std::vector<std::string>& allArgs, std::ostream& out,
                                bool& done) {
  TListRequest r;
  const std::vector<std::string> args =
      HasTimelineFlag(allArgs) ? TakeTimelineOptions(allArgs, r.Timeline) : allArgs;
  SetToNow(r.Settings);
  for (std::size_t i = 0; i < args.size(); ++i) {
    auto [flag, value] = SplitFlag(args[i]);
    if (flag == "--help" || flag == "-h") {
      out << ListUsage();
      done = true;
      return r;
    }
    if (flag == "--version") {
      out << "ostrane-list " << kVersion << "\n";
      done = true;
      return r;
    }
    if (flag == "--quiet") {
      if (value) throw TUsageError{"--quiet takes no value"};
      r.Quiet = true;
      continue;
    }
    if (flag == "--lots") {
      if (value) throw TUsageError{"--lots takes no value"};
      r.Lots = true;
      continue;
    }
    if (flag == "--csv") {
      if (value) throw TUsageError{"--csv takes no value"};
      r.Csv = true;
      continue;
    }
    if (ReadCalendarSwitch(flag, value, r.Calendar)) continue;
    if (flag == "--charts") {
      if (value) throw TUsageError{"--charts takes no value"};
      r.Charts = true;
      continue;
    }
    const auto handler = SettingFlags().find(flag);
    const bool known = handler != SettingFlags().end() || flag == "--level34" ||
                       flag == "--options" || flag == "--chart" || flag == "--at" ||
                       flag == "--next" || flag == "--find-place" || flag == "--batch" ||
                       flag == "--output" || flag == "--library" || flag == "--report" ||
                       flag == "--import" || flag == "--export" || IsCalendarFlag(flag);
    if (!known) throw TUsageError{"unknown option '" + EchoedText(flag) + "'"};
    if (!value) {
      if (i + 1 >= args.size()) throw TUsageError{flag + " needs a value"};
      value = args[++i];
    }
    if ((flag == "--options" || flag == "--chart" || flag == "--output" || flag == "--library" ||
         flag == "--report" || flag == "--import" || flag == "--export") &&
        value->empty())
      throw TUsageError{flag + " needs a file name"};
    try {
      ReadValue(r, flag, *value);
    } catch (TUsageError& e) {
      // A message echoes at most the beginning of a long value.
      e.Message = WithEchoedText(std::move(e.Message), *value);
      throw;
    }
    // --import takes the files that follow it up to the next option.
    if (flag == "--import")
      while (i + 1 < args.size() && !args[i + 1].starts_with("-")) {
        if (args[i + 1].empty()) throw TUsageError{"--import needs a file name"};
        r.ImportFiles.push_back(args[++i]);
      }
  }
  // The time zone and offset last, over a place's own.
  for (const auto& [flag, value] : r.SettingFlags)
    if (AppliedLast(flag)) SettingFlags().at(flag)(r.Settings, flag, value);
  CheckCombinations(r);
  return r;
}

void LoadListFiles(TListRequest& r) {
  if (!r.OptionsFile && !r.ChartFile) return;
  ReleaseSettings s;
  SetToNow(s);
  if (r.OptionsFile) LoadSettingsFile(*r.OptionsFile, kOptionsFileLineCount, s);
  if (r.ChartFile) LoadSettingsFile(*r.ChartFile, kUserDataLineCount, s);
  for (const auto& [flag, value] : r.SettingFlags)
    if (!AppliedLast(flag)) SettingFlags().at(flag)(s, flag, value);
  for (const auto& [flag, value] : r.SettingFlags)
    if (AppliedLast(flag)) SettingFlags().at(flag)(s, flag, value);
  r.Settings = s;
}

}  // namespace ostrane
