#include <algorithm>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "tests/listing/ListingFixture.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

TEST(GeneralListing, WorkedExample) {
  ListingFixture f;
  f.ListMain();
  const std::vector<std::string> expected = {
      "General and Sub Period Releasings For:",
      "Time Lords",
      " ",
      "Aries major and sub begin 1/1/2000",
      Sub("Taurus sub begins 3/26/2001"),
      Sub("Gemini sub begins 11/21/2001"),
      Sub("Cancer sub begins 7/14/2003"),
      Sub("Leo sub begins 8/2/2005"),
      Sub("Virgo sub begins 2/23/2007"),
      Sub("Libra sub begins 10/15/2008"),
      Sub("Scorpio sub begins 6/12/2009"),
      Sub("Sagittarius sub begins 9/5/2010"),
      Sub("Capricorn sub begins 8/31/2011"),
      Sub("Aquarius sub begins 11/18/2013"),
      "Taurus major and sub begin 10/14/2014",
      Sub("Gemini sub begins 6/11/2015"),
  };
  ASSERT_GE(f.MainLines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(f.MainLines[i], expected[i]) << "list index " << i;

  EXPECT_EQ(f.Start(0), 2451545.0);
  EXPECT_EQ(f.Counter(0), 0);
  EXPECT_EQ(f.Start(1), 2451995.0);
  EXPECT_EQ(f.Counter(1), 1);
  EXPECT_EQ(f.Start(11), 2456945.0);
  EXPECT_EQ(f.Counter(11), 1);
  EXPECT_EQ(TabledLines(f.main), f.DataLines());
}

TEST(GeneralListing, SubPeriodEndingExactlyAtTheGeneralEndIsListed) {
  ListingFixture f;
  f.Settings.StartSign = 10;  // Aquarius
  f.Settings.ReleasingType = TReleasingType::Egyptian;
  f.Settings.SignNameStyle = TSignNameStyle::Short;
  f.ListMain();
  const auto& m = f.MainLines;
  const std::vector<std::string> signs = {"Pi", "Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                          "Li", "Sc", "Sa", "Cp", "Le", "Vi", "Li",
                                          "Sc", "Sa", "Cp", "Aq", "Pi", "Ar"};
  ASSERT_GE(m.size(), 3u + 1 + signs.size() + 1);
  EXPECT_EQ(m[3], "Aq major and sub begin 1/1/2000");
  for (std::size_t i = 0; i < signs.size(); ++i)
    EXPECT_EQ(m[4 + i].substr(0, 10), Sub(signs[i])) << "sub line " << i + 2;
  EXPECT_EQ(m[23], Sub("Ar sub begins 7/27/2029"));
  EXPECT_EQ(m[24], "Pi major and sub begin 7/27/2029");
  // After the jump the counters run on unreduced: 28 (Leo) .. 36 (Aries).
  for (int entry = 12; entry <= 20; ++entry)
    EXPECT_EQ(f.Counter(entry), 16 + entry) << "entry " << entry;
}

TEST(GeneralListing, LooseBondInTheGeneralPeriods) {
  for (const auto& [bond, line] :
       {std::pair{TLooseBond::Always, "Libra major and sub begin 12/22/2207"},
        std::pair{TLooseBond::Never, "Aries major and sub begin 12/22/2207"}}) {
    ListingFixture f;
    f.Settings.GeneralPeriods = 13;
    f.Settings.LooseBondType = bond;
    f.ListMain();
    std::vector<std::string> generals;
    std::copy_if(f.MainLines.begin() + kHeaderLines, f.MainLines.end(),
                 std::back_inserter(generals), [](const auto& l) { return l[0] != ' '; });
    ASSERT_EQ(generals.size(), 13u) << "loose bond " << ToItemIndex(bond);
    EXPECT_EQ(generals[12], line) << "loose bond " << ToItemIndex(bond);
  }
}

TEST(GeneralListing, LooseBondCountersSkipSixSigns) {
  ListingFixture f;
  f.Settings.GeneralPeriods = 37;
  f.Settings.StartSign = 3;
  f.ListMain();
  std::vector<std::int32_t> counters;
  for (int e = 0; e < TabledLines(f.main); ++e)
    if (f.MainLines[static_cast<std::size_t>(e + kHeaderLines)][0] != ' ')
      counters.push_back(f.Counter(e));
  ASSERT_EQ(counters.size(), 37u);
  for (int p = 0; p < 37; ++p) {
    const int expected = 3 + p + 6 * (p / 12);  // S..S+11, S+18..S+29, S+36..
    EXPECT_EQ(counters[static_cast<std::size_t>(p)], expected) << "general period " << p + 1;
  }
}

TEST(GeneralListing, OneTaurusPeriodCutsTheLateSubPeriod) {
  for (const TReleasingType type : {TReleasingType::Egyptian, TReleasingType::Valens}) {
    ListingFixture f;
    f.Settings.GeneralPeriods = 1;
    f.Settings.StartSign = 1;
    f.Settings.ReleasingType = type;
    f.ListMain();
    ASSERT_EQ(f.DataLines(), 6) << "type " << ToItemIndex(type);
    const char* signs[] = {"Gemini", "Cancer", "Leo", "Virgo", "Libra"};
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(f.MainLines[static_cast<std::size_t>(4 + i)].rfind(Sub(signs[i]), 0), 0u)
          << "type " << ToItemIndex(type) << ", line " << i;
  }
}

TEST(GeneralListing, TimeOfDayMovesDatesOnlyUnderModern) {
  for (const TReleasingType type :
       {TReleasingType::Modern, TReleasingType::Egyptian, TReleasingType::Valens}) {
    ListingFixture early, late;
    for (auto* f : {&early, &late}) {
      f->Settings.ReleasingType = type;
      f->Settings.GeneralPeriods = 12;
    }
    early.Settings.TimeText = "00:00";
    late.Settings.TimeText = "23:59";
    early.ListMain();
    late.ListMain();
    ASSERT_EQ(early.MainLines.size(), late.MainLines.size()) << "type " << ToItemIndex(type);
    const bool same = early.MainLines == late.MainLines;
    EXPECT_EQ(same, type != TReleasingType::Modern) << "type " << ToItemIndex(type);
  }
}

TEST(GeneralListing, DateAndSignStyles) {
  const struct {
    TDateStyle dateStyle;
    TSignNameStyle signStyle;
    const char* general;
    const char* sub;
  } cases[] = {
      {TDateStyle::European, TSignNameStyle::Long, "Aries major and sub begin 1/1/2000",
       "Taurus sub begins 26/3/2001"},
      {TDateStyle::American, TSignNameStyle::Short, "Ar major and sub begin 1/1/2000",
       "Ta sub begins 3/26/2001"},
      {TDateStyle::Scientific, TSignNameStyle::Long, "Aries major and sub begin 2000/1/1",
       "Taurus sub begins 2001/3/26"},
      {TDateStyle::None, TSignNameStyle::Long, "Aries major and sub begin ", "Taurus sub begins "},
      {TDateStyle::American, TSignNameStyle::None, " major and sub begin 1/1/2000",
       " sub begins 3/26/2001"},
  };
  ListingFixture reference;
  reference.ListMain();
  for (const auto& c : cases) {
    ListingFixture f;
    f.Settings.DateStyle = c.dateStyle;
    f.Settings.SignNameStyle = c.signStyle;
    f.ListMain();
    EXPECT_EQ(f.MainLines[3], c.general) << c.general;
    EXPECT_EQ(f.MainLines[4], Sub(c.sub)) << c.sub;
    EXPECT_EQ(f.DataLines(), reference.DataLines())
        << "the listing is complete whatever the styles";
  }
}

TEST(GeneralListing, FormatDateStyleOfNegativeAndZeroYears) {
  TDate date;
  date.SetDate(-44, 3, 15.75);
  EXPECT_EQ(FormatDateStyle(date, TDateStyle::European), "15/3/-44");
  date.SetDate(0, 12, 31.999);
  EXPECT_EQ(FormatDateStyle(date, TDateStyle::Scientific), "0/12/31") << "the day is truncated";
}

TEST(GeneralListing, InvalidTimeStopsAfterTheHeader) {
  ListingFixture f;
  f.ListMain();
  f.Settings.TimeText = "abc";
  f.ListMain();
  EXPECT_EQ(f.main.Ending, TListingEnd::TimeRefused) << "the time text abc was accepted";
  EXPECT_EQ(f.main.Refusal, "'abc' is not a valid time");
  EXPECT_EQ(f.MainLines, (std::vector<std::string>{
                             "General and Sub Period Releasings For:", "Time Lords", " "}));
  EXPECT_EQ(TabledLines(f.main), 0);
}

TEST(GeneralListing, NumberOfGeneralPeriods) {
  const struct {
    std::int32_t requested;
    std::size_t generals;
  } cases[] = {{0, 0}, {-5, 0}, {1, 1}, {200, 200}, {201, 200}, {100000, 200}};
  for (const auto& c : cases) {
    ListingFixture f;
    f.Settings.GeneralPeriods = c.requested;
    f.ListMain();
    const auto generals = std::count_if(f.MainLines.begin() + kHeaderLines, f.MainLines.end(),
                                        [](const auto& l) { return l[0] != ' '; });
    EXPECT_EQ(static_cast<std::size_t>(generals), c.generals) << "N = " << c.requested;
    EXPECT_EQ(f.main.Ending, TListingEnd::Complete) << "N = " << c.requested;
  }
}

TEST(GeneralListing, TwoHundredPeriodsStayInsideTheTables) {
  int longest = 0;
  for (const TReleasingType type :
       {TReleasingType::Modern, TReleasingType::Egyptian, TReleasingType::Valens}) {
    for (int sign = 0; sign < 12; ++sign) {
      for (const TLooseBond bond : {TLooseBond::Never, TLooseBond::Always}) {
        ListingFixture f;
        f.Settings.GeneralPeriods = 200;
        f.Settings.ReleasingType = type;
        f.Settings.StartSign = sign;
        f.Settings.LooseBondType = bond;
        f.ListMain();
        EXPECT_EQ(TabledLines(f.main), f.DataLines());
        longest = std::max(longest, f.DataLines());
        if (type == TReleasingType::Valens && sign == 9) {
          EXPECT_EQ(f.DataLines(), 2511)
              << "Valens from Capricorn, loose bond " << ToItemIndex(bond);
        }
      }
    }
  }
  EXPECT_EQ(longest, 2511);
  EXPECT_LE(longest, kTabledLines);
}

TEST(GeneralListing, NoStartSignIsTakenAsAries) {
  ListingFixture aries, none;
  none.Settings.StartSign = kNoSelection;
  aries.ListMain();
  none.ListMain();
  EXPECT_EQ(none.MainLines, aries.MainLines);
  std::vector<std::int32_t> noneCounters, ariesCounters;
  for (const TPeriodStep& p : none.MainPeriods) noneCounters.push_back(p.Counter);
  for (const TPeriodStep& p : aries.MainPeriods) ariesCounters.push_back(p.Counter);
  EXPECT_EQ(noneCounters, ariesCounters);
}

TEST(GeneralListing, MonthZeroIsDecemberOfThePreviousYear) {
  ListingFixture f;
  f.Settings.MonthIndex = kNoSelection;
  f.ListMain();
  EXPECT_EQ(f.MainLines[3], "Aries major and sub begin 12/1/1999");
}

TEST(GeneralListing, ANewListingHoldsOnlyItsOwnLines) {
  ListingFixture f;
  f.Settings.GeneralPeriods = 3;
  f.ListMain();
  const int longer = TabledLines(f.main);
  const double firstOfLonger = f.Start(0);
  f.Settings.GeneralPeriods = 1;
  f.Settings.Name = "Second";
  f.ListMain();
  EXPECT_EQ(f.MainLines[1], "Second");
  EXPECT_LT(TabledLines(f.main), longer);
  EXPECT_EQ(f.Start(0), firstOfLonger) << "the same birth moment";
  EXPECT_EQ(f.MainLines.size(), kHeaderLines + f.main.Lines.size())
      << "no line of the longer listing is left behind";
}

}  // namespace
