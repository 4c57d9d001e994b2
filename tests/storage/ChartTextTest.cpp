// The texts of the birth place dialog and the chart panel, apart from
// their widgets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartText.h"

namespace ostrane {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "|";
  return text;
}

TZoneOffset Offset(std::int32_t seconds, const char* abbreviation, bool lmt = false) {
  return TZoneOffset{seconds, abbreviation, lmt};
}

TEST(ChartText, ZoneOffsetText) {
  struct Case {
    const char* what;
    TZoneStatus status;
    TZoneOffset earlier, later;
    bool manual;
    const char* text;
  };
  const TZoneStatus U = TZoneStatus::Unique, G = TZoneStatus::Gap, O = TZoneStatus::Overlap;
  const Case cases[] = {
      {"named", U, Offset(4772, "NST"), Offset(4772, "NST"), false, "+01:19:32 NST"},
      {"an abbreviation that is the offset", U, Offset(19800, "+0530"), Offset(19800, "+0530"),
       false, "+05:30"},
      {"no abbreviation", U, Offset(-3600, ""), Offset(-3600, ""), false, "-01:00"},
      {"local mean time", U, Offset(1172, "LMT", true), Offset(1172, "LMT", true), false,
       "local mean time +00:19:32"},
      {"a gap", G, Offset(3600, "CET"), Offset(7200, "CEST"), false,
       "+01:00 CET or +02:00 CEST: the clocks skipped this time"},
      {"an overlap", O, Offset(7200, "CEST"), Offset(3600, "CET"), false,
       "+02:00 CEST or +01:00 CET: this time occurred twice"},
      {"unknown", TZoneStatus::UnknownZone, Offset(0, ""), Offset(0, ""), false,
       "unknown time zone"},
      {"manual", U, Offset(3600, "CET"), Offset(3600, "CET"), true,
       "+01:00 CET; the UTC offset +00:30 is used"},
  };
  for (const Case& c : cases) {
    TZoneResolution z;
    z.Status = c.status;
    z.Earlier = c.earlier;
    z.Later = c.later;
    z.Offset = c.manual ? Offset(1800, "") : c.earlier;
    z.Manual = c.manual;
    EXPECT_EQ(ZoneOffsetText(z), c.text) << c.what;
  }
  // The zone database's own answer for Amsterdam in the summer of 1930.
  const TZoneResolution amsterdam =
      ResolveTimeZone("Europe/Amsterdam", 2426158.5 + 0.5, 4.88969);  // 1930-07-01 12:00
  EXPECT_EQ(ZoneOffsetText(amsterdam), "+01:19:32 NST");
}

TBirthChart SampleChart() {
  TBirthChart b;
  TChart& c = b.Chart;
  c.AscendantDeg = FromSignPosition(5, 3, 12);
  c.SunDeg = FromSignPosition(1, 26, 5);
  c.MoonDeg = FromSignPosition(6, 0, 59);
  c.FortuneDeg = FromSignPosition(2, 10, 34);
  c.SpiritDeg = FromSignPosition(8, 17, 51);
  c.FortuneSign = 2;
  c.SpiritSign = 8;
  c.SunAltitudeDeg = 35.24;
  b.Zone.Status = TZoneStatus::Unique;
  b.Zone.Offset = b.Zone.Earlier = b.Zone.Later = Offset(7200, "CEST");
  return b;
}

