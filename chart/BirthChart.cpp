#include "chart/BirthChart.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string>

#include "core/Chronocrators.h"
#include "core/Coordinates.h"
#include "core/IsoDateText.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

std::string OffsetText(const TZoneOffset& offset) {
  std::string text = FormatUtcOffset(offset.Seconds);
  if (!offset.Abbreviation.empty() && offset.Abbreviation[0] != '+' &&
      offset.Abbreviation[0] != '-')
    text += " (" + offset.Abbreviation + ")";
  return text;
}

std::string ClockTimeText(double localJulianDay) {
  // As the main listing shows the birth: the truncated day and its time.
  const std::string iso = FormatIsoDateTime(ShownMoment(1, localJulianDay));
  return iso.substr(iso.find('T') + 1, 5) + " on " + iso.substr(0, iso.find('T'));
}

}  // namespace

TBirthChartResult ComputeBirthChart(const TBirthPlace& place, double localJulianDay) {
  TBirthChartResult result;
  if (!place.Known()) {
    result.Error = "The birth place is not known: give its latitude and longitude.";
    return result;
  }
  if (place.TimeZone.empty() && !place.UtcOffsetSeconds) {
    result.Error =
        "The time zone of the birth place is not known: give a time zone or a UTC offset.";
    return result;
  }
  TZoneResolution zone;
  if (place.TimeZone.empty()) {
    zone.Status = TZoneStatus::Unique;
    zone.Manual = true;
    zone.Offset.Seconds = *place.UtcOffsetSeconds;
    zone.Earlier = zone.Later = zone.Offset;
    zone.UtcJulianDay = localJulianDay - *place.UtcOffsetSeconds / 86400.0;
  } else {
    zone = ResolveTimeZone(place.TimeZone, localJulianDay, *place.Longitude, place.Dst,
                           place.UtcOffsetSeconds);
    if (zone.Status == TZoneStatus::UnknownZone && !place.UtcOffsetSeconds) {
      result.Error = UnknownZoneMessage(place.TimeZone) + ".";
      return result;
    }
    const bool ambiguous = zone.Status == TZoneStatus::Gap || zone.Status == TZoneStatus::Overlap;
    if (ambiguous && place.Dst == TDstChoice::Ask && !place.UtcOffsetSeconds) {
      result.NeedsDstChoice = true;
      result.Zone = zone;
      const std::string when = ClockTimeText(localJulianDay);
      result.Error = zone.Status == TZoneStatus::Gap
                         ? "The clock time " + when + " did not exist in " + place.TimeZone +
                               ": the clocks moved on from " + OffsetText(zone.Earlier) + " to " +
                               OffsetText(zone.Later) + "."
                         : "The clock time " + when + " occurred twice in " + place.TimeZone +
                               ": first at " + OffsetText(zone.Earlier) + ", then at " +
                               OffsetText(zone.Later) + ".";
      result.Error += " Choose the earlier offset (" + FormatUtcOffset(zone.Earlier.Seconds) +
                      ") or the later one (" + FormatUtcOffset(zone.Later.Seconds) + ").";
      return result;
    }
  }
  const TChartResult chart = ComputeChart(zone.UtcJulianDay, *place.Latitude, *place.Longitude,
                                          place.Sect, place.Variants);
  if (!chart.Chart) {
    result.Error = chart.Error;
    return result;
  }
  result.Zone = zone;
  result.Value = TBirthChart{localJulianDay, zone, *chart.Chart};
  return result;
}

std::string SixDecimals(double degrees) {
  // As "%.6f" writes it (the correctly rounded decimal), without printf.
  char buffer[330];  // the largest double has 309 digits before the point
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, degrees, std::chars_format::fixed, 6);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::vector<std::pair<std::string, std::string>> LotsValues(const TChart& c) {
  return {{"sect", c.Sect == TSect::Day ? "day" : "night"},
          {"fortune", SixDecimals(c.FortuneDeg)},
          {"spirit", SixDecimals(c.SpiritDeg)},
          {"fortune_sign", LongSignNameOf(c.FortuneSign)},
          {"spirit_sign", LongSignNameOf(c.SpiritSign)}};
}

std::vector<std::pair<std::string, std::string>> PlanetsAndLotsValues(const TChart& c) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const TPlanet planet : kPlanets)
    if (planet != TPlanet::Sun && planet != TPlanet::Moon)
      values.emplace_back(PlanetKey(planet), SixDecimals(c.PlanetDeg(planet)));
  constexpr std::array<TLot, 5> kLater{TLot::Eros, TLot::Necessity, TLot::Courage, TLot::Victory,
                                       TLot::Nemesis};
  for (const TLot lot : kLater) values.emplace_back(LotKey(lot), SixDecimals(c.LotDeg(lot)));
  for (const TLot lot : kLater)
    values.emplace_back(std::string(LotKey(lot)) + "_sign", LongSignNameOf(c.LotSign(lot)));
  values.emplace_back("zodiac", VariantKey(c.Variants.Zodiac));
  values.emplace_back("ayanamsa", SixDecimals(c.AyanamsaDeg));
  values.emplace_back("lot_formula", VariantKey(c.Variants.LotFormula));
  values.emplace_back("sect_horizon", VariantKey(c.Variants.SectHorizon));
  return values;
}

const std::vector<std::string>& ZodiacKeys() {
  static const std::vector<std::string> keys{"tropical", "fagan-bradley", "lahiri"};
  return keys;
}

const std::vector<std::string>& LotFormulaKeys() {
  static const std::vector<std::string> keys{"sect", "day"};
  return keys;
}

const std::vector<std::string>& SectHorizonKeys() {
  static const std::vector<std::string> keys{"geometric", "visible"};
  return keys;
}

namespace {

// The name of item `index` of `keys`; empty for a value outside them.
std::string KeyOf(const std::vector<std::string>& keys, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < keys.size()
             ? keys[static_cast<std::size_t>(index)]
             : std::string();
}

}  // namespace

std::string VariantKey(TZodiac zodiac) {
  return KeyOf(ZodiacKeys(), ToItemIndex(zodiac));
}

std::string VariantKey(TLotFormula formula) {
  return KeyOf(LotFormulaKeys(), ToItemIndex(formula));
}

std::string VariantKey(TSectHorizon horizon) {
  return KeyOf(SectHorizonKeys(), ToItemIndex(horizon));
}

std::string SignPositionText(double longitudeDeg) {
  const TSignPosition p = ToSignPosition(longitudeDeg);
  char minutes[8];
  std::snprintf(minutes, sizeof minutes, "%02d", p.Minutes);
  return LongSignNameOf(p.Sign) + " " + std::to_string(p.Degrees) + "\u00B0" + minutes + "\u2032";
}

}  // namespace ostrane
