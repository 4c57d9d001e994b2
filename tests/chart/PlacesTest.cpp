// The place table: reading, search, best match and nearest names, and the
// folding and edit distance they rest on.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/Places.h"
#include "chart/SearchText.h"

using namespace ostrane;

namespace {

// Rows of the real table, in no particular order, with a comment, an empty
// line and CR LF line ends among them.
const char* const kTable =
    "# GeoNames (https://www.geonames.org/), CC BY 4.0\n"
    "Bath\tBath\tEngland\tGB\t51.3751\t-2.36172\tEurope/London\t94782\n"
    "Amsterdam\tAmsterdam\tNew York\tUS\t42.93869\t-74.18819\tAmerica/New_York\t18008\r\n"
    "Bathinda\tBathinda\tPunjab\tIN\t30.20747\t74.93893\tAsia/Kolkata\t242800\n"
    "\n"
    "Amsterdam\tAmsterdam\tNorth Holland\tNL\t52.37403\t4.88969\tEurope/Amsterdam\t741636\n"
    "New York City\tNew York City\tNew York\tUS\t40.71427\t-74.00597\tAmerica/New_York\t8175133\n"
    "York\tYork\tEngland\tGB\t53.95763\t-1.08271\tEurope/London\t153717\n"
    "S\xC3\xA3o Paulo\tSao Paulo\tS\xC3\xA3o Paulo\tBR\t-23.5475\t-46.63611\tAmerica/Sao_Paulo\t"
    "10021295\n"
    "\xC5\x81\xC3\xB3\x64\xC5\xBA\tLodz\t\xC5\x81\xC3\xB3\x64\xC5\xBA Voivodeship\tPL\t51.77058\t"
    "19.47395\tEurope/Warsaw\t768755\n"
    "Springfield\tSpringfield\tMissouri\tUS\t37.21533\t-93.29824\tAmerica/Chicago\t166810\n"
    "Springfield\tSpringfield\tIllinois\tUS\t39.80172\t-89.64371\tAmerica/Chicago\t116565\n"
    "Halle (Saale)\tHalle (Saale)\tSaxony-Anhalt\tDE\t51.48158\t11.97947\tEurope/Berlin\t234107\n"
    "Halle\tHalle\tFlanders\tBE\t50.73385\t4.23454\tEurope/Brussels\t34479\n"
    "Haarlem\tHaarlem\tNorth Holland\tNL\t52.38084\t4.63683\tEurope/Amsterdam\t147590\n"
    "Zaandam\tZaandam\tNorth Holland\tNL\t52.43854\t4.82643\tEurope/Amsterdam\t71708\n"
    "Hong Kong\tHong Kong\t\tHK\t22.27832\t114.17469\tAsia/Hong_Kong\t7012738\n";

std::vector<std::string> Labels(const std::vector<const TPlace*>& places) {
  std::vector<std::string> labels;
  for (const TPlace* p : places) labels.push_back(PlaceLabel(*p));
  return labels;
}

TEST(PlaceTable, ReadsRowsMostPopulousFirst) {
  const TPlaceTable table(kTable);
  EXPECT_EQ(table.SkippedLines(), 0u) << table.FirstProblem();
  ASSERT_EQ(table.Size(), 15u);
  for (std::size_t i = 1; i < table.Size(); ++i)
    EXPECT_GE(table.Places()[i - 1].Population, table.Places()[i].Population) << "row " << i;
  // Name, country, place and zone of a row are checked on the built-in table
  // (BuiltInPlacesTest.cpp); the ASCII name and the population only here.
  const TPlace& first = table.Places().front();
  EXPECT_EQ(first.AsciiName, "Sao Paulo");
  EXPECT_EQ(first.Population, 10021295);
  const TPlace* ams = table.BestMatch("Amsterdam, US");
  ASSERT_NE(ams, nullptr);
  EXPECT_EQ(ams->ZoneId, "America/New_York") << "the CR of a CR LF line end is not kept";
}

TEST(PlaceTable, SkipsInvalidLinesAndNamesTheFirst) {
  const struct {
    const char* Line;
    const char* Problem;
  } cases[] = {
      {"A\tA\tR\tNL\t52\t4\tEurope/Amsterdam", "7 fields instead of 8"},
      {"\tA\tR\tNL\t52\t4\tEurope/Amsterdam\t1", "no name"},
      {" \x0f \tA\tR\tNL\t52\t4\tEurope/Amsterdam\t1", "no name"},
      {"A\tA\tR\tNLD\t52\t4\tEurope/Amsterdam\t1", "two-letter code"},
      {"A\tA\tR\tNL\t90.5\t4\tEurope/Amsterdam\t1", "latitude"},
      {"A\tA\tR\tNL\t52n\t4\tEurope/Amsterdam\t1", "latitude"},
      {"A\tA\tR\tNL\t52\t-180.01\tEurope/Amsterdam\t1", "longitude"},
      {"A\tA\tR\tNL\t52\t4\t\t1", "no time zone"},
      {"A\tA\tR\tNL\t52\t4\tEurope/Amsterdam\t-1", "population"},
      {"A\tA\tR\tNL\t52\t4\tEurope/Amsterdam\t1.5", "population"},
  };
  for (const auto& c : cases) {
    const std::string text = std::string("# header\nB\tB\t\tBE\t50\t4\tEurope/Brussels\t7\n") +
                             c.Line + "\n" + c.Line + "\n";
    const TPlaceTable table(text);
    EXPECT_EQ(table.Size(), 1u) << c.Line;
    EXPECT_EQ(table.SkippedLines(), 2u) << c.Line;
    EXPECT_EQ(table.FirstProblem().rfind("line 3: ", 0), 0u) << table.FirstProblem();
    EXPECT_NE(table.FirstProblem().find(c.Problem), std::string::npos)
        << c.Line << ": " << table.FirstProblem();
  }
}

// The best match is the first place the search lists, or none.
TEST(PlaceTable, SearchAndBestMatch) {
  const TPlaceTable table(kTable);
  const struct {
    const char* Query;
    std::vector<std::string> Expected;
  } cases[] = {
      {"amst", {"Amsterdam, North Holland, NL", "Amsterdam, New York, US"}},
      {"amsterdam, us", {"Amsterdam, New York, US"}},               // country code
      {"Amsterdam, north holl", {"Amsterdam, North Holland, NL"}},  // region prefix
      {"Amsterdam, holland", {"Amsterdam, North Holland, NL"}},     // a word of the region
      {"Amsterdam, NL, north", {"Amsterdam, North Holland, NL"}},   // both must hold
      {"Amsterdam, NL, york", {}},
      {"sao", {"S\xC3\xA3o Paulo, BR"}},  // region equals the name: not repeated
      {"lodz", {"\xC5\x81\xC3\xB3\x64\xC5\xBA, \xC5\x81\xC3\xB3\x64\xC5\xBA Voivodeship, PL"}},
      // The whole name first, then names beginning with it, then later words.
      {"york", {"York, England, GB", "New York City, New York, US"}},
      {"Bath", {"Bath, England, GB", "Bathinda, Punjab, IN"}},  // though Bathinda is more populous
      {"bat", {"Bathinda, Punjab, IN", "Bath, England, GB"}},
      {"halle", {"Halle, Flanders, BE", "Halle (Saale), Saxony-Anhalt, DE"}},
      {"saale", {"Halle (Saale), Saxony-Anhalt, DE"}},
      {"new york c", {"New York City, New York, US"}},
      {"springfield, il", {"Springfield, Illinois, US"}},
      {"springfield, US", {"Springfield, Missouri, US", "Springfield, Illinois, US"}},
      {", nl",
       {"Amsterdam, North Holland, NL", "Haarlem, North Holland, NL",
        "Zaandam, North Holland, NL"}},
      {"hong kong, hk", {"Hong Kong, HK"}},
      {"ork", {}},
      {"Amsterdamm", {}},
      {"", {}},
      {" ,, , ", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Labels(table.Search(c.Query, 10)), c.Expected) << "query '" << c.Query << "'";
    const TPlace* best = table.BestMatch(c.Query);
    EXPECT_EQ(best ? PlaceLabel(*best) : "(none)", c.Expected.empty() ? "(none)" : c.Expected[0])
        << "best match for '" << c.Query << "'";
  }
  EXPECT_EQ(Labels(table.Search("h", 2)),
            (std::vector<std::string>{"Hong Kong, HK", "Halle (Saale), Saxony-Anhalt, DE"}));
  EXPECT_TRUE(table.Search("h", 0).empty());
}

// An exact match names the place whole: a town whose name only begins with
// the text, or a later word of whose name it is, is no match.
TEST(PlaceTable, ExactMatch) {
  const TPlaceTable table(kTable);
  const struct {
    const char* Query;
    const char* Expected;
  } cases[] = {
      {"amsterdam", "Amsterdam, North Holland, NL"},  // the most populous of the name
      {"AMSTERDAM, us", "Amsterdam, New York, US"},
      {"Amsterdam, north holl", "Amsterdam, North Holland, NL"},
      {"Lodz", "\xC5\x81\xC3\xB3\x64\xC5\xBA, \xC5\x81\xC3\xB3\x64\xC5\xBA Voivodeship, PL"},
      {"halle (saale)", "Halle (Saale), Saxony-Anhalt, DE"},
      {"bat", "(none)"},       // begins Bathinda and Bath
      {"york, us", "(none)"},  // a later word of New York City
      {"Amsterdam, BE", "(none)"},
      {", nl", "(none)"},
      {"", "(none)"},
  };
  for (const auto& c : cases) {
    const TPlace* exact = table.ExactMatch(c.Query);
    EXPECT_EQ(exact ? PlaceLabel(*exact) : "(none)", c.Expected) << "query '" << c.Query << "'";
  }
}

TEST(PlaceTable, NearestNames) {
  const TPlaceTable table(kTable);
  const struct {
    const char* Query;
    std::size_t Count;
    std::vector<std::string> Expected;
  } cases[] = {
      {"Amstredam", 5, {"Amsterdam, North Holland, NL", "Amsterdam, New York, US"}},
      {"Amstredam, US", 5, {"Amsterdam, New York, US", "Amsterdam, North Holland, NL"}},
      {"Amstredam", 1, {"Amsterdam, North Holland, NL"}},
      {"Haarlme", 5, {"Haarlem, North Holland, NL"}},
      {"Yrokk", 5, {"York, England, GB"}},  // 5 letters admit 2 edits
      {"Yrk", 5, {"York, England, GB"}},
      {"Yx", 5, {}},                                     // 2 edits are too many for a short name
      {"Springfeld", 5, {"Springfield, Missouri, US"}},  // one place per name and country
      {"", 5, {}},
      {"Amsterdam", 0, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Labels(table.NearestNames(c.Query, c.Count)), c.Expected)
        << "query '" << c.Query << "', " << c.Count;
}

TEST(SearchText, FoldsAccentsCaseAndPunctuation) {
  const struct {
    const char* Text;
    const char* Folded;
  } cases[] = {
      {"S\xC3\xA3o Paulo", "sao paulo"},                    // Latin-1
      {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "lodz"},             // Łódź, Latin Extended-A
      {"\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng", "da nang"},      // Đà Nẵng, Vietnamese
      {"\xC6\xA0\xC6\xAF", "ou"},                           // Ơ Ư, Latin Extended-B
      {"\xC8\x98tef\xC4\x83ne\xC8\x99ti", "stefanesti"},    // Ștefănești, comma below
      {"\xC7\x84uk", "dzuk"},                               // Ǆ, a digraph letter
      {"Gro\xC3\x9Fglockner", "grossglockner"},             // ß
      {"\xC3\x86r\xC3\xB8", "aero"},                        // Æ ø
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
      {"a\xFFz", "a z"},       // invalid byte parts words
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
