// The calendar export: the written file read back with libical holds one
// event per period of the chosen levels, with the periods' own starts and
// ends as floating local times, stable UIDs, and the marks in the summary.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CalendarExport.h"
#include "CalendarTestSupport.h"
#include "FileSizeLimit.h"
#include "PeriodSpans.h"
#include "TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

std::string Show(const TCalendarTime& t) {
  return std::to_string(t.Year) + "-" + std::to_string(t.Month) + "-" + std::to_string(t.Day) +
         " " + std::to_string(t.Hour) + ":" + std::to_string(t.Minute) + ":" +
         std::to_string(t.Second);
}

// The periods of the request's levels and range, as PeriodSpans gives them.
std::vector<TPeriodSpan> ExpectedPeriods(const TCalendarRequest& r) {
  TChronocrator chronocrator;
  std::vector<TPeriodSpan> kept;
  for (const TPeriodSpan& p : PeriodSpans(chronocrator, r.Settings, r.Start, 3, r.From, r.To))
    if (r.Levels & CalendarLevel(p.Level)) kept.push_back(p);
  return kept;
}

ReadCalendar Export(const TCalendarRequest& r, const TempDir& dir, const std::string& name) {
  const std::string path = dir.Path(name);
  const TCalendarResult result = WriteCalendar(path, r);
  EXPECT_TRUE(result.Ok) << result.Message;
  return ParseCalendar(ReadBytes(path));
}

// Every event in listing order against the period it stands for.
void ExpectEventsArePeriods(const ReadCalendar& read, const TCalendarRequest& r) {
  ASSERT_TRUE(read.Parsed);
  const std::vector<TPeriodSpan> periods = ExpectedPeriods(r);
  ASSERT_EQ(read.Events.size(), periods.size());
  for (std::size_t i = 0; i < periods.size(); ++i) {
    SCOPED_TRACE("event " + std::to_string(i) + ": " + read.Events[i].Summary);
    EXPECT_EQ(Show(read.Events[i].Start), Show(CalendarTime(periods[i].Start)));
    const TCalendarTime end = CalendarTime(periods[i].End);
    // A period shorter than half a second ends where it begins: no DTEND.
    EXPECT_EQ(read.Events[i].HasEnd, !(end == CalendarTime(periods[i].Start)));
    if (read.Events[i].HasEnd) {
      EXPECT_EQ(Show(read.Events[i].End), Show(end));
    }
    EXPECT_EQ(read.Events[i].Summary.rfind("L" + std::to_string(periods[i].Level) + " ", 0), 0u);
    EXPECT_FALSE(read.Events[i].Zoned) << "floating local times";
  }
}

