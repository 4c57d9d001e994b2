// Offsets as the system's time-zone database (tzdata) gives them; the
// values agree with `zdump -v` of the same zones.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "DateTime.h"
#include "TimeZones.h"

using namespace ostrane;

namespace {

// "YYYY-MM-DD hh:mm" of the local civil time as TDate's Julian Day.
double LocalJulianDay(const char* text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  EXPECT_EQ(std::sscanf(text, "%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute), 5) << text;
  TDate date;
  date.DateToJulian(year, month, day + (hour * 60 + minute) / 1440.0);
  return date.GetJulianDay();
}

constexpr auto U = TZoneStatus::Unique;
constexpr auto G = TZoneStatus::Gap;
constexpr auto O = TZoneStatus::Overlap;

// Local mean time is the birthplace's: its longitude x 240 s, abbreviation LMT.
TEST(TimeZones, ResolvesClockTimes) {
  const struct {
    const char* Case;
    const char* Zone;
    const char* Local;
    double Longitude;
    TZoneStatus Status;
    std::int32_t Earlier;
    const char* EarlierName;
    std::int32_t Later;
    const char* LaterName;
  } cases[] = {
      {"Amsterdam 1930 winter", "Europe/Amsterdam", "1930-01-15 12:00", 4.89, U, 1172, "AMT", 1172,
       "AMT"},
      {"Amsterdam 1930 summer", "Europe/Amsterdam", "1930-07-01 12:00", 4.89, U, 4772, "NST", 4772,
       "NST"},
      {"Amsterdam 1930 spring gap", "Europe/Amsterdam", "1930-05-15 02:30", 4.89, G, 1172, "AMT",
       4772, "NST"},
      {"Amsterdam 1930 autumn overlap", "Europe/Amsterdam", "1930-10-05 02:30", 4.89, O, 4772,
       "NST", 1172, "AMT"},
      {"Amsterdam 1937 summer", "Europe/Amsterdam", "1937-08-01 12:00", 4.89, U, 4800, "+0120",
       4800, "+0120"},
      {"Berlin 2021 spring gap", "Europe/Berlin", "2021-03-28 02:30", 13.41, G, 3600, "CET", 7200,
       "CEST"},
      {"Berlin 2021 before the gap", "Europe/Berlin", "2021-03-28 01:59", 13.41, U, 3600, "CET",
       3600, "CET"},
      {"Berlin 2021 end of the gap", "Europe/Berlin", "2021-03-28 03:00", 13.41, U, 7200, "CEST",
       7200, "CEST"},
      {"Berlin 2021 autumn overlap", "Europe/Berlin", "2021-10-31 02:00", 13.41, O, 7200, "CEST",
       3600, "CET"},
      {"Berlin 2021 end of the overlap", "Europe/Berlin", "2021-10-31 03:00", 13.41, U, 3600, "CET",
       3600, "CET"},
      {"New York 2021 spring gap", "America/New_York", "2021-03-14 02:30", -74.0, G, -18000, "EST",
       -14400, "EDT"},
      {"New York 2021 autumn overlap", "America/New_York", "2021-11-07 01:30", -74.0, O, -14400,
       "EDT", -18000, "EST"},
      {"Sydney 2021 April overlap", "Australia/Sydney", "2021-04-04 02:30", 151.2, O, 39600, "AEDT",
       36000, "AEST"},
      {"Sydney 2021 October gap", "Australia/Sydney", "2021-10-03 02:30", 151.2, G, 36000, "AEST",
       39600, "AEDT"},
      {"Dresden 1850, not Berlin's 3208 s", "Europe/Berlin", "1850-06-01 12:00", 13.73832, U, 3297,
       "LMT", 3297, "LMT"},
      {"Sapporo 1880, not Tokyo's 33539 s", "Asia/Tokyo", "1880-06-01 12:00", 141.35, U, 33924,
       "LMT", 33924, "LMT"},
      {"Berlin 1893, gap from mean time to CET", "Europe/Berlin", "1893-04-01 00:03", 13.41053, G,
       3219, "LMT", 3600, "CET"},
      {"New York 1800, west", "America/New_York", "1800-01-01 12:00", -73.9, U, -17736, "LMT",
       -17736, "LMT"},
      {"Rome 1582-10-04, Julian calendar", "Europe/Rome", "1582-10-04 12:00", 12.51133, U, 3003,
       "LMT", 3003, "LMT"},
      {"Berlin 9000, by the zone's rule", "Europe/Berlin", "9000-07-01 12:00", 13.41, U, 7200,
       "CEST", 7200, "CEST"},
      {"UTC", "UTC", "2000-01-01 12:00", 0, U, 0, "UTC", 0, "UTC"},
  };
  for (const auto& c : cases) {
    const double local = LocalJulianDay(c.Local);
    for (const TDstChoice choice : {TDstChoice::Earlier, TDstChoice::Later}) {
      SCOPED_TRACE(std::string(c.Case) + (choice == TDstChoice::Earlier ? ", earlier" : ", later"));
      const TZoneResolution r = ResolveTimeZone(c.Zone, local, c.Longitude, choice);
      EXPECT_EQ(r.Status, c.Status);
      EXPECT_FALSE(r.Manual);
      EXPECT_EQ(r.Earlier.Seconds, c.Earlier);
      EXPECT_EQ(r.Earlier.Abbreviation, c.EarlierName);
      EXPECT_EQ(r.Earlier.LocalMeanTime, r.Earlier.Abbreviation == "LMT");
      EXPECT_EQ(r.Later.Seconds, c.Later);
      EXPECT_EQ(r.Later.Abbreviation, c.LaterName);
      EXPECT_EQ(r.Later.LocalMeanTime, r.Later.Abbreviation == "LMT");
      const bool earlier = choice == TDstChoice::Earlier;
      EXPECT_EQ(r.Offset.Seconds, earlier ? c.Earlier : c.Later);
      EXPECT_EQ(r.Offset.Abbreviation, earlier ? c.EarlierName : c.LaterName);
      EXPECT_NEAR(r.UtcJulianDay, local - r.Offset.Seconds / 86400.0, 1e-9);
    }
  }
}

TEST(TimeZones, UniversalTimeOfTheChosenOccurrence) {
  // Berlin 2021-10-31 02:30 happened at 00:30 UT (CEST) and again at 01:30 UT (CET).
  const double local = LocalJulianDay("2021-10-31 02:30");
  EXPECT_NEAR(ResolveTimeZone("Europe/Berlin", local, 13.41, TDstChoice::Earlier).UtcJulianDay,
              LocalJulianDay("2021-10-31 00:30"), 1e-9);
  EXPECT_NEAR(ResolveTimeZone("Europe/Berlin", local, 13.41, TDstChoice::Later).UtcJulianDay,
              LocalJulianDay("2021-10-31 01:30"), 1e-9);
  // Rome 1582-10-04 12:00 local mean time: the Julian calendar's JD 2299160.0 less 3003 s.
  const double rome = LocalJulianDay("1582-10-04 12:00");
  EXPECT_DOUBLE_EQ(rome, 2299160.0);
  EXPECT_NEAR(ResolveTimeZone("Europe/Rome", rome, 12.51133).UtcJulianDay,
              2299160.0 - 3003 / 86400.0, 1e-9);
  // Far before the zone's data: local mean time.
  const auto past = ResolveTimeZone("Europe/Amsterdam", TDate::kMinSupportedJulianDay, 4.88969);
  EXPECT_EQ(past.Status, U);
  EXPECT_EQ(past.Offset.Seconds, 1174);
  EXPECT_TRUE(past.Offset.LocalMeanTime);
}

TEST(TimeZones, ManualOffsetsAndUnknownZones) {
  const double gap = LocalJulianDay("2021-03-28 02:30");
  const struct {
    const char* Case;
    const char* Zone;
    TZoneStatus Status;
    std::int32_t Earlier;
  } cases[] = {
      {"known zone in a gap", "Europe/Berlin", G, 3600},
      {"unknown zone", "Mars/Olympus_Mons", TZoneStatus::UnknownZone, 0},
      {"empty zone", "", TZoneStatus::UnknownZone, 0},
      {"POSIX rule text", "CET-1CEST", TZoneStatus::UnknownZone, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    const auto manual = ResolveTimeZone(c.Zone, gap, 13.41, TDstChoice::Later, 19800);
    EXPECT_TRUE(manual.Manual);
    EXPECT_EQ(manual.Status, c.Status) << "the zone is still resolved";
    EXPECT_EQ(manual.Earlier.Seconds, c.Earlier);
    EXPECT_EQ(manual.Offset.Seconds, 19800);
    EXPECT_EQ(manual.Offset.Abbreviation, "");
    EXPECT_NEAR(manual.UtcJulianDay, gap - 19800 / 86400.0, 1e-9);
    const auto plain = ResolveTimeZone(c.Zone, gap, 13.41);
    EXPECT_FALSE(plain.Manual);
    EXPECT_EQ(plain.Offset.Seconds, c.Earlier);
  }
}

TEST(TimeZones, KnownZones) {
  const struct {
    const char* Zone;
    bool Known;
  } cases[] = {
      {"Europe/Amsterdam", true},
      {"America/Argentina/Buenos_Aires", true},
      {"UTC", true},
      {"Europe/Kiev", true},  // an old name, kept as a link
      {"Etc/GMT-14", true},
      {"", false},
      {"Europe/Atlantis", false},
      {"europe/amsterdam", false},
      {"EST5EDT", false},
      {"CET-1CEST", false},  // POSIX rules
      {"../zoneinfo/UTC", false},
      {"/usr/share/zoneinfo/UTC", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsKnownZone(c.Zone), c.Known) << "'" << c.Zone << "'";
}

}  // namespace
