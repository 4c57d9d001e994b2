#include "astro/Lots.h"

#include <algorithm>
#include <cmath>

#include "astro/Positions.h"
#include "astro/TimeScales.h"

namespace ostrane {

TLots Lots(double ascendantDeg, double sunDeg, double moonDeg, TSect sect) {
  const double moonAhead = moonDeg - sunDeg;
  const double fortune = sect == TSect::Day ? ascendantDeg + moonAhead : ascendantDeg - moonAhead;
  const double spirit = sect == TSect::Day ? ascendantDeg - moonAhead : ascendantDeg + moonAhead;
  return {NormalizeDegrees(fortune), NormalizeDegrees(spirit)};
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

TChartResult ComputeChart(double jdUtc, double latitudeDeg, double eastLongitudeDeg, TSect sect) {
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

  const TSkyOfDate sky = ComputeSkyOfDate(chart.JdTt);
  const double obliquity = sky.TrueObliquityDeg;
  const double siderealTime = LocalSiderealTimeDeg(chart.JdUt1, sky, eastLongitudeDeg);
  chart.AscendantDeg = *AscendantDeg(siderealTime, obliquity, latitudeDeg);
  chart.SunDeg = SunLongitudeDeg(sky);
  chart.MoonDeg = MoonLongitudeDeg(sky);
  chart.SunAltitudeDeg = SunAltitudeDeg(chart.SunDeg, obliquity, siderealTime, latitudeDeg);

  chart.ComputedSect = chart.SunAltitudeDeg > 0.0 ? TSect::Day : TSect::Night;
  chart.Sect = sect == TSect::Computed ? chart.ComputedSect : sect;
  chart.NearHorizon = std::fabs(chart.SunAltitudeDeg) < kNearHorizonDeg;

  const TLots lots = Lots(chart.AscendantDeg, chart.SunDeg, chart.MoonDeg, chart.Sect);
  chart.FortuneDeg = lots.FortuneDeg;
  chart.SpiritDeg = lots.SpiritDeg;
  chart.FortuneSign = SignOf(lots.FortuneDeg);
  chart.SpiritSign = SignOf(lots.SpiritDeg);
  chart.FortuneNearBoundary = NearSignBoundary(lots.FortuneDeg);
  chart.SpiritNearBoundary = NearSignBoundary(lots.SpiritDeg);
  result.Chart = chart;
  return result;
}

}  // namespace ostrane