TEST(ChartText, ChartWarningsNameEachDoubtfulPoint) {
  struct Case {
    const char* what;
    void (*change)(TBirthChart&);
    const char* warnings;
  };
  const Case cases[] = {
      {"none", [](TBirthChart&) {}, ""},
      {"Fortune near a boundary", [](TBirthChart& b) { b.Chart.FortuneNearBoundary = true; },
       "The Lot of Fortune lies within 1\u00B0 of a sign boundary: a small error in the birth "
       "time may move it into the next sign.|"},
      {"both lots near a boundary",
       [](TBirthChart& b) { b.Chart.FortuneNearBoundary = b.Chart.SpiritNearBoundary = true; },
       "The Lot of Fortune lies within 1\u00B0 of a sign boundary: a small error in the birth "
       "time may move it into the next sign.|The Lot of Spirit lies within 1\u00B0 of a sign "
       "boundary: a small error in the birth time may move it into the next sign.|"},
      {"local mean time",
       [](TBirthChart& b) {
         b.Zone.Offset = b.Zone.Earlier = b.Zone.Later = Offset(1174, "LMT", true);
       },
       "The clocks kept local mean time then: the birthplace's own, +00:19:34, is used.|"},
      {"local mean time overridden by a manual offset",
       [](TBirthChart& b) {
         b.Zone.Earlier = b.Zone.Later = Offset(1174, "LMT", true);
         b.Zone.Offset = Offset(3600, "");
         b.Zone.Manual = true;
       },
       ""},
      {"a gap, the later offset taken",
       [](TBirthChart& b) {
         b.Zone.Status = TZoneStatus::Gap;
         b.Zone.Earlier = Offset(3600, "CET");
         b.Zone.Later = b.Zone.Offset = Offset(7200, "CEST");
       },
       "The clocks skipped the birth time (from +01:00 CET to +02:00 CEST): the later offset, "
       "+02:00 CEST, is taken.|"},
      {"an overlap, the earlier offset taken",
       [](TBirthChart& b) {
         b.Zone.Status = TZoneStatus::Overlap;
         b.Zone.Earlier = b.Zone.Offset = Offset(7200, "CEST");
         b.Zone.Later = Offset(3600, "CET");
       },
       "The birth time occurred twice (at +02:00 CEST and +01:00 CET): the earlier offset, "
       "+02:00 CEST, is taken.|"},
      {"a gap under a manual offset",
       [](TBirthChart& b) {
         b.Zone.Status = TZoneStatus::Gap;
         b.Zone.Earlier = Offset(3600, "CET");
         b.Zone.Later = Offset(7200, "CEST");
         b.Zone.Offset = Offset(5400, "");
         b.Zone.Manual = true;
       },
       "The clocks skipped the birth time (from +01:00 CET to +02:00 CEST): the UTC offset "
       "+01:30 is used.|"},
      {"the sect set by hand", [](TBirthChart& b) { b.Chart.Sect = TSect::Night; },
       "The sect is set to night by hand, not taken from the Sun's altitude.|"},
      {"an extrapolated year", [](TBirthChart& b) { b.Chart.DubiousYear = true; },
       "The difference between UTC and TT for that year is extrapolated.|"},
  };
  for (const Case& c : cases) {
    TBirthChart b = SampleChart();
    c.change(b);
    EXPECT_EQ(Joined(ChartWarnings(b)), c.warnings) << c.what;
  }
}

TEST(ChartText, SectText) {
  struct Case {
    TSect sect, computed;
    double altitude;
    bool near;
    const char* text;
  };
  const Case cases[] = {
      {TSect::Day, TSect::Day, 35.24, false, "Day (the Sun 35.2\u00B0 above the horizon)"},
      {TSect::Night, TSect::Night, -0.44, true,
       "Night (the Sun 0.4\u00B0 below the horizon: near it, the sect depends on the exact "
       "birth time)"},
      {TSect::Night, TSect::Day, 12.0, false,
       "Night, set by hand (the Sun 12.0\u00B0 above the horizon)"},
  };
  for (const Case& c : cases) {
    TChart chart;
    chart.Sect = c.sect;
    chart.ComputedSect = c.computed;
    chart.SunAltitudeDeg = c.altitude;
    chart.NearHorizon = c.near;
    EXPECT_EQ(SectText(chart), c.text);
  }
}

