// The periods in force and the marks, checked against what the listings
// themselves list: boundaries, cut ends, loosing of the bond at every level,
// Fortune unknown, and moments outside the listing.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "listing/InForce.h"
#include "listing/Marks.h"
#include "listing/PeriodSpans.h"
#include "listing/Releasing.h"
#include "tests/listing/ListingFixture.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

constexpr double kBirth = 2451545.0;  // 1 January 2000, 12:00

double Before(double jd) {
  return std::nextafter(jd, -std::numeric_limits<double>::infinity());
}

// The periods in force of the whole listing of `s` from kBirth.
TInForce At(const ReleaseSettings& s, double moment) {
  TChronocrator chronocrator;
  return PeriodsInForce(ListGeneralPeriods(chronocrator, s, kBirth), s, moment);
}

TEST(PeriodsInForce, BoundariesOfTheWorkedExample) {
  // Valens from Aries: Aries general 5400 days, its Taurus sub period from
  // day 450; the Aries sub period's level 3 periods last 37.5 days, the
  // first level 4 periods 3.125 and 5/3 days.
  struct Case {
    const char* name;
    double moment;
    std::int32_t counters[4];
    double starts[4];
  };
  const Case cases[] = {
      {"the birth itself", kBirth, {0, 0, 0, 0}, {kBirth, kBirth, kBirth, kBirth}},
      {"one ulp before the second level 4 period",
       Before(kBirth + 3.125),
       {0, 0, 0, 0},
       {kBirth, kBirth, kBirth, kBirth}},
      {"the second level 4 period",
       kBirth + 3.125,
       {0, 0, 0, 1},
       {kBirth, kBirth, kBirth, kBirth + 3.125}},
      {"the second level 3 period",
       kBirth + 37.5,
       {0, 0, 1, 1},
       {kBirth, kBirth, kBirth + 37.5, kBirth + 37.5}},
      {"one ulp before the Taurus sub period",
       Before(kBirth + 450),
       {0, 0, 10, -1},
       {kBirth, kBirth, kBirth + 422.5, 0}},
      {"the Taurus sub period",
       kBirth + 450,
       {0, 1, 1, 1},
       {kBirth, kBirth + 450, kBirth + 450, kBirth + 450}},
      {"the Taurus general period",
       2456945.0,
       {1, 1, 1, 1},
       {2456945.0, 2456945.0, 2456945.0, 2456945.0}},
  };
  for (const Case& c : cases) {
    const TInForce r = At(WorkedExample(), c.moment);
    ASSERT_EQ(r.Status, TInForceStatus::InForce) << c.name;
    for (int level = 0; level < 4; ++level) {
      EXPECT_EQ(r.Periods[level].Level, level + 1) << c.name;
      if (c.counters[level] >= 0) {
        EXPECT_EQ(r.Periods[level].Counter, c.counters[level]) << c.name << ", level " << level + 1;
      }
      if (c.starts[level] != 0) {
        EXPECT_EQ(r.Periods[level].Start, c.starts[level]) << c.name << ", level " << level + 1;
      }
      EXPECT_LE(r.Periods[level].Start, c.moment) << c.name << ", level " << level + 1;
      EXPECT_LT(c.moment, r.Periods[level].End) << c.name << ", level " << level + 1;
    }
  }
}

TEST(PeriodsInForce, EndsAreCutAtTheParentsEnd) {
  struct Case {
    const char* name;
    double moment;
    int level;
    std::int32_t counter;
    double end;
  };
  const Case cases[] = {
      // The last level 3 period of the Aries sub period (Aquarius, from day
      // 422.5) would run to 497.5; it ends with its sub period at 450.
      {"last level 3 period of a sub period", kBirth + 440, 3, 10, kBirth + 450},
      // The last sub period of the Aries general period (Aquarius, from
      // 11/18/2013) ends where the Taurus general period begins.
      {"last sub period of a general period", Before(2456945.0), 2, 10, 2456945.0},
      {"general period", kBirth + 100, 1, 0, kBirth + 5400},
      {"first level 4 period", kBirth, 4, 0, kBirth + 3.125},
  };
  for (const Case& c : cases) {
    const TInForce r = At(WorkedExample(), c.moment);
    ASSERT_EQ(r.Status, TInForceStatus::InForce) << c.name;
    const TPeriodInForce& p = r.Periods[c.level - 1];
    EXPECT_EQ(p.Counter, c.counter) << c.name;
    EXPECT_EQ(p.End, c.end) << c.name;
  }
}

