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
  if (!reading.PlanetsInSign.empty()) {
    text += "; ";
    for (std::size_t i = 0; i < reading.PlanetsInSign.size(); ++i) {
      if (i > 0) text += i + 1 == reading.PlanetsInSign.size() ? " and " : ", ";
      text += PlanetName(reading.PlanetsInSign[i]);
    }
    text += " in " + LongSignNameOf(reading.Sign);
  }
  return text;
}

std::string PeriodRulerText(const std::string& periodName, const TRulerReading& reading) {
  return periodName + ": " + RulerReadingText(reading);
}

}  // namespace ostrane
