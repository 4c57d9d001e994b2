// The whole chart on the command line and in the batch: the rows of --lots
// against each other, the sidereal zodiacs, releasing from every lot, the
// rulers of --csv and the batch's variant columns.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "app/BatchCommand.h"
#include "app/ListCommand.h"
#include "core/CsvText.h"
#include "tests/support/CsvRecords.h"

using namespace ostrane;

namespace {

using ostrane::testing::Records;

// The records ostrane-list prints for `args`, with the exit status expected.
std::vector<std::vector<std::string>> Command(std::vector<std::string> args, int rc = 0) {
  std::ostringstream out, err;
  EXPECT_EQ(RunListCommand(args, out, err), rc) << err.str();
  return Records(out.str());
}

const std::vector<std::string> kAmsterdam = {"--year", "1990",   "--month", "5",       "--day",
                                             "17",     "--time", "14:30",   "--place", "Amsterdam"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// --lots as key -> value, and the keys in order.
std::map<std::string, std::string> Lots(const std::vector<std::string>& extra,
                                        std::vector<std::string>* keys = nullptr) {
  std::map<std::string, std::string> values;
  const auto rows = Command(With(With(kAmsterdam, extra), {"--lots"}));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    values[rows[i][0]] = rows[i][1];
    if (keys) keys->push_back(rows[i][0]);
  }
  return values;
}

double Deg(const std::map<std::string, std::string>& lots, const std::string& key) {
  const auto found = lots.find(key);
  EXPECT_NE(found, lots.end()) << key;
  return found == lots.end() ? NAN : std::stod(found->second);
}

// The difference a - b reduced to (-180, 180].
double Diff(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d <= -180) d += 360;
  if (d > 180) d -= 360;
  return d;
}