TEST(CalendarTime, JulianDaysToGregorianMoments) {
  const struct {
    const char* name;
    double julianDay;
    TCalendarTime expected;
  } cases[] = {
      {"the worked example's birth", 2451545.0, {2000, 1, 1, 12, 0, 0}},
      {"the end of its first general period", 2456945.0, {2014, 10, 14, 12, 0, 0}},
      {"a fraction of a level 3 start", 2451548.125, {2000, 1, 4, 15, 0, 0}},
      {"rounds down below half a second", 2451545.0 + 0.49 / 86400, {2000, 1, 1, 12, 0, 0}},
      {"rounds up from half a second", 2451545.0 + 0.51 / 86400, {2000, 1, 1, 12, 0, 1}},
      {"rounds up into the next day", 2451545.5 - 0.4 / 86400, {2000, 1, 2, 0, 0, 0}},
      {"the first Gregorian day", 2299160.5, {1582, 10, 15, 0, 0, 0}},
      {"the last Julian day (listed as 10-04)", 2299160.0, {1582, 10, 14, 12, 0, 0}},
      {"the listing's 1582-10-04 midnight", 2299159.5, {1582, 10, 14, 0, 0, 0}},
      {"the listing's 1580-01-01 noon", 2298153.0, {1580, 1, 11, 12, 0, 0}},
      {"Gregorian year 1 begins", 1721425.5, {1, 1, 1, 0, 0, 0}},
      {"the Julian year 1 begins two days earlier", 1721423.5, {0, 12, 30, 0, 0, 0}},
      {"Julian Day 0", 0.0, {-4713, 11, 24, 12, 0, 0}},
      {"the last day iCalendar can write", 5373484.0, {9999, 12, 31, 12, 0, 0}},
      {"the year 10000", 5373485.0, {10000, 1, 1, 12, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Show(CalendarTime(c.julianDay)), Show(c.expected));
  }
  EXPECT_EQ(CalendarTimeText({33, 2, 3, 4, 5, 6}), "00330203T040506");
}

TEST(CalendarLevels, ParsedFromText) {
  const struct {
    const char* text;
    bool valid;
    TCalendarLevels levels;
  } cases[] = {
      {"1", true, CalendarLevel(1)},
      {"1,2", true, kDefaultCalendarLevels},
      {"3,1", true, CalendarLevel(1) | CalendarLevel(3)},
      {"1,2,3", true, kAllCalendarLevels},
      {"", false, 0},
      {"0", false, 0},
      {"4", false, 0},
      {"1,,2", false, 0},
      {"1,2,", false, 0},
      {",1", false, 0},
      {"1 2", false, 0},
      {"1, 2", false, 0},
      {"1,1", false, 0},
      {"12", false, 0},
      {"one", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "'");
    std::string why;
    const auto levels = ParseCalendarLevels(c.text, &why);
    EXPECT_EQ(levels.has_value(), c.valid) << why;
    if (levels) {
      EXPECT_EQ(*levels, c.levels);
    } else {
      EXPECT_FALSE(why.empty());
    }
  }
  EXPECT_EQ(CalendarLevelsText(kAllCalendarLevels), "1, 2 and 3");
  EXPECT_EQ(CalendarLevelsText(CalendarLevel(1) | CalendarLevel(3)), "1 and 3");
  EXPECT_EQ(CalendarLevelsText(CalendarLevel(2)), "2");
}

TEST(CalendarExport, EventsAreThePeriodsOfTheChosenLevels) {
  const struct {
    const char* name;
    TCalendarLevels levels;
    std::size_t events;  // of the worked example
  } cases[] = {
      // 2 general periods; 17 data lines, each a level 2 period; the level 3
      // periods of all of them.
      {"default: levels 1 and 2", kDefaultCalendarLevels, 19},
      {"level 1", CalendarLevel(1), 2},
      {"level 2", CalendarLevel(2), 17},
      {"levels 1, 2 and 3", kAllCalendarLevels, 0},
      {"level 3", CalendarLevel(3), 0},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.Levels = c.levels;
    const ReadCalendar read = Export(r, dir, "levels.ics");
    ExpectEventsArePeriods(read, r);
    if (c.events > 0) {
      EXPECT_EQ(read.Events.size(), c.events);
    }
    std::set<int> levels;
    for (const TPeriodSpan& p : ExpectedPeriods(r)) levels.insert(p.Level);
    for (int level = 1; level <= 3; ++level)
      EXPECT_EQ(levels.count(level) == 1, (c.levels & CalendarLevel(level)) != 0)
          << "level " << level;
  }
}

TEST(CalendarExport, AnInstantHasNoEnd) {
  // Modern, Libra: the last level 3 period of the first general period
  // begins 0.09 s before that period ends.
  TCalendarRequest r = WorkedExample();
  r.Settings.ReleasingType = kModern;
  r.Settings.StartSign = 6;
  r.Levels = CalendarLevel(3);
  TempDir dir;
  const ReadCalendar read = Export(r, dir, "instant.ics");
  ExpectEventsArePeriods(read, r);
  int instants = 0;
  for (const ReadEvent& e : read.Events) instants += e.HasEnd ? 0 : 1;
  EXPECT_EQ(instants, 1);
}

TEST(CalendarExport, TheWorkedExample) {
  TempDir dir;
  const ReadCalendar read = Export(WorkedExample(), dir, "worked.ics");
  ASSERT_TRUE(read.Parsed);
  EXPECT_EQ(read.ProductId, "-//Ostrane//Ostrane 1.48//EN");
  EXPECT_EQ(read.Version, "2.0");
  EXPECT_EQ(read.CalendarScale, "GREGORIAN");
  EXPECT_TRUE(icaltime_is_utc(read.Stamp));
  EXPECT_EQ(icaltime_as_timet(read.Stamp), 946684800);
  ASSERT_EQ(read.Events.size(), 19u);
  const struct {
    std::size_t index;
    const char* summary;
    TCalendarTime start, end;
  } cases[] = {
      // The general period and its first sub period begin together.
      {0, "L1 Aries: peak (10th from Fortune)", {2000, 1, 1, 12, 0, 0}, {2014, 10, 14, 12, 0, 0}},
      {1, "L2 Aries: peak (10th from Fortune)", {2000, 1, 1, 12, 0, 0}, {2001, 3, 26, 12, 0, 0}},
      {2, "L2 Taurus", {2001, 3, 26, 12, 0, 0}, {2001, 11, 21, 12, 0, 0}},
      {4, "L2 Cancer: peak (1st from Fortune)", {2003, 7, 14, 12, 0, 0}, {2005, 8, 2, 12, 0, 0}},
      // The last sub period of Aries, cut at the general period's end.
      {11, "L2 Aquarius", {2013, 11, 18, 12, 0, 0}, {2014, 10, 14, 12, 0, 0}},
      {12, "L1 Taurus", {2014, 10, 14, 12, 0, 0}, {2022, 9, 2, 12, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.summary);
    const ReadEvent& e = read.Events[c.index];
    EXPECT_EQ(e.Summary, c.summary);
    EXPECT_EQ(Show(e.Start), Show(c.start));
    EXPECT_EQ(Show(e.End), Show(c.end));
  }
  EXPECT_EQ(read.Events[0].Description,
            "Level 1 (general period) of Time Lords\nSign: Aries\n"
            "Place from Fortune: 10th (an angle: peak period)\nLoosing of the bond: no");
}

TEST(CalendarExport, TimesAreFloating) {
  TempDir dir;
  TCalendarRequest r = WorkedExample();
  r.Levels = kAllCalendarLevels;
  const std::string path = dir.Path("floating.ics");
  ASSERT_TRUE(WriteCalendar(path, r).Ok);
  const std::string text = ReadBytes(path);
  EXPECT_EQ(text.find("TZID"), std::string::npos);
  EXPECT_EQ(text.find("VTIMEZONE"), std::string::npos);
  std::istringstream lines(text);
  int times = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("DTSTART", 0) != 0 && line.rfind("DTEND", 0) != 0) continue;
    ++times;
    SCOPED_TRACE(line);
    EXPECT_EQ(line.back(), '\r') << "CR LF line ends";
    EXPECT_NE(line[line.size() - 2], 'Z') << "no UTC time";
    EXPECT_EQ(line.find(';'), std::string::npos) << "no parameter";
  }
  EXPECT_GT(times, 100);
  for (const ReadEvent& e : ParseCalendar(text).Events) EXPECT_FALSE(e.Zoned) << e.Summary;
}

