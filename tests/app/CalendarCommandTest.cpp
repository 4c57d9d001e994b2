// ostrane-list --ics, run as a process: the file it writes, read back with
// libical, holds the listing's periods of the chosen levels and range; a
// failed write leaves the old file.  (Its usage errors: tests/cli.)
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/IsoDateText.h"
#include "tests/support/CalendarTestSupport.h"
#include "tests/support/ListProcess.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

using Args = std::vector<std::string>;

Args With(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

Args Worked(Args more) {
  Args args{"--name=Time Lords", "--year=2000", "--month=1",       "--day=1",
            "--time=12:00",      "--periods=2", "--fortune=cancer"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CalendarCommand, WritesTheListingsPeriods) {
  const struct {
    const char* name;
    Args flags;
    TCalendarLevels levels;
    const char *from, *to;
  } cases[] = {
      {"the defaults", {}, kDefaultCalendarLevels, nullptr, nullptr},
      {"level 1", {"--levels", "1"}, CalendarLevel(1), nullptr, nullptr},
      {"a range",
       {"--levels=3,2", "--from", "2003-07-14", "--to", "2003-08-01T06:00"},
       CalendarLevel(2) | CalendarLevel(3),
       "2003-07-14",
       "2003-08-01T06:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    Args flags = c.flags;
    flags.insert(flags.end(), {"--ics", dir.Path("out.ics")});
    const RunResult run = RunList(dir, Worked(flags));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "") << "nothing printed on success";
    TCalendarRequest expected = WorkedExample();
    expected.Levels = c.levels;
    if (c.from) expected.From = CivilJulianDay(*ParseIsoDateTime(c.from));
    if (c.to) expected.To = CivilJulianDay(*ParseIsoDateTime(c.to));
    ExpectEventsArePeriods(ParseCalendar(ReadBytes(dir.Path("out.ics"))), expected);
  }
}

TEST(CalendarCommand, TheChoicesReachTheFile) {
  TempDir dir;
  const auto run = [&dir](Args flags) {
    flags.insert(flags.end(), {"--ics", dir.Path("out.ics")});
    const RunResult result = RunList(dir, Worked(flags));
    EXPECT_EQ(result.status, 0) << result.err;
    return ParseCalendar(ReadBytes(dir.Path("out.ics")));
  };
  // From today (the periods listed reach past it) with reminders.
  const ReadCalendar today = run({"--periods=4", "--ics-from-today", "--ics-remind", "5"});
  TCalendarRequest expected = WorkedExample();
  expected.Settings.GeneralPeriods = 4;
  expected.FromToday = true;
  expected.Stamp = icaltime_as_timet(today.Stamp);
  ExpectEventsArePeriods(today, expected);
  ASSERT_FALSE(today.Events.empty());
  for (const ReadEvent& e : today.Events)
    EXPECT_EQ(e.Alarms, std::vector<std::string>{"DISPLAY -P5D"}) << e.Summary;

  // A place: the times in its zone, and the lot released from named.
  const Args amsterdam{"--place", "Amsterdam, North Holland, NL"};
  Args spirit = amsterdam;
  spirit.insert(spirit.end(), {"--start-sign", "spirit"});
  const struct {
    const char* name;
    Args flags;
    const char* summary;  // of the first event, to the level
    const char* zone;
    bool allDay;
  } cases[] = {
      {"a place", amsterdam, "Time Lords \u00B7 Start sign \u00B7 L1 ", "Europe/Amsterdam", false},
      {"from Spirit, begins", With(spirit, {"--ics-begins"}), "Time Lords \u00B7 Spirit \u00B7 L1 ",
       "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReadCalendar read = run(c.flags);
    ASSERT_FALSE(read.Events.empty());
    const ReadEvent& first = read.Events[0];
    EXPECT_EQ(first.Summary.rfind(c.summary, 0), 0u) << first.Summary;
    EXPECT_EQ(first.StartZone, c.zone);
    EXPECT_EQ(read.Zones, *c.zone ? std::vector<std::string>{c.zone} : std::vector<std::string>{});
    EXPECT_EQ(first.AllDay, c.allDay);
  }
}

TEST(CalendarCommand, FailedWritesKeepTheOldFile) {
  const std::string old = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const struct {
    const char* target;
    Args flags;
    const char* reason;
  } cases[] = {
      {"old.ics/new.ics", {}, "Not a directory"},
      {"folder", {}, "Filename refers to a directory"},
      {"old.ics", {"--to", "1999-01-01"}, "no period of the levels 1 and 2 lies in the chosen"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    TempDir dir;
    WriteBytes(dir.Path("old.ics"), old);
    dir.MakeDir("folder");
    Args flags = c.flags;
    flags.insert(flags.end(), {"--ics", dir.Path(c.target)});
    const RunResult run = RunList(dir, Worked(flags));
    EXPECT_EQ(run.status, 1);
    const std::string said = "ostrane-list: cannot write the output: " + dir.Path(c.target) + ": ";
    EXPECT_EQ(run.err.rfind(said + c.reason, 0), 0u) << run.err;
    EXPECT_EQ(ReadBytes(dir.Path("old.ics")), old);
  }
}

}  // namespace