const char* const kSigns[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                              "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
// The domicile rulers, as the tradition gives them.
const std::map<std::string, std::string> kRuler = {
    {"Aries", "Mars"},       {"Taurus", "Venus"},    {"Gemini", "Mercury"},
    {"Cancer", "Moon"},      {"Leo", "Sun"},         {"Virgo", "Mercury"},
    {"Libra", "Venus"},      {"Scorpio", "Mars"},    {"Sagittarius", "Jupiter"},
    {"Capricorn", "Saturn"}, {"Aquarius", "Saturn"}, {"Pisces", "Jupiter"}};
const char* const kPlanetKeys[] = {"sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn"};
const char* const kPlanetNames[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

std::string SignOf(double deg) {
  return kSigns[static_cast<int>(std::floor(std::fmod(deg + 360.0, 360.0) / 30.0)) % 12];
}

TEST(ChartOnTheCommandLine, LotsRowsAddThePlanetsAndLotsAfterTheOldOnes) {
  std::vector<std::string> keys;
  const auto lots = Lots({}, &keys);
  const std::vector<std::string> expected = {"latitude",
                                             "longitude",
                                             "time_zone",
                                             "utc_offset_seconds",
                                             "julian_day_ut",
                                             "julian_day_tt",
                                             "sun",
                                             "moon",
                                             "ascendant",
                                             "sun_altitude",
                                             "sect",
                                             "fortune",
                                             "spirit",
                                             "fortune_sign",
                                             "spirit_sign",
                                             "mercury",
                                             "venus",
                                             "mars",
                                             "jupiter",
                                             "saturn",
                                             "eros",
                                             "necessity",
                                             "courage",
                                             "victory",
                                             "nemesis",
                                             "eros_sign",
                                             "necessity_sign",
                                             "courage_sign",
                                             "victory_sign",
                                             "nemesis_sign",
                                             "zodiac",
                                             "ayanamsa",
                                             "lot_formula",
                                             "sect_horizon"};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(lots.at("fortune"), "70.570463");
  EXPECT_EQ(lots.at("sect"), "day");
  EXPECT_EQ(lots.at("zodiac"), "tropical");
  EXPECT_EQ(lots.at("ayanamsa"), "0.000000");
  EXPECT_EQ(lots.at("lot_formula"), "sect");
  EXPECT_EQ(lots.at("sect_horizon"), "geometric");

  // Each lot of its row by the day formulas from the rows of the planets, and
  // each sign row the sign of its lot.
  for (const auto& variant : std::vector<std::vector<std::string>>{{}, {"--zodiac", "lahiri"}}) {
    const auto l = variant.empty() ? lots : Lots(variant);
    const double asc = Deg(l, "ascendant"), fortune = Deg(l, "fortune"), spirit = Deg(l, "spirit");
    const std::pair<const char*, double> formulas[] = {
        {"eros", asc + Deg(l, "venus") - spirit},
        {"necessity", asc + fortune - Deg(l, "mercury")},
        {"courage", asc + fortune - Deg(l, "mars")},
        {"victory", asc + Deg(l, "jupiter") - spirit},
        {"nemesis", asc + fortune - Deg(l, "saturn")}};
    for (const auto& [lot, deg] : formulas) {
      EXPECT_NEAR(Diff(Deg(l, lot), deg), 0.0, 4e-6) << lot << " " << l.at("zodiac");
      EXPECT_EQ(l.at(std::string(lot) + "_sign"), SignOf(Deg(l, lot))) << lot;
    }
  }
}

TEST(ChartOnTheCommandLine, SiderealZodiacsReachTheChartAndTheSignReleasedFrom) {
  // The astronomy is the chart's own (tests/astro); here the flag's way to it.
  const auto tropical = Lots({});
  for (const char* zodiac : {"lahiri", "fagan-bradley"}) {
    const auto sidereal = Lots({"--zodiac", zodiac});
    EXPECT_EQ(sidereal.at("zodiac"), zodiac);
    const double ayanamsa = Deg(sidereal, "ayanamsa");
    EXPECT_NEAR(Diff(Deg(tropical, "sun"), Deg(sidereal, "sun")), ayanamsa, 3e-6) << zodiac;
    EXPECT_NEAR(Diff(Deg(tropical, "nemesis"), Deg(sidereal, "nemesis")), ayanamsa, 3e-6) << zodiac;
  }
  // Fortune (Gemini 10.57 tropical) falls back into Taurus, and so does the
  // sign released from.
  EXPECT_EQ(Lots({"--zodiac", "lahiri"}).at("fortune_sign"), "Taurus");
  const auto rows =
      Command(With(kAmsterdam, {"--zodiac", "lahiri", "--start-sign", "fortune", "--csv"}));
  ASSERT_GT(rows.size(), 1u);
  EXPECT_EQ(rows[1][1], "Taurus");
}

TEST(ChartOnTheCommandLine, ReleasesFromEachLotsSign) {
  for (const std::vector<std::string>& variant :
       {std::vector<std::string>{}, std::vector<std::string>{"--zodiac", "fagan-bradley"}}) {
    const auto lots = Lots(variant);
    for (const char* lot :
         {"fortune", "spirit", "eros", "necessity", "courage", "victory", "nemesis"}) {
      const auto rows = Command(
          With(With(kAmsterdam, variant), {"--start-sign", lot, "--periods", "1", "--csv"}));
      ASSERT_GT(rows.size(), 1u) << lot;
      EXPECT_EQ(rows[1][1], lots.at(std::string(lot) + "_sign")) << lot << " " << lots.at("zodiac");
    }
  }
  // Without a place the later lots are refused as Fortune and Spirit are.
  std::ostringstream out, err;
  EXPECT_EQ(RunListCommand({"--year", "1990", "--start-sign", "Nemesis"}, out, err), 1);
  EXPECT_NE(err.str().find("birth place is not known"), std::string::npos) << err.str();
}

TEST(ChartOnTheCommandLine, CsvReadsEachSignsRulerInTheChart) {
  const auto lots = Lots({});
  const std::string ascSign = SignOf(Deg(lots, "ascendant"));
  int ascIndex = 0;
  while (kSigns[ascIndex] != ascSign) ++ascIndex;
  // 12 general periods and their sub-periods pass through every sign.
  const auto rows = Command(With(kAmsterdam, {"--periods", "12", "--csv"}));
  const auto bare = Command({"--year", "1990", "--month", "5", "--day", "17", "--time", "14:30",
                             "--periods", "12", "--csv"});
  ASSERT_EQ(rows.size(), bare.size());
  ASSERT_GT(rows.size(), 12u);
  // The ruler's columns, then the start, end, age and UT start after them.
  EXPECT_EQ(rows[0].size(), 18u);
  EXPECT_EQ(rows[0][10], "ruler");
  EXPECT_EQ(rows[0][13], "planets_in_sign");
  EXPECT_EQ(rows[0][14], "start");
  EXPECT_EQ(rows[0][17], "julian_day_ut");
  std::set<std::string> seen;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto& r = rows[i];
    ASSERT_EQ(r.size(), 18u) << i;
    const std::string& sign = r[1];
    seen.insert(sign);
    EXPECT_EQ(r[10], kRuler.at(sign)) << sign;
    std::string rulerSign, company;
    for (int p = 0; p < 7; ++p) {
      const std::string planetSign = SignOf(Deg(lots, kPlanetKeys[p]));
      if (kPlanetNames[p] == kRuler.at(sign)) rulerSign = planetSign;
      if (planetSign == sign)
        company += (company.empty() ? "" : " ") + std::string(kPlanetNames[p]);
    }
    EXPECT_EQ(r[11], rulerSign) << sign;
    int rulerIndex = 0;
    while (kSigns[rulerIndex] != rulerSign) ++rulerIndex;
    EXPECT_EQ(r[12], std::to_string((rulerIndex - ascIndex + 12) % 12 + 1)) << sign;
    EXPECT_EQ(r[13], company) << sign;
    // Without a place: the same ruler, nothing read in a chart.
    const auto& b = bare[i];
    ASSERT_EQ(b.size(), 18u) << i;
    EXPECT_EQ(b[10], r[10]) << sign;
    EXPECT_EQ(b[11] + b[12] + b[13], "") << sign;
    // The start in UT: two hours (CEST) before the local clock time, and
    // nothing without a place; the other columns do not need one.
    EXPECT_NEAR(std::stod(r[17]), std::stod(r[3]) - 2.0 / 24.0, 1e-9) << i;
    EXPECT_EQ(b[17], "") << i;
    EXPECT_EQ(b[14] + b[15] + b[16], r[14] + r[15] + r[16]) << i;
  }
  EXPECT_EQ(seen.size(), 12u);

  // --at: the same columns after end_julian_day; Fortune given, a chart still read.
  const auto at = Command(With(kAmsterdam, {"--fortune", "leo", "--at", "2026-12-09"}));
  ASSERT_EQ(at.size(), 5u);
  EXPECT_EQ(at[0][10], "end_julian_day");
  EXPECT_EQ(at[0][11], "ruler");
  EXPECT_EQ(at[0][15], "start");
  EXPECT_EQ(at[0][18], "julian_day_ut");
  EXPECT_EQ(at[1].size(), 19u);
  for (std::size_t i = 1; i < at.size(); ++i) {
    EXPECT_FALSE(at[i][12].empty()) << i;
    EXPECT_NEAR(std::stod(at[i][18]), std::stod(at[i][3]) - 2.0 / 24.0, 1e-9) << i;
  }
}

// The batch: each level's ruler for all twelve signs, the variants per row.
TEST(ChartInTheBatch, RulersAndVariantsPerRow) {
  std::string input = "name,date,time,place,release_from,event_date,zodiac,lot_formula\n";
  for (const char* sign : kSigns)
    input += std::string(sign) + ",1990-05-17,14:30,," + sign + ",1990-05-18,,\n";
  // The same birth in both zodiacs one after the other, a later lot, bad values.
  input += "tropical,1990-05-17,14:30,Amsterdam,fortune,2026-12-09,,\n";
  input += "lahiri,1990-05-17,14:30,Amsterdam,fortune,2026-12-09,lahiri,\n";
  input += "eros,1990-05-17,14:30,Amsterdam,eros,,,day\n";
  input += "bad zodiac,1990-05-17,14:30,Amsterdam,fortune,,sidereal,\n";
  input += "bad formula,1990-05-17,14:30,Amsterdam,fortune,,,night\n";
  std::istringstream in(input);
  std::ostringstream out, err;
  TBatchOptions options;
  options.Threads = 1;
  options.Defaults.Settings.TimeText = "12:00";
  const TBatchOutcome outcome = RunBatch(in, out, err, options, {});
  ASSERT_TRUE(outcome.Error.empty()) << outcome.Error;
  EXPECT_EQ(outcome.FailedRows, 2);
  const auto rows = Records(out.str());
  ASSERT_EQ(rows.size(), 18u);
  const auto& h = rows[0];
  const auto col = [&](const std::string& name) {
    const auto at = std::find(h.begin(), h.end(), name);
    EXPECT_NE(at, h.end()) << name;
    return static_cast<std::size_t>(at - h.begin());
  };
  for (int level = 1; level <= 4; ++level) {
    const std::string l = "l" + std::to_string(level) + "_";
    EXPECT_EQ(col(l + "ruler"), col(l + "loosing") + 1) << level;
  }
  for (int i = 1; i <= 12; ++i) {
    const auto& r = rows[static_cast<std::size_t>(i)];
    EXPECT_EQ(r[col("error")], "") << r[0];
    EXPECT_EQ(r[col("l1_sign")], r[0]);
    EXPECT_EQ(r[col("l1_ruler")], kRuler.at(r[0])) << r[0];
    for (const char* level : {"l2_", "l3_", "l4_"})
      EXPECT_EQ(r[col(std::string(level) + "ruler")],
                kRuler.at(r[col(std::string(level) + "sign")]))
          << r[0] << " " << level;
  }
  const auto& tropical = rows[13];
  const auto& lahiri = rows[14];
  EXPECT_EQ(tropical[col("fortune")], Lots({}).at("fortune"));
  const auto sidereal = Lots({"--zodiac", "lahiri"});
  EXPECT_EQ(lahiri[col("fortune")], sidereal.at("fortune"));
  EXPECT_EQ(lahiri[col("start_sign")], "Taurus");
  EXPECT_EQ(lahiri[col("l1_ruler")], kRuler.at(lahiri[col("l1_sign")]));
  EXPECT_EQ(rows[15][col("start_sign")], Lots({"--lot-formula", "day"}).at("eros_sign"));
  EXPECT_EQ(rows[16][col("error")],
            "zodiac is one of tropical, fagan-bradley, lahiri, not 'sidereal'");
  EXPECT_EQ(rows[17][col("error")], "lot_formula is one of sect, day, not 'night'");
}

}  // namespace
