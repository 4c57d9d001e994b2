// AAF: records with and without #B93, the Julian calendar before 1582,
// Windows-1252 names, the round trip through the writer, and a clear
// refusal for each record of hostile input.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Coordinates.h"
#include "storage/Aaf.h"

using namespace ostrane;

namespace {

TChartRecord Only(const std::string& text) {
  const auto records = ReadAaf(text);
  EXPECT_EQ(records.size(), 1u) << text;
  if (records.size() != 1 || !records[0].Chart) {
    ADD_FAILURE() << (records.empty() ? "no record" : records[0].Refusal);
    return {};
  }
  return *records[0].Chart;
}

TEST(Aaf, ReadsRecordsWithAndWithoutB93) {
  const auto records = ReadAaf(
      "#: two charts with coordinates, one by its place name\r\n"
      "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
      "#B93:*,49n05,8e11,1he,0\r\n"
      "#ZNAM:Europe/Berlin\r\n"
      "#COM:first line, with a comma\r\n"
      "second line\r\n"
      "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\r\n"
      "#B93:2392758.526528,43n31,5e27,*,L\r\n"
      "#SRC:1*,archive\r\n"
      "#A93:Event,*,e,2.4.1983,10:15:30,Munich,D\r\n"
      "#B93:2445426.844097,48n08,11e34,1he00,1\r\n"
      "#ZNAM:MESZ\r\n"
      "#A93:Paris,*,e,14.7.1980,*,Paris,F\r\n");
  ASSERT_EQ(records.size(), 4u);
  for (const auto& r : records) ASSERT_TRUE(r.Chart) << r.Refusal;

  const ReleaseSettings& ferber = records[0].Chart->Settings;
  EXPECT_EQ(ferber.Name, "Tobias Ferber");
  EXPECT_EQ(ferber.Year, 1970);
  EXPECT_EQ(ferber.MonthIndex, 8);
  EXPECT_EQ(ferber.Day, 27);
  EXPECT_EQ(ferber.TimeText, "11:04");
  EXPECT_EQ(ferber.Place.Name, "Kandel/Pfalz, D");
  EXPECT_DOUBLE_EQ(*ferber.Place.Latitude, 49 + 5 / 60.0);
  EXPECT_DOUBLE_EQ(*ferber.Place.Longitude, 8 + 11 / 60.0);
  // The zone gives +1 h on that day itself: it decides, no override kept.
  EXPECT_EQ(ferber.Place.TimeZone, "Europe/Berlin");
  EXPECT_FALSE(ferber.Place.UtcOffsetSeconds);
  EXPECT_EQ(records[0].Chart->Note, "first line, with a comma\nsecond line");
  EXPECT_EQ(records[0].Line, 2);

  // The zone unknown: the offset is the clock time less the Julian Day, the
  // town's mean time (5e27 is 21 min 48 s).
  const ReleaseSettings& cezanne = records[1].Chart->Settings;
  EXPECT_EQ(cezanne.TimeText, "01:00");
  EXPECT_EQ(cezanne.Place.UtcOffsetSeconds, 21 * 60 + 48);
  EXPECT_EQ(records[1].Line, 7);

  // Zone and daylight saving add up.
  EXPECT_EQ(records[2].Chart->Settings.Place.UtcOffsetSeconds, 7200);
  EXPECT_EQ(records[2].Chart->Settings.Place.TimeZone, "");  // an abbreviation only
  EXPECT_EQ(records[2].Chart->Settings.TimeText, "10:15:30");

  // Without #B93 the place is looked up, its name kept; the time unknown
  // keeps the base settings' time.
  const ReleaseSettings& paris = records[3].Chart->Settings;
  EXPECT_EQ(paris.Place.Name, "Paris, F");
  EXPECT_NEAR(*paris.Place.Latitude, 48.853, 0.01);
  EXPECT_NEAR(*paris.Place.Longitude, 2.349, 0.01);
  EXPECT_EQ(paris.Place.TimeZone, "Europe/Paris");
  EXPECT_FALSE(paris.Place.UtcOffsetSeconds);
  EXPECT_EQ(paris.TimeText, ReleaseSettings().TimeText);
}

TEST(Aaf, DatesBefore1582AreJulian) {
  // 1500-03-01 12:00 UT in the Julian calendar is JD 2268993.0 (Meeus, B = 0).
  const TChartRecord r = Only("#A93:Event,*,e,1.3.1500,12:00,*,*\n#B93:2268993.0,48n51,2e21,*,0\n");
  EXPECT_EQ(r.Settings.Year, 1500);
  EXPECT_EQ(r.Settings.MonthIndex, 2);
  EXPECT_EQ(r.Settings.Place.UtcOffsetSeconds, 0);
  // 1500 is a Julian leap year, 1700 is not one after the reform; the ten
  // days the reform skipped do not exist.
  EXPECT_EQ(Only("#A93:A,*,e,29.2.1500,12:00,*,*\n#B93:*,0n00,0e00,0he00,0\n").Settings.Day, 29);
  for (const char* date : {"29.2.1700", "10.10.1582"}) {
    const auto records =
        ReadAaf(std::string("#A93:A,*,e,") + date + ",12:00,*,*\n#B93:*,0n00,0e00,0he00,0\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(records[0].Refusal.find("does not exist"), std::string::npos) << date;
  }
  // Written back, the Julian Day is the same day's.
  EXPECT_NE(WriteAaf({r}).find("#B93:2268993.000000,48n51,2e21,0he00,0"), std::string::npos)
      << WriteAaf({r});
}

TEST(Aaf, Windows1252AndUtf8Names) {
  const TChartRecord latin =
      Only("#A93:M\xFCller,Jos\xE9,m,5.5.1950,8.15,Z\xFCrich,CH\n#B93:*,47n22,8e32,1he00,0\n");
  EXPECT_EQ(latin.Settings.Name, "Jos\xC3\xA9 M\xC3\xBCller");
  EXPECT_EQ(latin.Settings.Place.Name, "Z\xC3\xBCrich, CH");
  EXPECT_EQ(latin.Settings.TimeText, "08:15");
  // Valid UTF-8 stays as it is, and is what the writer writes.
  const std::string utf8 = "#A93:M\xC3\xBCller,*,m,5.5.1950,08:15,*,*\n#B93:*,47n22,8e32,1he00,0\n";
  EXPECT_EQ(Only(utf8).Settings.Name, "M\xC3\xBCller");
  EXPECT_EQ(Only(WriteAaf({latin})).Settings.Name, "Jos\xC3\xA9 M\xC3\xBCller");
}

TEST(Aaf, ExportThenImportGivesTheSameRecords) {
  std::vector<TChartRecord> records(3);
  records[0].Settings.Name = "Ana, Maria";  // the comma cannot be written
  records[0].Settings.Year = 1500;
  records[0].Settings.MonthIndex = 1;
  records[0].Settings.Day = 29;
  records[0].Settings.TimeText = "23:59:59";
  records[0].Settings.Place.Name = "Z\xC3\xBCrich, CH";
  records[0].Settings.Place.Latitude = ParseLatitude("47n22'40");
  records[0].Settings.Place.Longitude = ParseLongitude("8e32");
  records[0].Settings.Place.UtcOffsetSeconds = 34 * 60 + 8;
  records[0].Note = "a note\n#not a chunk\n\nlast, with comma";
  records[1].Settings.Name = "West";
  records[1].Settings.Year = -200;
  records[1].Settings.TimeText = "2:30 pm";
  records[1].Settings.Place.Name = "Somewhere";
  records[1].Settings.Place.Latitude = ParseLatitude("33s52");
  records[1].Settings.Place.Longitude = ParseLongitude("151w12");
  records[1].Settings.Place.UtcOffsetSeconds = -(5 * 3600 + 30 * 60);
  records[2].Settings.Name = "Zoned";
  records[2].Settings.Year = 2021;
  records[2].Settings.MonthIndex = 6;
  records[2].Settings.Place.Name = "Amsterdam, NL";
  records[2].Settings.Place.Latitude = ParseLatitude("52n22");
  records[2].Settings.Place.Longitude = ParseLongitude("4e54");
  records[2].Settings.Place.TimeZone = "Europe/Amsterdam";  // the offset is the zone's

  const auto read = ReadAaf(WriteAaf(records));
  ASSERT_EQ(read.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(records[i].Settings.Name);
    ASSERT_TRUE(read[i].Chart) << read[i].Refusal;
    const TChartRecord& a = records[i];
    const TChartRecord& b = *read[i].Chart;
    EXPECT_EQ(b.Settings.Name, i == 0 ? "Ana; Maria" : a.Settings.Name);
    EXPECT_EQ(b.Settings.Year, a.Settings.Year);
    EXPECT_EQ(b.Settings.MonthIndex, a.Settings.MonthIndex);
    EXPECT_EQ(b.Settings.Day, a.Settings.Day);
    EXPECT_EQ(b.Settings.TimeText, i == 1 ? "14:30" : a.Settings.TimeText);
    EXPECT_EQ(b.Settings.Place.Name, a.Settings.Place.Name);
    EXPECT_EQ(b.Settings.Place.Latitude, a.Settings.Place.Latitude);
    EXPECT_EQ(b.Settings.Place.Longitude, a.Settings.Place.Longitude);
    EXPECT_EQ(b.Settings.Place.TimeZone, a.Settings.Place.TimeZone);
    EXPECT_EQ(b.Settings.Place.UtcOffsetSeconds, a.Settings.Place.UtcOffsetSeconds);
    EXPECT_EQ(b.Note, a.Note);
  }
}

TEST(Aaf, HostileInputRefusesEachRecordWithItsLine) {
  const std::string good = "#A93:Good,*,m,1.1.2000,12:00,*,*\n#B93:*,52n22,4e54,1he00,0\n";
  struct TCase {
    const char* Name;
    std::string Text;  // the bad record, after a good one (lines 1 and 2)
    std::int64_t Line;
    const char* Reason;
  };
  const std::vector<TCase> cases = {
      {"10 MB line", "#A93:" + std::string(10 * 1024 * 1024, 'x') + "\n", 3,
       "the line is longer than 65536 bytes"},
      {"NUL byte",
       std::string("#A93:A,*,m,1.1.2000,12:00,*,*\n#B93:*,52n\0"
                   "22,4e54,1he,0\n",
                   55),
       4, "holds a NUL byte"},
      {"too few fields", "#A93:A,B,1.1.2000\n", 3, "#A93 has 3 fields, not 7"},
      {"too many fields", "#A93:A,*,m,1.1.2000,12:00,*,*\n#B93:*,1n0,1e0,1he,0,9\n", 4,
       "#B93 has 6 fields, not 5"},
      {"impossible date", "#A93:A,*,m,31.2.1970,12:00,*,*\n", 3, "'31.2.1970' does not exist"},
      {"not a date", "#A93:A,*,m,1970-02-01,12:00,*,*\n", 3, "is not d.m.yyyy"},
      {"impossible time", "#A93:A,*,m,1.2.1970,24:30,*,*\n", 3, "is not a time of day"},
      {"bad latitude", "#A93:A,*,m,1.2.1970,12:00,*,*\n#B93:*,95n00,4e54,1he,0\n", 4,
       "the latitude"},
      {"bad zone", "#A93:A,*,m,1.2.1970,12:00,*,*\n#B93:*,52n00,4e54,1hx,0\n", 4, "the zone '1hx'"},
      {"Julian Day apart", "#A93:A,*,m,1.2.1970,12:00,*,*\n#B93:2440619.0,52n,4e54,1he,0\n", 4,
       "does not agree"},
      {"unknown place", "#A93:A,*,m,1.2.1970,12:00,Qqxvvzt,*\n", 3, "no place is named 'Qqxvvzt'"},
      {"no date", "#A93:A,*,m,*,12:00,*,*\n", 3, "the birth date is unknown"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto records = ReadAaf(good + c.Text + good);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(records[0].Chart && records[2].Chart);
    EXPECT_FALSE(records[1].Chart);
    EXPECT_EQ(records[1].Refusal.rfind("Line " + std::to_string(c.Line) + ": ", 0), 0u)
        << records[1].Refusal;
    EXPECT_NE(records[1].Refusal.find(c.Reason), std::string::npos) << records[1].Refusal;
  }
  // Outside any record: a refusal of its own.
  const auto stray = ReadAaf("#B93:*,52n22,4e54,1he00,0\n" + good);
  ASSERT_EQ(stray.size(), 2u);
  EXPECT_EQ(stray[0].Refusal, "Line 1: #B93 stands before the first #A93 record");
}

}  // namespace