TEST(PeriodsInForce, LoosingOfTheBondAtEveryLevel) {
  ReleaseSettings egyptianAquarius = WorkedExample();
  egyptianAquarius.StartSign = 10;
  egyptianAquarius.ReleasingType = TReleasingType::Egyptian;
  ReleaseSettings thirteen = WorkedExample();
  thirteen.GeneralPeriods = 13;
  ReleaseSettings thirteenNever = thirteen;
  thirteenNever.LooseBondType = TLooseBond::Never;
  ReleaseSettings valensAquarius = WorkedExample();
  valensAquarius.StartSign = 10;

  struct Case {
    const char* name;
    ReleaseSettings settings;
    int level;
    int entry;  // which data line of that level's listing holds the jump
  };
  const Case cases[] = {
      {"13th general period, loose bond Always", thirteen, 1, -1},
      {"13th sub period (Leo after Aquarius)", egyptianAquarius, 2, -1},
      {"13th level 3 period (Leo after Aquarius)", valensAquarius, 3, -1},
      {"13th level 4 period (Sagittarius after Gemini)", WorkedExample(), 4, -1},
  };
  for (const Case& c : cases) {
    // Find the jump in the listing itself, then ask for the moment it begins.
    ListingFixture f;
    f.Settings = c.settings;
    f.ListLevel34(kHeaderLines);
    const auto& periods = c.level <= 2 ? f.MainPeriods : f.Level34Periods;
    const TPeriodStep* jump = nullptr;
    int count = 0;
    for (const auto& p : periods) {
      if (p.Level != c.level) continue;
      // Gemini (2) runs through Taurus (13), then jumps six signs on.
      if (c.level == 4 && p.Counter == 13 + 1 + 6) {
        jump = &p;  // the Gemini level 3 period's 13th level 4 period
        break;
      }
      // The general line stands for the first sub period, so the 13th sub
      // period is the 12th sub line.
      if (c.level != 4 && ++count == (c.level == 2 ? 12 : 13)) {
        jump = &p;
        break;
      }
    }
    ASSERT_NE(jump, nullptr) << c.name;
    EXPECT_TRUE(jump->Loosing) << c.name << ": the listing's mark";
    const TInForce r = At(c.settings, jump->Start);
    ASSERT_EQ(r.Status, TInForceStatus::InForce) << c.name;
    EXPECT_TRUE(r.Periods[c.level - 1].Loosing) << c.name;
    EXPECT_EQ(r.Periods[c.level - 1].Counter, jump->Counter) << c.name;
    for (int level = c.level + 1; level <= 4; ++level)
      EXPECT_FALSE(r.Periods[level - 1].Loosing) << c.name << ": its first child, level " << level;
    const TInForce before = At(c.settings, Before(jump->Start));
    EXPECT_FALSE(before.Periods[c.level - 1].Loosing) << c.name << ", one ulp before";
  }
  // With loose bond Never the 13th general period is no jump.
  ListingFixture f;
  f.Settings = thirteenNever;
  f.ListMain();
  for (const auto& p : f.MainPeriods) EXPECT_FALSE(p.Level == 1 && p.Loosing);
}

TEST(PeriodsInForce, EveryListedLineIsInForceFromItsStart) {
  // Over whole listings of each type: at the start of every data line of
  // positive length, that line is the sub period in force (and its general
  // period the level 1 period), entries matching the tables.
  for (const TReleasingType type :
       {TReleasingType::Modern, TReleasingType::Egyptian, TReleasingType::Valens}) {
    for (int sign : {0, 9, 10}) {
      ListingFixture f;
      f.Settings.ReleasingType = type;
      f.Settings.StartSign = sign;
      f.Settings.GeneralPeriods = 26;
      f.ListMain();
      const auto& lines = f.MainPeriods;
      const double end = WalkGeneralPeriods(f.chronocrator, GeneralWalkOf(f.Settings, kBirth),
                                            [](const TPeriodStep&) { return true; });
      int general = 0;
      for (std::size_t e = 0; e < lines.size(); ++e) {
        if (lines[e].Level == 1) general = static_cast<int>(e);
        const double next = e + 1 < lines.size() ? lines[e + 1].Start : end;
        if (!(lines[e].Start < next)) continue;  // a sub period of no length
        const TInForce r = PeriodsInForce(f.chronocrator, f.Settings, kBirth, lines[e].Start);
        ASSERT_EQ(r.Status, TInForceStatus::InForce)
            << "type " << ToItemIndex(type) << ", line " << e;
        EXPECT_EQ(r.Periods[1].Entry, static_cast<int>(e))
            << "type " << ToItemIndex(type) << ", line " << e;
        EXPECT_EQ(r.Periods[1].Counter, lines[e].Counter)
            << "type " << ToItemIndex(type) << ", line " << e;
        EXPECT_EQ(r.Periods[0].Entry, general) << "type " << ToItemIndex(type) << ", line " << e;
      }
    }
  }
}

