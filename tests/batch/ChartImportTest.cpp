// The chart imports: a file told by its content, taken whole or not at all,
// the exports read back, several files at once.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch/ChartImport.h"
#include "storage/SettingsFiles.h"

using namespace ostrane;

namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("ostrane-chart-import-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ChartImport, OneBadRecordRefusesTheWholeFileNamingEveryBadOne) {
  const std::string good = "#A93:Good,*,m,1.1.2000,12:00,*,*\n#B93:*,52n22,4e54,1he00,0\n";
  const TChartImport all = ImportChartText(good + good);
  EXPECT_FALSE(all.Refused);
  EXPECT_EQ(all.Kind, TChartFileKind::Aaf);
  EXPECT_EQ(all.Records.size(), 2u);

  const TChartImport aaf =
      ImportChartText(good + "#A93:Bad,*,m,30.2.2000,12:00,*,*\n" + good + "#A93:Short\n");
  EXPECT_TRUE(aaf.Refused);
  EXPECT_TRUE(aaf.Records.empty());
  ASSERT_EQ(aaf.Refusals.size(), 2u);
  EXPECT_EQ(aaf.Refusals[0], "Line 3: the date '30.2.2000' does not exist");
  EXPECT_EQ(aaf.Refusals[1], "Line 6: #A93 has 1 fields, not 7");

  const TChartImport csv = ImportChartText(
      "name,date,latitude,longitude,utc_offset\nA,2000-01-01,52,4,+01:00\n"
      "B,2000-02-30,52,4,+01:00\nC,2000-01-01,52,4,+01:00\n");
  EXPECT_EQ(csv.Kind, TChartFileKind::Csv);
  EXPECT_TRUE(csv.Refused);
  EXPECT_TRUE(csv.Records.empty());
  ASSERT_EQ(csv.Refusals.size(), 1u);
  EXPECT_EQ(csv.Refusals[0].rfind("Line 3: date '2000-02-30'", 0), 0u) << csv.Refusals[0];
}

TEST(ChartImport, ExportsReadBackByContent) {
  std::vector<TChartRecord> records(2);
  records[0].Settings.Name = "Tobias Ferber";
  records[0].Settings.Year = 1970;
  records[0].Settings.MonthIndex = 8;
  records[0].Settings.Day = 27;
  records[0].Settings.TimeText = "11:04";
  records[0].Settings.Place.Name = "Kandel/Pfalz, D";
  records[0].Settings.Place.Latitude = 49.083333333333336;
  records[0].Settings.Place.Longitude = 8.183333333333334;
  records[0].Settings.Place.TimeZone = "Europe/Berlin";
  records[0].Note = "note, with comma\nsecond line";
  records[0].Tags = {"family", "research set"};
  records[0].ReleaseFrom = "fortune";
  records[1].Settings.Name = "Julian";
  records[1].Settings.Year = 1500;
  records[1].Settings.MonthIndex = 1;
  records[1].Settings.Day = 29;
  records[1].Settings.Place.Name = "Somewhere";
  records[1].Settings.Place.Latitude = 10.5;
  records[1].Settings.Place.Longitude = -20.25;
  records[1].Settings.Place.UtcOffsetSeconds = -3600;
  records[1].ReleaseFrom = "leo";

  for (const char* name : {"charts.aaf", "charts.CSV"}) {
    SCOPED_TRACE(name);
    const std::string path = TempPath(name);
    ASSERT_TRUE(ExportChartRecords(path, records).Ok);
    const TChartImport read = ImportChartFile(path);
    std::filesystem::remove(path);
    ASSERT_FALSE(read.Refused) << read.Refusals[0];
    const bool csv = std::string(name).find("CSV") != std::string::npos;
    EXPECT_EQ(read.Kind, csv ? TChartFileKind::Csv : TChartFileKind::Aaf);
    ASSERT_EQ(read.Records.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
      const TChartRecord& a = records[i];
      const TChartRecord& b = read.Records[i];
      EXPECT_TRUE(SameChart(a, b)) << i;
      EXPECT_EQ(b.Note, a.Note);
      EXPECT_EQ(b.Settings.Place.TimeZone, a.Settings.Place.TimeZone);
      EXPECT_EQ(b.Settings.Place.UtcOffsetSeconds, a.Settings.Place.UtcOffsetSeconds);
      // AAF has no place for tags and the release (read as from Spirit);
      // CSV keeps them.
      EXPECT_EQ(b.Tags, csv ? a.Tags : std::vector<std::string>());
      EXPECT_EQ(b.ReleaseFrom, csv ? a.ReleaseFrom : "spirit");
    }
  }
  EXPECT_FALSE(ExportChartRecords(TempPath("charts.txt"), records).Ok);
}

TEST(ChartImport, ChartFilesAndSeveralFilesAtOnce) {
  ReleaseSettings chart;
  chart.Name = "Own chart";
  chart.Year = 1984;
  chart.StartSign = 4;
  const std::string own = TempPath("own.txt"), aaf = TempPath("list.txt"),
                    bad = TempPath("bad.aaf");
  ASSERT_TRUE(SaveUserDataFile(own, chart).Ok);
  WriteText(aaf, "#A93:Good,*,m,1.1.2000,12:00,*,*\n#B93:*,52n22,4e54,1he00,0\n");
  WriteText(bad, "#A93:Bad,*,m,1.1.2000,12:00,*,*\n#B93:*,52n22,4e54,1hq,0\n");
  const auto imports = ImportChartFiles({own, aaf, bad, TempPath("missing")});
  for (const auto& path : {own, aaf, bad}) std::filesystem::remove(path);
  ASSERT_EQ(imports.size(), 4u);
  EXPECT_EQ(imports[0].Kind, TChartFileKind::ChartFile);
  ASSERT_EQ(imports[0].Records.size(), 1u);
  EXPECT_EQ(imports[0].Records[0].Settings.Name, "Own chart");
  EXPECT_EQ(imports[0].Records[0].Settings.StartSign, 4);
  EXPECT_EQ(imports[1].Kind, TChartFileKind::Aaf);  // by content, whatever the name
  EXPECT_EQ(imports[1].Records.size(), 1u);
  EXPECT_TRUE(imports[2].Refused);
  EXPECT_EQ(imports[2].Path, bad);
  EXPECT_TRUE(imports[3].Refused);
  EXPECT_TRUE(imports[3].Records.empty());
}

}  // namespace