TEST(ChartText, ChartViewShowsTheChartOrWhyThereIsNone) {
  TBirthPlace amsterdam;
  amsterdam.Name = "Amsterdam, North Holland, NL";
  amsterdam.Latitude = 52.37403;
  amsterdam.Longitude = 4.88969;
  amsterdam.TimeZone = "Europe/Amsterdam";
  const std::string place =
      "Place=Amsterdam, North Holland, NL|Coordinates=52n22'27, 4e53'23|Time zone=Europe/Amsterdam";
  TBirthPlace offsetOnly;
  offsetOnly.Latitude = -33.5;
  offsetOnly.Longitude = 151.25;
  offsetOnly.UtcOffsetSeconds = 36000;
  TBirthPlace both = amsterdam;
  both.UtcOffsetSeconds = 1172;

  TBirthChartResult computed;
  computed.Value = SampleChart();
  computed.Value->Chart.SpiritNearBoundary = true;
  TBirthChartResult failed;
  failed.Error = "The clock time did not exist.";
  TBirthChartResult waiting = failed;
  waiting.NeedsDstChoice = true;

  struct Case {
    const char* what;
    TBirthPlace place;
    const TBirthChartResult* result;
    const char* status;
    std::string rows;
    std::size_t warnings;
    bool canRelease;
  };
  const Case cases[] = {
      {"no place", TBirthPlace(), &failed, kNoPlaceText, "Place=none|", 0, false},
      {"a name only", TBirthPlace{"Atlantis", {}, {}, "", {}, 0, 0}, &failed, kNoPlaceText,
       "Place=Atlantis|", 0, false},
      {"an error", amsterdam, &failed, "The clock time did not exist.", place + "|", 0, false},
      {"waiting for the choice", amsterdam, &waiting,
       "The clock time did not exist. Release from a lot to be asked, or set Daylight saving in "
       "the Birth Place dialog.",
       place + "|", 0, true},
      {"an offset only, unnamed", offsetOnly, &failed, "The clock time did not exist.",
       "Place=(no name)|Coordinates=33s30, 151e15|Time zone=UTC offset +10:00|", 0, false},
      {"a zone and an offset", both, &failed, "The clock time did not exist.",
       "Place=Amsterdam, North Holland, NL|Coordinates=52n22'27, 4e53'23|Time "
       "zone=Europe/Amsterdam, UTC offset +00:19:32|",
       0, false},
      {"a chart", amsterdam, &computed, "",
       place +
           ", +02:00 CEST|Ascendant=Virgo 3\u00B012\u2032|Sun=Taurus 26\u00B005\u2032|"
           "Moon=Libra 0\u00B059\u2032|Lot of Fortune=Gemini 10\u00B034\u2032|Lot of "
           "Spirit=Sagittarius 17\u00B051\u2032|Sect=Day (the Sun 35.2\u00B0 above the horizon)|",
       1, true},
  };
  for (const Case& c : cases) {
    const TChartView view = ChartView(c.place, *c.result);
    EXPECT_EQ(view.Status, c.status) << c.what;
    std::string rows;
    for (const auto& [label, value] : view.Rows) rows += label + "=" + value + "|";
    EXPECT_EQ(rows, c.rows) << c.what;
    EXPECT_EQ(view.Warnings.size(), c.warnings) << c.what;
    EXPECT_EQ(view.CanRelease, c.canRelease) << c.what;
  }
}

TEST(ChartText, DstQuestionNamesBothOffsets) {
  TZoneResolution gap;
  gap.Status = TZoneStatus::Gap;
  gap.Earlier = Offset(3600, "CET");
  gap.Later = Offset(7200, "CEST");
  TZoneResolution overlap = gap;
  overlap.Status = TZoneStatus::Overlap;
  std::swap(overlap.Earlier, overlap.Later);
  struct Case {
    const TZoneResolution* zone;
    const char* text;
    const char* earlier;
    const char* later;
  };
  const Case cases[] = {
      {&gap,
       "The birth time did not exist in Europe/Amsterdam: the clocks moved on from +01:00 CET "
       "to +02:00 CEST over it. Which offset did the birth take?",
       "Earlier: +01:00 CET", "Later: +02:00 CEST"},
      {&overlap,
       "The birth time occurred twice in Europe/Amsterdam: first at +02:00 CEST, then at "
       "+01:00 CET. Which offset did the birth take?",
       "Earlier: +02:00 CEST", "Later: +01:00 CET"},
  };
  for (const Case& c : cases) {
    const TDstQuestion q = DstQuestion("Europe/Amsterdam", *c.zone);
    EXPECT_EQ(q.Text, c.text);
    EXPECT_EQ(q.Earlier, c.earlier);
    EXPECT_EQ(q.Later, c.later);
  }
}

}  // namespace
}  // namespace ostrane
