#include <QTimeZone>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "chart/BuiltInPlaces.h"
#include "chart/TimeZones.h"

using namespace ostrane;

namespace {

TEST(BuiltInPlaces, TheTableIsBuiltInWithZonesKnownToQt) {
  const std::string text = BuiltInPlacesText();
  EXPECT_EQ(text.rfind("# GeoNames (https://www.geonames.org/), CC BY 4.0\n", 0), 0u)
      << "the table names its source and licence first";
  const TPlaceTable& table = BuiltInPlaces();
  EXPECT_EQ(table.SkippedLines(), 0u) << table.FirstProblem();
  EXPECT_GE(table.Size(), 20000u);
  EXPECT_EQ(&table, &BuiltInPlaces()) << "read once";
  std::set<std::string> zones;
  for (const TPlace& place : table.Places()) zones.insert(place.ZoneId);
  EXPECT_GT(zones.size(), 300u);
  for (const std::string& zone : zones) {
    EXPECT_TRUE(QTimeZone::isTimeZoneIdAvailable(QByteArray::fromStdString(zone))) << zone;
    EXPECT_TRUE(IsKnownZone(zone)) << zone;
  }
}

TEST(BuiltInPlaces, FindsCitiesWithTheirZones) {
  const struct {
    const char* Query;
    const char* Name;
    const char* Country;
    const char* Zone;
    double Latitude, Longitude;
  } cases[] = {
      {"Amsterdam", "Amsterdam", "NL", "Europe/Amsterdam", 52.37, 4.89},
      {"tokyo", "Tokyo", "JP", "Asia/Tokyo", 35.69, 139.69},
      {"Sao Paulo", "S\xC3\xA3o Paulo", "BR", "America/Sao_Paulo", -23.55, -46.64},
      {"S\xC3\xA3o Paulo", "S\xC3\xA3o Paulo", "BR", "America/Sao_Paulo", -23.55, -46.64},
      {"sydney, au", "Sydney", "AU", "Australia/Sydney", -33.87, 151.21},
      {"Kyiv", "Kyiv", "UA", "Europe/Kyiv", 50.45, 30.52},  // Europe/Kiev in the source
  };
  for (const auto& c : cases) {
    const TPlace* place = BuiltInPlaces().BestMatch(c.Query);
    ASSERT_NE(place, nullptr) << c.Query;
    EXPECT_EQ(place->Name, c.Name) << c.Query;
    EXPECT_EQ(place->Country, c.Country) << c.Query;
    EXPECT_EQ(place->ZoneId, c.Zone) << c.Query;
    EXPECT_NEAR(place->Latitude, c.Latitude, 0.01) << c.Query;
    EXPECT_NEAR(place->Longitude, c.Longitude, 0.01) << c.Query;
  }
}

}  // namespace
