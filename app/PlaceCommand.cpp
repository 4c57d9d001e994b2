#include "app/PlaceCommand.h"

#include <ostream>

#include "chart/BuiltInPlaces.h"
#include "core/Coordinates.h"
#include "core/PrintableText.h"

namespace ostrane {

int RunFindPlace(const std::string& query, std::ostream& out, std::ostream& err) {
  const TPlaceTable& table = BuiltInPlaces();
  if (table.Size() == 0) {
    err << "The table of places is missing from the program.\n";
    return 1;
  }
  const auto places = table.Search(query, 10);
  for (const TPlace* p : places)
    out << PlaceLabel(*p) << '\t' << FormatLatitude(p->Latitude) << '\t'
        << FormatLongitude(p->Longitude) << '\t' << p->ZoneId << '\n';
  if (!places.empty()) return 0;
  err << "No place matches '" << PrintableText(EchoedText(query)) << "'.";
  if (const std::string nearest = NearestPlaceLabels(query); !nearest.empty())
    err << " Nearest names: " << nearest;
  err << '\n';
  return 1;
}

}  // namespace ostrane
