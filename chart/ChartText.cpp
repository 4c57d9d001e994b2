#include "chart/ChartText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Coordinates.h"
#include "core/Errors.h"

namespace ostrane {
namespace {

std::string OneDecimal(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

}  // namespace

std::string OffsetName(const TZoneOffset& offset) {
  std::string seconds = FormatUtcOffset(offset.Seconds);
  if (offset.LocalMeanTime) return "local mean time " + seconds;
  const std::string& a = offset.Abbreviation;
  if (a.empty() || a[0] == '+' || a[0] == '-') return seconds;
  return seconds + " " + a;
}

std::string ZoneOffsetText(const TZoneResolution& zone) {
  std::string text;
  switch (zone.Status) {
    case TZoneStatus::UnknownZone: text = "unknown time zone"; break;
    case TZoneStatus::Unique: text = OffsetName(zone.Earlier); break;
    case TZoneStatus::Gap:
      text = OffsetName(zone.Earlier) + " or " + OffsetName(zone.Later) +
             ": the clocks skipped this time";
      break;
    case TZoneStatus::Overlap:
      text =
          OffsetName(zone.Earlier) + " or " + OffsetName(zone.Later) + ": this time occurred twice";
      break;
  }
  if (zone.Manual) text += "; the UTC offset " + FormatUtcOffset(zone.Offset.Seconds) + " is used";
  return text;
}

std::string PlaceNameText(const TBirthPlace& place) {
  return place.Name.empty() ? "(no name)" : place.Name;
}

std::string CoordinatesText(const TBirthPlace& place) {
  if (!place.Known()) return {};
  return FormatLatitude(*place.Latitude) + ", " + FormatLongitude(*place.Longitude);
}

std::string ZoneText(const TBirthPlace& place) {
  std::string text = place.TimeZone;
  if (place.UtcOffsetSeconds)
    text += (text.empty() ? "" : ", ") + std::string("UTC offset ") +
            FormatUtcOffset(*place.UtcOffsetSeconds);
  return text;
}

std::string SectText(const TChart& chart) {
  std::string text = chart.Sect == TSect::Day ? "Day" : "Night";
  if (chart.Sect != chart.ComputedSect) text += ", set by hand";
  const double altitude = chart.SunAltitudeDeg;
  text += " (the Sun " + OneDecimal(std::fabs(altitude)) + "\u00B0 " +
          (altitude > 0 ? "above" : "below") + " the horizon";
  if (chart.NearHorizon) text += ": near it, the sect depends on the exact birth time";
  return text + ")";
}

std::vector<std::string> ChartWarnings(const TBirthChart& b) {
  std::vector<std::string> warnings;
  const TChart& c = b.Chart;
  if (c.FortuneNearBoundary)
    warnings.emplace_back(
        "The Lot of Fortune lies within 1\u00B0 of a sign boundary: a small error "
        "in the birth time may move it into the next sign.");
  if (c.SpiritNearBoundary)
    warnings.emplace_back(
        "The Lot of Spirit lies within 1\u00B0 of a sign boundary: a small error "
        "in the birth time may move it into the next sign.");
  const TZoneResolution& z = b.Zone;
  if (z.Offset.LocalMeanTime && !z.Manual)
    warnings.push_back("The clocks kept local mean time then: the birthplace's own, " +
                       FormatUtcOffset(z.Offset.Seconds) + ", is used.");
  if (z.Status == TZoneStatus::Gap || z.Status == TZoneStatus::Overlap) {
    const std::string what = z.Status == TZoneStatus::Gap
                                 ? "The clocks skipped the birth time (from "
                                 : "The birth time occurred twice (at ";
    const std::string taken =
        z.Manual ? "the UTC offset " + FormatUtcOffset(z.Offset.Seconds) + " is used."
        : z.Offset.Seconds == z.Earlier.Seconds && z.Offset.Abbreviation == z.Earlier.Abbreviation
            ? "the earlier offset, " + OffsetName(z.Earlier) + ", is taken."
            : "the later offset, " + OffsetName(z.Later) + ", is taken.";
    warnings.push_back(what + OffsetName(z.Earlier) +
                       (z.Status == TZoneStatus::Gap ? " to " : " and ") + OffsetName(z.Later) +
                       "): " + taken);
  }
  if (c.Sect != c.ComputedSect)
    warnings.push_back(std::string("The sect is set to ") +
                       (c.Sect == TSect::Day ? "day" : "night") +
                       " by hand, not taken from the Sun's altitude.");
  if (c.DubiousYear)
    warnings.emplace_back("The difference between UTC and TT for that year is extrapolated.");
  return warnings;
}

std::vector<std::string> ChartNotes(const TBirthChart& b) {
  std::vector<std::string> notes;
  if (b.Chart.NearHorizon && b.Chart.Sect == b.Chart.ComputedSect)
    notes.emplace_back(
        "The Sun stands within 1 degree of the horizon: the sect depends on the exact "
        "birth time; --sect day or --sect night decides it.");
  for (std::string& warning : ChartWarnings(b)) notes.push_back(std::move(warning));
  return notes;
}

TChartView ChartView(const TBirthPlace& place, const TBirthChartResult& result) {
  TChartView view;
  const bool empty = place.Name.empty() && !place.Known() && ZoneText(place).empty();
  view.Rows.emplace_back("Place", empty ? "none" : PlaceNameText(place));
  if (!CoordinatesText(place).empty())
    view.Rows.emplace_back("Coordinates", CoordinatesText(place));
  std::string zone = ZoneText(place);
  if (result.Value) zone += (zone.empty() ? "" : ", ") + OffsetName(result.Value->Zone.Offset);
  if (!zone.empty()) view.Rows.emplace_back("Time zone", zone);
  if (!place.Known()) {
    view.Status = kNoPlaceText;
    return view;
  }
  if (!result.Value) {
    view.Status = result.Error;
    if (result.NeedsDstChoice) view.Status += " " + std::string(kDstChoiceHint);
    view.CanRelease = result.NeedsDstChoice;
    return view;
  }
  const TChart& c = result.Value->Chart;
  view.Rows.emplace_back("Ascendant", SignPositionText(c.AscendantDeg));
  view.Rows.emplace_back("Sun", SignPositionText(c.SunDeg));
  view.Rows.emplace_back("Moon", SignPositionText(c.MoonDeg));
  for (TPlanet planet :
       {TPlanet::Mercury, TPlanet::Venus, TPlanet::Mars, TPlanet::Jupiter, TPlanet::Saturn})
    view.Rows.emplace_back(PlanetName(planet),
                           PlanetPositionText(c.Planets[static_cast<std::size_t>(Index(planet))]));
  view.Rows.emplace_back("Lot of Fortune", SignPositionText(c.FortuneDeg));
  view.Rows.emplace_back("Lot of Spirit", SignPositionText(c.SpiritDeg));
  for (TLot lot : {TLot::Eros, TLot::Necessity, TLot::Courage, TLot::Victory, TLot::Nemesis})
    view.Rows.emplace_back("Lot of " + std::string(LotName(lot)), SignPositionText(c.LotDeg(lot)));
  view.Rows.emplace_back("Sect", SectText(c));
  view.Rows.emplace_back("Zodiac", ZodiacText(c));
  view.Rows.emplace_back("Variants", VariantsText(c.Variants));
  view.Warnings = ChartWarnings(*result.Value);
  view.CanRelease = true;
  return view;
}

std::string PlanetPositionText(const TPlanetPosition& position) {
  return SignPositionText(position.LongitudeDeg) + (position.Retrograde ? " \u211E" : "");
}

std::string ZodiacName(TZodiac zodiac) {
  switch (zodiac) {
    case TZodiac::Tropical: return "Tropical";
    case TZodiac::FaganBradley: return "Fagan\u2013Bradley";
    case TZodiac::Lahiri: return "Lahiri";
  }
  return {};
}

std::string LotFormulaName(TLotFormula formula) {
  return formula == TLotFormula::Day ? "Day formula always" : "Reversed by night";
}

std::string SectHorizonName(TSectHorizon horizon) {
  return horizon == TSectHorizon::Visible ? "Visible horizon (\u22120.833\u00B0)"
                                          : "Geometric horizon";
}

std::string ZodiacText(const TChart& chart) {
  if (chart.Variants.Zodiac == TZodiac::Tropical) return ZodiacName(TZodiac::Tropical);
  // Whole minutes, a hair below one counted as it (as ToSignPosition does).
  const auto minutes = static_cast<long>(std::floor(std::fabs(chart.AyanamsaDeg) * 60.0 + 1e-7));
  char text[32];
  std::snprintf(text, sizeof text, "%s%ld\u00B0%02ld\u2032", chart.AyanamsaDeg < 0 ? "-" : "",
                minutes / 60, minutes % 60);
  return "Sidereal, " + ZodiacName(chart.Variants.Zodiac) + " (ayanamsa " + text + ")";
}

std::string VariantsText(const TChartVariants& variants) {
  return std::string(variants.LotFormula == TLotFormula::Day ? "Lots by the day formula always"
                                                             : "Lots reversed by night") +
         "; sect by the " +
         (variants.SectHorizon == TSectHorizon::Visible ? "visible horizon (\u22120.833\u00B0)"
                                                        : "geometric horizon");
}

TDstQuestion DstQuestion(const std::string& zoneId, const TZoneResolution& zone) {
  TDstQuestion q;
  q.Text = zone.Status == TZoneStatus::Gap
               ? "The birth time did not exist in " + zoneId + ": the clocks moved on from " +
                     OffsetName(zone.Earlier) + " to " + OffsetName(zone.Later) + " over it."
               : "The birth time occurred twice in " + zoneId + ": first at " +
                     OffsetName(zone.Earlier) + ", then at " + OffsetName(zone.Later) + ".";
  q.Text += " Which offset did the birth take?";
  q.Earlier = "Earlier: " + OffsetName(zone.Earlier);
  q.Later = "Later: " + OffsetName(zone.Later);
  return q;
}

}  // namespace ostrane
