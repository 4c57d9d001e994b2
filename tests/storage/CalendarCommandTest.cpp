// ostrane-list --ics, run as a process: the calendar file it writes, read
// back with libical, holds the listing's periods of the chosen levels and
// range; bad values and failed writes end as the other options do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarExport.h"
#include "CalendarTestSupport.h"
#include "IsoDateText.h"
#include "LineFile.h"
#include "ListProcess.h"
#include "PeriodSpans.h"
#include "TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

using Args = std::vector<std::string>;

const Args kWorked{"--name=Time Lords", "--year=2000", "--month=1",       "--day=1",
                   "--time=12:00",      "--periods=2", "--fortune=cancer"};

Args Worked(const Args& more) {
  Args args = kWorked;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

double Moment(const char* text) {
  return CivilJulianDay(*ParseIsoDateTime(text));
}

TEST(CalendarCommand, WritesTheListingsPeriods) {
  const struct {
    const char* name;
    Args flags;
    TCalendarLevels levels;
    const char* from;
    const char* to;
  } cases[] = {
      {"the default levels, the whole listing", {}, kDefaultCalendarLevels, nullptr, nullptr},
      {"level 1", {"--levels", "1"}, CalendarLevel(1), nullptr, nullptr},
      {"levels 3 and 2", {"--levels=3,2"}, CalendarLevel(2) | CalendarLevel(3), nullptr, nullptr},
      {"from and to",
       {"--levels", "1,2,3", "--from", "2003-07-14", "--to", "2003-08-01T06:00"},
       kAllCalendarLevels,
       "2003-07-14",
       "2003-08-01T06:00"},
      {"from only",
       {"--from", "2014-10-14T12:00:00"},
       kDefaultCalendarLevels,
       "2014-10-14T12:00:00",
       nullptr},
      {"to only",
       {"--to", "2001-03-26 12:00"},
       kDefaultCalendarLevels,
       nullptr,
       "2001-03-26 12:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.Path("periods.ics");
    Args flags = c.flags;
    flags.insert(flags.end(), {"--ics", path});
    const RunResult run = RunList(dir, Worked(flags));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "") << "nothing printed on success";
    EXPECT_EQ(run.err, "");

    TCalendarRequest expected = WorkedExample();
    expected.Levels = c.levels;
    if (c.from) expected.From = Moment(c.from);
    if (c.to) expected.To = Moment(c.to);
    TChronocrator chronocrator;
    std::vector<TPeriodSpan> periods;
    for (const TPeriodSpan& p : PeriodSpans(chronocrator, expected.Settings, expected.Start, 3,
                                            expected.From, expected.To))
      if (c.levels & CalendarLevel(p.Level)) periods.push_back(p);

    const ReadCalendar read = ParseCalendar(ReadBytes(path));
    ASSERT_TRUE(read.Parsed);
    ASSERT_EQ(read.Events.size(), periods.size());
    for (std::size_t i = 0; i < periods.size(); ++i) {
      SCOPED_TRACE(read.Events[i].Summary);
      EXPECT_EQ(read.Events[i].Summary, PeriodSummary(expected.Settings, periods[i]));
      EXPECT_TRUE(read.Events[i].Start == CalendarTime(periods[i].Start));
      EXPECT_TRUE(read.Events[i].End == CalendarTime(periods[i].End));
      EXPECT_EQ(read.Events[i].Uid, PeriodUid(expected, periods[i]))
          << "the same UID as the window's export of the same chart";
      EXPECT_FALSE(read.Events[i].Zoned);
    }
  }
}

TEST(CalendarCommand, TheWorkedExamplesFirstPeak) {
  TempDir dir;
  const std::string path = dir.Path("worked.ics");
  ASSERT_EQ(RunList(dir, Worked({"--ics", path})).status, 0);
  const ReadCalendar read = ParseCalendar(ReadBytes(path));
  ASSERT_EQ(read.Events.size(), 19u);
  EXPECT_EQ(read.Events[0].Summary, "L1 Aries: peak (10th from Fortune)");
  EXPECT_EQ(read.Events[1].Summary, "L2 Aries: peak (10th from Fortune)");
  EXPECT_EQ(CalendarTimeText(read.Events[0].Start), "20000101T120000");
  EXPECT_EQ(CalendarTimeText(read.Events[0].End), "20141014T120000");
}

TEST(CalendarCommand, BadValuesAreUsageErrors) {
  const struct {
    const char* name;
    Args flags;  // after the worked example's
    const char* message;
  } cases[] = {
      {"a level 4", {"--ics", "c.ics", "--levels", "1,4"}, "--levels takes"},
      {"an empty level list", {"--ics", "c.ics", "--levels", ""}, "--levels takes"},
      {"a bad --from", {"--ics", "c.ics", "--from", "2000-02-30"}, "--from takes"},
      {"a bad --to", {"--ics", "c.ics", "--to", "tomorrow"}, "--to takes"},
      {"--to before --from",
       {"--ics", "c.ics", "--from", "2001-01-01", "--to", "2000-01-01"},
       "--to must be later than --from"},
      {"--levels without --ics", {"--levels", "1"}, "--levels goes with --ics"},
      {"--from without --ics", {"--from", "2001-01-01"}, "--from goes with --ics"},
      {"no file name", {"--ics", ""}, "--ics needs a file name"},
      {"no value", {"--ics"}, "--ics needs a value"},
      {"with --csv", {"--ics", "c.ics", "--csv"}, "does not combine with --csv"},
      {"with --at", {"--ics", "c.ics", "--at", "2001-01-01"}, "does not combine with --at"},
      {"with --level34", {"--ics", "c.ics", "--level34", "1"}, "does not combine with --level34"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const RunResult run = RunList(dir, Worked(c.flags));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind(std::string("ostrane-list: "), 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(FileExists(dir.Path("c.ics")));
  }
}

TEST(CalendarCommand, FailedWritesKeepTheOldFile) {
  const std::string old = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const struct {
    const char* name;
    const char* target;  // in the directory
    Args flags;
    const char* reason;
  } cases[] = {
      {"a path under a regular file", "old.ics/new.ics", {}, "Not a directory"},
      {"a directory of that name", "folder", {}, "Filename refers to a directory"},
      {"no period in the range",
       "old.ics",
       {"--from", "1990-01-01", "--to", "1999-01-01"},
       "no period of the levels 1 and 2 lies in the chosen range of dates"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteBytes(dir.Path("old.ics"), old);
    dir.MakeDir("folder");
    const std::string target = dir.Path(c.target);
    Args flags = c.flags;
    flags.insert(flags.end(), {"--ics", target});
    const RunResult run = RunList(dir, Worked(flags));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("ostrane-list: cannot write the output: " + target + ": ", 0), 0u)
        << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(dir.Path("old.ics")), old);
  }
}

TEST(CalendarCommand, PeriodsOutsideTheYearsAreLeftOutWithANote) {
  TempDir dir;
  const std::string path = dir.Path("late.ics");
  const RunResult run = RunList(dir, Worked({"--year", "9990", "--ics", path}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "ostrane-list: 12 periods outside the years 1 to 9999 were left out of the calendar\n");
  const ReadCalendar read = ParseCalendar(ReadBytes(path));
  EXPECT_EQ(read.Events.size(), 19u - 12u);
}

}  // namespace
