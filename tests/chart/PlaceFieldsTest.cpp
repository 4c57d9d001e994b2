// The birth place's fields as typed, read into a place and written back.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/PlaceFields.h"
#include "core/Coordinates.h"
#include "core/Errors.h"

namespace ostrane {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "|";
  return text;
}

TEST(PlaceFields, ReadPlaceTextsReadsTheFieldsOrSaysWhatIsWrong) {
  const struct {
    TPlaceTexts texts;   // name, latitude, longitude, zone, offset
    const char* errors;  // the sentences, each followed by "|"
    double latitude = 0, longitude = 0;
  } cases[] = {
      {{"Amsterdam", " 52.37403 ", "4.88969", "Europe/Amsterdam", ""}, "", 52.37403, 4.88969},
      {{"", "33s52", "151e12'30", "", "+10:00"},
       "",
       -(33 + 52 / 60.0),
       151 + 12 / 60.0 + 30 / 3600.0},
      {{"", "", "", "", ""}, "", 0, 0},  // no place
      {{"X", "52", "", "Europe/Amsterdam", ""}, "Give the longitude too.|"},
      {{"X", "", "4", "Europe/Amsterdam", ""}, "Give the latitude too.|"},
      {{"X", "52", "4", " ", ""}, "Give a time zone or a UTC offset.|"},
      {{"Nowhere", "", "", "", ""},
       "Give the latitude and the longitude, or choose a place from the list.|"},
  };
  for (const auto& c : cases) {
    const TPlaceTexts& t = c.texts;
    SCOPED_TRACE(t.Name + "|" + t.Latitude + "|" + t.Longitude + "|" + t.TimeZone);
    const TPlaceReading r = ReadPlaceTexts(t);
    EXPECT_EQ(Joined(r.Errors), c.errors);
    ASSERT_EQ(r.Place.has_value(), !*c.errors);
    if (!r.Place) continue;
    EXPECT_EQ(r.Place->Latitude.value_or(0), c.latitude);
    EXPECT_EQ(r.Place->Longitude.value_or(0), c.longitude);
  }
  // Each bad field is named by its own message, in field order.
  const TPlaceReading bad = ReadPlaceTexts({"X", "91", "4", "Mars/Olympus", "+19:00"});
  EXPECT_FALSE(bad.Place.has_value());
  ASSERT_EQ(bad.Errors.size(), 3u) << Joined(bad.Errors);
  EXPECT_NE(bad.Errors[0].find("'91'"), std::string::npos) << bad.Errors[0];
  EXPECT_EQ(bad.Errors[1], "'Mars/Olympus' is not a time zone of the time-zone database.");
  EXPECT_NE(bad.Errors[2].find("'+19:00'"), std::string::npos) << bad.Errors[2];
}

TEST(PlaceFields, PlaceTextsReadBackToTheSamePlace) {
  const TBirthPlace places[] = {
      {"Amsterdam, North Holland, NL", 52.37403, 4.88969, "Europe/Amsterdam", {}},
      {"", -33.8678500001, 151.2073200001, "", 36000, TDstChoice::Later, TSect::Night},
      {"", 0.1 + 0.2, -180, "UTC", -(3 * 3600 + 30 * 60 + 5)},  // 0.1 + 0.2: 17 digits
      {},                                                       // no place
  };
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

// The one reader of a field's text that the files, the command line, the
// batch and the dialog share: a value, or the message and the place as it was.
TEST(PlaceFields, ReadPlaceFieldSetsTheFieldOrLeavesThePlace) {
  const struct {
    const char* name;
    TPlaceField field;
    const char* text;
    const char* error;  // the whole message, the start of it for a parser's, or nullptr
  } cases[] = {
      {"a latitude", TPlaceField::Latitude, "52n22", nullptr},
      {"a latitude past the pole", TPlaceField::Latitude, "91", "'91'"},
      {"a longitude", TPlaceField::Longitude, "-4.5", nullptr},
      {"a known zone", TPlaceField::TimeZone, "Europe/Amsterdam", nullptr},
      {"an unknown zone", TPlaceField::TimeZone, "Mars/Olympus",
       "'Mars/Olympus' is not a time zone of the time-zone database"},
      {"no zone", TPlaceField::TimeZone, "", "'' is not a time zone of the time-zone database"},
      {"an offset", TPlaceField::UtcOffset, "+05:30", nullptr},
      {"an offset too far east", TPlaceField::UtcOffset, "+19:00", "'+19:00'"},
      {"the later offset", TPlaceField::Dst, "later", nullptr},
      {"ask, written as nothing", TPlaceField::Dst, "", nullptr},
      {"ask by its name", TPlaceField::Dst, "ask", "'ask' is neither earlier nor later"},
      {"night", TPlaceField::Sect, "night", nullptr},
      {"a sect in capitals", TPlaceField::Sect, "Day", "'Day' is neither day nor night"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TBirthPlace place{"Before", 1.0, 2.0, "UTC", 60, TDstChoice::Earlier, TSect::Day};
    const TBirthPlace before = place;
    std::string message;
    try {
      ReadPlaceField(place, c.field, c.text);
    } catch (const EConvertError& e) {
      message = e.what();
    }
    if (!c.error) {
      EXPECT_EQ(message, "");
      continue;
    }
    if (c.error[0] == '\'' && std::string(c.error).find(' ') == std::string::npos)
      EXPECT_EQ(message.rfind(c.error, 0), 0u) << message;
    else
      EXPECT_EQ(message, c.error);
    EXPECT_EQ(place.Latitude, before.Latitude);
    EXPECT_EQ(place.TimeZone, before.TimeZone);
    EXPECT_EQ(place.UtcOffsetSeconds, before.UtcOffsetSeconds);
    EXPECT_EQ(place.Dst, before.Dst);
    EXPECT_EQ(place.Sect, before.Sect);
  }
  TBirthPlace place;
  ReadPlaceField(place, TPlaceField::Dst, "later");
  ReadPlaceField(place, TPlaceField::Sect, "night");
  ReadPlaceField(place, TPlaceField::UtcOffset, "+05:30");
  EXPECT_EQ(place.Dst, TDstChoice::Later);
  EXPECT_EQ(place.Sect, TSect::Night);
  EXPECT_EQ(place.UtcOffsetSeconds, 19800);
  ClearPlaceField(place, TPlaceField::Dst);
  ClearPlaceField(place, TPlaceField::UtcOffset);
  EXPECT_EQ(place.Dst, TDstChoice::Ask);
  EXPECT_FALSE(place.UtcOffsetSeconds.has_value());
}

TEST(PlaceFields, DegreesTextIsTheShortestWithoutAnExponent) {
  const struct {
    double degrees;
    const char* text;
  } cases[] = {{52.37403, "52.37403"},
               {-4.0, "-4"},
               {0.1 + 0.2, "0.30000000000000004"},
               {1e-16, "0.0000000000000001"},
               {-1.25e-5, "-0.0000125"},
               {180.0, "180"}};
  for (const auto& c : cases) {
    const std::string text = DegreesText(c.degrees);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(ParseLongitude(text), c.degrees) << text;
  }
}

}  // namespace
}  // namespace ostrane
