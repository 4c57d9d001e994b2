// The texts of the birth place dialog and the chart panel, apart from their
// widgets: the offset of the time zone at the birth, the chart's lines and
// its warnings.  The dialog's fields are read by PlaceFields.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/BirthChart.h"
#include "chart/PlaceFields.h"
#include "chart/TimeZones.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

// The offset of a zone at the birth, as the dialog shows it beside the
// zone: "+01:19:32 NST", "+05:30" (when the abbreviation is only the offset
// again), "local mean time +00:19:32", "+01:00 CET or +02:00 CEST: the
// clocks skipped this time", "... : this time occurred twice", "unknown
// time zone".  With a manual offset, what the zone gives, then
// "; the UTC offset +01:00 is used".
std::string ZoneOffsetText(const TZoneResolution& zone);

// One offset: "+01:00 CET", "+05:30", "local mean time +00:19:32".
std::string OffsetName(const TZoneOffset& offset);

// The rows of the place: its name ("(no name)" when it has none), its
// coordinates ("52n22'27, 4e53'23"; empty when unknown) and its zone
// ("Europe/Amsterdam", "UTC offset +01:00", "Europe/Amsterdam, UTC offset
// +01:00"; empty when neither is given).
std::string PlaceNameText(const TBirthPlace& place);
std::string CoordinatesText(const TBirthPlace& place);
std::string ZoneText(const TBirthPlace& place);

// What the chart panel shows.
struct TChartView {
  // Empty when the chart is shown; else why not, in a sentence: "No birth
  // place: enter one to compute the chart." or the chart's error.
  std::string Status;
  // Label and value, in the order of kChartRows: Place, Coordinates, Time
  // zone (with the offset taken when there is a chart), Ascendant, Sun,
  // Moon, Mercury .. Saturn (with " ℞" when retrograde), Lot of Fortune,
  // Lot of Spirit, Lot of Eros .. Lot of Nemesis, Sect, Zodiac, Variants.
  // Without a chart only the place's rows (Place "none" when there is no
  // place at all).
  std::vector<std::pair<std::string, std::string>> Rows;
  // The doubtful points of the chart, one sentence each.
  std::vector<std::string> Warnings;
  // The releases can be asked for: a chart, or one that waits for the
  // daylight-saving choice.
  bool CanRelease = false;
};

// The rows a TChartView may hold, in its order, and the objectNames the
// chart panel gives their values.
struct TChartRowName {
  const char* Caption;
  const char* Name;
};
inline constexpr TChartRowName kChartRows[] = {{"Place", "ChartPlace"},
                                               {"Coordinates", "ChartCoordinates"},
                                               {"Time zone", "ChartZone"},
                                               {"Ascendant", "ChartAscendant"},
                                               {"Sun", "ChartSun"},
                                               {"Moon", "ChartMoon"},
                                               {"Mercury", "ChartMercury"},
                                               {"Venus", "ChartVenus"},
                                               {"Mars", "ChartMars"},
                                               {"Jupiter", "ChartJupiter"},
                                               {"Saturn", "ChartSaturn"},
                                               {"Lot of Fortune", "ChartFortune"},
                                               {"Lot of Spirit", "ChartSpirit"},
                                               {"Lot of Eros", "ChartEros"},
                                               {"Lot of Necessity", "ChartNecessity"},
                                               {"Lot of Courage", "ChartCourage"},
                                               {"Lot of Victory", "ChartVictory"},
                                               {"Lot of Nemesis", "ChartNemesis"},
                                               {"Sect", "ChartSect"},
                                               {"Zodiac", "ChartZodiac"},
                                               {"Variants", "ChartVariants"}};

inline constexpr const char* kNoPlaceText = "No birth place: enter one to compute the chart.";
// Added to the status of a chart that waits for the daylight-saving choice.
inline constexpr const char* kDstChoiceHint =
    "Release from a lot to be asked, or set Daylight saving in the Birth Place dialog.";

// The panel's view of the chart of `place` (the place the result was
// computed for).
TChartView ChartView(const TBirthPlace& place, const TBirthChartResult& result);

// The warnings of a chart: a lot within 1 degree of a sign boundary, local
// mean time taken for the clocks, a clock time in a daylight-saving gap or
// overlap with the offset taken, a sect set by hand, an extrapolated
// difference between UTC and TT.
std::vector<std::string> ChartWarnings(const TBirthChart& chart);

// The doubtful points of a chart, a sentence each, as ostrane-list --lots
// and the batch's notes column give them: a Sun near the horizon (with the
// flag that decides the sect), then the warnings above.
std::vector<std::string> ChartNotes(const TBirthChart& chart);

// The sect line: "Day (the Sun 35.2° above the horizon)", "Night (the Sun
// 0.4° below the horizon: near it, the sect depends on the exact birth
// time)", "Night, set by hand (the Sun 12.0° above the horizon)".
std::string SectText(const TChart& chart);

// A planet's position: "Taurus 26°05′", "Virgo 3°12′ ℞" when retrograde.
std::string PlanetPositionText(const TPlanetPosition& position);

// The choices of the chart's variants as the chart panel offers them:
// "Tropical", "Fagan–Bradley", "Lahiri"; "Reversed by night", "Day formula
// always"; "Geometric horizon", "Visible horizon (−0.833°)".
std::string ZodiacName(TZodiac zodiac);
std::string LotFormulaName(TLotFormula formula);
std::string SectHorizonName(TSectHorizon horizon);

// The zodiac line: "Tropical", "Sidereal, Lahiri (ayanamsa 23°43′)", the
// ayanamsa in whole degrees and minutes, truncated.
std::string ZodiacText(const TChart& chart);

// The variants line: "Lots reversed by night; sect by the geometric
// horizon", "Lots by the day formula always; sect by the visible horizon
// (−0.833°)".
std::string VariantsText(const TChartVariants& variants);

// The question of the daylight-saving choice, for a zone resolved to a gap
// or an overlap at the birth's clock time.
struct TDstQuestion {
  std::string Text;
  std::string Earlier;  // the buttons: "Earlier: +01:00 CET"
  std::string Later;    // "Later: +02:00 CEST"
};
TDstQuestion DstQuestion(const std::string& zoneId, const TZoneResolution& zone);

}  // namespace ostrane
