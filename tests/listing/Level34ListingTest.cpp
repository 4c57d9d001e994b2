#include <algorithm>

#include <gtest/gtest.h>

#include "tests/listing/ListingFixture.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

std::vector<std::string> Level3Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  std::copy_if(lines.begin() + kHeaderLines, lines.end(), std::back_inserter(out),
               [](const auto& l) { return l[0] != ' '; });
  return out;
}

// The level 4 lines between the level 3 line that starts with `level3` and
// the next level 3 line.
std::vector<std::string> Level4LinesOf(const std::vector<std::string>& lines,
                                       const std::string& level3) {
  auto it = std::find_if(lines.begin(), lines.end(),
                         [&](const auto& l) { return l.rfind(level3, 0) == 0; });
  std::vector<std::string> out;
  if (it == lines.end()) return out;
  for (++it; it != lines.end() && (*it)[0] == ' '; ++it) out.push_back(*it);
  return out;
}

TEST(Level34Listing, WorkedExample) {
  ListingFixture f;
  f.ListLevel34(3);
  const std::vector<std::string> expected = {
      "Level 3 - 4 Releasings For:",
      "Time Lords",
      " ",
      "Aries L3 begins 1/1/2000, 12:00 pm",
      L4("Aries L4 begins 1/1/2000, 12:00 pm"),
      L4("Taurus L4 begins 1/4/2000, 03:00 pm"),
      L4("Gemini L4 begins 1/6/2000, 07:00 am"),
      L4("Cancer L4 begins 1/10/2000, 11:00 am"),
      L4("Leo L4 begins 1/15/2000, 04:00 pm"),
      L4("Virgo L4 begins 1/19/2000, 03:00 pm"),
      L4("Libra L4 begins 1/23/2000, 07:00 pm"),
      L4("Scorpio L4 begins 1/25/2000, 11:00 am"),
      L4("Sagittarius L4 begins 1/28/2000, 02:00 pm"),
      L4("Capricorn L4 begins 1/31/2000, 02:00 am"),
      L4("Aquarius L4 begins 2/5/2000, 05:00 pm"),
      "Taurus L3 begins 2/8/2000, 12:00 am",
  };
  ASSERT_GE(f.Level3Lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(f.Level3Lines[i], expected[i]) << "list index " << i;
  EXPECT_EQ(f.level34.Ending, TListingEnd::Complete);

  const auto level3 = Level3Lines(f.Level3Lines);
  ASSERT_EQ(level3.size(), 11u) << "Aries to Aquarius";
  EXPECT_EQ(level3.back().substr(0, 8), "Aquarius");
}

TEST(Level34Listing, Level4PeriodsLooseTheBondOnce) {
  ListingFixture f;
  f.ListLevel34(3);
  const auto gemini = Level4LinesOf(f.Level3Lines, "Gemini L3");
  ASSERT_EQ(gemini.size(), 14u);
  EXPECT_EQ(gemini[0], L4("Gemini L4 begins 2/28/2000, 12:00 am"));
  EXPECT_EQ(gemini[11].substr(5, 6), "Taurus");
  EXPECT_EQ(gemini[12], L4("Sagittarius L4 begins 4/11/2000, 11:00 pm"));
  EXPECT_EQ(gemini[13], L4("Capricorn L4 begins 4/14/2000, 11:00 am"));
  const auto level3 = Level3Lines(f.Level3Lines);
  EXPECT_EQ(level3[3], "Cancer L3 begins 4/18/2000, 12:00 am");
}

TEST(Level34Listing, MomentJustBeforeMidnightShowsTheFollowingMidnight) {
  ListingFixture f;
  f.ListLevel34(3);
  const auto& lines = f.Level3Lines;
  EXPECT_NE(std::find(lines.begin(), lines.end(), L4("Leo L4 begins 9/15/2000, 12:00 am")),
            lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), L4("Leo L4 begins 9/14/2000, 12:00 am")),
            lines.end())
      << "a moment rounded up to midnight must not stay on the earlier day";
}

TEST(Level34Listing, ValensFromAquariusRunsPastTheLevel2End) {
  ListingFixture f;
  f.Settings.StartSign = 10;
  f.ListLevel34(3);
  const auto level3 = Level3Lines(f.Level3Lines);
  ASSERT_EQ(level3.size(), 21u);
  const char* signs[] = {"Aquarius", "Pisces", "Aries", "Taurus",  "Gemini",      "Cancer",
                         "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius", "Capricorn",
                         "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius", "Capricorn",
                         "Aquarius", "Pisces", "Aries"};
  for (std::size_t i = 0; i < level3.size(); ++i)
    EXPECT_EQ(level3[i].substr(0, level3[i].find(' ')), signs[i]) << "level 3 line " << i + 1;
  EXPECT_EQ(f.Level3Lines.size(), 287u);
}

