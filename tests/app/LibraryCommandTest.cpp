// ostrane-list --charts, --import and --export: the chart library as CSV
// that a batch reads back, files of charts added whole or not at all and
// written back, and the library's refusals as messages and exit statuses.
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/LibraryCommand.h"
#include "app/ListCommand.h"
#include "batch/BatchRows.h"
#include "core/CsvText.h"
#include "storage/ChartLibrary.h"
#include "tests/support/ListRun.h"

using namespace ostrane;

namespace {

using Result = ostrane::testing::TListRun;
using ostrane::testing::RunList;

TEST(LibraryCommand, WritesTheChartsAsBatchInput) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("charts.sqlite").toStdString();
  {
    TChartRecord ann;
    ann.Settings.Name = "Ann, \"the client\"";
    ann.Settings.Year = 1970;
    ann.Settings.MonthIndex = 4;
    ann.Settings.Day = 17;
    ann.Settings.TimeText = "06:30";
    ann.Settings.GeneralPeriods = 12;
    ann.Settings.ReleasingType = TReleasingType::Egyptian;
    ann.Settings.LooseBondType = TLooseBond::Never;
    TBirthPlace& p = ann.Settings.Place;
    p.Name = "Paris";
    p.Latitude = 48.8566;
    p.Longitude = 2.3522;
    p.TimeZone = "Europe/Paris";
    p.Variants = {TZodiac::FaganBradley, TLotFormula::Day, TSectHorizon::Visible};
    ann.ReleaseFrom = "spirit";
    ann.Tags = {"client", "1970s"};
    ann.Note = "Met in May,\nagain in June";
    TChartRecord bo;
    bo.Settings.Name = "Bo";
    bo.Settings.Year = -44;
    bo.Settings.MonthIndex = 2;
    bo.Settings.Day = 15;
    bo.Settings.StartSign = 3;
    bo.Settings.Place.Latitude = 41.9;
    bo.Settings.Place.Longitude = 12.5;
    bo.Settings.Place.UtcOffsetSeconds = 3600 + 30 * 60;
    TChartLibrary library(path);
    ASSERT_TRUE(library.Open()) << library.Error().Message;
    ASSERT_TRUE(library.Add({bo, ann}).Status.Ok);
  }
  const Result r = RunList({"--charts", "--library", path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "name,date,time,place,latitude,longitude,time_zone,utc_offset,release_from,type,"
            "loose_bond,periods,zodiac,lot_formula,sect_horizon,tags,note\n"
            "\"Ann, \"\"the client\"\"\",1970-05-17,06:30,Paris,48.8566,2.3522,Europe/Paris,,"
            "spirit,egyptian,never,12,fagan-bradley,day,visible,\"client, 1970s\","
            "\"Met in May,\nagain in June\"\n"
            "Bo,-0044-03-15,12:00:00,,41.9,12.5,,+01:30,cancer,valens,always,6,tropical,sect,"
            "geometric,,\n");

  // Every row is one a batch reads without an error.
  std::istringstream in(r.out);
  TCsvReader reader(in);
  std::vector<std::string> header, fields;
  ASSERT_TRUE(reader.Next(header));
  TBatchColumns columns;
  ASSERT_FALSE(ReadBatchHeader(header, columns));
  TChartCache cache;
  int rows = 0;
  while (reader.Next(fields)) {
    ++rows;
    const std::vector<std::string> computed =
        ComputeBatchRow(columns, fields, TBatchDefaults(), cache);
    EXPECT_EQ(computed.back(), "") << "row " << rows;
  }
  EXPECT_EQ(rows, 2);
}

TEST(LibraryCommand, RefusalsAreMessagesWithTheirStatus) {
  QTemporaryDir dir;
  const std::string text = dir.filePath("notes.txt").toStdString();
  std::ofstream(text) << "not a database, just notes\n";
  const std::string missing = dir.filePath("missing.sqlite").toStdString();
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"--charts", "--library", missing},
       1,
       "ostrane-list: There is no chart library at '" + missing + "'.\n"},
      {{"--charts", "--library=" + text},
       1,
       "ostrane-list: '" + text + "' is not a chart library: it is not a database at all.\n"},
      {{"--library", text},
       2,
       "ostrane-list: --library names the chart library of --charts, --import or --export\n"},
      {{"--charts", "--csv"}, 2, "ostrane-list: --charts works on the chart library; it does not"},
      {{"--import", text, "--export", "x.aaf"}, 2, "ostrane-list: --charts, --import and --export"},
      {{"--import", text, "--at", "2020-01-01"},
       2,
       "ostrane-list: --import works on the chart library; it does not"},
      {{"--import="}, 2, "ostrane-list: --import needs a file name\n"},
      {{"--export", dir.filePath("x.txt").toStdString(), "--library", text},
       1,
       "ostrane-list: '" + text + "' is not a chart library"},
      {{"--charts=yes"}, 2, "ostrane-list: --charts takes no value\n"},
      {{"--charts", "--library="}, 2, "ostrane-list: --library needs a file name\n"},
  };
  for (const auto& c : cases) {
    const Result r = RunList(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back();
    EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    EXPECT_EQ(r.out, "") << c.args.back();
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

TEST(LibraryCommand, ImportsFilesWholeOrNotAtAllAndExportsThem) {
  QTemporaryDir dir;
  const auto file = [&](const char* name, const std::string& text) {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  };
  const std::string good = file("good.aaf",
                                "#A93:Doe,Jane,f,14.05.1990,14:30,Amsterdam,NL\n"
                                "#B93:2448026.0208333,52n22,4e54,1he00,1\n"
                                "#A93:Roe,Rick,m,01.03.1500,6:00,Lisbon,P\n");
  const std::string bad = file("bad.aaf",
                               "#A93:Poe,Ed,m,02.01.1960,8:00,Paris,F\n"
                               "#A93:Bad,Date,f,31.02.1990,14:30,Amsterdam,NL\n");
  const std::string library = dir.filePath("charts.sqlite").toStdString();

  Result r = RunList({"--library", library, "--import", bad, good});
  EXPECT_EQ(r.status, 1) << "a refused file fails the command";
  EXPECT_NE(r.err.find("bad.aaf: refused, nothing of it added:\n  Line 2: "), std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, good + ": 2 added, 0 skipped as already in the library\n");
  r = RunList({"--library", library, "--import", good});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, good + ": 0 added, 2 skipped as already in the library\n");
  const Result listed = RunList({"--charts", "--library", library});
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3) << listed.out;
  EXPECT_EQ(listed.out.find("Ed Poe"), std::string::npos) << "nothing of the refused file";

  // Written out, the same charts: read back into the library they came
  // from, every one is already there; into a new one, all are added (AAF
  // keeps the coordinates to the second, CSV exactly).
  for (const char* name : {"out.aaf", "out.csv"}) {
    SCOPED_TRACE(name);
    const std::string out = dir.filePath(name).toStdString();
    r = RunList({"--export", out, "--library", library});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(RunList({"--import", out, "--library", library}).out,
              out + ": 0 added, 2 skipped as already in the library\n");
    const std::string copy = dir.filePath(QString(name) + ".sqlite").toStdString();
    r = RunList({"--import", out, "--library", copy});
    EXPECT_EQ(r.out, out + ": 2 added, 0 skipped as already in the library\n") << r.err;
    if (std::string(name).ends_with(".csv")) {
      EXPECT_EQ(RunList({"--charts", "--library", copy}).out, listed.out);
    }
  }
}

}  // namespace
