// The calendar's choices, the written file read back with libical: one-day
// "begins" events, reminders, times in the birth zone with its VTIMEZONE
// (floating without one) and the range from today.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calendar/CalendarExport.h"
#include "tests/support/CalendarTestSupport.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

TEST(CalendarChoices, BeginsEventsAreAllDayOnTheFirstDayOfEachPeriod) {
  TCalendarRequest spans = WorkedExample();
  spans.Settings.Place.TimeZone = "Europe/Amsterdam";  // all-day events need no zone
  TCalendarRequest begins = spans;
  begins.Begins = true;
  const ReadCalendar span = ParseCalendar(CalendarText(spans).Text);
  const ReadCalendar read = ParseCalendar(CalendarText(begins).Text);
  ASSERT_EQ(read.Events.size(), span.Events.size());
  EXPECT_TRUE(read.Zones.empty());
  for (std::size_t i = 0; i < read.Events.size(); ++i) {
    const ReadEvent &e = read.Events[i], &s = span.Events[i];
    SCOPED_TRACE(s.Summary);
    EXPECT_TRUE(e.AllDay);
    EXPECT_EQ(e.StartZone, "");
    EXPECT_EQ(CalendarTimeText(e.Start).substr(0, 8), CalendarTimeText(s.Start).substr(0, 8));
    EXPECT_EQ(e.Summary, s.Summary);
    EXPECT_EQ(e.Uid, s.Uid) << "the same period, so a calendar replaces the span";
  }
  // The birth at noon on 2000-01-01: a day ending with the 2nd.
  EXPECT_EQ(CalendarTimeText(read.Events[0].Start), "20000101T000000");
  EXPECT_EQ(CalendarTimeText(read.Events[0].End), "20000102T000000");
  // Ending after the year 9999 no longer leaves a period out: it begins
  // before.
  begins.Start = spans.Start = 5369833.0;
  EXPECT_EQ(CalendarText(spans).LeftOut, 12);
  EXPECT_EQ(CalendarText(begins).LeftOut, 10);  // the general and the sub period across it
}

TEST(CalendarChoices, RemindersComeTheChosenDaysBefore) {
  const struct {
    int days;
    bool begins;
    const char* alarm;  // none when empty
  } cases[] = {
      {0, false, ""},
      {3, false, "DISPLAY -P3D"},
      {14, true, "DISPLAY -P14D"},  // days, not weeks (-P2W)
      {365, false, "DISPLAY -P365D"},
      {400, false, "DISPLAY -P365D"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.days);
    TCalendarRequest r = WorkedExample();
    r.RemindDays = c.days;
    r.Begins = c.begins;
    const std::string text = CalendarText(r).Text;
    for (const ReadEvent& e : ParseCalendar(text).Events)
      EXPECT_EQ(e.Alarms, *c.alarm ? std::vector<std::string>{c.alarm} : std::vector<std::string>{})
          << e.Summary;
  }
}

TEST(CalendarChoices, TimesAreInTheBirthZoneWhenItIsKnown) {
  const struct {
    const char* name;
    const char* zone;
    std::optional<std::int32_t> offset;
    const char* written;  // the TZID, empty for floating times
  } cases[] = {
      {"a zone", "Europe/Amsterdam", std::nullopt, "Europe/Amsterdam"},
      {"a manual offset", "Europe/Amsterdam", 3600, ""},
      {"no zone", "", std::nullopt, ""},
      {"a zone libical does not know", "Mars/Olympus_Mons", std::nullopt, ""},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.Settings.Place.TimeZone = c.zone;
    r.Settings.Place.UtcOffsetSeconds = c.offset;
    EXPECT_EQ(CalendarZone(r.Settings.Place), c.written);
    ASSERT_TRUE(WriteCalendar(dir.Path("out.ics"), r).Ok);
    const std::string text = ReadBytes(dir.Path("out.ics"));
    const ReadCalendar read = ParseCalendar(text);
    ExpectEventsArePeriods(read, r);  // the same moments, on the zone's clock with a zone
    EXPECT_EQ(read.Zones,
              *c.written ? std::vector<std::string>{c.written} : std::vector<std::string>{});
    ASSERT_FALSE(read.Events.empty());
    EXPECT_EQ(read.Events[0].StartZone, c.written);
    if (*c.written == '\0') continue;

    // The file as libical reads it: no errors, and the zone it defines
    // puts the birth (noon, 2000-01-01) at UTC+1 and the start of the
    // Cancer sub period (2003-07-14, noon on the birth's clock, 11:00 UTC)
    // at 13:00 UTC+2.
    icalcomponent* root = icalparser_parse_string(text.c_str());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(root), 0);
    icaltimezone* zone = icalcomponent_get_timezone(root, c.written);
    ASSERT_NE(zone, nullptr);
    std::vector<int> offsets;
    for (icalcomponent* e = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
      icaltimetype start = icalcomponent_get_dtstart(e);
      if (start.year == 2000 && start.month == 1 && start.day == 1 && start.hour == 12)
        offsets.push_back(icaltimezone_get_utc_offset(zone, &start, nullptr));
      if (start.year == 2003 && start.month == 7 && start.day == 14 && start.hour == 13)
        offsets.push_back(icaltimezone_get_utc_offset(zone, &start, nullptr));
    }
    icalcomponent_free(root);
    EXPECT_EQ(offsets, (std::vector<int>{3600, 3600, 7200}));  // levels 1 and 2, then Cancer
  }
}

// Sets the TZ environment variable for the scope, then puts it back.
class LocalZone {
 public:
  explicit LocalZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) FOld = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~LocalZone() {
    if (FOld)
      setenv("TZ", FOld->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> FOld;
};

TEST(CalendarChoices, FromTodayKeepsThePeriodsThatEndAfterTodayBegins) {
  // 2010-06-15T20:00Z: still the 15th in UTC, the 16th in Tokyo.
  const std::time_t now = 1276632000;
  const struct {
    const char* zone;
    double dayStart;
  } days[] = {{"UTC", 2455362.5}, {"Asia/Tokyo", 2455363.5}};
  for (const auto& d : days) {
    const LocalZone zone(d.zone);
    EXPECT_EQ(DayStartJulianDay(now), d.dayStart) << d.zone;
  }
  const LocalZone zone("UTC");
  TCalendarRequest r = WorkedExample();
  r.Stamp = now;
  r.FromToday = true;
  const ReadCalendar read = ParseCalendar(CalendarText(r).Text);
  ExpectEventsArePeriods(read, r);
  // The first general period (to 2014), its sub period Scorpio in force
  // (2009-06-12 .. 2010-09-05) and the three after it, then the second
  // general period and its 6 sub periods.
  ASSERT_EQ(read.Events.size(), 12u);
  EXPECT_EQ(CalendarTimeText(read.Events[0].Start), "20000101T120000");
  EXPECT_EQ(read.Events[1].Summary, "Time Lords \u00B7 Start sign \u00B7 L2 Scorpio");
  for (const ReadEvent& e : read.Events)
    EXPECT_GT(CalendarTimeText(e.End), "20100615T000000") << e.Summary;
  // Today after a later From keeps From.
  r.From = 2456945.0;
  EXPECT_EQ(ParseCalendar(CalendarText(r).Text).Events.size(), 7u);
}

}  // namespace
