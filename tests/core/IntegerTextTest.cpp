#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/IntegerText.h"

using ostrane::EConvertError;
using ostrane::StrToInt;

namespace {

struct Accepted {
  std::string text;
  std::int32_t value;
};

TEST(StrToInt, AcceptsWholeLineIntegers) {
  const Accepted cases[] = {
      {"0", 0},
      {"5", 5},
      {" 5", 5},
      {"    -5", -5},
      {"+5", 5},
      {"-0", 0},
      {"007", 7},
      {"00000000000000000000000042", 42},
      {"$A", 10},
      {"$a", 10},
      {"-$A", -10},
      {"+$a", 10},
      {"xff", 255},
      {"Xff", 255},
      {"0x1F", 31},
      {"0X1f", 31},
      {" -0x10", -16},
      {"$0", 0},
      {"$000000000000000001", 1},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"-$80000000", INT32_MIN},
      {"0x7fffffff", INT32_MAX},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text '" + c.text + "'");
    EXPECT_EQ(StrToInt(c.text), c.value);
  }
}

TEST(StrToInt, RefusesAnythingElse) {
  const std::string cases[] = {
      "",
      " ",
      "5 ",
      "5x",
      "1.5",
      "1e3",
      "x",
      "X",
      "$",
      "0x",
      "-$",
      "+",
      "-",
      "- 5",
      "+-5",
      "--5",
      "\t5",
      "5\t",
      "5\r",
      "2147483648",
      "-2147483649",
      "$80000000",
      "-$80000001",
      "$FFFFFFFF",
      "99999999999999999999",
      "$G",
      "0x-1",
      "$-1",
      "00x1",
      "$$1",
      "0b1",
      "\xEF\xBC\x95",  // full-width digit five
      std::string("5\0", 2),
  };
  for (const auto& text : cases) {
    SCOPED_TRACE("text '" + text + "'");
    EXPECT_THROW(StrToInt(text), EConvertError);
  }
}

TEST(StrToInt, MessageQuotesTheWholeText) {
  const struct {
    std::string text, message;
  } cases[] = {
      {"5x", "'5x' is not a valid integer value"},
      {"", "'' is not a valid integer value"},
      {" 5 ", "' 5 ' is not a valid integer value"},
      // A NUL would cut the message short; it is shown as U+FFFD instead.
      {std::string("1\0002", 3),
       "'1\xEF\xBF\xBD"
       "2' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text '" + c.text + "'");
    try {
      StrToInt(c.text);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

}  // namespace
