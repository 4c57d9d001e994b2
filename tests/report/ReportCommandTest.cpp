// ostrane-list --report run as a process: the report written with the
// chart options and the moment of --at, and the paths and options it
// refuses with their messages and exit statuses.
#include <QFileInfo>

#include <gtest/gtest.h>

#include "tests/report/PdfText.h"
#include "tests/support/ListProcess.h"

namespace ostrane {
namespace {

using testing::PdfPages;
using testing::RunList;
using testing::TempDir;

const std::vector<std::string> kBirth = {
    "--name", "Anna Example", "--year",  "1990",      "--month",      "7",     "--day", "14",
    "--time", "08:30",        "--place", "Amsterdam", "--start-sign", "spirit"};

std::vector<std::string> With(std::vector<std::string> args) {
  args.insert(args.begin(), kBirth.begin(), kBirth.end());
  return args;
}

TEST(ReportCommandTest, WritesTheReportOfTheChartAtTheMoment) {
  TempDir dir;
  const std::string path = dir.Path("r.pdf");
  const auto run = RunList(dir, With({"--at", "2000-01-01T12:00", "--report", path}), "C.UTF-8");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> pages = PdfPages(path);
  ASSERT_GE(pages.size(), 2u);
  EXPECT_LE(pages.size(), 5u);
  EXPECT_NE(pages[0].find("the Lot of Spirit (Sagittarius)"), std::string::npos) << pages[0];
  EXPECT_NE(pages[0].find("+02:00 CEST"), std::string::npos) << pages[0];
  std::string all;
  for (const auto& page : pages) all += page;
  EXPECT_NE(all.find("In force at 1/1/2000 12:00, both lots"), std::string::npos);
}

struct RefusedCase {
  const char* Name;
  std::vector<std::string> Args;  // after the birth data; "DIR" is the test's folder
  int Status;
  const char* Message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.Name;
}

class ReportRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ReportRefusedTest, SaysWhyAndWritesNothing) {
  const RefusedCase& c = GetParam();
  TempDir dir;
  std::vector<std::string> args = c.Args;
  for (auto& a : args)
    if (a.rfind("DIR", 0) == 0) a = dir.Path(a.substr(4));
  const auto run = RunList(dir, With(args));
  EXPECT_EQ(run.status, c.Status) << run.err;
  EXPECT_NE(run.err.find(c.Message), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.Path("missing/r.pdf"))));
}

const RefusedCase kRefused[] = {
    {"no_such_folder", {"--report", "DIR/missing/r.pdf"}, 1, "Cannot save '"},
    {"a_folder", {"--report", "DIR/"}, 1, "Cannot save '"},
    {"empty_name", {"--report", ""}, 2, "--report needs a file name"},
    {"with_csv", {"--csv", "--report", "DIR/r.pdf"}, 2, "--report writes the report"},
    {"bad_time", {"--time", "25:99", "--report", "DIR/r.pdf"}, 1, "25:99"},
};

INSTANTIATE_TEST_SUITE_P(Report, ReportRefusedTest, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace ostrane
