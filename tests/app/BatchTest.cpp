// The batch: rows equal to what the single-chart command gives, malformed
// input refused with a message, the order kept on any number of threads.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/BatchCommand.h"
#include "app/ListCommand.h"
#include "core/CsvText.h"
#include "tests/support/CsvRecords.h"

using namespace ostrane;

namespace {

using ostrane::testing::Records;

TBatchOutcome Batch(const std::string& input, std::string& output, unsigned threads = 2) {
  std::istringstream in(input);
  std::ostringstream out, err;
  TBatchOptions options;
  options.Threads = threads;
  options.Defaults.Settings.TimeText = "12:00";
  options.Defaults.Settings.GeneralPeriods = 6;
  const TBatchOutcome outcome = RunBatch(in, out, err, options, {});
  output = out.str();
  return outcome;
}

// The records ostrane-list prints for `args`; none when it fails.
std::vector<std::vector<std::string>> Command(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  return RunListCommand(args, out, err) == 0 ? Records(out.str()) : Records("");
}

TEST(Batch, RowsEqualTheSingleChartCommand) {
  std::ifstream sample(OSTRANE_SAMPLE_PATH, std::ios::binary);
  std::string output;
  const TBatchOutcome outcome =
      Batch({std::istreambuf_iterator<char>(sample), std::istreambuf_iterator<char>()}, output);
  ASSERT_TRUE(outcome.Error.empty()) << outcome.Error;
  EXPECT_EQ(outcome.FailedRows, 0);
  const auto rows = Records(output);
  ASSERT_GT(rows.size(), 50u);
  const auto& h = rows[0];
  const auto col = [&](const char* name) {
    return static_cast<std::size_t>(std::find(h.begin(), h.end(), name) - h.begin());
  };
  for (std::size_t r = 1; r < rows.size(); r += 9) {
    const auto& row = rows[r];
    const std::string date = row[col("date")];
    const std::vector<std::string> birth = {
        "--year", date.substr(0, 4), "--month", date.substr(5, 2), "--day", date.substr(8, 2),
        "--time", row[col("time")],  "--place", row[col("place")]};
    std::vector<std::string> args = birth;
    args.push_back("--lots");
    int compared = 0;
    for (const auto& kv : Command(args)) {
      if (kv[0] == "sect" || kv[0].rfind("fortune", 0) == 0 || kv[0].rfind("spirit", 0) == 0) {
        EXPECT_EQ(row[col(kv[0].c_str())], kv[1]) << row[0] << ", " << kv[0];
        ++compared;
      }
    }
    EXPECT_EQ(compared, 5) << row[0] << ": sect, fortune, spirit and their signs";
    args = birth;
    args.insert(args.end(), {"--start-sign", row[col("release_from")], "--periods", "6", "--at",
                             row[col("event_date")] + "T" + row[col("event_time")]});
    const auto levels = Command(args);
    ASSERT_EQ(levels.size(), 5u) << row[0];
    for (int level = 1; level <= 4; ++level) {
      const auto& l = levels[static_cast<std::size_t>(level)];
      const std::string p = "l" + std::to_string(level) + "_";
      EXPECT_EQ(row[col((p + "sign").c_str())], l[1]) << row[0] << ", level " << level;
      EXPECT_EQ(row[col((p + "place").c_str())], l[8]) << row[0] << ", level " << level;
      EXPECT_EQ(row[col((p + "loosing").c_str())], l[9]) << row[0] << ", level " << level;
      char start[32];
      std::snprintf(start, sizeof start, "%04d-%02d-%02dT%s", std::stoi(l[4]), std::stoi(l[5]),
                    std::stoi(l[6]), l[7].c_str());
      EXPECT_EQ(row[col((p + "start").c_str())], start) << row[0] << ", level " << level;
    }
  }
}

TEST(Batch, MalformedInputGetsAMessageNeverACrash) {
  const std::string header = "name,date,time,place,event_date\n";
  struct Case {
    const char* name;
    std::string input;
    const char* error;  // the start of the run's error; "": none
    std::int64_t rows, failed;
    const char* says = "";  // in the output
  };
  const Case cases[] = {
      {"empty file", "", "the input is empty", 0, 0},
      {"header only", header, "", 0, 0},
      {"no date column", "name,time\nx,12:00\n", "Line 1: there is no 'date' column", 0, 0},
      {"unbalanced quotes", header + "a,2000-01-01,12:00,\"Amsterdam,2020-01-01\n",
       "Line 2: a quoted field", 0, 0},
      {"bad rows go on",
       header + "a,2000-13-01,12:00,Amsterdam,2020-01-01\nb,2000-01-01,12:00,Qwxzvb,2020-01-01\n"
                "c,2000-01-01,12:00,Amsterdam,1990-01-01\nd,2000-01-01,1x:00,Amsterdam,2020-01-01\n"
                "e,2000-01-01,12:00,Amsterdam,2020-01-01\n",
       "", 5, 4, "the event lies before the birth"},
      // The short row has no place, and the lots are released from by default.
      {"short and long rows", header + "a,2000-01-01\nb,2000-01-01,12:00,Paris,2020-01-01,extra\n",
       "", 2, 1},
      {"UTF-16 with a byte order mark",
       std::string("\xFF\xFE"
                   "d\0a\0t\0e\0\n\0",
                   12),
       "Line 1: the input is UTF-16, which is not read: save it as UTF-8", 0, 0},
      {"UTF-16 without one", std::string("\0d\0a\0t\0e\0\n", 10), "Line 1: the input is UTF-16", 0,
       0},
      {"CR line ends", "name,date,time,place,event_date\ra,2000-01-01,12:00,Amsterdam,2020-01-01\r",
       "", 1, 0, ",notes,error\r\n"},
      {"years outside the range",
       header +
           "a,10001-01-01,12:00,Amsterdam,2020-01-01\nb,2000-01-01,12:00,Amsterdam,99999-01-01\n"
           "c,-4713-01-01,12:00,Amsterdam,2020-01-01\nd,10000-01-01,12:00,Amsterdam,10000-06-01\n",
       "", 4, 3, "event '99999-01-01' lies outside the years -4712 to 10000"},
      {"a row of too many columns", header + std::string(kMaxCsvFields, ','),
       "Line 2: the record has more than 10000 columns", 0, 0},
      {"notes as --lots words them", header + "t,1975-02-02,14:59,\"Tokyo, JP\",2006-01-13\n", "",
       1, 0, ",The Lot of Spirit lies within 1\xC2\xB0 of a sign boundary: a small error"},
      {"several notes joined", header + "t,-1000-06-01,12:00,Amsterdam,-0980-01-01\n", "", 1, 0,
       "next sign.; The clocks kept local mean time then: the birthplace's own, +00:19:34, is "
       "used.\",\r\n"},
  };
  for (const Case& c : cases) {
    std::string output;
    const TBatchOutcome outcome = Batch(c.input, output);
    EXPECT_TRUE(*c.error ? outcome.Error.rfind(c.error, 0) == 0 : outcome.Error.empty())
        << c.name << ": " << outcome.Error;
    EXPECT_EQ(outcome.Rows, c.rows) << c.name;
    EXPECT_EQ(outcome.FailedRows, c.failed) << c.name;
    EXPECT_NE(output.find(c.says), std::string::npos) << c.name << ": " << output;
  }
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// --output: refused when it is the input, replaced only by a whole run, the
// old file kept otherwise and no temporary file left beside it.
TEST(Batch, OutputFileReplacedOnlyByAWholeRun) {
  char pattern[] = "/tmp/ostrane-batch-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path dir = pattern;
  const std::string in = dir / "in.csv", out = dir / "out.csv", link = dir / "link.csv";
  const std::string good = "name,date,time,place,event_date\na,2000-01-01,12:00,Paris,2020-01-01\n";
  std::filesystem::create_symlink("in.csv", link);
  struct Case {
    const char* name;
    std::string input, output;  // the input's text, the --output
    std::string err;            // what standard error says
    bool replaced;              // out.csv holds the results
  };
  const Case cases[] = {
      {"the input as the output", good, in, "is the input of --batch", false},
      {"the input through a link", good, link, "is the input of --batch", false},
      {"a bad header", "name\nx\n", out, "no 'date' column; '" + out + "' was left as it was",
       false},
      {"an empty input", "", out, "the input is empty", false},
      {"a malformed row after good ones", good + good.substr(good.find('\n') + 1) + "\"x\n", out,
       "stopped after 2 rows: Line 4: a quoted field is not closed", false},
      {"a whole run", good, out, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write(in, c.input);
    Write(out, "old results\n");
    std::ostringstream sout, serr;
    TBatchOptions options;
    const int status = RunBatchCommand(in, c.output, options, sout, serr);
    EXPECT_EQ(status, c.replaced ? 0 : 1);
    EXPECT_NE(serr.str().find(c.err), std::string::npos) << serr.str();
    EXPECT_EQ(Read(in), c.input) << "the input is never touched";
    if (c.replaced)
      EXPECT_EQ(Read(out).rfind("name,date,time,place,event_date,sect,", 0), 0u) << Read(out);
    else
      EXPECT_EQ(Read(out), "old results\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 3) << "no file left";
    EXPECT_EQ(sout.str(), "");
  }
  std::filesystem::remove_all(dir);
}

// (A cancelled run's whole-row prefix: tests/ui/dialogs/BatchDialogTest.cpp.)
TEST(Batch, TwoThreadsWriteWhatOneDoesInTheSameOrder) {
  std::string input = "name,date,time,latitude,longitude,utc_offset,event_date\n";
  for (int i = 0; i < 2000; ++i)
    input += "n" + std::to_string(i) + ",19" + std::to_string(10 + i % 80) + "-0" +
             std::to_string(1 + i % 9) + "-1" + std::to_string(i % 10) + ",0" +
             std::to_string(i % 10) + ":30,52.1,5.1,+01:00,2040-01-01\n";
  std::string one, two;
  EXPECT_EQ(Batch(input, one, 1).Rows, 2000);
  Batch(input, two, 2);
  EXPECT_EQ(one, two);
}

// Each row says what it was resolved to and listed with; a place text that
// names no place exactly fails the row instead of standing for another town.
TEST(Batch, RowsSayWhatTheyResolved) {
  const std::string header = "name,date,time,place,latitude,longitude,utc_offset,type,event_date\n";
  const struct {
    const char* name;
    std::string row;
    std::vector<std::string> resolved;  // place_found .. loose_bond_used
    const char* error;
  } cases[] = {
      {"a place name",
       "a,1995-07-19,13:49,\"amsterdam, nl\",,,,,2017-01-21",
       {"Amsterdam, North Holland, NL", "52.374030", "4.889690", "Europe/Amsterdam", "+02:00:00",
        "", "valens", "always"},
       ""},
      {"coordinates",
       "b,1995-07-19,13:49,,52.1,-5.25,-00:19:32,modern,2017-01-21",
       {"", "52.100000", "-5.250000", "", "-00:19:32", "", "modern", "always"},
       ""},
      {"coordinates over a place",
       "c,1995-07-19,13:49,Paris,48,2,,egyptian,2017-01-21",
       {"", "48.000000", "2.000000", "Europe/Paris", "+02:00:00", "", "egyptian", "always"},
       ""},
      {"a clock time that came twice",
       "d,2020-10-25,02:30,\"Amsterdam, NL\",,,,,2021-01-01",
       {"Amsterdam, North Holland, NL", "52.374030", "4.889690", "Europe/Amsterdam", "+01:00:00",
        "later", "valens", "always"},
       ""},
      {"a name the table lacks, with coordinates",
       "g,1995-07-19,13:49,\"Rome, I\",41.9,12.5,+01:00,,2017-01-21",
       {"", "41.900000", "12.500000", "", "+01:00:00", "", "valens", "always"},
       ""},
      {"a name that begins a place's",
       "e,1995-07-19,13:49,Amsterd,,,,,2017-01-21",
       {},
       "no place is named 'Amsterd'"},
      {"a misspelt name",
       "f,1995-07-19,13:49,Amsterdamm,,,,,2017-01-21",
       {},
       "no place is named 'Amsterdamm'; nearest names: Amsterdam, North Holland, NL"},
  };
  for (const auto& c : cases) {
    std::istringstream in(header + c.row + "\n");
    std::ostringstream out, err;
    TBatchOptions options;
    options.Threads = 1;
    options.Defaults.Settings.Place.Dst = TDstChoice::Later;
    ASSERT_TRUE(RunBatch(in, out, err, options, {}).Error.empty()) << c.name;
    const auto rows = Records(out.str());
    ASSERT_EQ(rows.size(), 2u) << c.name;
    const auto& h = rows[0];
    const auto first = std::find(h.begin(), h.end(), "place_found") - h.begin();
    ASSERT_EQ(h[static_cast<std::size_t>(first) + 7], "loose_bond_used");
    const std::vector<std::string> resolved(rows[1].begin() + first, rows[1].begin() + first + 8);
    EXPECT_EQ(resolved, *c.error ? std::vector<std::string>(8) : c.resolved) << c.name;
    EXPECT_EQ(rows[1].back().rfind(c.error, 0), 0u) << c.name << ": " << rows[1].back();
  }
}

}  // namespace
