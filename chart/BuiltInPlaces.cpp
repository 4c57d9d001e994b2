#include "chart/BuiltInPlaces.h"

#include <QByteArray>
#include <QFile>

namespace ostrane {

std::string BuiltInPlacesText() {
  QFile file(QString::fromLatin1(kPlacesResource));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

void SetBirthPlace(TBirthPlace& birth, const TPlace& place) {
  birth.Name = PlaceLabel(place);
  birth.Latitude = place.Latitude;
  birth.Longitude = place.Longitude;
  birth.TimeZone = place.ZoneId;
}

const TPlaceTable& BuiltInPlaces() {
  static const TPlaceTable table(BuiltInPlacesText());
  return table;
}

std::string NearestPlaceLabels(std::string_view query) {
  std::string labels;
  for (const TPlace* place : BuiltInPlaces().NearestNames(query, 5))
    labels += (labels.empty() ? "" : "; ") + PlaceLabel(*place);
  return labels;
}

}  // namespace ostrane
