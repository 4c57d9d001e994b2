#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "core/RealText.h"

using ostrane::FormatReal;
using ostrane::ParseReal;

namespace {

TEST(ParseReal, Texts) {
  const struct {
    const char* text;
    const char* separator;
    std::optional<double> value;
  } cases[] = {
      {"2451545", ".", 2451545.0},
      {"2451544.5", ".", 2451544.5},
      {"  2451544.5  ", ".", 2451544.5},
      {"-1000", ".", -1000.0},
      {"+12.25", ".", 12.25},
      {".5", ".", 0.5},
      {"5.", ".", 5.0},
      {"1e9", ".", 1e9},
      {"2.5E-3", ".", 0.0025},
      {"2451544,5", ",", 2451544.5},
      {"2451544.5", ",", std::nullopt},
      {"", ".", std::nullopt},
      {"   ", ".", std::nullopt},
      {".", ".", std::nullopt},
      {"-", ".", std::nullopt},
      {"1e", ".", std::nullopt},
      {"1e+", ".", std::nullopt},
      {"nan", ".", std::nullopt},
      {"inf", ".", std::nullopt},
      {"-Infinity", ".", std::nullopt},
      {"1e999", ".", std::numeric_limits<double>::infinity()},
      {"-1e999", ".", -std::numeric_limits<double>::infinity()},
      {"1e-999", ".", 0.0},
      {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
       ".", 0.0},
      {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
       ".", std::numeric_limits<double>::infinity()},
      {"1e99999999999999999999999", ".", std::numeric_limits<double>::infinity()},
      {",5", ",", 0.5},
      {"0x10", ".", std::nullopt},
      {"1,000.5", ".", std::nullopt},
      {"12 34", ".", std::nullopt},
      {"1.2.3", ".", std::nullopt},
      {"\t5", ".", std::nullopt},
      {"abc", ".", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseReal(c.text, c.separator), c.value)
        << '"' << c.text << "\" with " << c.separator;
}

TEST(FormatReal, GeneralFormatFifteenDigits) {
  EXPECT_EQ(FormatReal(2451545.0, "."), "2451545");
  EXPECT_EQ(FormatReal(2451544.5, "."), "2451544.5");
  EXPECT_EQ(FormatReal(2451544.5, ","), "2451544,5");
  EXPECT_EQ(FormatReal(2436116.31, "."), "2436116.31");
  EXPECT_EQ(FormatReal(2451545.0 + 1.0 / 3.0, "."), "2451545.33333333");
  EXPECT_EQ(FormatReal(-0.5, "."), "-0.5");
  EXPECT_EQ(FormatReal(0.1 + 0.2, "."), "0.3");
  EXPECT_EQ(FormatReal(1e9, "."), "1000000000");
  // What is written reads back to a value within the 15 digits shown.
  for (double v : {2451545.123456789, -1234.5678, 0.1, 1e9}) {
    const auto back = ParseReal(FormatReal(v, ","), ",");
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_NEAR(*back, v, std::abs(v) * 1e-14) << v;
  }
}

}  // namespace
