#include "astro/Lots.h"

#include <algorithm>
#include <cmath>

#include "astro/Ayanamsa.h"
#include "astro/Positions.h"
#include "astro/TimeScales.h"

namespace ostrane {

TLots Lots(double ascendantDeg, double sunDeg, double moonDeg, TSect sect) {
  const double moonAhead = moonDeg - sunDeg;
  const double fortune = sect == TSect::Day ? ascendantDeg + moonAhead : ascendantDeg - moonAhead;
  const double spirit = sect == TSect::Day ? ascendantDeg - moonAhead : ascendantDeg + moonAhead;
  return {NormalizeDegrees(fortune), NormalizeDegrees(spirit)};
}

std::array<double, kLotCount> HermeticLots(double ascendantDeg,
                                           const std::array<double, kPlanetCount>& planetsDeg,
                                           bool byDay) {
  const auto at = [&](TPlanet p) { return planetsDeg[static_cast<std::size_t>(Index(p))]; };
  // Asc + a - b by day, Asc + b - a by night.
  const auto lot = [&](double a, double b) {
    return NormalizeDegrees(byDay ? ascendantDeg + a - b : ascendantDeg + b - a);
  };
  std::array<double, kLotCount> lots{};
  const auto set = [&](TLot l, double v) { lots[static_cast<std::size_t>(Index(l))] = v; };
  const double fortune = lot(at(TPlanet::Moon), at(TPlanet::Sun));
  const double spirit = lot(at(TPlanet::Sun), at(TPlanet::Moon));
  set(TLot::Fortune, fortune);
  set(TLot::Spirit, spirit);
  set(TLot::Eros, lot(at(TPlanet::Venus), spirit));
  set(TLot::Necessity, lot(fortune, at(TPlanet::Mercury)));
  set(TLot::Courage, lot(fortune, at(TPlanet::Mars)));
  set(TLot::Victory, lot(at(TPlanet::Jupiter), spirit));
  set(TLot::Nemesis, lot(fortune, at(TPlanet::Saturn)));
  return lots;
}

double SectHorizonAltitudeDeg(TSectHorizon horizon) {
  return horizon == TSectHorizon::Visible ? -0.833 : 0.0;
}

int SignOf(double longitudeDeg) {
  return std::min(static_cast<int>(NormalizeDegrees(longitudeDeg) / 30.0), 11);
}

bool NearSignBoundary(double longitudeDeg, double orbDeg) {
  const double inSign = std::fmod(NormalizeDegrees(longitudeDeg), 30.0);
  return inSign < orbDeg || 30.0 - inSign < orbDeg;
}

TSignPosition ToSignPosition(double longitudeDeg) {
  constexpr int kMinutesPerCircle = 360 * 60;
  int minutes = static_cast<int>(std::floor(NormalizeDegrees(longitudeDeg) * 60.0 + 1e-7));
  if (minutes >= kMinutesPerCircle) minutes -= kMinutesPerCircle;
  return {minutes / (30 * 60), minutes % (30 * 60) / 60, minutes % 60};
}

double FromSignPosition(int sign, int degrees, int minutes) {
  return sign * 30.0 + degrees + minutes / 60.0;
}

TChartResult ComputeChart(double jdUtc, double latitudeDeg, double eastLongitudeDeg, TSect sect,
                          const TChartVariants& variants) {
  TChartResult result;
  if (!LatitudeAdmitted(latitudeDeg)) {
    result.Error = kLatitudeRefusedMessage;
    return result;
  }
  if (!std::isfinite(eastLongitudeDeg)) {
    result.Error = "The longitude must be a finite number of degrees.";
    return result;
  }
  const std::optional<TTimeScales> scales = ComputeTimeScales(jdUtc);
  if (!scales) {
    result.Error = "The date lies outside the range the time scales cover.";
    return result;
  }

  TChart chart;
  chart.JdUt1 = scales->JdUt1;
  chart.JdTt = scales->JdTt;
  chart.DubiousYear = scales->DubiousYear;

  chart.Variants = variants;

  const TSkyOfDate sky = ComputeSkyOfDate(chart.JdTt);
  const double obliquity = sky.TrueObliquityDeg;
  const double siderealTime = LocalSiderealTimeDeg(chart.JdUt1, sky, eastLongitudeDeg);
  chart.Planets = PlanetPositions(sky);
  // The altitude from the tropical Sun, before any ayanamsa.
  chart.SunAltitudeDeg = SunAltitudeDeg(chart.Planets[Index(TPlanet::Sun)].LongitudeDeg, obliquity,
                                        siderealTime, latitudeDeg);
  chart.AyanamsaDeg = AyanamsaDeg(variants.Zodiac, chart.JdTt);
  chart.AscendantDeg =
      NormalizeDegrees(*AscendantDeg(siderealTime, obliquity, latitudeDeg) - chart.AyanamsaDeg);
  for (TPlanetPosition& p : chart.Planets)
    p.LongitudeDeg = NormalizeDegrees(p.LongitudeDeg - chart.AyanamsaDeg);
  chart.SunDeg = chart.PlanetDeg(TPlanet::Sun);
  chart.MoonDeg = chart.PlanetDeg(TPlanet::Moon);

  const double horizon = SectHorizonAltitudeDeg(variants.SectHorizon);
  chart.ComputedSect = chart.SunAltitudeDeg > horizon ? TSect::Day : TSect::Night;
  chart.Sect = sect == TSect::Computed ? chart.ComputedSect : sect;
  chart.NearHorizon = std::fabs(chart.SunAltitudeDeg - horizon) < kNearHorizonDeg;

  std::array<double, kPlanetCount> longitudes{};
  for (std::size_t i = 0; i < longitudes.size(); ++i) longitudes[i] = chart.Planets[i].LongitudeDeg;
  chart.LotsDeg = HermeticLots(chart.AscendantDeg, longitudes, chart.LotsByDay());
  chart.FortuneDeg = chart.LotDeg(TLot::Fortune);
  chart.SpiritDeg = chart.LotDeg(TLot::Spirit);
  chart.FortuneSign = SignOf(chart.FortuneDeg);
  chart.SpiritSign = SignOf(chart.SpiritDeg);
  chart.FortuneNearBoundary = NearSignBoundary(chart.FortuneDeg);
  chart.SpiritNearBoundary = NearSignBoundary(chart.SpiritDeg);
  result.Chart = chart;
  return result;
}

}  // namespace ostrane