TEST(CalendarExport, SummariesAndDescriptions) {
  const struct {
    const char* name;
    std::int32_t fortune, anglesFrom;
    TPeriodSpan period;
    const char* summary;
    const char* placeLine;
  } cases[] = {
      {"peak from Fortune",
       3,
       kFromFortune,
       {2, 6, 0, 1, 10, false},
       "L2 Libra: peak (10th from Fortune)",
       "Place from Fortune: 10th (an angle: peak period)"},
      {"not an angle",
       3,
       kFromFortune,
       {1, 9, 0, 1, 5, false},
       "L1 Capricorn",
       "Place from Fortune: 5th"},
      {"Fortune unknown",
       -1,
       kFromFortune,
       {1, 9, 0, 1, 0, false},
       "L1 Capricorn",
       "Place from Fortune: unknown"},
      {"from the start sign",
       -1,
       kFromStartSign,
       {3, 12, 0, 1, 1, false},
       "L3 Aries: peak (1st from the start sign)",
       "Place from the start sign: 1st (an angle: peak period)"},
      {"loosing",
       3,
       kFromFortune,
       {2, 15, 0, 1, 2, true},
       "L2 Cancer, loosing of the bond",
       "Place from Fortune: 2nd"},
      {"loosing on an angle",
       3,
       kFromFortune,
       {2, 18, 0, 1, 4, true},
       "L2 Libra: peak (4th from Fortune), loosing of the bond",
       "Place from Fortune: 4th (an angle: peak period)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReleaseSettings s;
    s.FortuneSign = c.fortune;
    s.AnglesFrom = c.anglesFrom;
    EXPECT_EQ(PeriodSummary(s, c.period), c.summary);
    const std::string description = PeriodDescription(s, c.period);
    EXPECT_NE(description.find(std::string("\n") + c.placeLine + "\n"), std::string::npos)
        << description;
    EXPECT_NE(
        description.find(c.period.Loosing ? "Loosing of the bond: yes" : "Loosing of the bond: no"),
        std::string::npos)
        << description;
  }
}

TEST(CalendarExport, UidsAreStableAndDistinct) {
  TempDir dir;
  TCalendarRequest first = WorkedExample();
  first.Levels = kAllCalendarLevels;
  TCalendarRequest again = first;
  again.Stamp += 86400;
  again.Settings.FortuneSign = 6;  // other marks, the same periods
  again.Settings.GeneralPeriods = 3;
  const ReadCalendar a = Export(first, dir, "a.ics");
  const ReadCalendar b = Export(again, dir, "b.ics");
  ASSERT_GT(b.Events.size(), a.Events.size());
  std::set<std::string> uids;
  for (std::size_t i = 0; i < a.Events.size(); ++i) {
    SCOPED_TRACE(a.Events[i].Summary);
    EXPECT_EQ(a.Events[i].Uid, b.Events[i].Uid) << "a new export updates the same events";
    EXPECT_EQ(a.Events[i].Uid.size(), 32u + 8u);
    EXPECT_EQ(a.Events[i].Uid.substr(32), "@ostrane");
    uids.insert(a.Events[i].Uid);
  }
  EXPECT_EQ(uids.size(), a.Events.size()) << "every period has a UID of its own";

  const struct {
    const char* name;
    void (*change)(TCalendarRequest&);
  } charts[] = {
      {"another name", [](TCalendarRequest& r) { r.Settings.Name = "Other"; }},
      {"another birth moment", [](TCalendarRequest& r) { r.Start += 1.0 / 24; }},
      {"another releasing type", [](TCalendarRequest& r) { r.Settings.ReleasingType = kEgyptian; }},
      {"another loose bond", [](TCalendarRequest& r) { r.Settings.LooseBondType = kNever; }},
  };
  for (const auto& c : charts) {
    SCOPED_TRACE(c.name);
    TCalendarRequest other = first;
    c.change(other);
    const ReadCalendar o = Export(other, dir, "other.ics");
    ASSERT_FALSE(o.Events.empty());
    EXPECT_NE(o.Events[0].Uid, a.Events[0].Uid);
  }
}

TEST(CalendarExport, DateRangeKeepsOverlappingPeriodsWhole) {
  const struct {
    const char* name;
    double from, to;
    std::size_t events;  // levels 1 and 2 of the worked example
  } cases[] = {
      // 2003-07-14 is the start of Cancer, 2005-08-02 that of Leo.
      {"within one sub period", 2452835.0 + 10, 2452835.0 + 20, 2},
      {"from a sub period's start to the next", 2452835.0, 2453585.0, 2},
      {"just after its start", 2452835.0 + 1e-6, 2453585.0 + 1e-6, 3},
      {"from the second general period on", 2456945.0, 1e9, 7},
      {"up to the birth", -1e9, 2451545.0, 0},
      {"the whole listing", -1e9, 1e9, 19},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.From = c.from;
    r.To = c.to;
    const std::string path = dir.Path("range.ics");
    const TCalendarResult result = WriteCalendar(path, r);
    EXPECT_EQ(result.Events, static_cast<int>(c.events));
    if (c.events == 0) {
      EXPECT_FALSE(result.Ok);
      EXPECT_NE(result.Message.find("no period of the levels 1 and 2"), std::string::npos)
          << result.Message;
      continue;
    }
    ASSERT_TRUE(result.Ok) << result.Message;
    const ReadCalendar read = ParseCalendar(ReadBytes(path));
    ExpectEventsArePeriods(read, r);
    for (const TPeriodSpan& p : ExpectedPeriods(r)) {
      EXPECT_LT(p.Start, c.to);
      EXPECT_GT(p.End, c.from);
    }
  }
}

TEST(CalendarExport, YearsOutsideTheCalendarAreLeftOut) {
  const struct {
    const char* name;
    std::int32_t year;
    double start;  // the Julian Day of 1 January at noon (Julian calendar before 1582)
    int events, leftOut;
    TCalendarTime firstStart;
  } cases[] = {
      // Valens, Aries: 15 years of 360 days, then Taurus, 8 years.
      {"before the reform: the Gregorian date", 1580, 2298153.0, 19, 0, {1580, 1, 11, 12, 0, 0}},
      {"after the year 3000", 5000, 3547273.0, 19, 0, {5000, 1, 1, 12, 0, 0}},
      {"reaching past 9999", 9990, 5369833.0, 0, 0, {}},
      {"beginning before the year 1", -10, 1717406.0, 0, 0, {}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.Settings.Year = c.year;
    r.Start = c.start;
    const TCalendarText text = CalendarText(r);
    if (c.events > 0) {
      EXPECT_EQ(text.Events, c.events);
      EXPECT_EQ(text.LeftOut, c.leftOut);
      const ReadCalendar read = ParseCalendar(text.Text);
      ASSERT_FALSE(read.Events.empty());
      EXPECT_EQ(Show(read.Events[0].Start), Show(c.firstStart));
    } else {
      EXPECT_GT(text.LeftOut, 0);
      EXPECT_EQ(text.Events + text.LeftOut, 19);
      const ReadCalendar read = ParseCalendar(text.Text);
      for (const ReadEvent& e : read.Events) {
        EXPECT_GE(e.Start.Year, 1) << e.Summary;
        EXPECT_LE(e.End.Year, 9999) << e.Summary;
      }
    }
  }
}

TEST(CalendarExport, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.Path("periods.ics");
  const std::string old = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const struct {
    const char* name;
    std::string target;
    bool limitSize;
    TCalendarLevels levels;
  } cases[] = {
      {"the file size limit", path, true, kDefaultCalendarLevels},
      {"under a regular file", path + "/inner.ics", false, kDefaultCalendarLevels},
      {"no level chosen", path, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path, old);
    TCalendarRequest r = WorkedExample();
    r.Levels = c.levels;
    TCalendarResult result;
    {
      std::optional<FileSizeLimit> limit;
      if (c.limitSize) limit.emplace(512);
      result = WriteCalendar(c.target, r);
    }
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Events, 0);
    EXPECT_EQ(result.Message.rfind("Cannot save '" + c.target + "': ", 0), 0u) << result.Message;
    EXPECT_FALSE(result.Reason.empty());
    EXPECT_EQ(ReadBytes(path), old);
  }
}

}  // namespace
