#include <cmath>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/Coordinates.h"
#include "core/Errors.h"

using namespace ostrane;

namespace {

// The message of the EConvertError the parse throws; empty when it does not.
std::string MessageOf(const std::function<void()>& parse) {
  try {
    parse();
  } catch (const EConvertError& e) {
    return e.what();
  }
  return {};
}

double Parse(bool latitude, const std::string& text) {
  return latitude ? ParseLatitude(text) : ParseLongitude(text);
}

constexpr bool kLat = true;
constexpr bool kLon = false;

// Every text is read as the degrees given or refused with a message that
// names it and says why.
TEST(Coordinates, ReadsOrRefusesWithAReason) {
  const struct {
    bool Latitude;
    std::string Text;
    std::string Message;  // how the refusal begins; empty: read
    double Degrees = 0;
  } cases[] = {
      {kLat, "52.3676", "", 52.3676},
      {kLat, "-33.87", "", -33.87},
      {kLat, "+52.5", "", 52.5},
      {kLat, ".5", "", 0.5},
      {kLat, "5.", "", 5},
      {kLat, " 52.37\t", "", 52.37},
      {kLat, "-90.000", "", -90},
      {kLat, "52n22", "", 52 + 22 / 60.0},
      {kLat, "52N22'30", "", 52 + 22 / 60.0 + 30 / 3600.0},
      {kLat, "33s52", "", -(33 + 52 / 60.0)},
      {kLat, "52n", "", 52},
      {kLat, "0s30", "", -0.5},
      {kLat, "52n2", "", 52 + 2 / 60.0},
      {kLat, "90n00", "", 90},
      {kLat, "007n05", "", 7 + 5 / 60.0},
      {kLon, "180", "", 180},
      {kLon, "4e54", "", 4 + 54 / 60.0},
      {kLon, "151E12", "", 151 + 12 / 60.0},
      {kLon, "74w00'36", "", -(74 + 36 / 3600.0)},
      {kLon, "180w", "", -180},
      {kLat, "abc", "'abc' is not a latitude; write it as 52.37, -33.87, 52n22 or 52n22'30"},
      {kLon, "x", "'x' is not a longitude; write it as 4.9, -74.01, 4e54 or 74w00'36"},
      {kLat, "", "'' is not a latitude"},
      {kLat, "1.2.3", "'1.2.3' is not a latitude"},
      {kLat, "1e1", "'1e1' is not a latitude"},
      {kLat, "-52n22", "'-52n22' is not a latitude"},
      {kLat, "52n22'", "'52n22'' is not a latitude"},
      {kLat, "52n223", "'52n223' is not a latitude"},
      {kLat, "1000n", "'1000n' is not a latitude"},
      {kLat, "52e22", "'52e22' is not a latitude: its letter must be n or s"},
      {kLon, "4n54", "'4n54' is not a longitude: its letter must be e or w"},
      {kLat, "52n60", "'52n60' is not a latitude: minutes and seconds run from 0 to 59"},
      {kLat, "52n22'60", "'52n22'60' is not a latitude: minutes and seconds run from 0 to 59"},
      {kLat, "90.0001", "'90.0001' is out of range: a latitude lies between -90 and 90 degrees"},
      {kLat, std::string(400, '9'), "'" + std::string(400, '9') + "' is out of range"},
      {kLon, "180.5", "'180.5' is out of range: a longitude lies between -180 and 180 degrees"},
  };
  for (const auto& c : cases) {
    double value = NAN;
    const std::string message = MessageOf([&] { value = Parse(c.Latitude, c.Text); });
    if (!c.Message.empty()) {
      EXPECT_EQ(message.rfind(c.Message, 0), 0u) << c.Text << ": " << message;
      continue;
    }
    EXPECT_EQ(message, "") << c.Text;
    EXPECT_NEAR(value, c.Degrees, 1e-12) << c.Text;
  }
}

TEST(Coordinates, FormatsToTheSecondAndReadsBack) {
  const struct {
    double Degrees;
    const char* Latitude;
    const char* Longitude;
  } cases[] = {{52.37403, "52n22'27", "52e22'27"},
               {-33.86785, "33s52'04", "33w52'04"},
               {4.9, "4n54", "4e54"},
               {0, "0n00", "0e00"},
               {-0.0001, "0n00", "0e00"},
               {-0.0002, "0s00'01", "0w00'01"},
               {89.99999, "90n00", "90e00"},
               {-179.9998, nullptr, "179w59'59"}};
  for (const auto& c : cases) {
    if (c.Latitude) {
      EXPECT_EQ(FormatLatitude(c.Degrees), c.Latitude) << c.Degrees;
      EXPECT_NEAR(ParseLatitude(FormatLatitude(c.Degrees)), c.Degrees, 0.5 / 3600) << c.Degrees;
    }
    EXPECT_EQ(FormatLongitude(c.Degrees), c.Longitude) << c.Degrees;
    EXPECT_NEAR(ParseLongitude(FormatLongitude(c.Degrees)), c.Degrees, 0.5 / 3600) << c.Degrees;
  }
}

// Every offset is read, and formatted back, or refused with a message that
// names it and says why.
TEST(UtcOffsets, ReadsAndFormatsOrRefusesWithAReason) {
  const struct {
    const char* Text;
    std::string Message;  // how the refusal begins; empty: read
    std::int32_t Seconds = 0;
    const char* Formatted = "";
  } cases[] = {
      {"+01:00", "", 3600, "+01:00"},
      {"-05:30", "", -19800, "-05:30"},
      {"+5:30", "", 19800, "+05:30"},
      {"+0530", "", 19800, "+05:30"},
      {"-5", "", -18000, "-05:00"},
      {"+00:19:32", "", 1172, "+00:19:32"},
      {"+001932", "", 1172, "+00:19:32"},
      {"Z", "", 0, "+00:00"},
      {"z", "", 0, "+00:00"},
      {" -00:00 ", "", 0, "+00:00"},
      {"+18:00", "", 64800, "+18:00"},
      {"-18:00:00", "", -64800, "-18:00"},
      {"-00:00:01", "", -1, "-00:00:01"},
      {"\xE2\x88\x92"  // U+2212 MINUS SIGN
       "03:00",
       "", -10800, "-03:00"},
      {"01:00", "'01:00' is not a UTC offset; write it as +01:00, -05:30, +0530 or Z"},
      {"", "'' is not a UTC offset"},
      {"+1:0", "'+1:0' is not a UTC offset"},
      {"+530", "'+530' is not a UTC offset"},
      {"+05300", "'+05300' is not a UTC offset"},
      {"+01.5", "'+01.5' is not a UTC offset"},
      {"+01:00 CET", "'+01:00 CET' is not a UTC offset"},
      {"+01:60", "'+01:60' is not a UTC offset: minutes and seconds run from 00 to 59"},
      {"+01:00:60", "'+01:00:60' is not a UTC offset: minutes and seconds run from 00 to 59"},
      {"+18:00:01", "'+18:00:01' is out of range: a UTC offset lies between -18:00 and +18:00"},
      {"+99:59", "'+99:59' is out of range"},
  };
  for (const auto& c : cases) {
    std::int32_t value = -1;
    const std::string message = MessageOf([&] { value = ParseUtcOffset(c.Text); });
    if (!c.Message.empty()) {
      EXPECT_EQ(message.rfind(c.Message, 0), 0u) << c.Text << ": " << message;
      continue;
    }
    EXPECT_EQ(message, "") << c.Text;
    EXPECT_EQ(value, c.Seconds) << c.Text;
    EXPECT_EQ(FormatUtcOffset(c.Seconds), c.Formatted) << c.Seconds;
  }
}

}  // namespace
