// The line of the periods in force and the printed marks: each level's
// sign and name, places only at the angles, the loosing of the bond, and the
// moments outside the listing.
#include <gtest/gtest.h>

#include "InForceText.h"

using namespace ostrane;

namespace {

TPeriodInForce Period(int level, std::int32_t counter, int place, bool loosing = false) {
  TPeriodInForce p;
  p.Level = level;
  p.Counter = counter;
  p.Place = place;
  p.Loosing = loosing;
  return p;
}

TInForce InForce(const TPeriodInForce& l1, const TPeriodInForce& l2, const TPeriodInForce& l3,
                 const TPeriodInForce& l4) {
  TInForce r;
  r.Status = TInForceStatus::InForce;
  r.Periods = {l1, l2, l3, l4};
  return r;
}

TEST(InForceText, BuiltPeriods) {
  TInForce before;
  before.Status = TInForceStatus::BeforeFirst;
  TInForce after;
  after.Status = TInForceStatus::AfterLast;
  TInForce twoLevels = InForce(Period(1, 0, 2), Period(2, 4, 6), {}, {});
  twoLevels.Status = TInForceStatus::BeforeFirst;  // levels 3 and 4 not found
  struct Case {
    const char* name;
    TInForce inForce;
    const char* date;
    const char* reference;
    const char* expected;
  };
  const Case cases[] = {
      {"Fortune in Aries",
       InForce(Period(1, 9, 10), Period(2, 6, 7), Period(3, 4, 5), Period(4, 5, 6)), "12/9/2026",
       "Fortune",
       "On 12/9/2026: Capricorn general (10th from Fortune), Libra sub (7th from Fortune), Leo "
       "L3, Virgo L4"},
      {"every angle, counters past Pisces",
       InForce(Period(1, 12, 1), Period(2, 15, 4), Period(3, 18, 7), Period(4, 21, 10)),
       "2026/12/9", "the start sign",
       "On 2026/12/9: Aries general (1st from the start sign), Cancer sub (4th from the start "
       "sign), Libra L3 (7th from the start sign), Capricorn L4 (10th from the start sign)"},
      {"loosing of the bond with and without an angle",
       InForce(Period(1, 6, 0), Period(2, 16, 10, true), Period(3, 11, 5, true), Period(4, 11, 5)),
       "9/12/2026", "Fortune",
       "On 9/12/2026: Libra general, Leo sub (10th from Fortune, loosing of the bond), Pisces L3 "
       "(loosing of the bond), Pisces L4"},
      {"places unknown",
       InForce(Period(1, 0, 0), Period(2, 1, 0), Period(3, 2, 0), Period(4, 3, 0)), "1/1/2000",
       "Fortune", "On 1/1/2000: Aries general, Taurus sub, Gemini L3, Cancer L4"},
      {"before the first period", before, "12/31/1999", "Fortune",
       "On 12/31/1999: before the first period"},
      {"after the last listed period", after, "1/1/2030", "Fortune",
       "On 1/1/2030: after the last listed general period: list more general periods"},
      {"only the levels found", twoLevels, "1/1/2000", "Fortune",
       "On 1/1/2000: Aries general, Leo sub"},
      {"no date style",
       InForce(Period(1, 0, 10), Period(2, 0, 10), Period(3, 0, 10), Period(4, 1, 11)), "",
       "Fortune",
       "Aries general (10th from Fortune), Aries sub (10th from Fortune), Aries L3 (10th from "
       "Fortune), Taurus L4"},
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
