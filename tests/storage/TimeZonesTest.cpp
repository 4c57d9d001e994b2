// Offsets as the system's time-zone database (tzdata) gives them; the
// values agree with `zdump -v` of the same zones.
#include <gtest/gtest.h>

#include <string>

#include "DateTime.h"
#include "TimeZones.h"

using namespace ostrane;

namespace {

// The local civil time as TDate's Julian Day.
double LocalJulianDay(int year, int month, int day, int hour, int minute) {
  TDate date;
  date.DateToJulian(year, month, day + (hour * 60 + minute) / 1440.0);
  return date.GetJulianDay();
}

struct TSide {
  std::int32_t Seconds;
  const char* Abbreviation;
  bool LocalMeanTime;
};

TEST(TimeZones, ResolvesClockTimes) {
  constexpr auto U = TZoneStatus::Unique;
  constexpr auto G = TZoneStatus::Gap;
  constexpr auto O = TZoneStatus::Overlap;
  const struct {
    const char* Case;
    const char* Zone;
    int Year, Month, Day, Hour, Minute;
    double Longitude;
    TZoneStatus Status;
    TSide Earlier, Later;
  } cases[] = {
      {"Amsterdam 1930 winter, Amsterdam Mean Time",
       "Europe/Amsterdam",
       1930,
       1,
       15,
       12,
       0,
       4.88969,
       U,
       {1172, "AMT", false},
       {1172, "AMT", false}},
      {"Amsterdam 1930 summer",
       "Europe/Amsterdam",
       1930,
       7,
       1,
       12,
       0,
       4.88969,
       U,
       {4772, "NST", false},
       {4772, "NST", false}},
      {"Amsterdam 1930 spring gap",
       "Europe/Amsterdam",
       1930,
       5,
       15,
       2,
       30,
       4.88969,
       G,
       {1172, "AMT", false},
       {4772, "NST", false}},
      {"Amsterdam 1930 autumn overlap",
       "Europe/Amsterdam",
       1930,
       10,
       5,
       2,
       30,
       4.88969,
       O,
       {4772, "NST", false},
       {1172, "AMT", false}},
      {"Amsterdam 1937 summer, +00:20 plus an hour",
       "Europe/Amsterdam",
       1937,
       8,
       1,
       12,
       0,
       4.88969,
       U,
       {4800, "+0120", false},
       {4800, "+0120", false}},
      {"Berlin 2021 spring gap",
       "Europe/Berlin",
       2021,
       3,
       28,
       2,
       30,
       13.41,
       G,
       {3600, "CET", false},
       {7200, "CEST", false}},
      {"Berlin 2021 last minute before the gap",
       "Europe/Berlin",
       2021,
       3,
       28,
       1,
       59,
       13.41,
       U,
       {3600, "CET", false},
       {3600, "CET", false}},
      {"Berlin 2021 end of the gap",
       "Europe/Berlin",
       2021,
       3,
       28,
       3,
       0,
       13.41,
       U,
       {7200, "CEST", false},
       {7200, "CEST", false}},
      {"Berlin 2021 autumn overlap",
       "Europe/Berlin",
       2021,
       10,
       31,
       2,
       30,
       13.41,
       O,
       {7200, "CEST", false},
       {3600, "CET", false}},
      {"Berlin 2021 first minute of the overlap",
       "Europe/Berlin",
       2021,
       10,
       31,
       2,
       0,
       13.41,
       O,
       {7200, "CEST", false},
       {3600, "CET", false}},
      {"Berlin 2021 end of the overlap",
       "Europe/Berlin",
       2021,
       10,
       31,
       3,
       0,
       13.41,
       U,
       {3600, "CET", false},
       {3600, "CET", false}},
      {"New York 2021 spring gap",
       "America/New_York",
       2021,
       3,
       14,
       2,
       30,
       -74.006,
       G,
       {-18000, "EST", false},
       {-14400, "EDT", false}},
      {"New York 2021 autumn overlap",
       "America/New_York",
       2021,
       11,
       7,
       1,
       30,
       -74.006,
       O,
       {-14400, "EDT", false},
       {-18000, "EST", false}},
      {"Sydney 2021 April overlap",
       "Australia/Sydney",
       2021,
       4,
       4,
       2,
       30,
       151.2,
       O,
       {39600, "AEDT", false},
       {36000, "AEST", false}},
      {"Sydney 2021 October gap",
       "Australia/Sydney",
       2021,
       10,
       3,
       2,
       30,
       151.2,
       G,
       {36000, "AEST", false},
       {39600, "AEDT", false}},
      {"Kolkata 2000",
       "Asia/Kolkata",
       2000,
       1,
       1,
       12,
       0,
       88.36,
       U,
       {19800, "IST", false},
       {19800, "IST", false}},
      {"Dresden 1850: its own mean time, not Berlin's (3208 s)",
       "Europe/Berlin",
       1850,
       6,
       1,
       12,
       0,
       13.73832,
       U,
       {3297, "LMT", true},
       {3297, "LMT", true}},
      {"Sapporo 1880: its own mean time, not Tokyo's (33539 s)",
       "Asia/Tokyo",
       1880,
       6,
       1,
       12,
       0,
       141.35,
       U,
       {33924, "LMT", true},
       {33924, "LMT", true}},
      {"Berlin 1893 April 1, in the gap from mean time to CET",
       "Europe/Berlin",
       1893,
       4,
       1,
       0,
       3,
       13.41053,
       G,
       {3219, "LMT", true},
       {3600, "CET", false}},
      {"Rome 1582 October 4 (Julian calendar)",
       "Europe/Rome",
       1582,
       10,
       4,
       12,
       0,
       12.51133,
       U,
       {3003, "LMT", true},
       {3003, "LMT", true}},
      {"New York west of Greenwich in 1800",
       "America/New_York",
       1800,
       1,
       1,
       12,
       0,
       -73.9,
       U,
       {-17736, "LMT", true},
       {-17736, "LMT", true}},
      {"Berlin 9000 summer, by the zone's rule",
       "Europe/Berlin",
       9000,
       7,
       1,
       12,
       0,
       13.41,
       U,
       {7200, "CEST", false},
       {7200, "CEST", false}},
      {"UTC", "UTC", 2000, 1, 1, 12, 0, 0, U, {0, "UTC", false}, {0, "UTC", false}},
  };
  for (const auto& c : cases) {
    const double local = LocalJulianDay(c.Year, c.Month, c.Day, c.Hour, c.Minute);
    for (const TDstChoice choice : {TDstChoice::Earlier, TDstChoice::Later}) {
      const TZoneResolution r = ResolveTimeZone(c.Zone, local, c.Longitude, choice);
      SCOPED_TRACE(std::string(c.Case) + (choice == TDstChoice::Earlier ? ", earlier" : ", later"));
      EXPECT_EQ(r.Status, c.Status);
      EXPECT_FALSE(r.Manual);
      EXPECT_EQ(r.Earlier.Seconds, c.Earlier.Seconds);
      EXPECT_EQ(r.Earlier.Abbreviation, c.Earlier.Abbreviation);
      EXPECT_EQ(r.Earlier.LocalMeanTime, c.Earlier.LocalMeanTime);
      EXPECT_EQ(r.Later.Seconds, c.Later.Seconds);
      EXPECT_EQ(r.Later.Abbreviation, c.Later.Abbreviation);
      EXPECT_EQ(r.Later.LocalMeanTime, c.Later.LocalMeanTime);
      const TSide& taken = choice == TDstChoice::Earlier ? c.Earlier : c.Later;
      EXPECT_EQ(r.Offset.Seconds, taken.Seconds);
      EXPECT_EQ(r.Offset.Abbreviation, taken.Abbreviation);
      EXPECT_NEAR(r.UtcJulianDay, local - taken.Seconds / 86400.0, 1e-9);
    }
  }
}

TEST(TimeZones, UniversalTimeOfTheChosenOccurrence) {
  // Berlin 2021-10-31 02:30 happened at 00:30 UT (CEST) and again at 01:30 UT (CET).
  const double local = LocalJulianDay(2021, 10, 31, 2, 30);
  EXPECT_NEAR(ResolveTimeZone("Europe/Berlin", local, 13.41, TDstChoice::Earlier).UtcJulianDay,
              LocalJulianDay(2021, 10, 31, 0, 30), 1e-9);
  EXPECT_NEAR(ResolveTimeZone("Europe/Berlin", local, 13.41, TDstChoice::Later).UtcJulianDay,
              LocalJulianDay(2021, 10, 31, 1, 30), 1e-9);
  // Rome 1582-10-04 12:00 local mean time, Julian calendar: JD 2299160.0 less 3003 s.
  const double rome = LocalJulianDay(1582, 10, 4, 12, 0);
  EXPECT_DOUBLE_EQ(rome, 2299160.0) << "the local Julian Day is TDate's, Julian calendar";
  EXPECT_NEAR(ResolveTimeZone("Europe/Rome", rome, 12.51133).UtcJulianDay,
              2299160.0 - 3003 / 86400.0, 1e-9);
  // Far outside the zone's data: local mean time all the way.
  const TZoneResolution past =
      ResolveTimeZone("Europe/Amsterdam", TDate::kMinSupportedJulianDay, 4.88969);
  EXPECT_EQ(past.Status, TZoneStatus::Unique);
  EXPECT_EQ(past.Offset.Seconds, 1174);
  EXPECT_TRUE(past.Offset.LocalMeanTime);
}

TEST(TimeZones, ManualOffsetsAndUnknownZones) {
  const double gap = LocalJulianDay(2021, 3, 28, 2, 30);
  const struct {
    const char* Case;
    const char* Zone;
    TZoneStatus Status;
    std::int32_t Earlier;
  } cases[] = {
      {"known zone in a gap", "Europe/Berlin", TZoneStatus::Gap, 3600},
      {"unknown zone", "Mars/Olympus_Mons", TZoneStatus::UnknownZone, 0},
      {"empty zone", "", TZoneStatus::UnknownZone, 0},
      {"POSIX rule text", "CET-1CEST", TZoneStatus::UnknownZone, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    const TZoneResolution manual =
        ResolveTimeZone(c.Zone, gap, 13.41, TDstChoice::Later, std::int32_t{19800});
    EXPECT_TRUE(manual.Manual);
    EXPECT_EQ(manual.Status, c.Status) << "the zone is still resolved";
    EXPECT_EQ(manual.Earlier.Seconds, c.Earlier);
    EXPECT_EQ(manual.Offset.Seconds, 19800);
    EXPECT_EQ(manual.Offset.Abbreviation, "");
    EXPECT_FALSE(manual.Offset.LocalMeanTime);
    EXPECT_NEAR(manual.UtcJulianDay, gap - 19800 / 86400.0, 1e-9);
    const TZoneResolution plain = ResolveTimeZone(c.Zone, gap, 13.41);
    EXPECT_FALSE(plain.Manual);
    EXPECT_EQ(plain.Status, c.Status);
    if (c.Status == TZoneStatus::UnknownZone) {
      EXPECT_EQ(plain.Offset.Seconds, 0);
      EXPECT_EQ(plain.UtcJulianDay, gap);
    }
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
      {"Europe/Kyiv", true},
      {"Europe/Kiev", true},  // an old name, kept as a link
      {"Asia/Calcutta", true},
      {"Etc/GMT-14", true},
      {"", false},
      {"Europe/Atlantis", false},
      {"europe/amsterdam", false},
      {"EST5EDT", false},  // POSIX rule texts
      {"CET-1CEST", false},
      {"ABC3", false},
      {"../zoneinfo/UTC", false},
      {"/usr/share/zoneinfo/UTC", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsKnownZone(c.Zone), c.Known) << "'" << c.Zone << "'";
}

}  // namespace
