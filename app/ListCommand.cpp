#include "ListCommand.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "CollectingWindow.h"
#include "Errors.h"
#include "PlaceCommand.h"
#include "Releasing.h"
#include "SettingsFiles.h"

namespace ostrane {
namespace {

constexpr const char* kUsage =
    "Usage: ostrane-list [options]\n"
    "Prints the general and sub-period releasing listing, one line per list line.\n"
    "\n"
    "Birth data (date and time default to now):\n"
    "  --name TEXT            name on the second header line (at most 50 characters)\n"
    "  --year N               -4712 .. 10000\n"
    "  --month N              1 .. 12\n"
    "  --day N                1 .. 31\n"
    "  --time TEXT            time of day, such as 14:30, 2:30 pm or 14:30:15.250\n"
    "Listing settings:\n"
    "  --start-sign S         0 .. 11 or a sign name (default aries)\n"
    "  --type T               0/modern, 1/egyptian or 2/valens (default valens)\n"
    "  --periods N            number of general periods, 1 .. 200 (default 6)\n"
    "  --date-style S         european, american (default) or scientific\n"
    "  --sign-names S         long (default) or short\n"
    "  --loose-bond S         always (default) or never\n"
    "Output:\n"
    "  --level34 K            the level 3 and 4 periods of the K-th data line instead\n"
    "  --csv                  one CSV row per period instead of the list texts\n"
    "Files (loaded first, the options file before the chart file; the other\n"
    "options override them; values out of range are limited as the window does):\n"
    "  --options FILE         an options file (all settings)\n"
    "  --chart FILE           a chart file (name, date, time and start sign)\n"
    "Places:\n"
    "  --find-place TEXT      list the places matching TEXT (a name or its beginning,\n"
    "                         optionally \", CC\" or \", region\") with their latitude,\n"
    "                         longitude and time zone, and nothing else\n"
    "  --help, --version\n";

constexpr const char* kSignNames[12] = {"aries",       "taurus",    "gemini",   "cancer",
                                        "leo",         "virgo",     "libra",    "scorpio",
                                        "sagittarius", "capricorn", "aquarius", "pisces"};

struct UsageError {
  std::string message;
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

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
    throw UsageError{flag + " takes a whole number from " + std::to_string(min) + " to " +
                     std::to_string(max) + ", not '" + text + "'"};
  return static_cast<std::int32_t>(value);
}

// A value given by number or by one of its names.
std::int32_t ChoiceValue(const std::string& flag, const std::string& text,
                         const std::vector<std::string>& names, bool numbersToo) {
  const std::string lower = Lower(text);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (lower == names[i] || (numbersToo && lower == std::to_string(i)))
      return static_cast<std::int32_t>(i);
  }
  std::string list;
  for (const auto& n : names) list += (list.empty() ? "" : ", ") + n;
  throw UsageError{flag + " takes one of " + list + (numbersToo ? " (or its number)" : "") +
                   ", not '" + text + "'"};
}

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

void WriteCsv(std::ostream& out, const std::vector<TCollectingWindow::TPeriod>& periods) {
  TDate date;
  TChronocrator chronocrator;
  out << "level,sign,counter,julian_day,year,month,day,time\n";
  for (const auto& p : periods) {
    std::int64_t ms = 0;
    if (p.Level >= 3) {
      ms = StoreShownMoment(date, p.JulianDay);
    } else {
      // The main listing shows the truncated day; its time stays on that day.
      date.JulianToDate(p.JulianDay);
      ms = std::min(RoundToMilliseconds(date.GetDay() - date.GetDayNumber()),
                    kMillisecondsPerDay - 1);
    }
    std::string sign;
    chronocrator.LongSignName(p.Counter, sign);
    char jd[40];
    std::snprintf(jd, sizeof jd, "%.17g", p.JulianDay);
    out << p.Level << ',' << sign << ',' << p.Counter << ',' << jd << ',' << date.GetYear() << ','
        << date.GetMonth() << ',' << date.GetDayNumber() << ',' << FormatTime24(ms) << '\n';
  }
}

// The options that set one of the listing's input values.
using SettingFlag =
    std::function<void(ReleaseSettings&, const std::string& flag, const std::string& value)>;

const std::map<std::string, SettingFlag>& SettingFlags() {
  static const std::map<std::string, SettingFlag> flags{
      {"--name",
       [](ReleaseSettings& s, const std::string& f, const std::string& v) {
         if (Utf8Length(v) > kMaxNameLength)
           throw UsageError{f + " takes at most " + std::to_string(kMaxNameLength) + " characters"};
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
         s.StartSign = ChoiceValue(f, v, {std::begin(kSignNames), std::end(kSignNames)}, true);
       }},
      {"--type",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.ReleasingType = ChoiceValue(f, v, {"modern", "egyptian", "valens"}, true);
       }},
      {"--periods",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.GeneralPeriods = IntegerValue(f, v, kMinGeneralPeriods, kMaxGeneralPeriods);
       }},
      {"--date-style",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.DateStyle = ChoiceValue(f, v, {"european", "american", "scientific"}, false);
       }},
      {"--sign-names",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         // Listed in the order of the selection index: 0 short, 1 long.
         s.SignNameStyle = ChoiceValue(f, v, {"short", "long"}, false);
       }},
      {"--loose-bond",
       [](ReleaseSettings& s, const auto& f, const auto& v) {
         s.LooseBondType = ChoiceValue(f, v, {"never", "always"}, false);
       }},
  };
  return flags;
}

