// The texts of the birth place dialog and the chart panel, apart from
// their widgets.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/BirthChart.h"
#include "chart/ChartText.h"

namespace ostrane {
namespace {

constexpr auto U = TZoneStatus::Unique, G = TZoneStatus::Gap, O = TZoneStatus::Overlap;

TZoneOffset Offset(std::int32_t seconds, const char* abbreviation) {
  return {seconds, abbreviation, std::string(abbreviation) == "LMT"};
}

// A zone resolved to `earlier` and `later` that takes `taken`.
TZoneResolution Zone(TZoneStatus status, const TZoneOffset& earlier, const TZoneOffset& later,
                     const TZoneOffset& taken, bool manual = false) {
  return {status, taken, earlier, later, manual};
}

const TZoneOffset kCet = Offset(3600, "CET"), kCest = Offset(7200, "CEST");

// Degrees are written as printf's "%.6f" writes them, halfway cases, signs
// and the whole circle among them.
TEST(ChartText, SixDecimalsAsPrintfWritesThem) {
  std::vector<double> values = {0.0,   -0.0,        0.0000005,  -0.0000005, 359.9999995, 1e-7,
                                -1e-7, 123.4567885, 70.5704625, 1e300,      -2.5e-6};
  for (int i = 0; i < 20000; ++i) values.push_back(std::ldexp(i * 2654435761.0, -24) - 60.0);
  char expected[400];
  for (const double v : values) {
    std::snprintf(expected, sizeof expected, "%.6f", v);
    ASSERT_EQ(SixDecimals(v), expected) << v;
  }
}

TEST(ChartText, ZoneOffsetText) {
  const TZoneOffset nst = Offset(4772, "NST"), india = Offset(19800, "+0530"),
                    west = Offset(-3600, ""), lmt = Offset(1172, "LMT");
  const struct {
    TZoneResolution zone;
    const char* text;
  } cases[] = {
      {Zone(U, nst, nst, nst), "+01:19:32 NST"},
      {Zone(U, india, india, india), "+05:30"},  // the abbreviation is the offset again
      {Zone(U, west, west, west), "-01:00"},
      {Zone(U, lmt, lmt, lmt), "local mean time +00:19:32"},
      {Zone(G, kCet, kCest, kCet), "+01:00 CET or +02:00 CEST: the clocks skipped this time"},
      {Zone(O, kCest, kCet, kCest), "+02:00 CEST or +01:00 CET: this time occurred twice"},
      {Zone(TZoneStatus::UnknownZone, {}, {}, {}), "unknown time zone"},
      {Zone(U, kCet, kCet, Offset(1800, ""), true), "+01:00 CET; the UTC offset +00:30 is used"},
  };
  for (const auto& c : cases) EXPECT_EQ(ZoneOffsetText(c.zone), c.text);
}

TBirthChart SampleChart(const TZoneResolution& zone = Zone(U, kCest, kCest, kCest)) {
  return {0,
          zone,
          {.AscendantDeg = FromSignPosition(5, 3, 12),
           .SunDeg = FromSignPosition(1, 26, 5),
           .MoonDeg = FromSignPosition(6, 0, 59),
           .SunAltitudeDeg = 35.24,
           .FortuneDeg = FromSignPosition(2, 10, 34),
           .SpiritDeg = FromSignPosition(8, 17, 51)}};
}

TEST(ChartText, ChartWarningsNameEachDoubtfulPoint) {
  const TZoneOffset lmt = Offset(1174, "LMT");
  const std::string lot =
      " lies within 1\u00B0 of a sign boundary: a small error in the birth time may move it into "
      "the next sign.|";
  const std::string skipped =
      "The clocks skipped the birth time (from +01:00 CET to +02:00 CEST): ";
  const struct {
    const char* what;
    TZoneResolution zone;
    bool doubtfulChart;  // both lots near a boundary, the sect by hand, the year extrapolated
    std::string warnings;
  } cases[] = {
      {"all but the zone's", Zone(U, kCest, kCest, kCest), true,
       "The Lot of Fortune" + lot + "The Lot of Spirit" + lot +
           "The sect is set to night by hand, not taken from the Sun's altitude.|The difference "
           "between UTC and TT for that year is extrapolated.|"},
      {"local mean time", Zone(U, lmt, lmt, lmt), false,
       "The clocks kept local mean time then: the birthplace's own, +00:19:34, is used.|"},
      {"local mean time under a manual offset", Zone(U, lmt, lmt, Offset(3600, ""), true), false,
       ""},
      {"a gap", Zone(G, kCet, kCest, kCest), false,
       skipped + "the later offset, +02:00 CEST, is taken.|"},
      {"an overlap", Zone(O, kCest, kCet, kCest), false,
       "The birth time occurred twice (at +02:00 CEST and +01:00 CET): the earlier offset, "
       "+02:00 CEST, is taken.|"},
      {"a gap under a manual offset", Zone(G, kCet, kCest, Offset(5400, ""), true), false,
       skipped + "the UTC offset +01:30 is used.|"},
  };
  for (const auto& c : cases) {
    TBirthChart b = SampleChart(c.zone);
    if (c.doubtfulChart) {
      b.Chart.FortuneNearBoundary = b.Chart.SpiritNearBoundary = b.Chart.DubiousYear = true;
      b.Chart.Sect = TSect::Night;
    }
    std::string warnings;
    for (const std::string& warning : ChartWarnings(b)) warnings += warning + "|";
    EXPECT_EQ(warnings, c.warnings) << c.what;
  }
}

TEST(ChartText, SectText) {
  TChart chart;
  chart.Sect = chart.ComputedSect = TSect::Night;
  chart.SunAltitudeDeg = -0.44;
  chart.NearHorizon = true;
  EXPECT_EQ(SectText(chart),
            "Night (the Sun 0.4\u00B0 below the horizon: near it, the sect depends on the exact "
            "birth time)");
  chart.ComputedSect = TSect::Day;
  chart.SunAltitudeDeg = 12.0;
  chart.NearHorizon = false;
  EXPECT_EQ(SectText(chart), "Night, set by hand (the Sun 12.0\u00B0 above the horizon)");
}

TEST(ChartText, ChartViewShowsTheChartOrWhyThereIsNone) {
  const TBirthPlace amsterdam{
      "Amsterdam, North Holland, NL", 52.37403, 4.88969, "Europe/Amsterdam", {}};
  const std::string place =
      "Place=Amsterdam, North Holland, NL|Coordinates=52n22'27, 4e53'23|Time zone=Europe/Amsterdam";
  TBirthPlace both = amsterdam;
  both.UtcOffsetSeconds = 1172;
  TBirthChartResult computed, failed, waiting;
  computed.Value = SampleChart();
  computed.Value->Chart.SpiritNearBoundary = true;
  // Mercury .. Saturn and Eros .. Nemesis, Saturn retrograde.
  for (int i = 2; i < kPlanetCount; ++i)
    computed.Value->Chart.Planets[static_cast<std::size_t>(i)] = {
        FromSignPosition(i + 3, 2 * i, 59 - i), i == 6};
  for (int i = 2; i < kLotCount; ++i)
    computed.Value->Chart.LotsDeg[static_cast<std::size_t>(i)] = FromSignPosition(11 - i, i, i);
  failed.Error = waiting.Error = "The clock time did not exist.";
  waiting.NeedsDstChoice = true;
  const struct {
    const char* what;
    TBirthPlace place;
    const TBirthChartResult* result;
    const char* status;
    std::string rows;
    std::size_t warnings;
    bool canRelease;
  } cases[] = {
      {"no place", TBirthPlace(), &failed, kNoPlaceText, "Place=none|", 0, false},
      {"a name only",
       {"Atlantis", {}, {}, "", {}},
       &failed,
       kNoPlaceText,
       "Place=Atlantis|",
       0,
       false},
      {"an error", amsterdam, &failed, "The clock time did not exist.", place + "|", 0, false},
      {"waiting for the choice", amsterdam, &waiting,
       "The clock time did not exist. Release from a lot to be asked, or set Daylight saving in "
       "the Birth Place dialog.",
       place + "|", 0, true},
      {"an offset only, unnamed",
       {"", -33.5, 151.25, "", 36000},
       &failed,
       "The clock time did not exist.",
       "Place=(no name)|Coordinates=33s30, 151e15|Time zone=UTC offset +10:00|",
       0,
       false},
      {"a zone and an offset", both, &failed, "The clock time did not exist.",
       "Place=Amsterdam, North Holland, NL|Coordinates=52n22'27, 4e53'23|Time "
       "zone=Europe/Amsterdam, UTC offset +00:19:32|",
       0, false},
      {"a chart", amsterdam, &computed, "",
       place +
           ", +02:00 CEST|Ascendant=Virgo 3\u00B012\u2032|Sun=Taurus 26\u00B005\u2032|"
           "Moon=Libra 0\u00B059\u2032|Mercury=Virgo 4\u00B057\u2032|Venus=Libra "
           "6\u00B056\u2032|Mars=Scorpio 8\u00B055\u2032|Jupiter=Sagittarius 10\u00B054\u2032|"
           "Saturn=Capricorn 12\u00B053\u2032 \u211E|Lot of Fortune=Gemini 10\u00B034\u2032|Lot "
           "of Spirit=Sagittarius 17\u00B051\u2032|Lot of Eros=Capricorn 2\u00B002\u2032|Lot of "
           "Necessity=Sagittarius 3\u00B003\u2032|Lot of Courage=Scorpio 4\u00B004\u2032|Lot of "
           "Victory=Libra 5\u00B005\u2032|Lot of Nemesis=Virgo 6\u00B006\u2032|Sect=Day (the Sun "
           "35.2\u00B0 above the horizon)|Zodiac=Tropical|Variants=Lots reversed by night; sect by "
           "the geometric horizon|",
       1, true},
  };
  for (const auto& c : cases) {
    const TChartView view = ChartView(c.place, *c.result);
    EXPECT_EQ(view.Status, c.status) << c.what;
    std::string rows;
    for (const auto& [label, value] : view.Rows) rows += label + "=" + value + "|";
    EXPECT_EQ(rows, c.rows) << c.what;
    EXPECT_EQ(view.Warnings.size(), c.warnings) << c.what;
    EXPECT_EQ(view.CanRelease, c.canRelease) << c.what;
  }
}

// The zodiac with its ayanamsa truncated to the minute, and the variants.
TEST(ChartText, ZodiacAndVariantsLines) {
  const struct {
    TChartVariants variants;
    double ayanamsa;
    const char* zodiac;
    const char* line;
  } cases[] = {
      {{}, 0.0, "Tropical", "Lots reversed by night; sect by the geometric horizon"},
      {{TZodiac::Lahiri, TLotFormula::Day, TSectHorizon::Geometric},
       23.7237,
       "Sidereal, Lahiri (ayanamsa 23\u00B043\u2032)",
       "Lots by the day formula always; sect by the geometric horizon"},
      {{TZodiac::FaganBradley, TLotFormula::Sect, TSectHorizon::Visible},
       25.0 - 1e-12,
       "Sidereal, Fagan\u2013Bradley (ayanamsa 25\u00B000\u2032)",
       "Lots reversed by night; sect by the visible horizon (\u22120.833\u00B0)"},
      {{TZodiac::Lahiri, TLotFormula::Sect, TSectHorizon::Geometric},
       24.9999,
       "Sidereal, Lahiri (ayanamsa 24\u00B059\u2032)",
       "Lots reversed by night; sect by the geometric horizon"},
  };
  for (const auto& c : cases) {
    TChart chart;
    chart.Variants = c.variants;
    chart.AyanamsaDeg = c.ayanamsa;
    EXPECT_EQ(ZodiacText(chart), c.zodiac) << c.zodiac;
    EXPECT_EQ(VariantsText(c.variants), c.line) << c.zodiac;
  }
}

TEST(ChartText, DstQuestionNamesBothOffsets) {
  const TDstQuestion gap = DstQuestion("Europe/Amsterdam", Zone(G, kCet, kCest, kCet));
  EXPECT_EQ(gap.Text,
            "The birth time did not exist in Europe/Amsterdam: the clocks moved on from +01:00 CET "
            "to +02:00 CEST over it. Which offset did the birth take?");
  EXPECT_EQ(gap.Earlier + "|" + gap.Later, "Earlier: +01:00 CET|Later: +02:00 CEST");
  const TDstQuestion overlap = DstQuestion("Europe/Amsterdam", Zone(O, kCest, kCet, kCest));
  EXPECT_EQ(overlap.Text,
            "The birth time occurred twice in Europe/Amsterdam: first at +02:00 CEST, then at "
            "+01:00 CET. Which offset did the birth take?");
  EXPECT_EQ(overlap.Earlier + "|" + overlap.Later, "Earlier: +02:00 CEST|Later: +01:00 CET");
}

}  // namespace
}  // namespace ostrane
