// The calendar export: the written file, read back with libical, holds one
// event per period of the chosen levels and range, with floating local
// times, stable UIDs and the marks in the summary.
#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Version.h"
#include "calendar/CalendarExport.h"
#include "tests/support/CalendarTestSupport.h"
#include "tests/support/HandChart.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

ReadCalendar Export(const TCalendarRequest& r, const TempDir& dir) {
  const TCalendarResult result = WriteCalendar(dir.Path("out.ics"), r);
  EXPECT_TRUE(result.Ok) << result.Message;
  return ParseCalendar(ReadBytes(dir.Path("out.ics")));
}

TEST(CalendarTime, JulianDaysToGregorianMoments) {
  const struct {
    const char* name;
    double julianDay;
    const char* expected;
  } cases[] = {
      {"the worked example's birth", 2451545.0, "20000101T120000"},
      {"rounds down below half a second", 2451545.0 + 0.49 / 86400, "20000101T120000"},
      {"rounds up from half a second", 2451545.0 + 0.51 / 86400, "20000101T120001"},
      {"rounds up into the next day", 2451545.5 - 0.4 / 86400, "20000102T000000"},
      {"the first Gregorian day", 2299160.5, "15821015T000000"},
      {"the listing's 1582-10-04", 2299160.0, "15821014T120000"},
      {"the listing's 1580-01-01", 2298153.0, "15800111T120000"},
      {"Gregorian year 1 begins", 1721425.5, "00010101T000000"},
      {"the Julian year 1 begins two days earlier", 1721423.5, "00001230T000000"},
      {"the last day iCalendar can write", 5373484.0, "99991231T120000"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CalendarTimeText(CalendarTime(c.julianDay)), c.expected) << c.name;
}

TEST(CalendarLevels, ParsedFromText) {
  const struct {
    const char* text;
    TCalendarLevels levels;
  } cases[] = {{"1", CalendarLevel(1)},
               {"1,2", kDefaultCalendarLevels},
               {"3,1", CalendarLevel(1) | CalendarLevel(3)},
               {"1,2,3", kAllCalendarLevels}};
  for (const auto& c : cases) {
    std::string why;
    EXPECT_EQ(ParseCalendarLevels(c.text, &why), c.levels) << c.text;
    EXPECT_EQ(why, "") << c.text;
  }
  for (const char* text : {"", "0", "4", "1,,2", "1,2,", " 1", "1,1", "12"}) {
    std::string why;
    EXPECT_FALSE(ParseCalendarLevels(text, &why).has_value()) << "'" << text << "'";
    EXPECT_FALSE(why.empty()) << "'" << text << "'";
  }
  EXPECT_EQ(CalendarLevelsText(kAllCalendarLevels), "1, 2 and 3");
}

TEST(CalendarExport, EventsAreThePeriodsOfTheLevelsAndRange) {
  const struct {
    const char* name;
    TCalendarLevels levels;
    double from, to;
    std::size_t events;  // 0: not counted here
  } cases[] = {
      // 2 general periods and 17 data lines, each a sub period.
      {"levels 1 and 2", kDefaultCalendarLevels, -1e9, 1e9, 19},
      {"level 1", CalendarLevel(1), -1e9, 1e9, 2},
      {"levels 1, 2 and 3", kAllCalendarLevels, -1e9, 1e9, 0},
      // Cancer runs from 2452835 (2003-07-14) to 2453585, Leo follows.
      {"one sub period's span", kDefaultCalendarLevels, 2452835.0, 2453585.0, 2},
      {"a moment into the next", kDefaultCalendarLevels, 2452835.0, 2453585.0 + 1e-6, 3},
      {"levels 2 and 3 in July 2003", CalendarLevel(2) | CalendarLevel(3), 2452835.0, 2452852.0, 0},
      {"the second general period", kDefaultCalendarLevels, 2456945.0, 1e9, 7},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.Levels = c.levels;
    r.From = c.from;
    r.To = c.to;
    const ReadCalendar read = Export(r, dir);
    ExpectEventsArePeriods(read, r);
    if (c.events > 0) {
      EXPECT_EQ(read.Events.size(), c.events);
    }
    EXPECT_EQ(ReadBytes(dir.Path("out.ics")).find("TZID"), std::string::npos);
  }
}

TEST(CalendarExport, TheWorkedExample) {
  TempDir dir;
  const ReadCalendar read = Export(WorkedExample(), dir);
  EXPECT_EQ(read.ProductId, std::string("-//Ostrane//Ostrane ") + kVersion + "//EN");
  EXPECT_EQ(read.Version, "2.0");
  EXPECT_EQ(read.Scale, "GREGORIAN");
  EXPECT_EQ(icaltime_as_timet(read.Stamp), 946684800);
  EXPECT_TRUE(icaltime_is_utc(read.Stamp));
  ASSERT_EQ(read.Events.size(), 19u);
  const ReadEvent& first = read.Events[0];
  EXPECT_EQ(first.Summary, "Time Lords \u00B7 Start sign \u00B7 L1 Aries");
  EXPECT_EQ(CalendarTimeText(first.Start) + " " + CalendarTimeText(first.End),
            "20000101T120000 20141014T120000");
  EXPECT_EQ(first.Description,
            "Level 1 (general period) of Time Lords\nSign: Aries\n"
            "10th from Fortune: the peak\nRuler: Mars");
  // Its first sub period begins with it.
  EXPECT_EQ(read.Events[1].Summary, "Time Lords \u00B7 Start sign \u00B7 L2 Aries");
  EXPECT_EQ(CalendarTimeText(read.Events[1].End), "20010326T120000");
  std::set<std::string> uids;
  for (const ReadEvent& e : read.Events) uids.insert(e.Uid);
  EXPECT_EQ(uids.size(), read.Events.size()) << "a UID of its own for every period";
}

TEST(CalendarExport, SummariesNameTheChartAndTheLot) {
  const struct {
    const char* name;
    std::optional<TLot> lot;
    int level, counter;
    const char* summary;
  } cases[] = {
      {"Jane Doe", TLot::Spirit, 2, 4, "Jane Doe \u00B7 Spirit \u00B7 L2 Leo"},
      {"Jane Doe", std::nullopt, 1, 9, "Jane Doe \u00B7 Start sign \u00B7 L1 Capricorn"},
      {"A\x1b[2J\tB", TLot::Nemesis, 3, 13, "A [2J\tB \u00B7 Nemesis \u00B7 L3 Taurus"},
      {" \x07 ", TLot::Fortune, 1, 0, "Fortune \u00B7 L1 Aries"},
  };
  for (const auto& c : cases) {
    ReleaseSettings s;
    s.Name = c.name;
    EXPECT_EQ(PeriodSummary(s, c.lot, TPeriodSpan{c.level, c.counter, 0, 1, 10, true}), c.summary);
  }
}

TEST(CalendarExport, DescriptionsSayThePlaceInTheMarksWords) {
  const struct {
    std::int32_t fortune;
    TAnglesFrom anglesFrom;
    int place;
    bool loosing;
    const char* lines;  // between the sign and the ruler
  } cases[] = {
      {3, TAnglesFrom::Fortune, 10, false, "10th from Fortune: the peak"},
      {3, TAnglesFrom::Fortune, 7, false, "7th from Fortune: angular"},
      {-1, TAnglesFrom::StartSign, 1, false, "1st from the start sign: angular"},
      {3, TAnglesFrom::Fortune, 4, true,
       "4th from Fortune: angular\nthe loosing of the bond (LB): a turning point"},
      {3, TAnglesFrom::Fortune, 2, true,
       "2nd from Fortune\nthe loosing of the bond (LB): a turning point"},
      {3, TAnglesFrom::Fortune, 5, false, "5th from Fortune"},
      {-1, TAnglesFrom::Fortune, 0, false, "Place from Fortune: unknown"},
  };
  for (const auto& c : cases) {
    ReleaseSettings s;
    s.FortuneSign = c.fortune;
    s.AnglesFrom = c.anglesFrom;
    const TPeriodSpan period{2, 6, 0, 1, c.place, c.loosing};
    EXPECT_EQ(PeriodDescription(s, period), std::string("Level 2 (sub period) of Time Lords\n"
                                                        "Sign: Libra\n") +
                                                c.lines + "\nRuler: Venus")
        << c.lines;
  }
}

TEST(CalendarExport, DescriptionsEndWithTheRulerReadInTheChart) {
  const TChart day = HandChart(TSect::Day), night = HandChart(TSect::Night);
  const struct {
    const char* name;
    const TChart* chart;
    int counter;
    const char* ruler;  // the last line
  } cases[] = {
      {"no chart", nullptr, 9, "Ruler: Saturn"},
      {"Capricorn by day", &day, 9,
       "Ruler: Saturn, in Leo (8th house), the sect malefic; Mars in Capricorn"},
      {"Taurus (unreduced) by night", &night, 13,
       "Ruler: Venus, in Gemini (6th house), the sect benefic"},
  };
  for (const auto& c : cases) {
    const TPeriodSpan period{1, c.counter, 0, 1, 5, false};
    const std::string description = PeriodDescription(ReleaseSettings{}, period, c.chart);
    EXPECT_EQ(description, std::string("Level 1 (general period) of Time Lords\nSign: ") +
                               (c.counter == 9 ? "Capricorn" : "Taurus") + "\n5th from Fortune\n" +
                               c.ruler)
        << c.name;
  }

  // Exported with a birth place the chart of the birth there is read: each
  // description as without one, its ruler's name read on.
  TempDir dir;
  const ReadCalendar plain = Export(WorkedExample(), dir);
  TCalendarRequest request = WorkedExample();
  request.Settings.Place.Latitude = 52.37403;
  request.Settings.Place.Longitude = 4.88969;
  request.Settings.Place.TimeZone = "Europe/Amsterdam";
  const ReadCalendar read = Export(request, dir);
  ASSERT_EQ(read.Events.size(), plain.Events.size());
  for (std::size_t i = 0; i < read.Events.size(); ++i) {
    const std::string& before = plain.Events[i].Description;
    const std::string expected = before + ", in ";
    EXPECT_EQ(read.Events[i].Description.substr(0, expected.size()), expected) << i;
    EXPECT_NE(read.Events[i].Description.find(" house)", expected.size()), std::string::npos) << i;
  }
}

TEST(CalendarExport, UidsStayForTheSameChart) {
  TCalendarRequest first = WorkedExample();
  const auto uid = [](const TCalendarRequest& r) {  // of the Taurus sub period
    return ParseCalendar(CalendarText(r).Text).Events.at(2).Uid;
  };
  const struct {
    const char* name;
    void (*change)(TCalendarRequest&);
    bool same;
  } cases[] = {
      {"another export", [](TCalendarRequest& r) { r.Stamp += 86400; }, true},
      {"other marks", [](TCalendarRequest& r) { r.Settings.FortuneSign = 6; }, true},
      {"more periods", [](TCalendarRequest& r) { r.Settings.GeneralPeriods = 3; }, true},
      {"another name", [](TCalendarRequest& r) { r.Settings.Name = "Other"; }, false},
      {"another birth moment", [](TCalendarRequest& r) { r.Start += 1.0 / 24; }, false},
      {"another loose bond",
       [](TCalendarRequest& r) { r.Settings.LooseBondType = TLooseBond::Never; }, false},
  };
  for (const auto& c : cases) {
    TCalendarRequest other = first;
    c.change(other);
    EXPECT_EQ(uid(other) == uid(first), c.same) << c.name;
  }
}

TEST(CalendarExport, EdgesOfTheCalendar) {
  const struct {
    const char* name;
    double start;
    int events, leftOut;
  } cases[] = {
      {"before the reform", 2298153.0, 19, 0},
      {"after the year 3000", 3547273.0, 19, 0},
      {"reaching past 9999", 5369833.0, 7, 12},
      {"beginning before the year 1", 1717406.0, 9, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCalendarRequest r = WorkedExample();
    r.Start = c.start;
    const TCalendarText text = CalendarText(r);
    EXPECT_EQ(text.Events, c.events);
    EXPECT_EQ(text.LeftOut, c.leftOut);
    for (const ReadEvent& e : ParseCalendar(text.Text).Events)
      EXPECT_TRUE(e.Start.Year >= 1 && e.End.Year <= 9999) << e.Summary;
  }
  // Modern, Libra: the last level 3 period of the first general period
  // begins 0.09 s before that ends, an event without DTEND.
  TCalendarRequest r = WorkedExample();
  r.Settings.ReleasingType = TReleasingType::Modern;
  r.Settings.StartSign = 6;
  r.Levels = CalendarLevel(3);
  const ReadCalendar read = ParseCalendar(CalendarText(r).Text);
  ExpectEventsArePeriods(read, r);
  EXPECT_EQ(std::count_if(read.Events.begin(), read.Events.end(),
                          [](const ReadEvent& e) { return !e.HasEnd; }),
            1);
}

}  // namespace
