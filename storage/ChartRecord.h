// One chart as the chart library keeps it and the imports and exports carry
// it: the birth data, the place, how it is released, and the astrologer's
// own tags and note.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/ReleaseSettings.h"

namespace ostrane {

struct TChartRecord {
  // The name (Settings.Name), the birth date and time (MonthIndex, Day, Year
  // in the program's calendar, TimeText as the time field takes it), the
  // place with its zone, manual offset, daylight-saving choice and variants
  // (Settings.Place), and the releasing settings (type, loosing of the bond,
  // general periods, date and sign styles, angles).
  ReleaseSettings Settings;
  // What the periods are released from: a lot key ("fortune", "spirit",
  // "eros", "necessity", "courage", "victory", "nemesis") or a sign's long
  // English name in lower case ("aries" .. "pisces"); empty means
  // Settings.StartSign as it stands.
  std::string ReleaseFrom;
  std::vector<std::string> Tags;  // each without commas, trimmed, not empty
  std::string Note;               // free text, any length, may hold new lines
};

// Coordinates closer than this (degrees, one second of arc, about 30 m) are
// one place: the exchange formats keep them to the second.
inline constexpr double kSamePlaceDeg = 1.0 / 3600.0;

// Two records are the same chart when their names, birth moments (date and
// time text) and places (name, and coordinates within kSamePlaceDeg) agree;
// tags, note and the releasing settings do not count.
inline bool SameChart(const TChartRecord& a, const TChartRecord& b) {
  const ReleaseSettings& x = a.Settings;
  const ReleaseSettings& y = b.Settings;
  const auto near = [](const std::optional<double>& u, const std::optional<double>& v) {
    return u.has_value() == v.has_value() && (!u || std::fabs(*u - *v) < kSamePlaceDeg);
  };
  return x.Name == y.Name && x.MonthIndex == y.MonthIndex && x.Day == y.Day && x.Year == y.Year &&
         x.TimeText == y.TimeText && x.Place.Name == y.Place.Name &&
         near(x.Place.Latitude, y.Place.Latitude) && near(x.Place.Longitude, y.Place.Longitude);
}

}  // namespace ostrane
