#include "app/ListOutput.h"

#include <algorithm>
#include <cstdio>

#include "astro/Rulers.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/Planets.h"
#include "core/TimeText.h"
#include "listing/Releasing.h"

namespace ostrane {

std::string ExactReal(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

std::string CsvRow(int level, std::int32_t counter, double julianDay, int place, bool loosing) {
  const TCivilMoment shown = ShownMoment(level, julianDay);
  return std::to_string(level) + ',' + LongSignNameOf(counter) + ',' + std::to_string(counter) +
         ',' + ExactReal(julianDay) + ',' + std::to_string(shown.Year) + ',' +
         std::to_string(shown.Month) + ',' + std::to_string(shown.Day) + ',' +
         FormatTime24(shown.MsOfDay) + ',' + (place > 0 ? std::to_string(place) : "") + ',' +
         (loosing ? '1' : '0');
}

std::string RulerColumns(std::int32_t counter, const TChart* chart) {
  const TRulerReading r = ReadRuler(counter, chart);
  std::string columns(PlanetName(r.Ruler));
  if (!r.WithChart) return columns + ",,,";
  std::string planets;
  for (const TPlanet planet : r.PlanetsInSign) {
    if (!planets.empty()) planets += ' ';
    planets += PlanetName(planet);
  }
  return columns + ',' + LongSignNameOf(r.RulerSign) + ',' + std::to_string(r.RulerHouse) + ',' +
         planets;
}

void WriteCsv(std::ostream& out, const TListing& listing, const TChart* chart) {
  out << kCsvHeader << ',' << kRulerCsvHeader << '\n';
  for (const TListedLine& l : listing.Lines)
    out << CsvRow(l.Period.Level, l.Period.Counter, l.Period.Start, l.Place, l.Period.Loosing)
        << ',' << RulerColumns(l.Period.Counter, chart) << '\n';
}

void WriteInForceCsv(std::ostream& out, const TInForce& inForce, const TChart* chart) {
  out << kCsvHeader << ",end_julian_day," << kRulerCsvHeader << '\n';
  for (const TPeriodInForce& p : inForce.Periods)
    out << CsvRow(p.Level, p.Counter, p.Start, p.Place, p.Loosing) << ',' << ExactReal(p.End) << ','
        << RulerColumns(p.Counter, chart) << '\n';
}

}  // namespace ostrane
