#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/IsoDateText.h"

using namespace ostrane;

namespace {

TEST(IsoDateText, ReadAndRefused) {
  struct Case {
    const char* text;
    bool ok;
    std::int32_t year, month, day;
    std::int64_t ms;
  };
  const Case cases[] = {
      {"2000-01-01", true, 2000, 1, 1, 0},
      {"2000-01-01T12:00", true, 2000, 1, 1, 43'200'000},
      {"2000-01-01 23:59:59", true, 2000, 1, 1, 86'399'000},
      {"-0044-03-15T10:30", true, -44, 3, 15, 37'800'000},
      {"0000-02-29", true, 0, 2, 29, 0},     // year 0 is a Julian leap year
      {"1500-02-29", true, 1500, 2, 29, 0},  // Julian calendar: every fourth year
      {"1700-02-29", false, 0, 0, 0, 0},     // Gregorian: not a leap year
      {"1582-10-04", true, 1582, 10, 4, 0},  // the last Julian day
      {"1582-10-05", false, 0, 0, 0, 0},     // the ten days that never were
      {"1582-10-14", false, 0, 0, 0, 0},
      {"1582-10-15", true, 1582, 10, 15, 0},  // the first Gregorian day
      {"12000-06-30", true, 12000, 6, 30, 0},
      {"-4713-01-01", false, 0, 0, 0, 0},  // before the first Julian Day's year
      {"2000-1-01", false, 0, 0, 0, 0},
      {"200-01-01", false, 0, 0, 0, 0},
      {"2000-01-01T24:00", false, 0, 0, 0, 0},
      {"2000-01-01T12:60", false, 0, 0, 0, 0},
      {"2000-01-01T12", false, 0, 0, 0, 0},
      {"2000-01-01T12:00:00Z", false, 0, 0, 0, 0},
      {" 2000-01-01", false, 0, 0, 0, 0},
      {"", false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto m = ParseIsoDateTime(c.text, &why);
    ASSERT_EQ(m.has_value(), c.ok) << c.text << ": " << why;
    if (!c.ok) {
      EXPECT_FALSE(why.empty()) << c.text;
      continue;
    }
    EXPECT_EQ(m->Year, c.year) << c.text;
    EXPECT_EQ(m->Month, c.month) << c.text;
    EXPECT_EQ(m->Day, c.day) << c.text;
    EXPECT_EQ(m->MsOfDay, c.ms) << c.text;
  }
}

TEST(IsoDateText, KnownJulianDaysAndEveryDayBothWays) {
  EXPECT_EQ(CivilJulianDay(*ParseIsoDateTime("2000-01-01T12:00")), 2451545.0);
  EXPECT_EQ(CivilJulianDay(*ParseIsoDateTime("1582-10-15")), 2299160.5);
  EXPECT_EQ(CivilJulianDay(*ParseIsoDateTime("1582-10-04")), 2299159.5);
  EXPECT_EQ(CivilJulianDay(*ParseIsoDateTime("-4712-01-01T12:00")), 0.0);
  EXPECT_EQ(FormatIsoDateTime(TCivilMoment{-44, 3, 15, 37'800'999}), "-0044-03-15T10:30:00");
  EXPECT_EQ(FormatIsoDateTime(TCivilMoment{10000, 12, 31, 86'399'999}), "10000-12-31T23:59:59");
  EXPECT_EQ(FormatIsoDateTime(TCivilMoment{7, 1, 2, 3'723'000}), "0007-01-02T01:02:03");

  // Every day from -4712 to 3000: the text of the date TDate gives for a
  // Julian Day reads back to that Julian Day, and the days are consecutive.
  TDate date;
  for (double jd = 0.5; jd < 2817152.5; jd += 1.0) {
    date.JulianToDate(jd);
    const TCivilMoment m{date.GetYear(), date.GetMonth(), date.GetDayNumber(), 0};
    const std::string text = FormatIsoDateTime(m).substr(0, m.Year < 0 ? 11 : 10);
    const auto back = ParseIsoDateTime(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(CivilJulianDay(*back), jd) << text;
  }
}

}  // namespace