struct Request {
  ReleaseSettings settings;
  std::optional<int> level34Line;
  bool csv = false;
  std::optional<std::string> optionsFile, chartFile;
  std::optional<std::string> findPlace;
  // The setting options in command-line order, applied again over the files.
  std::vector<std::pair<std::string, std::string>> settingFlags;
};

Request ParseArguments(const std::vector<std::string>& args, std::ostream& out, bool& done) {
  Request r;
  SetToNow(r.settings);
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string flag = args[i];
    std::optional<std::string> value;
    if (const auto eq = flag.find('='); flag.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = flag.substr(eq + 1);
      flag = flag.substr(0, eq);
    }
    if (flag == "--help" || flag == "-h") {
      out << kUsage;
      done = true;
      return r;
    }
    if (flag == "--version") {
      out << "ostrane-list 1.48\n";
      done = true;
      return r;
    }
    if (flag == "--csv") {
      if (value) throw UsageError{"--csv takes no value"};
      r.csv = true;
      continue;
    }
    const auto handler = SettingFlags().find(flag);
    const bool known = handler != SettingFlags().end() || flag == "--level34" ||
                       flag == "--options" || flag == "--chart" || flag == "--find-place";
    if (!known) throw UsageError{"unknown option '" + flag + "'"};
    if (!value) {
      if (i + 1 >= args.size()) throw UsageError{flag + " needs a value"};
      value = args[++i];
    }
    if (flag == "--level34") {
      r.level34Line = IntegerValue(flag, *value, 1, TLineTables::kCapacity);
    } else if (flag == "--options") {
      r.optionsFile = *value;
    } else if (flag == "--chart") {
      r.chartFile = *value;
    } else if (flag == "--find-place") {
      r.findPlace = *value;
    } else {
      handler->second(r.settings, flag, *value);  // checks the value
      r.settingFlags.emplace_back(flag, *value);
    }
  }
  return r;
}

// The settings of the files, the options file first, then the chart file;
// the setting options on top.  Values out of range are limited as restoring
// them into the window's controls limits them.
void LoadFiles(Request& r) {
  if (!r.optionsFile && !r.chartFile) return;
  ReleaseSettings s;
  SetToNow(s);
  if (r.optionsFile) LoadSettingsFile(*r.optionsFile, kOptionsFileLineCount, s);
  if (r.chartFile) LoadSettingsFile(*r.chartFile, kUserDataLineCount, s);
  for (const auto& [flag, value] : r.settingFlags) SettingFlags().at(flag)(s, flag, value);
  r.settings = s;
}

}  // namespace

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Request request;
  try {
    bool done = false;
    request = ParseArguments(args, out, done);
    if (done) return 0;
  } catch (const UsageError& e) {
    err << "ostrane-list: " << e.message << "\n"
        << "Try 'ostrane-list --help' for more information.\n";
    return 2;
  }
  if (request.findPlace) return RunFindPlace(*request.findPlace, out, err);
  try {
    LoadFiles(request);
  } catch (const EInOutError& e) {  // a file that cannot be read
    err << ErrorBoxText(e.what()) << "\n";
    return 1;
  } catch (const EConvertError& e) {  // a bad number line
    err << ErrorBoxText(e.what()) << "\n";
    return 1;
  }

  TCollectingWindow window;
  window.Settings = request.settings;
  TDate date;
  TChronocrator chronocrator;
  TLineTables tables;
  TReleasingListing listing(window, date, chronocrator, tables);
  try {
    listing.BtnCalculateOstraneClick();
  } catch (const EConvertError& e) {
    err << ErrorBoxText(e.what()) << "\n";
    return 1;
  }

  std::ostringstream text;
  if (request.level34Line) {
    const int line = *request.level34Line;
    if (line > tables.Count) {
      err << "ostrane-list: --level34 takes a data line from 1 to " << tables.Count << ", not "
          << line << "\n";
      return 2;
    }
    window.Selected = kHeaderLines + line - 1;
    listing.ListBoxOstraneDblClick();
    if (request.csv)
      WriteCsv(text, window.Level34Periods);
    else
      for (const auto& l : window.Level3Lines) text << l << '\n';
  } else if (request.csv) {
    WriteCsv(text, window.MainPeriods);
  } else {
    for (const auto& l : window.MainLines) text << l << '\n';
  }
  out << text.str();
  return 0;
}

}  // namespace ostrane
