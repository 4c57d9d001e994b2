#include "astro/Rulers.h"

#include "core/Chronocrators.h"
#include "core/IntegerText.h"

namespace ostrane {

TRulerReading ReadRuler(std::int32_t sign, const TChart* chart) {
  TRulerReading reading;
  reading.Sign = (sign % 12 + 12) % 12;
  reading.Ruler = DomicileRuler(reading.Sign);
  reading.Nature = NatureOf(reading.Ruler);
  if (chart == nullptr) return reading;
  reading.WithChart = true;
  const TPlanetPosition& ruler = chart->Planets[static_cast<std::size_t>(Index(reading.Ruler))];
  reading.RulerSign = SignOf(ruler.LongitudeDeg);
  reading.RulerHouse = WholeSignHouse(reading.RulerSign, chart->AscendantSign());
  reading.Retrograde = ruler.Retrograde;
  reading.SectRole = SectRoleOf(reading.Ruler, chart->Sect == TSect::Day);
  for (const TPlanet planet : kPlanets)
    if (SignOf(chart->PlanetDeg(planet)) == reading.Sign) reading.PlanetsInSign.push_back(planet);
  return reading;
}

std::string RulerReadingText(const TRulerReading& reading) {
  std::string text(PlanetName(reading.Ruler));
  if (!reading.WithChart) return text;
  text +=
      ", in " + LongSignNameOf(reading.RulerSign) + " (" + Ordinal(reading.RulerHouse) + " house)";
  if (reading.Retrograde) text += ", retrograde";
  if (reading.SectRole == TSectRole::SectBenefic) text += ", the sect benefic";
  if (reading.SectRole == TSectRole::SectMalefic) text += ", the sect malefic";
  if (reading.SectRole == TSectRole::None && reading.Nature == TNature::Benefic)
    text += ", a benefic, out of sect";
  if (reading.SectRole == TSectRole::None && reading.Nature == TNature::Malefic)
    text += ", a malefic, out of sect";
  // The others in the sign; the ruler at home is said above.
  std::vector<TPlanet> others;
  for (const TPlanet planet : reading.PlanetsInSign)
    if (planet != reading.Ruler) others.push_back(planet);
  for (std::size_t i = 0; i < others.size(); ++i) {
    text += i == 0 ? "; " : i + 1 == others.size() ? " and " : ", ";
    text += PlanetName(others[i]);
  }
  if (!others.empty()) text += " in " + LongSignNameOf(reading.Sign);
  return text;
}

std::string PeriodRulerText(const std::string& periodName, const TRulerReading& reading) {
  return periodName + ": " + RulerReadingText(reading);
}

}  // namespace ostrane