TEST(PeriodsInForce, OutsideTheListing) {
  ReleaseSettings s = WorkedExample();  // two general periods: Aries 15, Taurus 8 years
  const double end = kBirth + 5400 + 2880;
  EXPECT_EQ(At(s, Before(kBirth)).Status, TInForceStatus::BeforeFirst);
  EXPECT_EQ(At(s, Before(end)).Status, TInForceStatus::InForce);
  EXPECT_EQ(At(s, end).Status, TInForceStatus::AfterLast);
  EXPECT_EQ(InForceStatusText(TInForceStatus::AfterLast),
            "after the last listed general period: list more general periods");
  EXPECT_EQ(InForceStatusText(TInForceStatus::BeforeFirst), "before the first period");
}

TEST(Marks, PlacesFromFortuneAndTheStartSign) {
  ReleaseSettings s = WorkedExample();
  EXPECT_EQ(At(s, kBirth).Periods[0].Place, 0) << "Fortune unknown";
  s.FortuneSign = 3;  // Cancer: Aries is the 10th from it
  EXPECT_EQ(At(s, kBirth).Periods[0].Place, 10);
  EXPECT_EQ(At(s, 2456945.0).Periods[0].Place, 11) << "Taurus";
  s.AnglesFrom = TAnglesFrom::StartSign;
  EXPECT_EQ(At(s, kBirth).Periods[0].Place, 1) << "counted from the start sign";

  struct Case {
    std::int32_t reference, counter;
    int place, rank;
  };
  const Case cases[] = {{0, 0, 1, 2},  {0, 9, 10, 1},  {0, 6, 7, 3},  {0, 3, 4, 4},
                        {11, 0, 2, 0}, {5, 28, 12, 0}, {9, 36, 4, 4}, {-1, 5, 0, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceFrom(c.reference, c.counter), c.place) << c.reference << "/" << c.counter;
    EXPECT_EQ(AngleRank(PlaceFrom(c.reference, c.counter)), c.rank)
        << c.reference << "/" << c.counter;
  }
  EXPECT_EQ(MarksText(10, true, "Fortune"),
            "10th from Fortune: the peak; the loosing of the bond (LB): a turning point");
  EXPECT_EQ(MarksText(2, false, "Fortune"), "");
  EXPECT_EQ(MarksText(7, false, "the start sign"), "7th from the start sign: angular");
  EXPECT_EQ(Ordinal(1) + Ordinal(2) + Ordinal(3) + Ordinal(11) + Ordinal(12), "1st2nd3rd11th12th");
}

// The spans and the periods in force select periods by separate code from
// the same walks: at the start of every span and one ulp before its end, the
// period in force at its level is that span.
TEST(PeriodSpans, EverySpanIsThePeriodInForceFromItsStartToItsEnd) {
  for (const TReleasingType type :
       {TReleasingType::Modern, TReleasingType::Egyptian, TReleasingType::Valens}) {
    SCOPED_TRACE("type " + std::to_string(ToItemIndex(type)));
    ReleaseSettings s = WorkedExample();
    s.ReleasingType = type;
    s.StartSign = 10;
    s.GeneralPeriods = 14;
    s.FortuneSign = 5;
    TChronocrator chronocrator;
    const TListing main = ListGeneralPeriods(chronocrator, s, kBirth);
    int counts[5] = {};
    for (const TPeriodSpan& span : PeriodSpans(main, s, 4)) {
      ++counts[span.Level];
      ASSERT_LT(span.Start, span.End);
      for (double moment : {span.Start, Before(span.End)}) {
        const TInForce r = At(s, moment);
        ASSERT_EQ(r.Status, TInForceStatus::InForce);
        const TPeriodInForce& p = r.Periods[span.Level - 1];
        EXPECT_TRUE(p.Start == span.Start && p.End == span.End && p.Counter == span.Counter &&
                    p.Loosing == span.Loosing && p.Place == span.Place)
            << "level " << span.Level << " from " << span.Start << " at " << moment;
      }
    }
    EXPECT_EQ(counts[1], 14);
    EXPECT_TRUE(counts[4] > counts[3] && counts[3] > counts[2]);
    // A window keeps the periods that overlap it, whole.
    const double from = kBirth + 4000, to = kBirth + 4100;
    for (const TPeriodSpan& span : PeriodSpans(main, s, 2, from, to))
      EXPECT_TRUE(span.Level <= 2 && span.Start < to && span.End > from) << span.Start;
  }
}

}  // namespace
