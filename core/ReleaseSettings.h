// The values of the main window's input controls, read at the moment a
// command runs: what the listings compute from and what the options file and
// the chart files keep.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Chronocrators.h"

namespace ostrane {

// The choices of the radio groups.  Each value is the item index the options
// and chart files keep; None (-1) is a group with nothing selected.
enum class TDateStyle : std::int32_t { None = -1, European = 0, American = 1, Scientific = 2 };
enum class TSignNameStyle : std::int32_t { None = -1, Short = 0, Long = 1 };
enum class TLooseBond : std::int32_t { None = -1, Never = 0, Always = 1 };
// Where the places of the periods (and so the angles, the peak periods) are
// counted from.
enum class TAnglesFrom : std::int32_t { Fortune = 0, StartSign = 1 };

// An item index with nothing selected (the month, the start sign, Fortune's
// sign).
inline constexpr std::int32_t kNoSelection = -1;

// The item index a choice stands for in the files, the batch and the
// controls: the enumerator's value, -1 for None.
template <class TChoice>
constexpr std::int32_t ToItemIndex(TChoice choice) {
  return static_cast<std::int32_t>(choice);
}
// The choice of item index `index`, which the caller has kept within the
// choice's range (-1 for None where the choice has one).
template <class TChoice>
constexpr TChoice FromItemIndex(std::int32_t index) {
  return static_cast<TChoice>(index);
}
// The ranges of the input controls.
inline constexpr int kMaxNameLength = 50;  // typed; a file may hold a longer name
inline constexpr std::int32_t kMinDay = 1, kMaxDay = 31;
inline constexpr std::int32_t kMinYear = -4712, kMaxYear = 10000;
inline constexpr std::int32_t kMinGeneralPeriods = 1, kMaxGeneralPeriods = 200;

// Which offset a clock time takes that the clocks skipped (a gap) or showed
// twice (an overlap) when daylight-saving time began or ended: the one in
// force before the clocks changed (Earlier) or after (Later).  Ask leaves the
// question open; a reading that must go on meanwhile takes Earlier.
enum class TDstChoice : std::int32_t { Ask = 0, Earlier = 1, Later = 2 };
// The sect of a chart: Day or Night.  As a choice, Computed takes it from the
// Sun's altitude; a chart's sect is never Computed.
enum class TSect : std::int32_t { Computed = 0, Day = 1, Night = 2 };

// The doctrine's variants a chart is computed with; the defaults are the
// program's.  Each value is what the chart and options files keep.
// The zodiac: tropical, or sidereal through an ayanamsa.
enum class TZodiac : std::int32_t { Tropical = 0, FaganBradley = 1, Lahiri = 2 };
// The lots' formula: reversed by night (Sect) or the day formula always.
enum class TLotFormula : std::int32_t { Sect = 0, Day = 1 };
// Where the horizon lies for the sect: the Sun's centre above the geometric
// horizon (altitude > 0) or above the visible one (altitude > -0.833).
enum class TSectHorizon : std::int32_t { Geometric = 0, Visible = 1 };
struct TChartVariants {
  TZodiac Zodiac = TZodiac::Tropical;
  TLotFormula LotFormula = TLotFormula::Sect;
  TSectHorizon SectHorizon = TSectHorizon::Geometric;
  bool operator==(const TChartVariants&) const = default;
};

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
  TDstChoice Dst = TDstChoice::Ask;
  TSect Sect = TSect::Computed;
  // The variants the chart is computed with (kept with the place, which the
  // chart needs anyway).
  TChartVariants Variants{};

  bool Known() const { return Latitude.has_value() && Longitude.has_value(); }
  bool operator==(const TBirthPlace&) const = default;
};

// Each selection of a list is an item index, -1 when nothing is selected;
// the radio groups hold their choices (None when nothing is selected).
struct ReleaseSettings {
  std::string Name = "Time Lords";
  std::int32_t MonthIndex = 0;  // 0 January .. 11 December
  std::int32_t Day = 1;         // 1 .. 31
  std::int32_t Year = 1;        // -4712 .. 10000
  std::string TimeText = "12:00:00";
  std::string JulianDateText;
  std::int32_t StartSign = 0;  // SignIndex 0 .. 11
  TReleasingType ReleasingType = TReleasingType::Valens;
  std::int32_t GeneralPeriods = 6;  // 1 .. 200
  TDateStyle DateStyle = TDateStyle::American;
  TSignNameStyle SignNameStyle = TSignNameStyle::Long;
  TLooseBond LooseBondType = TLooseBond::Always;
  // The sign of the Lot of Fortune, SignIndex 0 .. 11, or -1 when unknown.
  std::int32_t FortuneSign = -1;
  TAnglesFrom AnglesFrom = TAnglesFrom::Fortune;
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
