// The table of the world's places and the search in it, for the birth place.
//
// The table is tab-separated UTF-8 text, one place a line, in the columns
//   name, ascii name, region, country, latitude, longitude, time zone,
//   population
// (the layout of resources/places/places.tsv, made by scripts/make-places
// from GeoNames).  Lines beginning with '#' and empty lines are skipped.
//
// A query is a place name, or its beginning, optionally narrowed by further
// parts after commas: "Amsterdam", "amst", "Springfield, IL", "San Jose, CR",
// "Halle, Saxony-Anhalt".  Accents, case and punctuation do not count
// (FoldForSearch).  The name part matches a place when it begins the place's
// name or ascii name, or one of their words ("york" finds New York City).
// Each part after a comma must be the place's two-letter country code or
// begin its region name (or a word of it).  A query of commas only, or
// empty, matches nothing; a query whose name part is empty (", NL") lists
// the places of the country or region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrane {

struct TPlace {
  std::string Name;       // as GeoNames writes it, e.g. "São Paulo"
  std::string AsciiName;  // its ASCII spelling, e.g. "Sao Paulo"
  std::string Region;     // the first-level region, e.g. "North Holland"; may be empty
  std::string Country;    // ISO 3166-1 two-letter code in capitals, e.g. "NL"
  double Latitude = 0;    // degrees, north positive, -90 .. 90
  double Longitude = 0;   // degrees, east positive, -180 .. 180
  std::string ZoneId;     // IANA time-zone id, e.g. "Europe/Amsterdam"
  std::int64_t Population = 0;
};

// "Name, Region, CC", or "Name, CC" when the region is empty or the name.
std::string PlaceLabel(const TPlace& place);

class TPlaceTable {
 public:
  TPlaceTable() = default;
  // Reads the table text.  A line that is not a valid place (not eight
  // fields, empty name or zone, a country that is not two ASCII letters, a
  // coordinate that is not a decimal number within its range, a population
  // that is not a whole number of at least 0) is skipped and counted.  The
  // places are kept most populous first; equal populations keep the order
  // of the text.
  explicit TPlaceTable(std::string_view text);

  std::size_t Size() const { return FPlaces.size(); }
  const std::vector<TPlace>& Places() const { return FPlaces; }
  // The lines skipped as invalid, and which was the first ("line 7: ...");
  // 0 and empty when every line was read.
  std::size_t SkippedLines() const { return FSkipped; }
  const std::string& FirstProblem() const { return FFirstProblem; }

  // At most `limit` places matching the query: first those whose whole name
  // is the name part, then those whose name begins with it, then those with
  // a later word beginning with it; most populous first within each group.
  // The pointers stay valid as long as the table.
  std::vector<const TPlace*> Search(std::string_view query, std::size_t limit) const;
  // The first place Search would list, or nullptr when none matches.
  const TPlace* BestMatch(std::string_view query) const;
  // The most populous place whose whole name or ascii name is the query's
  // name part (accents, case and punctuation do not count) and which
  // satisfies its narrowing parts; nullptr when there is none.  For input
  // that must name a place, never a town whose name merely begins with it.
  const TPlace* ExactMatch(std::string_view query) const;
  // For a query that matches nothing: at most `count` places whose name or
  // ascii name is nearest to the name part by edit distance (EditDistance),
  // at most 1 for a name part of up to 4 letters, 2 up to 8, 3 beyond.
  // Nearest first; places that satisfy the query's narrowing parts before
  // those that do not, then the most populous.  One place per name and
  // country.
  std::vector<const TPlace*> NearestNames(std::string_view query, std::size_t count) const;

 private:
  struct TKeys {
    std::string Name;     // FoldForSearch of the name
    std::string Ascii;    // and of the ascii name
    std::string Region;   // and of the region
    std::string Country;  // the country code in small letters
  };
  struct TQuery;
  bool Narrowed(std::size_t index, const TQuery& query) const;

  std::vector<TPlace> FPlaces;
  std::vector<TKeys> FKeys;
  std::size_t FSkipped = 0;
  std::string FFirstProblem;
};

}  // namespace ostrane
