#include <string>

#include <gtest/gtest.h>

#include "core/PrintableText.h"

namespace ostrane {
namespace {

// (A whole escape sequence in a message: tests/app/ListMessagesTest.cpp.)
TEST(PrintableText, WhatATerminalWouldActOnIsEscaped) {
  const struct {
    const char* what;
    std::string text, shown;
  } cases[] = {
      {"plain", "'abc' is not a valid time.", "'abc' is not a valid time."},
      {"empty", "", ""},
      {"line breaks and tab", "a\nb\r\tc", "a\\x0ab\\x0d\\x09c"},
      {"NUL", std::string("a\0b", 3), "a\\x00b"},
      {"bell and DEL", "\a\x7F", "\\x07\\x7f"},
      {"C1 control sequence introducer",
       "\xC2\x9B"
       "2J",
       "\\u009b2J"},
      {"C1 next line", "a\xC2\x85z", "a\\u0085z"},
      {"right-to-left override", "txt.\xE2\x80\xAEgnp", "txt.\\u202egnp"},
      {"first strong isolate", "\xE2\x81\xA8x", "\\u2068x"},
      {"accents and euro kept", "Ren\xC3\xA9 \xE2\x82\xAC", "Ren\xC3\xA9 \xE2\x82\xAC"},
      {"no-break space kept", "\xC2\xA0", "\xC2\xA0"},
      {"four bytes kept", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"backslash kept", "C:\\x1b", "C:\\x1b"},
      {"Windows-1252 byte", "Jos\xE9", "Jos\\xe9"},
      {"lone continuation", "\x80", "\\x80"},
      {"truncated at the end", "a\xE2\x82", "a\\xe2\\x82"},
      {"overlong slash", "\xC0\xAF", "\\xc0\\xaf"},
      {"surrogate", "\xED\xA0\x80", "\\xed\\xa0\\x80"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
      {"random bytes", "\xFF\xFE\x1B\x9B", "\\xff\\xfe\\x1b\\x9b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrintableText(c.text), c.shown) << c.what;
    EXPECT_EQ(IsPrintableText(c.text), c.text == c.shown) << c.what;
  }
}

// What a file keeps: what PrintableText escapes becomes a space (a byte that
// is not UTF-8 U+FFFD), so that a value never splits a line.
TEST(PlainText, ControlsBecomeSpacesAndTheRestStays) {
  const struct {
    const char* what;
    std::string text, plain;
  } cases[] = {
      {"plain", "Ren\xC3\xA9 \xE2\x82\xAC", "Ren\xC3\xA9 \xE2\x82\xAC"},
      {"a record in a line", "A\r\nfortune=3", "A  fortune=3"},
      {"NUL, tab and DEL", std::string("a\0\t\x7F", 4), "a   "},
      {"C1 and an override",
       "\xC2\x9B"
       "2J\xE2\x80\xAE",
       " 2J "},
      {"not UTF-8", "Jos\xE9!", "Jos\xEF\xBF\xBD!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlainText(c.text), c.plain) << c.what;
    EXPECT_TRUE(IsPrintableText(PlainText(c.text))) << c.what;
  }
}

}  // namespace
}  // namespace ostrane
