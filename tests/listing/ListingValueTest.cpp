// The listings as values: the ends of their periods, and which line a double
// click on a row subdivides.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "listing/InForce.h"
#include "listing/Listing.h"
#include "listing/PeriodSpans.h"
#include "tests/listing/ListingFixture.h"

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
  modern.ReleasingType = TReleasingType::Modern;
  modern.StartSign = 4;
  modern.GeneralPeriods = 14;
  modern.TimeText = "2:30 pm";
  modern.DateStyle = TDateStyle::European;
  modern.SignNameStyle = TSignNameStyle::Short;
  modern.AnglesFrom = TAnglesFrom::StartSign;
  ReleaseSettings egyptian = worked;
  egyptian.ReleasingType = TReleasingType::Egyptian;
  egyptian.StartSign = kNoSelection;
  egyptian.GeneralPeriods = 30;
  egyptian.LooseBondType = TLooseBond::Never;
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
    std::map<int, TListing> level34;  // by data line
    std::size_t compared = 0;
    for (const TPeriodSpan& span : PeriodSpans(main, c.settings, c.maxSpanLevel)) {
      const auto entry = static_cast<std::size_t>(span.MainEntry);
      ASSERT_LT(entry, main.Lines.size());
      const TListedLine& line = main.Lines[entry];
      if (span.Level >= 3) {
        auto it = level34.find(span.MainEntry);
        if (it == level34.end())
          it = level34.emplace(span.MainEntry, ListLevel34(c.settings, main, span.MainEntry)).first;
        const TListedLine& l34 = it->second.Lines.at(static_cast<std::size_t>(span.Entry));
        EXPECT_EQ(l34.Period.Start, span.Start) << "entry " << entry;
        EXPECT_EQ(l34.End, span.End) << "entry " << entry << " L34 " << span.Entry;
      } else if (span.Level == 2 && line.Period.Level == 1) {
        EXPECT_EQ(SubPeriodEnd(main, span.MainEntry), span.End) << "first sub of entry " << entry;
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

// The lines of `part` are the first lines of `whole`: the same periods, ends
// and places.
void ExpectFirstLines(const TListing& part, const TListing& whole, const std::string& what) {
  ASSERT_LE(part.Lines.size(), whole.Lines.size()) << what;
  for (std::size_t i = 0; i < part.Lines.size(); ++i) {
    const TListedLine &a = part.Lines[i], &b = whole.Lines[i];
    EXPECT_TRUE(a.Period.Level == b.Period.Level && a.Period.Counter == b.Period.Counter &&
                a.Period.Start == b.Period.Start && a.Period.Loosing == b.Period.Loosing &&
                a.End == b.End && a.Place == b.Place && a.Text.empty())
        << what << ", line " << i;
  }
}

// Every period the spans give is a listed line's (its start and end), and the
// period in force at its start at its level, read from the whole listing and
// through the listing's first lines alone (the window's in-force, the
// batch), and the first lines listed through a moment are those of the whole
// listing with the same ends.
TEST(ListingValue, SpansAndPeriodsInForceAreTheListedLines) {
  for (const TSettingsCase& c : SettingsCases()) {
    SCOPED_TRACE(c.name);
    TDate date;
    const double birth = ListingStart(date, c.settings, TimeLocale{});
    TChronocrator chronocrator;
    const TListing main = ListGeneralPeriods(chronocrator, c.settings, birth);
    ExpectFirstLines(main, ListGeneral(c.settings, TimeLocale{}), "without texts");
    std::map<int, TListing> level34;  // by data line
    int counts[5] = {};
    for (const TListedPeriod& span : PeriodSpans(main, c.settings, c.maxSpanLevel)) {
      ++counts[span.Level];
      const std::string what = "level " + std::to_string(span.Level) + " entry " +
                               std::to_string(span.MainEntry) + "/" + std::to_string(span.Entry);
      const TListing* own = &main;
      if (span.Level >= 3) {
        auto it = level34.find(span.MainEntry);
        if (it == level34.end())
          it = level34
                   .emplace(span.MainEntry,
                            ListLevel34Periods(chronocrator, c.settings, main, span.MainEntry))
                   .first;
        own = &it->second;
      } else {
        EXPECT_EQ(span.Entry, span.MainEntry) << what;
      }
      const TListedLine& line = own->Lines.at(static_cast<std::size_t>(span.Entry));
      EXPECT_EQ(line.Period.Start, span.Start) << what;
      EXPECT_EQ(span.Level == 2 ? SubPeriodEnd(main, span.Entry) : line.End, span.End) << what;

      const TInForce whole = PeriodsInForce(main, c.settings, span.Start);
      ASSERT_EQ(whole.Status, TInForceStatus::InForce) << what;
      EXPECT_TRUE(whole.Periods[static_cast<std::size_t>(span.Level - 1)] == span) << what;
      // The first lines through the start of every general period and of
      // every fifth sub period.
      if (span.Level > 2 || (span.Level == 2 && span.MainEntry % 5 != 0)) continue;
      const TListing first = ListGeneralPeriods(chronocrator, c.settings, birth, span.Start);
      ExpectFirstLines(first, main, what);
      EXPECT_LT(span.MainEntry, static_cast<int>(first.Lines.size())) << what;
      const TInForce through = PeriodsInForce(chronocrator, c.settings, birth, span.Start);
      EXPECT_TRUE(through.Status == whole.Status && through.Periods == whole.Periods) << what;
    }
    EXPECT_EQ(counts[1], std::min(c.settings.GeneralPeriods, kMaxGeneralPeriods));
    EXPECT_GT(counts[2], counts[1]);
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
