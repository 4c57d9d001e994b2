#include "chart/Places.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>

#include "chart/SearchText.h"

namespace ostrane {
namespace {

constexpr std::size_t kFields = 8;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t at = 0;;) {
    const std::size_t tab = line.find('\t', at);
    fields.push_back(line.substr(at, tab - at));
    if (tab == std::string_view::npos) return fields;
    at = tab + 1;
  }
}

// A decimal number of the whole text within [-bound, bound].
bool ReadDegrees(std::string_view text, double bound, double& value) {
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  return error == std::errc() && stop == end && std::isfinite(value) && std::fabs(value) <= bound;
}

bool IsCountryCode(std::string_view code) {
  const auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
  return code.size() == 2 && letter(code[0]) && letter(code[1]);
}

// Why the fields are not a place; empty when they are one.
std::string ReadPlace(const std::vector<std::string_view>& f, TPlace& place) {
  if (f.size() != kFields)
    return std::to_string(f.size()) + " fields instead of " + std::to_string(kFields);
  // A name of nothing but spaces and control characters could not be
  // searched for: no name either.
  if (FoldForSearch(f[0]).empty()) return "no name";
  if (!IsCountryCode(f[3])) return "the country is not a two-letter code";
  if (!ReadDegrees(f[4], 90, place.Latitude)) return "the latitude is not a number from -90 to 90";
  if (!ReadDegrees(f[5], 180, place.Longitude))
    return "the longitude is not a number from -180 to 180";
  if (f[6].empty()) return "no time zone";
  const char* const end = f[7].data() + f[7].size();
  const auto [stop, error] = std::from_chars(f[7].data(), end, place.Population);
  if (error != std::errc() || stop != end || f[7].empty() || place.Population < 0)
    return "the population is not a whole number";
  place.Name = f[0];
  place.AsciiName = f[1];
  place.Region = f[2];
  place.Country = f[3];
  place.ZoneId = f[6];
  return {};
}

std::string SmallLetters(std::string_view code) {
  std::string small(code);
  for (char& c : small)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return small;
}

std::size_t DistanceLimit(std::size_t length) {
  if (length <= 4) return 1;
  return length <= 8 ? 2 : 3;
}

}  // namespace

struct TPlaceTable::TQuery {
  std::string Name;                    // the folded name part
  std::vector<std::string> Narrowers;  // the folded parts after commas, none empty

  explicit TQuery(std::string_view text) {
    std::size_t comma = text.find(',');
    Name = FoldForSearch(text.substr(0, comma));
    while (comma != std::string_view::npos) {
      text.remove_prefix(comma + 1);
      comma = text.find(',');
      std::string part = FoldForSearch(text.substr(0, comma));
      if (!part.empty()) Narrowers.push_back(std::move(part));
    }
  }
  bool Empty() const { return Name.empty() && Narrowers.empty(); }

  // 0 when the name is the name part, 1 when it begins with it, 2 when a
  // later word does, -1 when it does not match.
  int Tier(const TKeys& keys) const {
    if (Name.empty()) return 1;
    if (keys.Name == Name || keys.Ascii == Name) return 0;
    if (keys.Name.compare(0, Name.size(), Name) == 0 ||
        keys.Ascii.compare(0, Name.size(), Name) == 0)
      return 1;
    if (HasWordPrefix(keys.Name, Name) || HasWordPrefix(keys.Ascii, Name)) return 2;
    return -1;
  }
};

std::string PlaceLabel(const TPlace& place) {
  std::string label = place.Name;
  if (!place.Region.empty() && place.Region != place.Name) label += ", " + place.Region;
  return label + ", " + place.Country;
}

