// The table of places and the search in it, fed arbitrary bytes: the text
// before the first NUL byte is a query, the rest table lines added to a few
// real ones.  Properties: folding is idempotent and leaves no capital ASCII
// letter and no space at either end or twice; the table keeps its places
// most populous first and skips what it cannot read; a search lists at most
// its limit, only places whose name or ascii name has a word beginning with
// the query's name part, and BestMatch is its first place; an exact match is
// a place whose whole name or ascii name folds to the name part, and the
// best match when the best match is one.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/Places.h"
#include "chart/SearchText.h"

using namespace ostrane;

namespace {

const char* const kTable =
    "# GeoNames (https://www.geonames.org/), CC BY 4.0\n"
    "Amsterdam\tAmsterdam\tNorth Holland\tNL\t52.37403\t4.88969\tEurope/Amsterdam\t741636\n"
    "Amsterdam\tAmsterdam\tNew York\tUS\t42.93869\t-74.18819\tAmerica/New_York\t18008\n"
    "S\xC3\xA3o Paulo\tSao Paulo\tS\xC3\xA3o Paulo\tBR\t-23.5475\t-46.63611\tAmerica/Sao_Paulo\t"
    "10021295\n"
    "\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng\tDa Nang\tDa Nang City\tVN\t16.06778\t108.22083\t"
    "Asia/Ho_Chi_Minh\t752493\n"
    "Halle (Saale)\tHalle (Saale)\tSaxony-Anhalt\tDE\t51.48158\t11.97947\tEurope/Berlin\t234107\n";

void CheckFolded(std::string_view folded) {
  if (!folded.empty() && (folded.front() == ' ' || folded.back() == ' ')) std::abort();
  if (folded.find("  ") != std::string_view::npos) std::abort();
  for (const char c : folded)
    if (c >= 'A' && c <= 'Z') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string_view query = input.substr(0, nul);
  const std::string_view lines =
      nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);

  const std::string folded = FoldForSearch(query);
  CheckFolded(folded);
  if (FoldForSearch(folded) != folded) std::abort();

  const TPlaceTable table(std::string(kTable) + std::string(lines));
  if (table.Size() < 5) std::abort();
  const auto& places = table.Places();
  for (std::size_t i = 1; i < places.size(); ++i)
    if (places[i - 1].Population < places[i].Population) std::abort();
  if (table.SkippedLines() > 0 && table.FirstProblem().empty()) std::abort();

  const std::string name = FoldForSearch(query.substr(0, query.find(',')));
  const auto found = table.Search(query, 5);
  if (found.size() > 5) std::abort();
  for (const TPlace* place : found)
    if (!HasWordPrefix(FoldForSearch(place->Name), name) &&
        !HasWordPrefix(FoldForSearch(place->AsciiName), name))
      std::abort();
  const TPlace* best = table.BestMatch(query);
  if (best != (found.empty() ? nullptr : found.front())) std::abort();
  const TPlace* exact = table.ExactMatch(query);
  if (exact && FoldForSearch(exact->Name) != name && FoldForSearch(exact->AsciiName) != name)
    std::abort();
  if (best && (FoldForSearch(best->Name) == name || FoldForSearch(best->AsciiName) == name) &&
      exact != best)
    std::abort();
  if (table.NearestNames(query, 3).size() > 3) std::abort();
  return 0;
}
