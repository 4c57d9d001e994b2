// The table of the world's places built into the program as a Qt resource
// (resources/places/places.tsv, made by scripts/make-places from GeoNames).
#pragma once

#include <string>
#include <string_view>

#include "chart/Places.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

// Where the table lies among the program's resources.
inline constexpr const char* kPlacesResource = ":/places/places.tsv";

// The table's UTF-8 text; empty when the resource is missing.
std::string BuiltInPlacesText();

// Puts a place of the table into a birth place: its label, coordinates and
// zone; the manual offset and the choices stay as they are.
void SetBirthPlace(TBirthPlace& birth, const TPlace& place);

// The table, read on first use (safe from any thread) and kept for the rest
// of the run.
const TPlaceTable& BuiltInPlaces();

// For a query that matches no place of the table: the labels of the five
// places nearest to it by name (TPlaceTable::NearestNames), joined by "; ";
// empty when there are none.
std::string NearestPlaceLabels(std::string_view query);

}  // namespace ostrane
