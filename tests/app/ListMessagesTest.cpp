// The messages of ostrane-list: offending text shown with what a terminal
// would act on escaped, and the name refused when it holds control
// characters.
#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ListCommand.h"

using namespace ostrane;

namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

Result RunList(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Result result;
  result.status = RunListCommand(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

const std::string kTry = "Try 'ostrane-list --help' for more information.\n";

TEST(ListMessages, OffendingTextReachesNoTerminalAsItIs) {
  QTemporaryDir dir;
  const std::string chart = dir.filePath("chart.txt").toStdString();
  std::ofstream(chart, std::ios::binary) << "Name\r\n\x1b[2J\r\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"--time", "12:00\x1b[2J"}, 1, "'12:00\\x1b[2J' is not a valid time.\n"},
      {{"--time",
        "\xC2\x9B"
        "31m"},
       1,
       "'\\u009b31m' is not a valid time.\n"},
      {{"--year", "19\x1b]0;x\x07"},
       2,
       "ostrane-list: --year takes a whole number from -4712 to 10000, not "
       "'19\\x1b]0;x\\x07'\n" +
           kTry},
      {{"--\x1b[31mred"}, 2, "ostrane-list: unknown option '--\\x1b[31mred'\n" + kTry},
      {{"--type", "\xFF\xFE"},
       2,
       "ostrane-list: --type takes one of modern, egyptian, valens (or its number), not "
       "'\\xff\\xfe'\n" +
           kTry},
      {{"--find-place", "Par\x1b[2J"}, 1, "No place matches 'Par\\x1b[2J'.\n"},
      {{"--tz", "Bad\x1b[1mZone"},
       2,
       "ostrane-list: --tz: 'Bad\\x1b[1mZone' is not a time zone of the time-zone database\n" +
           kTry},
      {{"--lat", "52", "--lon", "4", "--tz", "Europe/Amsterdam", "--lots", "--time", "1\x1b"},
       1,
       "'1\\x1b' is not a valid time.\n"},
      {{"--batch", "/nonexistent/\x1b[2J.csv"},
       1,
       "ostrane-list: cannot read '/nonexistent/\\x1b[2J.csv'\n"},
      {{"--ics", "/nonexistent/\x1b[2J.ics", "--year", "2000"},
       1,
       "ostrane-list: cannot write the output: /nonexistent/\\x1b[2J.ics: No such file or "
       "directory\n"},
      {{"--ics", "/nonexistent/x.ics", "--time", "1\x1b"}, 1, "'1\\x1b' is not a valid time.\n"},
      {{"--chart", chart},
       1,
       "Line 2 of '" + chart + "': '\\x1b[2J' is not a valid integer value.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    const Result r = RunList(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }
}

// The chart of a birth (--lots, --start-sign fortune) and the calendar
// (--ics) read the time as the listing does: under the system's locale, or
// in the "C" forms.
TEST(ListLocale, TheChartAndTheCalendarReadTheTimeAsTheListingDoes) {
  const QLocale before;
  QLocale::setDefault(QLocale("fi_FI"));
  const std::vector<std::string> place = {"--lat", "60.17",           "--lon",  "24.94",
                                          "--tz",  "Europe/Helsinki", "--year", "2000"};
  for (const char* time : {"9.01.16", "09:01:16"}) {
    SCOPED_TRACE(time);
    std::vector<std::string> args = place;
    args.insert(args.end(), {"--time", time});
    std::vector<std::string> lots = args;
    lots.push_back("--lots");
    const Result chart = RunList(lots);
    EXPECT_EQ(chart.status, 0) << chart.err;
    EXPECT_NE(chart.out.find("\nfortune_sign,"), std::string::npos);
    args.insert(args.end(), {"--start-sign", "fortune"});
    const Result listing = RunList(args);
    EXPECT_EQ(listing.status, 0) << listing.err;
    QTemporaryDir dir;
    const Result calendar =
        RunList({"--ics", dir.filePath("periods.ics").toStdString(), "--time", time});
    EXPECT_EQ(calendar.status, 0) << calendar.err;
  }
  QLocale::setDefault(before);
}

TEST(ListMessages, AnEmptyFileNameIsAUsageError) {
  for (const auto& args :
       {std::vector<std::string>{"--options", ""}, std::vector<std::string>{"--chart="}}) {
    const std::string flag = args[0].substr(0, args[0].find('='));
    SCOPED_TRACE(flag);
    const Result r = RunList(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "ostrane-list: " + flag + " needs a file name\n" + kTry);
  }
}

TEST(ListMessages, TheNameTakesTextWithoutControlCharacters) {
  const std::string e = "\xC3\xA9", smile = "\xF0\x9F\x98\x80";
  auto repeated = [](const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
  };
  const std::string refused =
      "ostrane-list: --name takes UTF-8 text without line breaks or other control characters\n" +
      kTry;
  const std::string tooLong = "ostrane-list: --name takes at most 50 characters\n" + kTry;
  const struct {
    const char* what;
    std::string name;
    std::string err;  // empty: taken
  } cases[] = {
      {"plain", "Time Lords", ""},
      {"50 two-byte characters", repeated(e, 50), ""},
      {"50 four-byte characters", repeated(smile, 50), ""},
      {"51 two-byte characters", repeated(e, 51), tooLong},
      {"51 ASCII characters", std::string(51, 'n'), tooLong},
      {"a line break", "Two\nLines", refused},
      {"a carriage return", "Name\r", refused},
      {"an escape sequence", "\x1b[2JName", refused},
      {"a C1 control", "Name\xC2\x9B", refused},
      {"not UTF-8", "Jos\xE9", refused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Result r = RunList({"--name", c.name, "--year", "2000", "--periods", "1"});
    EXPECT_EQ(r.status, c.err.empty() ? 0 : 2);
    EXPECT_EQ(r.err, c.err);
    if (c.err.empty()) {
      EXPECT_NE(r.out.find("\n" + c.name + "\n"), std::string::npos) << "the name is listed";
    }
  }
}

}  // namespace
