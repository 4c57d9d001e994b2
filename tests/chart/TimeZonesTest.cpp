// Offsets as the system's time-zone database (tzdata) gives them; the
// values agree with `zdump -v` of the same zones.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "chart/TimeZones.h"
#include "core/DateTime.h"

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

// "3600 CET"; LocalMeanTime must be set exactly for "LMT".
std::string Text(const TZoneOffset& o) {
  const bool flagRight = o.LocalMeanTime == (o.Abbreviation == "LMT");
  return std::to_string(o.Seconds) + (o.Abbreviation.empty() ? "" : " " + o.Abbreviation) +
         (flagRight ? "" : " (local mean time flag wrong)");
}

// The earlier offset, then the later one unless the same: "3600 CET",
// "gap 3600 CET 7200 CEST", "overlap ...", "unknown 0".
std::string Text(const TZoneResolution& r) {
  const char* status[] = {"", "gap ", "overlap ", "unknown "};
  std::string text = status[static_cast<int>(r.Status)] + Text(r.Earlier);
  const bool twoOffsets = r.Status == TZoneStatus::Gap || r.Status == TZoneStatus::Overlap;
  return twoOffsets || Text(r.Later) != Text(r.Earlier) ? text + " " + Text(r.Later) : text;
}

TEST(TimeZones, ResolvesClockTimes) {
  const struct {
    const char* zoneAndTime;
    double longitude;
    const char* offsets;
  } cases[] = {
      {"Europe/Amsterdam 1930-01-15 12:00", 4.89, "1172 AMT"},
      {"Europe/Amsterdam 1930-07-01 12:00", 4.89, "4772 NST"},
      {"Europe/Amsterdam 1930-05-15 02:30", 4.89, "gap 1172 AMT 4772 NST"},
      {"Europe/Amsterdam 1930-10-05 02:30", 4.89, "overlap 4772 NST 1172 AMT"},
      {"Europe/Amsterdam 1937-08-01 12:00", 4.89, "4800 +0120"},
      {"Europe/Berlin 2021-03-28 02:30", 13.41, "gap 3600 CET 7200 CEST"},
      {"Europe/Berlin 2021-03-28 01:59", 13.41, "3600 CET"},   // before the gap
      {"Europe/Berlin 2021-03-28 03:00", 13.41, "7200 CEST"},  // its end
      {"Europe/Berlin 2021-10-31 02:00", 13.41, "overlap 7200 CEST 3600 CET"},
      {"Europe/Berlin 2021-10-31 03:00", 13.41, "3600 CET"},  // the end of the overlap
      {"America/New_York 2021-03-14 02:30", -74.0, "gap -18000 EST -14400 EDT"},
      {"America/New_York 2021-11-07 01:30", -74.0, "overlap -14400 EDT -18000 EST"},
      {"Australia/Sydney 2021-04-04 02:30", 151.2, "overlap 39600 AEDT 36000 AEST"},
      {"Australia/Sydney 2021-10-03 02:30", 151.2, "gap 36000 AEST 39600 AEDT"},
      // Local mean time is the birthplace's: its longitude x 240 s.
      {"Europe/Berlin 1850-06-01 12:00", 13.73832, "3297 LMT"},  // Dresden, not Berlin's 3208 s
      {"Asia/Tokyo 1880-06-01 12:00", 141.35, "33924 LMT"},      // Sapporo, not Tokyo's 33539 s
      {"Europe/Berlin 1893-04-01 00:03", 13.41053, "gap 3219 LMT 3600 CET"},
      {"America/New_York 1800-01-01 12:00", -73.9, "-17736 LMT"},
      {"Europe/Rome 1582-10-04 12:00", 12.51133, "3003 LMT"},  // the Julian calendar's date
      {"Europe/Berlin 9000-07-01 12:00", 13.41, "7200 CEST"},  // by the zone's rule
      {"UTC 2000-01-01 12:00", 0, "0 UTC"},
  };
  for (const auto& c : cases) {
    const std::string text = c.zoneAndTime, zone = text.substr(0, text.find(' '));
    const double local = LocalJulianDay(c.zoneAndTime + zone.size() + 1);
    for (const TDstChoice choice : {TDstChoice::Earlier, TDstChoice::Later}) {
      const bool earlier = choice == TDstChoice::Earlier;
      SCOPED_TRACE(text + (earlier ? ", earlier" : ", later"));
      const TZoneResolution r = ResolveTimeZone(zone, local, c.longitude, choice);
      EXPECT_EQ(Text(r), c.offsets);
      EXPECT_FALSE(r.Manual);
      EXPECT_EQ(Text(r.Offset), Text(earlier ? r.Earlier : r.Later));
      EXPECT_NEAR(r.UtcJulianDay, local - r.Offset.Seconds / 86400.0, 1e-9);
    }
  }
  // Far before the zone's data: local mean time.
  const auto past = ResolveTimeZone("Europe/Amsterdam", TDate::kMinSupportedJulianDay, 4.88969);
  EXPECT_EQ(Text(past) + ", " + Text(past.Offset), "1174 LMT, 1174 LMT");
}

TEST(TimeZones, AManualOffsetOverridesTheZoneWhichIsStillResolved) {
  const double gap = LocalJulianDay("2021-03-28 02:30");
  const struct {
    const char* zone;
    const char* offsets;
  } cases[] = {{"Europe/Berlin", "gap 3600 CET 7200 CEST"},
               {"Mars/Olympus_Mons", "unknown 0"},
               {"", "unknown 0"},
               {"CET-1CEST", "unknown 0"}};  // a POSIX rule
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    const auto manual = ResolveTimeZone(c.zone, gap, 13.41, TDstChoice::Later, 19800);
    EXPECT_TRUE(manual.Manual);
    EXPECT_EQ(Text(manual), c.offsets);
    EXPECT_EQ(Text(manual.Offset), "19800");
    EXPECT_NEAR(manual.UtcJulianDay, gap - 19800 / 86400.0, 1e-9);
    const auto plain = ResolveTimeZone(c.zone, gap, 13.41);
    EXPECT_FALSE(plain.Manual);
    EXPECT_EQ(plain.Offset.Seconds, manual.Earlier.Seconds);
  }
}

TEST(TimeZones, KnownZones) {
  // Europe/Kiev: an old name, kept as a link; the database's zones without
  // a slash, links ("Japan") and rules it holds as zones ("EST5EDT") alike.
  for (const char* zone : {"Europe/Amsterdam", "America/Argentina/Buenos_Aires", "UTC",
                           "Europe/Kiev", "Etc/GMT-14", "CET", "GMT", "Japan", "EST5EDT"})
    EXPECT_TRUE(IsKnownZone(zone)) << zone;
  // POSIX rules the database does not hold, paths, the database's other
  // files and another case are not zones.
  for (const char* zone :
       {"", "Europe/Atlantis", "europe/amsterdam", "EST5", "ABC3", "CET-1CEST", "../zoneinfo/UTC",
        "/usr/share/zoneinfo/UTC", "zone.tab", "posix", "Europe"})
    EXPECT_FALSE(IsKnownZone(zone)) << "'" << zone << "'";
}

}  // namespace
