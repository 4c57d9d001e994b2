#include "app/ListOutput.h"

#include <algorithm>
#include <cstdio>

#include "astro/Rulers.h"
#include "core/Ages.h"
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

std::string IsoSecondText(double julianDay) {
  TDate date;
  const std::int64_t ms = StoreShownMoment(date, julianDay);
  std::int64_t seconds = (ms + 500) / 1000;
  if (seconds == 86400) {
    // Half a second or less before midnight: the next day's first second.
    date.JulianToDate(julianDay + 1.0 / 86400.0);
    seconds = 0;
  }
  return FormatIsoDateTime(
      TCivilMoment{date.GetYear(), date.GetMonth(), date.GetDayNumber(), seconds * 1000});
}

std::string SpanColumns(double start, double end, const TSpanColumnsBirth& birth) {
  std::string columns = IsoSecondText(start) + ',' + IsoSecondText(end) + ',' +
                        std::to_string(CompletedYears(birth.Year, birth.Month, birth.Day, start)) +
                        ',';
  if (birth.UtcOffsetSeconds)
    columns += ExactReal(start - static_cast<double>(*birth.UtcOffsetSeconds) / 86400.0);
  return columns;
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

void WriteCsv(std::ostream& out, const TListing& listing, const TChart* chart,
              const TSpanColumnsBirth& birth) {
  out << kCsvHeader << ',' << kRulerCsvHeader << ',' << kSpanCsvHeader << '\n';
  for (const TListedLine& l : listing.Lines)
    // A level 3 or 4 line listed past its parent's end is a period of no
    // length: it ends where it begins.
    out << CsvRow(l.Period.Level, l.Period.Counter, l.Period.Start, l.Place, l.Period.Loosing)
        << ',' << RulerColumns(l.Period.Counter, chart) << ','
        << SpanColumns(l.Period.Start, std::max(l.End, l.Period.Start), birth) << '\n';
}

void WriteInForceCsv(std::ostream& out, const TInForce& inForce, const TChart* chart,
                     const TSpanColumnsBirth& birth) {
  out << kCsvHeader << ",end_julian_day," << kRulerCsvHeader << ',' << kSpanCsvHeader << '\n';
  for (const TPeriodInForce& p : inForce.Periods)
    out << CsvRow(p.Level, p.Counter, p.Start, p.Place, p.Loosing) << ',' << ExactReal(p.End) << ','
        << RulerColumns(p.Counter, chart) << ',' << SpanColumns(p.Start, p.End, birth) << '\n';
}

void WriteNextCsv(std::ostream& out, const std::vector<TListedPeriod>& periods,
                  const TSpanColumnsBirth& birth) {
  out << kNextCsvHeader << '\n';
  for (const TListedPeriod& p : periods)
    out << IsoSecondText(p.Start) << ',' << p.Level << ',' << LongSignNameOf(p.Counter) << ','
        << IsoSecondText(p.End) << ','
        << CompletedYears(birth.Year, birth.Month, birth.Day, p.Start) << ','
        << (p.Place > 0 ? std::to_string(p.Place) : "") << ',' << (p.Loosing ? '1' : '0') << ','
        << PlanetName(DomicileRuler(p.Counter)) << '\n';
}

}  // namespace ostrane
