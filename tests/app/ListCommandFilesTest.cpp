// ostrane-list --options and --chart, run as a process.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "listing/Listing.h"
#include "listing/Releasing.h"
#include "storage/SettingsFiles.h"
#include "tests/support/ListProcess.h"
#include "tests/support/NamedPipe.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

// The main list of a listing of `settings`, one line each, as the window
// holds it after restoring them.
std::string Listing(const ReleaseSettings& settings) {
  const TListing listing = ListGeneral(settings, TimeLocale{});
  std::string text;
  for (const std::string& line : listing.Header) text += line + "\n";
  for (const TListedLine& line : listing.Lines) text += line.Text + "\n";
  return text;
}

ReleaseSettings Saved() {
  ReleaseSettings s;
  s.Name =
      "Ren\xC3\xA9"
      "e";
  s.MonthIndex = 6;
  s.Day = 21;
  s.Year = 1948;
  s.TimeText = "2:30 pm";
  s.JulianDateText = "ignored by the listing";
  s.StartSign = 4;
  s.ReleasingType = TReleasingType::Modern;
  s.GeneralPeriods = 14;
  s.DateStyle = TDateStyle::European;
  s.SignNameStyle = TSignNameStyle::Short;
  s.LooseBondType = TLooseBond::Always;
  return s;
}

TEST(ListCommandFiles, OptionsFileReproducesTheListing) {
  TempDir dir;
  const std::string options = dir.Path(kOptionsFileName);
  ASSERT_TRUE(SaveOptionsFile(options, Saved()).Ok);
  const RunResult run = RunList(dir, {"--options", options});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, Listing(Saved()));
  EXPECT_NE(run.out, Listing(ReleaseSettings()));
}

TEST(ListCommandFiles, ChartFileSetsTheBirthDataOnly) {
  TempDir dir;
  const std::string chart = dir.Path("chart.txt"), options = dir.Path(kOptionsFileName);
  ReleaseSettings birth;
  birth.Name = "Chart";
  birth.MonthIndex = 1;
  birth.Day = 3;
  birth.Year = 1870;
  birth.TimeText = "06:00";
  birth.StartSign = 11;
  ASSERT_TRUE(SaveUserDataFile(chart, birth).Ok);
  ASSERT_TRUE(SaveOptionsFile(options, Saved()).Ok);

  // The chart file alone: the listing options stay the command's defaults.
  ReleaseSettings expected = birth;
  RunResult run = RunList(dir, {"--chart", chart});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Listing(expected));

  // Over an options file, in either order: the chart's seven values win.
  expected = Saved();
  for (const int line : {1, 2, 3, 4, 5, 6, 7})
    ApplyLine(expected, line, UserDataLines(birth)[static_cast<std::size_t>(line - 1)]);
  for (const auto& args : {std::vector<std::string>{"--chart", chart, "--options", options},
                           std::vector<std::string>{"--options", options, "--chart", chart}}) {
    SCOPED_TRACE(args[0]);
    run = RunList(dir, args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Listing(expected));
  }
}

TEST(ListCommandFiles, OtherOptionsOverrideTheFile) {
  TempDir dir;
  const std::string options = dir.Path(kOptionsFileName);
  ASSERT_TRUE(SaveOptionsFile(options, Saved()).Ok);
  ReleaseSettings expected = Saved();
  expected.GeneralPeriods = 3;
  expected.Name = "Flag";
  expected.SignNameStyle = TSignNameStyle::Long;
  const std::vector<std::vector<std::string>> orders = {
      {"--options", options, "--periods", "3", "--name", "Flag", "--sign-names", "long"},
      {"--periods", "3", "--name=Flag", "--sign-names", "long", "--options", options},
      {"--periods", "3", "--options=" + options, "--name", "Flag", "--sign-names=long"},
  };
  for (const auto& args : orders) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const RunResult run = RunList(dir, args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Listing(expected));
  }
}

