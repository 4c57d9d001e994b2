// The timeline's tracks (one from the start sign, or from Spirit and from
// Fortune) and the texts of its periods.
#include <tuple>

#include <gtest/gtest.h>

#include "core/IsoDateText.h"
#include "listing/Releasing.h"
#include "tests/support/HandChart.h"
#include "tests/support/TimelineTestSupport.h"
#include "timeline/TimelineModel.h"

namespace ostrane::timelinetest {
namespace {

std::vector<std::tuple<int, std::int32_t, double, double, int, bool, int>> Fields(
    const std::vector<TPeriodSpan>& spans) {
  std::vector<std::tuple<int, std::int32_t, double, double, int, bool, int>> all;
  for (const auto& s : spans)
    all.emplace_back(s.Level, s.Counter, s.Start, s.End, s.Place, s.Loosing, s.Entry);
  return all;
}

// Each track holds exactly the periods of levels 1 and 2 of the listing
// from its sign; the track of the main list is marked "as listed" (the
// only track always is).
TEST(TimelineModel, TracksFromTheStartSignOrFromSpiritAndFortune) {
  const struct {
    const char* name;
    std::int32_t start, fortune, spirit;
    std::vector<std::string> titles;
    std::vector<std::int32_t> signs;
  } cases[] = {
      {"no Lot of Spirit", 0, 3, -1, {"from Aries"}, {0}},
      {"no Lot of Fortune", 0, -1, 4, {"from Aries"}, {0}},
      {"a Spirit sign out of range", 0, 3, 12, {"from Aries"}, {0}},
      {"no start sign selected: Aries", -1, 3, -1, {"from Aries"}, {0}},
      {"from Spirit", 4, 3, 4, {"from Spirit (Leo), as listed", "from Fortune (Cancer)"}, {4, 3}},
      {"from Fortune", 3, 3, 4, {"from Spirit (Leo)", "from Fortune (Cancer), as listed"}, {4, 3}},
      {"from neither", 0, 3, 4, {"from Spirit (Leo)", "from Fortune (Cancer)"}, {4, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTimelineSource source = WorkedExample(3, c.fortune);
    source.Settings.StartSign = c.start;
    const TTimelineModel model = BuildTimelineModel(source, c.spirit);
    ASSERT_EQ(model.Tracks.size(), c.titles.size());
    double last = 0;
    for (std::size_t t = 0; t < model.Tracks.size(); ++t) {
      const TTimelineTrack& track = model.Tracks[t];
      EXPECT_EQ(track.Title, c.titles[t]);
      EXPECT_EQ(track.StartSign, c.signs[t]);
      EXPECT_EQ(track.IsListing, c.titles.size() == 1 || track.Title.ends_with(", as listed"));
      ReleaseSettings settings = source.Settings;
      settings.StartSign = c.signs[t];
      TChronocrator chronocrator;
      const auto spans =
          PeriodSpans(ListGeneralPeriods(chronocrator, settings, kBirth), settings, 2);
      EXPECT_EQ(Fields(track.Spans), Fields(spans)) << track.Title;
      for (const auto& span : spans) last = std::max(last, span.End);
    }
    EXPECT_EQ(model.First, kBirth);
    EXPECT_EQ(model.Last, last);
  }
}

TEST(TimelineModel, ToolTipsTellSignLevelDatesAndPlace) {
  const struct {
    const char* name;
    TDateStyle dateStyle;
    TSignNameStyle names;
    std::int32_t fortune;
    TAnglesFrom anglesFrom;
    int level;
    std::int32_t counter;
    std::string text;
  } cases[] = {
      {"Aries, the 10th from Fortune in Cancer", TDateStyle::American, TSignNameStyle::Long, 3,
       TAnglesFrom::Fortune, 1, 0,
       "Aries, general period (level 1)\nfrom 1/1/2000 to 10/14/2014\n10th from Fortune: the "
       "peak\nRuler: Mars"},
      {"a sub period that is no angle", TDateStyle::American, TSignNameStyle::Long, 3,
       TAnglesFrom::Fortune, 2, 1,
       "Taurus, sub period (level 2)\nfrom 3/26/2001 to 11/21/2001\n11th from Fortune\nRuler: "
       "Venus"},
      {"European dates, short names", TDateStyle::European, TSignNameStyle::Short, 3,
       TAnglesFrom::Fortune, 1, 1,
       "Ta, general period (level 1)\nfrom 14/10/2014 to 2/9/2022\n11th from Fortune\nRuler: "
       "Venus"},
      {"scientific dates, no Fortune", TDateStyle::Scientific, TSignNameStyle::Long, -1,
       TAnglesFrom::Fortune, 2, 3,
       "Cancer, sub period (level 2)\nfrom 2003/7/14 to 2005/8/2\nplace from Fortune unknown (no "
       "Lot of Fortune)\nRuler: Moon"},
      {"no date style selected: scientific", TDateStyle::None, TSignNameStyle::Long, 3,
       TAnglesFrom::Fortune, 2, 1,
       "Taurus, sub period (level 2)\nfrom 2001/3/26 to 2001/11/21\n11th from Fortune\nRuler: "
       "Venus"},
      {"places from the start sign", TDateStyle::American, TSignNameStyle::Long, 3,
       TAnglesFrom::StartSign, 1, 0,
       "Aries, general period (level 1)\nfrom 1/1/2000 to 10/14/2014\n1st from the start sign: "
       "angular\nRuler: Mars"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTimelineSource source = WorkedExample(2, c.fortune);
    source.Settings.DateStyle = c.dateStyle;
    source.Settings.SignNameStyle = c.names;
    source.Settings.AnglesFrom = c.anglesFrom;
    const TTimelineModel model = BuildTimelineModel(source);
    const auto& spans = model.Tracks[0].Spans;
    const auto span = std::find_if(spans.begin(), spans.end(), [&](const TPeriodSpan& s) {
      return s.Level == c.level && s.Counter == c.counter;
    });
    ASSERT_NE(span, spans.end());
    EXPECT_EQ(PeriodToolTip(model, model.Tracks[0], *span), c.text);
  }
}

TEST(TimelineModel, ToolTipsNameTheLoosingOfTheBondAndTheTrack) {
  const TTimelineModel model = BuildTimelineModel(WorkedExample(14, 3), 4);
  ASSERT_EQ(model.Tracks.size(), 2u);
  int loosings = 0;
  for (const auto& track : model.Tracks) {
    for (const auto& span : track.Spans) {
      const std::string text = PeriodToolTip(model, track, span);
      SCOPED_TRACE(text);
      EXPECT_NE(text.find(", " + track.Title + "\n"), std::string::npos);
      EXPECT_EQ(text.ends_with("\nthe loosing of the bond (LB): a turning point"), span.Loosing);
      loosings += span.Loosing ? 1 : 0;
    }
  }
  // Both tracks pass the 12th general period, and Leo's and Cancer's long
  // general periods loose the bond among their sub periods.
  EXPECT_GE(loosings, 4);
}

TEST(TimelineModel, TheLotOfSpiritFromTheChartOfTheBirthPlace) {
  TBirthPlace amsterdam;
  amsterdam.Latitude = 52.37403;
  amsterdam.Longitude = 4.88969;
  amsterdam.TimeZone = "Europe/Amsterdam";
  TBirthPlace noZone = amsterdam;
  noZone.TimeZone.clear();
  const struct {
    const char* name;
    TBirthPlace place;
    std::int32_t fortune, spirit;
  } cases[] = {
      // Fortune in Cancer, Spirit in Virgo (the chart of ostrane-list --lots).
      {"Amsterdam, Fortune's sign as its chart", amsterdam, 3, 5},
      {"another Fortune than the chart's", amsterdam, 0, -1},
      {"no Fortune", amsterdam, -1, -1},
      {"no place", TBirthPlace{}, 3, -1},
      {"a place without a zone or offset: no chart", noZone, 3, -1},
  };
  for (const auto& c : cases) {
    TTimelineSource source = WorkedExample(2, c.fortune);
    source.Settings.Place = c.place;
    source.Start = CivilJulianDay(TCivilMoment{1980, 4, 12, (14 * 60 + 30) * 60000});
    EXPECT_EQ(ChartSpiritSign(source), c.spirit) << c.name;
  }
}

TEST(TimelineModel, ToolTipsReadTheRulerInTheChart) {
  // Loosing in Leo: the tooltip of each period with the chart is the one
  // without, its ruler's line read on, before the loosing of the bond.
  TTimelineModel model = BuildTimelineModel(WorkedExample(14, 3));
  const TTimelineModel plain = model;
  model.Chart = testing::HandChart(TSect::Day);
  const struct {
    int level;
    std::int32_t counter;
    const char* ruler;
  } cases[] = {
      {1, 0, "Ruler: Mars, in Capricorn (1st house), a malefic, out of sect"},
      {2, 9, "Ruler: Saturn, in Leo (8th house), the sect malefic; Mars in Capricorn"},
  };
  for (const auto& c : cases) {
    const auto& spans = model.Tracks[0].Spans;
    const auto span = std::find_if(spans.begin(), spans.end(), [&](const TPeriodSpan& s) {
      return s.Level == c.level && s.Counter == c.counter;
    });
    ASSERT_NE(span, spans.end()) << c.ruler;
    const std::string without = PeriodToolTip(plain, plain.Tracks[0], *span);
    EXPECT_EQ(PeriodToolTip(model, model.Tracks[0], *span),
              without.substr(0, without.rfind("\nRuler: ")) + "\n" + c.ruler);
  }
  int loosings = 0;
  for (const TPeriodSpan& span : model.Tracks[0].Spans) {
    if (!span.Loosing) continue;
    ++loosings;
    const std::string text = PeriodToolTip(model, model.Tracks[0], span);
    EXPECT_TRUE(text.ends_with("\nthe loosing of the bond (LB): a turning point")) << text;
    EXPECT_NE(text.find("\nRuler: "), std::string::npos) << text;
  }
  EXPECT_GT(loosings, 0);
}

TEST(TimelineModel, SignGlyphs) {
  const struct {
    std::int32_t counter;
    const char* glyph;
  } cases[] = {{0, "\xE2\x99\x88"},  {4, "\xE2\x99\x8C"},  {11, "\xE2\x99\x93"},
               {12, "\xE2\x99\x88"}, {18, "\xE2\x99\x8E"}, {-1, ""}};
  for (const auto& c : cases) EXPECT_EQ(SignGlyph(c.counter), c.glyph) << c.counter;
}

}  // namespace
}  // namespace ostrane::timelinetest
