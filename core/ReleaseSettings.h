// The values of the main window's input controls, read at the moment a
// command runs: what the listings compute from and what the options file and
// the chart files keep.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ostrane {

enum DateStyle : std::int32_t { kEuropean = 0, kAmerican = 1, kScientific = 2 };
enum SignNameStyle : std::int32_t { kShortNames = 0, kLongNames = 1 };
enum LooseBondType : std::int32_t { kNever = 0, kAlways = 1 };
// Where the places of the periods (and so the angles, the peak periods) are
// counted from.
enum AnglesFrom : std::int32_t { kFromFortune = 0, kFromStartSign = 1 };

inline constexpr std::int32_t kNoSelection = -1;
// The ranges of the input controls.
inline constexpr int kMaxNameLength = 50;  // typed; a file may hold a longer name
inline constexpr std::int32_t kMinDay = 1, kMaxDay = 31;
inline constexpr std::int32_t kMinYear = -4712, kMaxYear = 10000;
inline constexpr std::int32_t kMinGeneralPeriods = 1, kMaxGeneralPeriods = 200;

// Which offset a clock time takes that the clocks skipped (a gap) or showed
// twice (an overlap) when daylight-saving time began or ended.
enum DstChoice : std::int32_t { kDstAsk = 0, kDstEarlier = 1, kDstLater = 2 };
// The sect of the lots when it is not taken from the Sun's altitude.
enum SectChoice : std::int32_t { kSectComputed = 0, kSectDay = 1, kSectNight = 2 };

// Where the birth took place, for the chart and the lots.  The program works
// as before without one: nothing is computed while the coordinates are
// unknown.
struct TBirthPlace {
  std::string Name;                 // as chosen or typed; may be empty
  std::optional<double> Latitude;   // degrees, north positive, -90 .. 90
  std::optional<double> Longitude;  // degrees, east positive, -180 .. 180
  std::string TimeZone;             // IANA time-zone id; empty when none
  // A UTC offset in seconds east that overrides the zone (records that give
  // one, places without a zone), -18 h .. 18 h.
  std::optional<std::int32_t> UtcOffsetSeconds;
  std::int32_t Dst = kDstAsk;
  std::int32_t Sect = kSectComputed;

  bool Known() const { return Latitude.has_value() && Longitude.has_value(); }
};

// Each selection is an item index, -1 when nothing is selected.
struct ReleaseSettings {
  std::string Name = "Time Lords";
  std::int32_t MonthIndex = 0;  // 0 January .. 11 December
  std::int32_t Day = 1;         // 1 .. 31
  std::int32_t Year = 1;        // -4712 .. 10000
  std::string TimeText = "12:00:00";
  std::string JulianDateText;
  std::int32_t StartSign = 0;  // SignIndex 0 .. 11
  std::int32_t ReleasingType = 2;
  std::int32_t GeneralPeriods = 6;  // 1 .. 200
  std::int32_t DateStyle = kAmerican;
  std::int32_t SignNameStyle = kLongNames;
  std::int32_t LooseBondType = kAlways;
  // The sign of the Lot of Fortune, SignIndex 0 .. 11, or -1 when unknown.
  std::int32_t FortuneSign = -1;
  std::int32_t AnglesFrom = kFromFortune;
  TBirthPlace Place;
};

// Whether listings of `a` and of `b` hold the same lines: every value but
// the name (a heading only), the Julian Date text (which no listing reads),
// Fortune's sign and where the angles are counted from (which the lines do
// not show), and the birth place (which the listings do not use) is the
// same.  The time is compared as text.
inline bool SameListingInputs(const ReleaseSettings& a, const ReleaseSettings& b) {
  return a.MonthIndex == b.MonthIndex && a.Day == b.Day && a.Year == b.Year &&
         a.TimeText == b.TimeText && a.StartSign == b.StartSign &&
         a.ReleasingType == b.ReleasingType && a.GeneralPeriods == b.GeneralPeriods &&
         a.DateStyle == b.DateStyle && a.SignNameStyle == b.SignNameStyle &&
         a.LooseBondType == b.LooseBondType;
}

}  // namespace ostrane