TPlaceTable::TPlaceTable(std::string_view text) {
  std::vector<TPlace> places;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    TPlace place;
    const std::string problem = ReadPlace(SplitTabs(line), place);
    if (problem.empty()) {
      places.push_back(std::move(place));
    } else if (FSkipped++ == 0) {
      FFirstProblem = "line " + std::to_string(lineNumber) + ": " + problem;
    }
  }
  std::vector<std::size_t> order(places.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return places[a].Population > places[b].Population;
  });
  FPlaces.reserve(places.size());
  FKeys.reserve(places.size());
  for (const std::size_t i : order) {
    TPlace& place = places[i];
    FKeys.push_back({FoldForSearch(place.Name), FoldForSearch(place.AsciiName),
                     FoldForSearch(place.Region), SmallLetters(place.Country)});
    FPlaces.push_back(std::move(place));
  }
}

bool TPlaceTable::Narrowed(std::size_t index, const TQuery& query) const {
  const TKeys& keys = FKeys[index];
  return std::all_of(query.Narrowers.begin(), query.Narrowers.end(), [&](const std::string& part) {
    return (part.size() == 2 && part == keys.Country) || HasWordPrefix(keys.Region, part);
  });
}

std::vector<const TPlace*> TPlaceTable::Search(std::string_view text, std::size_t limit) const {
  const TQuery query(text);
  std::vector<const TPlace*> found;
  if (limit == 0 || query.Empty()) return found;
  std::array<std::vector<std::size_t>, 3> tiers;
  for (std::size_t i = 0; i < FKeys.size() && tiers[0].size() < limit; ++i) {
    const int tier = query.Tier(FKeys[i]);
    if (tier < 0) continue;
    auto& matches = tiers[static_cast<std::size_t>(tier)];
    if (matches.size() < limit && Narrowed(i, query)) matches.push_back(i);
  }
  for (const auto& matches : tiers)
    for (const std::size_t i : matches)
      if (found.size() < limit) found.push_back(&FPlaces[i]);
  return found;
}

const TPlace* TPlaceTable::BestMatch(std::string_view query) const {
  const auto found = Search(query, 1);
  return found.empty() ? nullptr : found.front();
}

const TPlace* TPlaceTable::ExactMatch(std::string_view text) const {
  const TQuery query(text);
  if (query.Name.empty()) return nullptr;
  for (std::size_t i = 0; i < FKeys.size(); ++i)  // most populous first
    if (query.Tier(FKeys[i]) == 0 && Narrowed(i, query)) return &FPlaces[i];
  return nullptr;
}

std::vector<const TPlace*> TPlaceTable::NearestNames(std::string_view text,
                                                     std::size_t count) const {
  const TQuery query(text);
  std::vector<const TPlace*> nearest;
  if (count == 0 || query.Name.empty()) return nearest;
  const std::size_t limit = DistanceLimit(query.Name.size());
  struct TCandidate {
    std::size_t Distance;
    bool Unnarrowed;  // fails a narrowing part of the query
    std::size_t Index;
  };
  std::vector<TCandidate> candidates;
  for (std::size_t i = 0; i < FKeys.size(); ++i) {
    const TKeys& keys = FKeys[i];
    std::size_t distance = EditDistance(query.Name, keys.Name, limit);
    if (distance > 0 && keys.Ascii != keys.Name)
      distance = std::min(distance, EditDistance(query.Name, keys.Ascii, limit));
    if (distance <= limit) candidates.push_back({distance, !Narrowed(i, query), i});
  }
  std::stable_sort(
      candidates.begin(), candidates.end(), [](const TCandidate& a, const TCandidate& b) {
        return std::pair(a.Distance, a.Unnarrowed) < std::pair(b.Distance, b.Unnarrowed);
      });
  std::set<std::pair<std::string_view, std::string_view>> seen;
  for (const TCandidate& c : candidates) {
    if (nearest.size() == count) break;
    if (seen.emplace(FKeys[c.Index].Name, FKeys[c.Index].Country).second)
      nearest.push_back(&FPlaces[c.Index]);
  }
  return nearest;
}

}  // namespace ostrane
