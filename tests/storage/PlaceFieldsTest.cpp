// The birth place's fields as typed, read into a place and written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Coordinates.h"
#include "PlaceFields.h"

namespace ostrane {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "|";
  return text;
}

TEST(PlaceFields, ReadPlaceTextsReadsTheFieldsOrSaysWhatIsWrong) {
  struct Case {
    const char* what;
    TPlaceTexts texts;
    bool place;
    double latitude, longitude;
    const char* errors;  // the sentences, each followed by "|"
  };
  const Case cases[] = {
      {"decimal degrees and a zone",
       {"Amsterdam", " 52.37403 ", "4.88969", "Europe/Amsterdam", "", 0, 0},
       true,
       52.37403,
       4.88969,
       ""},
      {"hemisphere letters and an offset only",
       {"", "33s52", "151e12'30", "", "+10:00", 0, 0},
       true,
       -(33 + 52 / 60.0),
       151 + 12 / 60.0 + 30 / 3600.0,
       ""},
      {"all empty: no place", {"", "", "", "", "", 0, 0}, true, 0, 0, ""},
      {"latitude out of range and an unknown zone",
       {"X", "91", "4", "Mars/Olympus", "", 0, 0},
       false,
       0,
       0,
       ""},
      {"a latitude without its longitude",
       {"X", "52", "", "Europe/Amsterdam", "", 0, 0},
       false,
       0,
       0,
       "Give the longitude too.|"},
      {"a longitude without its latitude",
       {"X", "", "4", "Europe/Amsterdam", "", 0, 0},
       false,
       0,
       0,
       "Give the latitude too.|"},
      {"coordinates without a zone or offset",
       {"X", "52", "4", " ", "", 0, 0},
       false,
       0,
       0,
       "Give a time zone or a UTC offset.|"},
      {"a name only",
       {"Nowhere", "", "", "", "", 0, 0},
       false,
       0,
       0,
       "Give the latitude and the longitude, or choose a place from the list.|"},
      {"a bad offset", {"", "52", "4", "", "+19:00", 0, 0}, false, 0, 0, ""},
  };
  for (const Case& c : cases) {
    const TPlaceReading r = ReadPlaceTexts(c.texts);
    EXPECT_EQ(r.Place.has_value(), c.place) << c.what << ": " << Joined(r.Errors);
    EXPECT_EQ(r.Errors.empty(), c.place) << c.what;
    if (*c.errors) {
      EXPECT_EQ(Joined(r.Errors), c.errors) << c.what;
    }
    if (!r.Place) continue;
    EXPECT_EQ(r.Place->Latitude.value_or(0), c.latitude) << c.what;
    EXPECT_EQ(r.Place->Longitude.value_or(0), c.longitude) << c.what;
  }
  // Each bad field is named by its own message, in field order.
  const TPlaceReading bad = ReadPlaceTexts({"X", "91", "4", "Mars/Olympus", "+19:00", 0, 0});
  ASSERT_EQ(bad.Errors.size(), 3u) << Joined(bad.Errors);
  EXPECT_NE(bad.Errors[0].find("'91'"), std::string::npos) << bad.Errors[0];
  EXPECT_EQ(bad.Errors[1], "'Mars/Olympus' is not a time zone of the time-zone database.");
  EXPECT_NE(bad.Errors[2].find("'+19:00'"), std::string::npos) << bad.Errors[2];
}

TEST(PlaceFields, PlaceTextsReadBackToTheSamePlace) {
  TBirthPlace places[4];
  places[0].Name = "Amsterdam, North Holland, NL";
  places[0].Latitude = 52.37403;
  places[0].Longitude = 4.88969;
  places[0].TimeZone = "Europe/Amsterdam";
  places[1].Latitude = -33.8678500001;
  places[1].Longitude = 151.2073200001;
  places[1].UtcOffsetSeconds = 36000;
  places[1].Dst = kDstLater;
  places[1].Sect = kSectNight;
  places[2].Latitude = 0.1 + 0.2;  // not the shortest text at 6 digits
  places[2].Longitude = -180;
  places[2].TimeZone = "UTC";
  places[2].UtcOffsetSeconds = -(3 * 3600 + 30 * 60 + 5);
  // places[3] stays empty: no place.
  for (const TBirthPlace& p : places) {
    const TPlaceTexts texts = PlaceTexts(p);
    const TPlaceReading r = ReadPlaceTexts(texts);
    ASSERT_TRUE(r.Place.has_value()) << texts.Latitude << " " << Joined(r.Errors);
    EXPECT_EQ(r.Place->Name, p.Name);
    EXPECT_EQ(r.Place->Latitude, p.Latitude) << texts.Latitude;
    EXPECT_EQ(r.Place->Longitude, p.Longitude) << texts.Longitude;
    EXPECT_EQ(r.Place->TimeZone, p.TimeZone);
    EXPECT_EQ(r.Place->UtcOffsetSeconds, p.UtcOffsetSeconds) << texts.UtcOffset;
    EXPECT_EQ(r.Place->Dst, p.Dst);
    EXPECT_EQ(r.Place->Sect, p.Sect);
  }
  EXPECT_EQ(PlaceTexts(places[0]).Latitude, "52.37403");
  EXPECT_EQ(PlaceTexts(places[2]).UtcOffset, "-03:30:05");
}

TEST(PlaceFields, DegreesTextIsTheShortestWithoutAnExponent) {
  struct Case {
    double degrees;
    const char* text;
  };
  const Case cases[] = {
      {52.37403, "52.37403"},
      {-4.0, "-4"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e-16, "0.0000000000000001"},
      {-1.25e-5, "-0.0000125"},
      {180.0, "180"},
  };
  for (const Case& c : cases) {
    const std::string text = DegreesText(c.degrees);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(ParseLongitude(text), c.degrees) << text;
  }
}

}  // namespace
}  // namespace ostrane
