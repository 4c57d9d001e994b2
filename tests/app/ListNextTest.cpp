// --next against --at: each coming beginning is the period that --at finds
// in force one second later, at its level; and the listing's end is said.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ListCommand.h"
#include "app/ListOutput.h"
#include "core/IsoDateText.h"
#include "tests/support/CsvRecords.h"
#include "tests/support/ListRun.h"

using namespace ostrane;
using ostrane::testing::Records;

namespace {

using TRun = ostrane::testing::TListRun;
using ostrane::testing::RunList;

const std::vector<std::string> kWorked = {"--year",    "2000", "--month",   "1",
                                          "--day",     "1",    "--time",    "12:00",
                                          "--periods", "2",    "--fortune", "cancer"};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The ISO text of the moment one second after `iso`.
std::string SecondAfter(const std::string& iso) {
  const auto moment = ParseIsoDateTime(iso);
  EXPECT_TRUE(moment) << iso;
  return IsoSecondText(CivilJulianDay(*moment) + 1.0 / 86400.0);
}

// From a moment a second before a general period's change (which cuts the
// last sub period short) through several sub periods.
TEST(ListNext, EachBeginningIsInForceOneSecondLater) {
  const TRun next = RunList(With(kWorked, {"--at", "2014-10-14T11:59:59", "--next", "400"}));
  ASSERT_EQ(next.status, 0) << next.err;
  EXPECT_EQ(next.err, "");
  const auto rows = Records(next.out);
  ASSERT_EQ(rows.size(), 401u);
  EXPECT_EQ(rows[0],
            (std::vector<std::string>{"moment", "level", "sign", "end", "age", "place_from_fortune",
                                      "loosing_of_the_bond", "ruler"}));
  int levels[5] = {0, 0, 0, 0, 0};
  bool loosing = false;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto& row = rows[i];
    SCOPED_TRACE("row " + std::to_string(i) + ": " + row[0] + " level " + row[1]);
    ASSERT_EQ(row.size(), 8u);
    if (i > 1) {
      // Time order, the lower level first among those that begin together.
      const auto& before = rows[i - 1];
      EXPECT_TRUE(before[0] < row[0] || (before[0] == row[0] && before[1] < row[1]));
    }
    const int level = std::stoi(row[1]);
    ASSERT_TRUE(level >= 1 && level <= 4);
    ++levels[level];
    loosing = loosing || row[6] == "1";
    const TRun at = RunList(With(kWorked, {"--at", SecondAfter(row[0])}));
    ASSERT_EQ(at.status, 0) << at.err;
    const auto inForce = Records(at.out);
    ASSERT_EQ(inForce.size(), 5u);
    const auto& header = inForce[0];
    const auto& period = inForce[static_cast<std::size_t>(level)];
    const auto column = [&](const std::string& name) {
      for (std::size_t c = 0; c < header.size(); ++c)
        if (header[c] == name) return period[c];
      ADD_FAILURE() << "no column " << name;
      return std::string();
    };
    EXPECT_EQ(column("level"), row[1]);
    EXPECT_EQ(column("start"), row[0]);
    EXPECT_EQ(column("sign"), row[2]);
    EXPECT_EQ(column("end"), row[3]);
    EXPECT_EQ(column("age_at_start"), row[4]);
    EXPECT_EQ(column("place_from_fortune"), row[5]);
    EXPECT_EQ(column("loosing_of_the_bond"), row[6]);
    EXPECT_EQ(column("ruler"), row[7]);
  }
  // The walk crossed into the next general period and its sub periods.
  EXPECT_EQ(levels[1], 1);
  EXPECT_GE(levels[2], 2);
  EXPECT_GE(levels[3], 10);
  EXPECT_TRUE(loosing);
}

TEST(ListNext, TheListingsEndIsSaid) {
  // The second general period ends on 2022-09-02: few beginnings remain.
  const TRun next = RunList(With(kWorked, {"--at", "2022-08-01", "--next", "1000"}));
  ASSERT_EQ(next.status, 0);
  const auto rows = Records(next.out);
  ASSERT_GT(rows.size(), 1u);
  ASSERT_LT(rows.size(), 1001u);
  EXPECT_LE(rows.back()[0], "2022-09-02T12:00:00");
  EXPECT_EQ(next.err, "ostrane-list: note: the listed general periods end after " +
                          std::to_string(rows.size() - 1) +
                          " of the 1000 beginnings asked for; list more with --periods\n");
}

TEST(ListNext, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--next", "0"}, "--next takes a whole number from 1 to 1000, not '0'"},
      {{"--next", "1001"}, "--next takes a whole number from 1 to 1000, not '1001'"},
      {{"--next", "5x"}, "--next takes a whole number from 1 to 1000, not '5x'"},
      {{"--next", "5", "--level34", "1"}, "--next lists the coming periods; it does not combine"},
      {{"--next", "5", "--lots"}, "--next lists the coming periods; it does not combine"},
  };
  for (const auto& c : cases) {
    const TRun run = RunList(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_NE(run.err.find("ostrane-list: " + c.message), std::string::npos) << run.err;
  }
}

}  // namespace