// A value out of a control's range lists as the value it is limited to.
// Compared as CSV, which shows the unreduced sign counters too.
TEST(ListCommandFiles, OutOfRangeValuesAreLimited) {
  const struct {
    int line;
    const char* raw;
    const char* limited;
  } cases[] = {
      {kDayLine, "45", "31"},           {kDayLine, "0", "1"},
      {kYearLine, "20000", "10000"},    {kYearLine, "$FFFF", "10000"},
      {kMonthLine, "12", "-1"},         {kMonthLine, "-7", "-1"},
      {kStartSignLine, "12", "-1"},     {kGeneralPeriodsLine, "0", "1"},
      {kGeneralPeriodsLine, "-3", "1"},
  };
  TempDir dir;
  const std::string raw = dir.Path("raw.txt"), limited = dir.Path("limited.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + " holding " + c.raw);
    std::vector<std::string> lines = OptionsFileLines(Saved());
    lines[static_cast<std::size_t>(c.line - 1)] = c.raw;
    ASSERT_TRUE(WriteLines(raw, lines).Ok);
    lines[static_cast<std::size_t>(c.line - 1)] = c.limited;
    ASSERT_TRUE(WriteLines(limited, lines).Ok);
    const RunResult fromRaw = RunList(dir, {"--options", raw, "--csv"});
    const RunResult fromLimited = RunList(dir, {"--options", limited, "--csv"});
    EXPECT_EQ(fromRaw.status, 0) << fromRaw.err;
    EXPECT_EQ(fromLimited.status, 0) << fromLimited.err;
    EXPECT_FALSE(fromRaw.out.empty());
    EXPECT_EQ(fromRaw.out, fromLimited.out);
  }
}

// A file saved by the window under a Finnish locale holds the time as
// "9.01.16"; the command line reads it under that locale as the window does,
// and the "C" forms under any locale.
TEST(ListCommandFiles, TheTimeIsReadAsTheWindowReadsItUnderTheSystemLocale) {
  TempDir dir;
  const std::string options = dir.Path(kOptionsFileName);
  ReleaseSettings expected = Saved();
  expected.TimeText = "09:01:16";
  const struct {
    const char* locale;
    const char* fileTime;  // the time line of the file
    const char* flagTime;  // --time, when given
    const char* error;     // when the time is not read
  } cases[] = {
      {"fi_FI.UTF-8", "9.01.16", nullptr, nullptr},
      {"fi_FI.UTF-8", "09:01:16", nullptr, nullptr},
      {"fi_FI.UTF-8", "x", "9.01.16", nullptr},
      {"de_DE.UTF-8", "9:01:16,000", nullptr, nullptr},
      {"C", "9:01:16", nullptr, nullptr},
      {"C", "9.01.16", nullptr, "'9.01.16' is not a valid time.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " '" + c.fileTime + "'");
    ReleaseSettings saved = Saved();
    saved.TimeText = c.fileTime;
    saved.JulianDateText = "2461383,87587963";
    ASSERT_TRUE(SaveOptionsFile(options, saved).Ok);
    std::vector<std::string> args = {"--options", options};
    if (c.flagTime) args.insert(args.end(), {"--time", c.flagTime});
    const RunResult run = RunList(dir, args, c.locale);
    if (c.error) {
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err, c.error);
      continue;
    }
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out == Listing(expected)) << "listed at another time";
  }
}

TEST(ListCommandFiles, BadFileFailsWithTheMessage) {
  TempDir dir;
  const std::string bad = dir.Path("bad.txt"), missing = dir.Path("none.txt"),
                    huge = dir.Path("huge.txt"), folder = dir.MakeDir("folder");
  WriteBytes(bad, "Name\r\n1\r\n5 \r\n");
  WriteBytes(huge, std::string(kMaxLineBytes + 1, 'x'));
  NamedPipe pipe(dir.Path("pipe.txt"));
  ASSERT_TRUE(pipe.Made());
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--options", bad}, "Line 3 of '" + bad + "': '5 ' is not a valid integer value.\n"},
      {{"--chart", bad, "--day", "4"},
       "Line 3 of '" + bad + "': '5 ' is not a valid integer value.\n"},
      {{"--chart", missing}, "Cannot open '" + missing + "': No such file or directory.\n"},
      {{"--options", folder}, "Cannot open '" + folder + "': Is a directory.\n"},
      {{"--options", huge}, "Line 1 of '" + huge + "' is too long.\n"},
      {{"--options", pipe.Path()}, "Cannot open '" + pipe.Path() + "': Not a regular file.\n"},
      {{"--chart", "/dev/null"}, "Cannot open '/dev/null': Not a regular file.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    const RunResult run = RunList(dir, c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(pipe.BlockedAReader()) << "ostrane-list waited for a writer";
}

}  // namespace
