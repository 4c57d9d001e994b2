#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/TimeText.h"

using namespace ostrane;

namespace {

constexpr std::int64_t H = 3'600'000, M = 60'000, S = 1'000;

TimeLocale German() {
  return {":", ",", "AM", "PM"};
}
TimeLocale Finnish() {
  return {".", ",", "ap.", "ip."};
}

struct ParseCase {
  const char* text;
  std::optional<std::int64_t> ms;
};

TEST(ParseTime, CLocale) {
  const ParseCase cases[] = {
      {"12:00", 12 * H},
      {"12", 12 * H},
      {"0:00", 0},
      {"23:59:59", 23 * H + 59 * M + 59 * S},
      {"23:59:59.999", 23 * H + 59 * M + 59 * S + 999},
      {"1:2:3.4", 1 * H + 2 * M + 3 * S + 4},
      {"  7 : 05 ", 7 * H + 5 * M},
      {"0012:0030", 12 * H + 30 * M},
      {"12:00 pm", 12 * H},
      {"12:00 am", 0},
      {"12:00 AM", 0},
      {"3:15 PM", 15 * H + 15 * M},
      {"3:15pm", 15 * H + 15 * M},
      {"pm 3:15", 15 * H + 15 * M},
      {"Am 11:59:59", 11 * H + 59 * M + 59 * S},
      {"11 pm", 23 * H},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"24:00", std::nullopt},
      {"12:60", std::nullopt},
      {"12:00:60", std::nullopt},
      {"12:00:00.1000", std::nullopt},
      {"00012:00", std::nullopt},
      {"13:00 pm", std::nullopt},
      {"0:30 am", std::nullopt},
      {"12:", std::nullopt},
      {"12:00:", std::nullopt},
      {"12:00.5", std::nullopt},
      {"12:00:00.", std::nullopt},
      {"12:00 pm pm", std::nullopt},
      {"pm 3:00 pm", std::nullopt},
      {"+12:00", std::nullopt},
      {"-1:00", std::nullopt},
      {"12:00\n", std::nullopt},
      {"\t12:00", std::nullopt},
      {"12:00 x", std::nullopt},
      {"\xd9\xa1:00", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseTimeMs(c.text, TimeLocale{}), c.ms) << '"' << c.text << '"';
}

TEST(ParseTime, OtherLocales) {
  EXPECT_EQ(ParseTimeMs("14:30:15,250", German()), 14 * H + 30 * M + 15 * S + 250);
  EXPECT_EQ(ParseTimeMs("14:30:15.250", German()), std::nullopt);
  EXPECT_EQ(ParseTimeMs("14.30.15,5", Finnish()), 14 * H + 30 * M + 15 * S + 5);
  EXPECT_EQ(ParseTimeMs("2.30 ip.", Finnish()), 14 * H + 30 * M);
  EXPECT_EQ(ParseTimeMs("2.30 PM", Finnish()), 14 * H + 30 * M) << "AM/PM always count";
  EXPECT_EQ(ParseTimeMs("14:30", Finnish()), std::nullopt);
}

TEST(StrToTime, FractionOfADayAndError) {
  EXPECT_EQ(StrToTime("12:00", {}), 0.5);
  EXPECT_EQ(StrToTime("06:00:00", {}), 0.25);
  EXPECT_EQ(StrToTime("00:00:00.001", {}), 1.0 / 86400000.0);
  try {
    StrToTime("abc", {});
    FAIL() << "abc parsed";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid time");
    EXPECT_EQ(ErrorBoxText(e.what()), "'abc' is not a valid time.");
  }
}

TEST(ErrorBoxText, FullStopRule) {
  EXPECT_EQ(ErrorBoxText("Disk full"), "Disk full.");
  EXPECT_EQ(ErrorBoxText("Line 2"), "Line 2.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Really?"), "Really?.") << "'?' sorts after '.'";
  EXPECT_EQ(ErrorBoxText("Oops!"), "Oops!") << "'!' sorts before '.'";
  EXPECT_EQ(ErrorBoxText("'x'"), "'x'");
  EXPECT_EQ(ErrorBoxText(""), "");
  EXPECT_EQ(ErrorBoxText("caf\xc3\xa9"), "caf\xc3\xa9.");
}

TEST(RoundToMilliseconds, NearestTiesToEven) {
  EXPECT_EQ(RoundToMilliseconds(0.5), 12 * H);
  EXPECT_EQ(RoundToMilliseconds(0.0), 0);
  EXPECT_EQ(RoundToMilliseconds(-0.25), 0);
  EXPECT_EQ(RoundToMilliseconds(1.0), 86'400'000);
  // Every whole millisecond of the day, as the time parse produces it,
  // comes back unchanged.
  for (std::int64_t ms = 0; ms < 86'400'000; ms += 997)
    ASSERT_EQ(RoundToMilliseconds(static_cast<double>(ms) / 86'400'000.0), ms) << ms;
  // A product that lands on x.5 exactly is a real tie only when the exact
  // product is; here 0.5 ms and 1.5 ms are exact ties.
  EXPECT_EQ(RoundToMilliseconds(0.5 / 86'400'000.0 * 1.0), 0);
  EXPECT_EQ(RoundToMilliseconds(std::ldexp(1.0, -27)), 1) << "2^-27 day = 0.6437 ms";
  // Just below midnight rounds up to a whole day.
  EXPECT_EQ(RoundToMilliseconds(1.0 - 0.4 / 86'400'000.0), 86'400'000);
  EXPECT_EQ(RoundToMilliseconds(1.0 - 0.6 / 86'400'000.0), 86'399'999);
}

TEST(RoundToMilliseconds, ErrorTermDecidesARoundedTie) {
  // Find fractions whose double product with 86,400,000 rounds onto x.5
  // while the exact product lies off it, and check that the exact product
  // decides.
  int checked = 0;
  for (std::int64_t k = 0; k < 2000 && checked < 20; ++k) {
    const double target = 1000.5 + static_cast<double>(k) * 2.0;
    const double f = target / 86'400'000.0;
    for (double g : {std::nextafter(f, 0.0), f, std::nextafter(f, 1.0)}) {
      const double product = g * 86'400'000.0;
      if (product != target) continue;
      const double error = std::fma(g, 86'400'000.0, -product);
      const std::int64_t below = static_cast<std::int64_t>(target - 0.5);
      const std::int64_t expected = error > 0   ? below + 1
                                    : error < 0 ? below
                                                : (below % 2 == 0 ? below : below + 1);
      EXPECT_EQ(RoundToMilliseconds(g), expected) << "fraction " << g;
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(TimeTexts, TwelveAndTwentyFourHourClocks) {
  const struct {
    std::int64_t ms;
    const char* twelve;
    const char* twentyFour;
  } cases[] = {
      {0, "12:00 am", "00:00:00"},
      {12 * H, "12:00 pm", "12:00:00"},
      {15 * H, "03:00 pm", "15:00:00"},
      {7 * H + 5 * M, "07:05 am", "07:05:00"},
      {14 * H + 59 * M + 57 * S, "02:59 pm", "14:59:57"},
      {23 * H + 59 * M + 59 * S + 999, "11:59 pm", "23:59:59"},
      {11 * H + 59 * M + 59 * S + 999, "11:59 am", "11:59:59"},
      {86'400'000, "12:00 am", "00:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTime12(c.ms), c.twelve) << c.ms;
    EXPECT_EQ(FormatTime24(c.ms), c.twentyFour) << c.ms;
  }
}

}  // namespace
