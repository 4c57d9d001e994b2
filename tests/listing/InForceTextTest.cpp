// The line of the periods in force and the printed marks: each level's
// sign and name, places only at the angles, the loosing of the bond, and the
// moments outside the listing.
#include <gtest/gtest.h>

#include "listing/InForceText.h"

using namespace ostrane;

namespace {

// The periods of levels 1, 2, ... as {counter, place, loosing}; the levels
// not given stay empty.
struct TLevel {
  std::int32_t Counter;
  int Place;
  bool Loosing = false;
};
TInForce InForce(std::initializer_list<TLevel> levels,
                 TInForceStatus status = TInForceStatus::InForce) {
  TInForce r;
  r.Status = status;
  int level = 0;
  for (const TLevel& l : levels) {
    TPeriodInForce& p = r.Periods[level++];
    p.Level = level;
    p.Counter = l.Counter;
    p.Place = l.Place;
    p.Loosing = l.Loosing;
  }
  return r;
}

TEST(InForceText, BuiltPeriods) {
  struct Case {
    const char* name;
    TInForce inForce;
    const char* date;
    const char* reference;
    const char* expected;
  };
  const Case cases[] = {
      {"Fortune in Aries", InForce({{9, 10}, {6, 7}, {4, 5}, {5, 6}}), "12/9/2026", "Fortune",
       "On 12/9/2026: Capricorn general (10th from Fortune: the peak), Libra sub (7th from "
       "Fortune: angular), Leo "
       "L3, Virgo L4"},
      {"every angle, counters past Pisces", InForce({{12, 1}, {15, 4}, {18, 7}, {21, 10}}),
       "2026/12/9", "the start sign",
       "On 2026/12/9: Aries general (1st from the start sign: angular), Cancer sub (4th from the "
       "start sign: angular), Libra L3 (7th from the start sign: angular), Capricorn L4 (10th from "
       "the start sign: the peak)"},
      {"loosing of the bond with and without an angle",
       InForce({{6, 0}, {16, 10, true}, {11, 5, true}, {11, 5}}), "9/12/2026", "Fortune",
       "On 9/12/2026: Libra general, Leo sub (10th from Fortune: the peak; the loosing of the bond "
       "(LB)), Pisces L3 (the loosing of the bond (LB)), Pisces L4"},
      {"levels 3 and 4 not found", InForce({{0, 2}, {4, 6}}, TInForceStatus::BeforeFirst),
       "1/1/2000", "Fortune", "On 1/1/2000: Aries general, Leo sub"},
      {"no date style", InForce({{0, 10}, {0, 10}, {0, 10}, {1, 11}}), "", "Fortune",
       "Aries general (10th from Fortune: the peak), Aries sub (10th from Fortune: the peak), "
       "Aries L3 (10th from Fortune: the peak), Taurus L4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InForceText(c.inForce, c.date, c.reference), c.expected) << c.name;
}

TEST(PrintedMarks, EachMarkAndTheirOrder) {
  struct Case {
    int place;
    bool loosing, inForce;
    const char* expected;
  };
  const Case cases[] = {
      {10, false, false, "10"},      {1, false, false, "1"},
      {7, false, false, "7"},        {4, false, false, "4"},
      {2, false, false, ""},         {11, false, false, ""},
      {0, false, false, ""},         {0, true, false, "LB"},
      {0, false, true, "\u25B6"},    {10, true, true, "\u25B6 10 LB"},
      {12, true, true, "\u25B6 LB"}, {4, false, true, "\u25B6 4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrintedMarks(c.place, c.loosing, c.inForce), c.expected)
        << "place " << c.place << (c.loosing ? ", loosing" : "") << (c.inForce ? ", in force" : "");
}

}  // namespace
