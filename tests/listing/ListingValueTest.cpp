// The listings as values: the ends of their periods, and which line a double
// click on a row subdivides.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Errors.h"
#include "Listing.h"
#include "ListingFixture.h"
#include "PeriodSpans.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

struct TSettingsCase {
  const char* name;
  ReleaseSettings settings;
  int maxSpanLevel;  // levels of PeriodSpans the ends are compared with
};

std::vector<TSettingsCase> SettingsCases() {
  const ReleaseSettings worked = WorkedExample();
  ReleaseSettings longest = worked;  // 2511 data lines
  longest.StartSign = 9;
  longest.GeneralPeriods = 200;
  ReleaseSettings modern = worked;
  modern.ReleasingType = kModern;
  modern.StartSign = 4;
  modern.GeneralPeriods = 14;
  modern.TimeText = "2:30 pm";
  modern.DateStyle = kEuropean;
  modern.SignNameStyle = kShortNames;
  modern.AnglesFrom = kFromStartSign;
  ReleaseSettings egyptian = worked;
  egyptian.ReleasingType = kEgyptian;
  egyptian.StartSign = kNoSelection;
  egyptian.GeneralPeriods = 30;
  egyptian.LooseBondType = kNever;
  egyptian.FortuneSign = 7;
  return {{"WorkedExample", worked, 4},
          {"Valens200FromCapricorn", longest, 2},
          {"Modern14FromLeo", modern, 4},
          {"Egyptian30NoStartSign", egyptian, 4}};
}

// The header and line texts, as a list holds them.
std::vector<std::string> ListTexts(const TListing& listing) {
  std::vector<std::string> texts = listing.Header;
  for (const TListedLine& line : listing.Lines) texts.push_back(line.Text);
  return texts;
}

// Every period of positive length ends where PeriodSpans ends it; a general
// period's line stands for its first sub period as well.
TEST(ListingValue, EndsAreThoseOfThePeriodSpans) {
  for (const TSettingsCase& c : SettingsCases()) {
    SCOPED_TRACE(c.name);
    const TListing main = ListGeneral(c.settings, TimeLocale{});
    TDate date;
    TChronocrator chronocrator;
    const double start = ListingStart(date, c.settings, TimeLocale{});
    std::map<int, TListing> level34;  // by data line
    std::size_t compared = 0;
    for (const TPeriodSpan& span : PeriodSpans(chronocrator, c.settings, start, c.maxSpanLevel)) {
      const auto entry = static_cast<std::size_t>(span.Entry);
      ASSERT_LT(entry, main.Lines.size());
      const TListedLine& line = main.Lines[entry];
      if (span.Level >= 3) {
        auto it = level34.find(span.Entry);
        if (it == level34.end())
          it = level34.emplace(span.Entry, ListLevel34(c.settings, main, span.Entry)).first;
        const TListedLine& l34 = it->second.Lines.at(static_cast<std::size_t>(span.Level34Entry));
        EXPECT_EQ(l34.Period.Start, span.Start) << "entry " << entry;
        EXPECT_EQ(l34.End, span.End) << "entry " << entry << " L34 " << span.Level34Entry;
      } else if (span.Level == 2 && line.Period.Level == 1) {
        EXPECT_EQ(SubPeriodEnd(main, span.Entry), span.End) << "first sub of entry " << entry;
      } else {
        EXPECT_EQ(line.End, span.End) << "entry " << entry;
        EXPECT_EQ(line.Place, span.Place) << "entry " << entry;
        ++compared;
      }
    }
    // Only a sub period of no length is left out of the spans.
    std::size_t positive = 0;
    for (const TListedLine& line : main.Lines) positive += line.Period.Start < line.End ? 1 : 0;
    EXPECT_EQ(compared, positive);
  }
}

TEST(ListingValue, Level34OfARowIsTheDoubleClick) {
  ListingFixture f;
  f.ListMain();
  const TListing main = ListGeneral(f.Settings, TimeLocale{});
  const int last = kHeaderLines + TabledLines(main) - 1;
  const struct {
    const char* name;
    int row;
  } rows[] = {{"nothing selected", -1},      {"title", 0},    {"blank header", 2},
              {"general line", 3},           {"sub line", 4}, {"last line", last},
              {"past the listing", last + 1}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    f.ListRow(r.row);
    const TListing value = ListLevel34(f.Settings, main, DataLineOfRow(main, r.row));
    EXPECT_EQ(value.Ending, f.level34.Ending);
    EXPECT_EQ(ListTexts(value), f.Level3Lines);
  }
}

TEST(ListingValue, RowsPastTheTabledLinesAreNoLines) {
  TListing main = ListGeneral(WorkedExample(), TimeLocale{});
  main.Lines.resize(kTabledLines + 5, main.Lines.front());
  EXPECT_EQ(DataLineOfRow(main, kHeaderLines + kTabledLines - 1), kTabledLines - 1);
  EXPECT_EQ(DataLineOfRow(main, kHeaderLines + kTabledLines), -1);
  EXPECT_EQ(ListLevel34(WorkedExample(), main, kTabledLines).Ending, TListingEnd::NotALine);
}

TEST(ListingValue, ARefusedTimeLeavesTheHeaderOnly) {
  ListingFixture f;
  f.Settings.TimeText = "25:00";
  f.ListMain();
  const std::string thrown = f.main.Refusal;
  const TListing value = ListGeneral(f.Settings, TimeLocale{});
  EXPECT_EQ(value.Ending, TListingEnd::TimeRefused);
  EXPECT_EQ(value.Refusal, thrown);
  EXPECT_FALSE(thrown.empty());
  EXPECT_EQ(value.Header, f.MainLines);
  EXPECT_TRUE(value.Lines.empty());
}

}  // namespace