TEST(Level34Listing, ModernFromAquariusAddsALevel3LineSecondsBeforeTheEnd) {
  ListingFixture f;
  f.Settings.StartSign = 10;
  f.Settings.ReleasingType = TReleasingType::Modern;
  f.ListLevel34(3);
  const auto level3 = Level3Lines(f.Level3Lines);
  ASSERT_EQ(level3.size(), 21u);
  EXPECT_EQ(level3.back(), "Aries L3 begins 7/2/2002, 02:59 pm");
  EXPECT_FALSE(Level4LinesOf(f.Level3Lines, "Aries L3 begins 7/2/2002").empty());
}

TEST(Level34Listing, Level4SumsOfAnAquariusPeriodTieExactly) {
  {
    ListingFixture f;
    f.Settings.StartSign = 10;
    f.Settings.ReleasingType = TReleasingType::Egyptian;
    f.ListLevel34(3);
    EXPECT_EQ(Level4LinesOf(f.Level3Lines, "Aquarius L3").size(), 20u) << "Egyptian";
  }
  {
    ListingFixture f;
    f.Settings.StartSign = 10;
    f.Settings.ReleasingType = TReleasingType::Modern;
    f.ListLevel34(3);
    const auto level4 = Level4LinesOf(f.Level3Lines, "Aquarius L3");
    ASSERT_EQ(level4.size(), 21u) << "Modern: the running sum stays below the level 3 length";
    const auto level3 = Level3Lines(f.Level3Lines);
    ASSERT_GE(level3.size(), 2u);
    const std::string when = level3[1].substr(level3[1].find(" L3 begins ") + 11);
    EXPECT_EQ(level4.back(), L4("Aries L4 begins " + when))
        << "the extra level 4 line shows the next level 3 line's moment";
  }
}

TEST(Level34Listing, SubAndGeneralLinesStandForTheirSubPeriod) {
  ListingFixture f;
  f.ListLevel34(4);  // Taurus sub begins 3/26/2001
  ASSERT_GT(f.Level3Lines.size(), 4u);
  EXPECT_EQ(f.Level3Lines[3], "Taurus L3 begins 3/26/2001, 12:00 pm");
  EXPECT_EQ(f.Level3Lines[4], L4("Taurus L4 begins 3/26/2001, 12:00 pm"));

  f.ListRow(14);  // Taurus major and sub begin 10/14/2014
  EXPECT_EQ(f.Level3Lines[3], "Taurus L3 begins 10/14/2014, 12:00 pm");
}

TEST(Level34Listing, HeaderLinesAndNoSelectionOnlyEmptyTheList) {
  for (int selected : {-1, 0, 1, 2}) {
    ListingFixture f;
    f.ListLevel34(3);
    ASSERT_FALSE(f.Level3Lines.empty());
    f.ListRow(selected);
    EXPECT_TRUE(f.Level3Lines.empty()) << "selected " << selected;
    EXPECT_EQ(f.level34.Ending, TListingEnd::NotALine) << "selected " << selected;
  }
}

TEST(Level34Listing, SettingsAreReadAnewAtTheDoubleClick) {
  ListingFixture f;
  f.ListMain();
  f.Settings.ReleasingType = TReleasingType::Modern;
  f.Settings.DateStyle = TDateStyle::Scientific;
  f.Settings.SignNameStyle = TSignNameStyle::Short;
  f.Settings.Name = "Changed";
  f.ListRow(3);
  EXPECT_EQ(f.Level3Lines[1], "Changed");
  EXPECT_EQ(f.Level3Lines[3], "Ar L3 begins 2000/1/1, 12:00 pm");
  // Modern lengths from the recorded start: Aries level 4 lasts
  // 3.125 x 1.0145833 days, so Taurus begins at 3 days 4 h 5 min.
  EXPECT_EQ(f.Level3Lines[5], L4("Ta L4 begins 2000/1/4, 04:05 pm"));
}

TEST(Level34Listing, LinesPastTheCurrentListingAreIgnored) {
  ListingFixture f;
  f.ListMain();
  f.ListRow(kHeaderLines + TabledLines(f.main));
  EXPECT_TRUE(f.Level3Lines.empty());
  EXPECT_EQ(f.level34.Ending, TListingEnd::NotALine);
}

}  // namespace
