// The batch over an AAF file, told by its content; --at as the event of the
// rows that give none; a CSV input read through the same look at its first
// line unchanged.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/BatchCommand.h"
#include "app/ListCommand.h"
#include "tests/support/CsvRecords.h"

using namespace ostrane;

namespace {

using ostrane::testing::Records;

class BatchAaf : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("ostrane-batch-aaf-" + std::to_string(::getpid()));
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }
  std::string File(const std::string& name, const std::string& text) {
    const std::string path = FDir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::filesystem::path FDir;
};

std::string Column(const std::vector<std::vector<std::string>>& rows, std::size_t row,
                   const char* name) {
  const auto& h = rows[0];
  const auto at = static_cast<std::size_t>(std::find(h.begin(), h.end(), name) - h.begin());
  return at < rows[row].size() ? rows[row][at] : "(no column " + std::string(name) + ")";
}

TEST_F(BatchAaf, RowsOfAnAafFileAgreeWithTheSingleChartCommand) {
  const std::string path = File("charts.txt",
                                "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
                                "#B93:*,49n05,8e11,1he,0\r\n#ZNAM:CET\r\n"
                                "#A93:Julian,*,e,1.3.1500,12:00,Paris,F\r\n");
  std::ostringstream out, err;
  ASSERT_EQ(
      RunListCommand({"--batch", path, "--at", "2000-01-01T12:00", "--periods", "60", "--quiet"},
                     out, err),
      0)
      << err.str();
  const auto rows = Records(out.str());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(Column(rows, 1, "place_name"), "Kandel/Pfalz, D");
  EXPECT_EQ(Column(rows, 2, "time_zone"), "Europe/Paris");
  for (std::size_t r = 1; r < rows.size(); ++r) {
    EXPECT_EQ(Column(rows, r, "error"), "") << r;
    EXPECT_NE(Column(rows, r, "l1_sign"), "") << "--at gives the event of row " << r;
  }
  // The lots of the first row are those of the same birth typed.
  std::ostringstream lotsOut, lotsErr;
  ASSERT_EQ(RunListCommand({"--year", "1970", "--month", "9", "--day", "27", "--time", "11:04",
                            "--lat", "49n05", "--lon", "8e11", "--utc-offset", "+01:00", "--lots"},
                           lotsOut, lotsErr),
            0);
  int compared = 0;
  for (const auto& kv : Records(lotsOut.str())) {
    if (kv.size() == 2 && (kv[0] == "fortune" || kv[0] == "spirit" || kv[0] == "sect")) {
      EXPECT_EQ(Column(rows, 1, kv[0].c_str()), kv[1]) << kv[0];
      ++compared;
    }
  }
  EXPECT_EQ(compared, 3);

  // Rows that fail are named by their records' lines in the AAF file.
  std::ostringstream early, earlyErr;
  EXPECT_EQ(RunListCommand({"--batch", path, "--at", "1400-01-01", "--quiet"}, early, earlyErr), 1);
  EXPECT_NE(earlyErr.str().find("2 of 2 rows failed (see the error column), on input lines 1, 4"),
            std::string::npos)
      << earlyErr.str();
}

TEST_F(BatchAaf, ABadRecordRefusesTheFileAndWritesNothing) {
  const std::string path = File("bad.aaf",
                                "#A93:Good,*,m,1.1.2000,12:00,*,*\n#B93:*,52n22,4e54,1he00,0\n"
                                "#A93:Bad,*,m,31.4.2000,12:00,*,*\n#B93:*,52n22,4e54,1he00,0\n");
  std::ostringstream out, err;
  TBatchOptions options;
  EXPECT_EQ(RunBatchCommand(path, "-", options, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("Line 3: the date '31.4.2000' does not exist"), std::string::npos)
      << err.str();
}

TEST_F(BatchAaf, AtGivesTheEventOnlyToRowsWithoutOne) {
  const std::string csv =
      "name,date,time,latitude,longitude,utc_offset,event_date\n"
      "a,1990-05-01,08:00,52,4,+02:00,2010-06-01\n"
      "b,1990-05-01,08:00,52,4,+02:00,\n";
  std::istringstream in(csv);
  std::ostringstream out, err;
  TBatchOptions options;
  options.Defaults.Event = TCivilMoment{2030, 1, 1, 0};
  ASSERT_EQ(RunBatch(in, out, err, options, {}).FailedRows, 0);
  const auto rows = Records(out.str());
  ASSERT_EQ(rows.size(), 3u);
  // Row a keeps its own event; row b takes --at's, years later.
  EXPECT_LT(Column(rows, 1, "l2_start"), "2011");
  EXPECT_GT(Column(rows, 2, "l2_end"), "2029-12-31");
  EXPECT_LT(Column(rows, 2, "l2_start"), "2030-01-01T00:00:01");
}

// A CSV whose first line is looked at as a possible AAF chunk line (a byte
// order mark, a '#') runs exactly as it runs from a stream.
TEST_F(BatchAaf, CsvInputsLookedAtRunByteForByteTheSame) {
  const std::string rows = "name,date,time,place,event_date\na,2000-01-01,12:00,Paris,2020-01-01\n";
  for (const std::string& input : {rows, "\xEF\xBB\xBF" + rows, "#" + rows}) {
    std::istringstream in(input);
    std::ostringstream expected, streamErr;
    TBatchOptions options;
    RunBatch(in, expected, streamErr, options, {});
    std::ostringstream out, err;
    RunBatchCommand(File("in.csv", input), "-", options, out, err);
    EXPECT_EQ(out.str(), expected.str()) << input.substr(0, 3);
    EXPECT_NE(out.str().find("Paris"), std::string::npos) << input.substr(0, 3);
  }
}

}  // namespace
