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
