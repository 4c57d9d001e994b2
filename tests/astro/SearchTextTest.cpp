#include <gtest/gtest.h>

#include <string>

#include "SearchText.h"

using namespace ostrane;

namespace {

TEST(SearchText, FoldsAccentsCaseAndPunctuation) {
  const struct {
    const char* Text;
    const char* Folded;
  } cases[] = {
      {"S\xC3\xA3o Paulo", "sao paulo"},                  // Latin-1
      {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "lodz"},           // Łódź, Latin Extended-A
      {"\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng", "da nang"},    // Đà Nẵng, Vietnamese
      {"\xC6\xA0\xC6\xAF", "ou"},                         // Ơ Ư, Latin Extended-B
      {"\xC8\x98tef\xC4\x83ne\xC8\x99ti", "stefanesti"},  // Ștefănești, comma below
      {"\xC7\x84"
       "ak",
       "dzak"},  // Ǆ, a digraph letter
      {"Stra\xC3\x9F"
       "e",
       "strasse"},  // ß
      {"\xC3\x86r\xC3\xB8sk\xC3\xB8"
       "bing",
       "aeroskobing"},                                      // Æ ø
      {"\xC4\xB0stanbul", "istanbul"},                      // İ, dotted capital I
      {"\xC5\x9E\x61nl\xC4\xB1urfa", "sanliurfa"},          // Ş, dotless ı
      {"G\xC9\x99nc\xC9\x99", "gence"},                     // ə, schwa
      {"N'Djamena", "ndjamena"},                            // apostrophe dropped
      {"Hawai\xCA\xBBi", "hawaii"},                         // ʻokina dropped
      {"Aix-en-Provence", "aix en provence"},               // hyphens part words
      {"  St.  Louis ", "st louis"},                        // one space, none at the ends
      {"Caf\x65\xCC\x81", "cafe"},                          // e + combining acute
      {"\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",  // Cyrillic, kept
       "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},
      {"a\xFF"
       "b",
       "a b"},                 // invalid byte parts words
      {"a\xC3", "a"},          // cut-off sequence
      {"\xC0\xAF", ""},        // overlong slash
      {"\xED\xA0\x80x", "x"},  // surrogate
  };
  for (const auto& c : cases) {
    const std::string folded = FoldForSearch(c.Text);
    EXPECT_EQ(folded, c.Folded) << "folding '" << c.Text << "'";
    EXPECT_EQ(FoldForSearch(folded), folded) << "folding again '" << c.Text << "'";
  }
}

TEST(SearchText, EditDistances) {
  const struct {
    const char* A;
    const char* B;
    std::size_t Limit;
    std::size_t Expected;
  } cases[] = {
      {"amsterdam", "amsterdam", 3, 0},
      {"amstredam", "amsterdam", 3, 1},  // a swap costs 1
      {"amsterdm", "amsterdam", 3, 1},
      {"kitten", "sitting", 5, 3},
      {"kitten", "sitting", 2, 3},  // beyond the limit: limit + 1
      {"", "abc", 5, 3},
      {"abc", "", 1, 2},
      {"ab", "ba", 1, 1},
      {"paris", "london", 9, 6},
      {"ca", "abc", 5, 3},  // no substring is edited twice
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EditDistance(c.A, c.B, c.Limit), c.Expected)
        << c.A << " / " << c.B << " limit " << c.Limit;
    EXPECT_EQ(EditDistance(c.B, c.A, c.Limit), c.Expected)
        << c.B << " / " << c.A << " limit " << c.Limit;
  }
  const std::string longer(100, 'a');
  EXPECT_EQ(EditDistance(longer, longer + "bb", 5), 2u) << "rows longer than the small buffer";
}

}  // namespace
