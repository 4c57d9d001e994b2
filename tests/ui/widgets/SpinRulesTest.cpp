#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "ui/widgets/SpinRules.h"

namespace ostrane {
namespace {

TEST(SpinRules, ReadingGivesTheIntegerUnlimitedOrTheMinimum) {
  const TSpinRules day(1, 31);
  struct Case {
    const char* text;
    std::int32_t value;
  };
  const Case cases[] = {{"15", 15}, {"45", 45}, {"0", 0}, {"-3", -3},
                        {"2.5", 1}, {"", 1},    {"x", 1}, {"31 ", 1}};
  for (const Case& c : cases)
    EXPECT_EQ(day.ValueOfText(c.text), c.value) << "text '" << c.text << "'";
}

// A text that reads as the minimum is told as such, naming the value used.
TEST(SpinRules, TextsThatAreNoWholeNumberAreToldWithTheValueUsed) {
  const TSpinRules year(-4712, 10000);
  const struct {
    const char* text;
    bool whole;
  } cases[] = {{"1980", true},   {"-4712", true},  {"+5", true},    {"$7B", true},
               {"1980.", false}, {"", false},      {"-", false},    {"1e3", false},
               {" 1980", true},  {"1980 ", false}, {"19 80", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(year.IsWholeNumber(c.text), c.whole) << "text '" << c.text << "'";
    if (!c.whole) {
      EXPECT_EQ(year.ValueOfText(c.text), -4712) << "text '" << c.text << "'";
    }
  }
  EXPECT_EQ(NotWholeNumberTip(1), "Not a whole number: 1 is used");
  EXPECT_EQ(NotWholeNumberTip(-4712), "Not a whole number: -4712 is used");
  EXPECT_EQ(NotWholeNumberNote("Year", -4712), "Year: not a whole number, -4712 used");
  EXPECT_EQ(NotWholeNumberNote("General Periods", 1),
            "General Periods: not a whole number, 1 used");
}

TEST(SpinRules, WritingLimitsToTheRange) {
  const TSpinRules year(-4712, 10000);
  struct Case {
    std::int64_t value;
    const char* text;
  };
  const Case cases[] = {{2000, "2000"},   {-4712, "-4712"}, {-4715, "-4712"},
                        {10001, "10000"}, {0, "0"},         {std::int64_t{1} << 40, "10000"}};
  for (const Case& c : cases) EXPECT_EQ(year.TextOfValue(c.value), c.text) << "value " << c.value;
}

TEST(SpinRules, LeavingCorrectsOnlyIntegersOutsideTheRange) {
  const TSpinRules periods(1, 200);
  struct Case {
    const char* text;
    std::optional<std::int32_t> corrected;
  };
  const Case cases[] = {{"300", 200},
                        {"0", 1},
                        {"-5", 1},
                        {"6", std::nullopt},
                        {"200", std::nullopt},
                        {"2.5", std::nullopt},
                        {"", std::nullopt},
                        {"abc", std::nullopt}};
  for (const Case& c : cases)
    EXPECT_EQ(periods.CorrectionOnLeave(c.text), c.corrected) << "text '" << c.text << "'";
}

TEST(SpinRules, TypedCharacters) {
  struct Case {
    std::u32string typed;
    std::u32string separator;
    bool accepted;
  };
  const Case cases[] = {
      {U"5", U".", true},           {U"+", U".", true},
      {U"-", U".", true},           {U".", U".", true},
      {U",", U".", false},          {U",", U",", true},
      {U".", U",", false},          {U"a", U".", false},
      {U" ", U".", false},          {U"\r", U".", false},
      {U"\n", U".", false},         {U"\b", U".", true},
      {U"\x16", U".", true},        {U"\x1b", U".", true},
      {U"\x7f", U".", true},        {U"", U".", true},
      {U"12", U".", true},          {U"1a", U".", false},
      {U"\u066b", U"\u066b", true},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (char32_t ch : c.typed) shown += "U+" + std::to_string(static_cast<unsigned>(ch)) + " ";
    EXPECT_EQ(AcceptsTypedText(c.typed, c.separator), c.accepted) << "typed " << shown;
  }
}

}  // namespace
}  // namespace ostrane
