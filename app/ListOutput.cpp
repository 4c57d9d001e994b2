#include "app/ListOutput.h"

#include <algorithm>
#include <cstdio>

#include "core/Chronocrators.h"
#include "core/DateTime.h"
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

void WriteCsv(std::ostream& out, const TListing& listing) {
  out << kCsvHeader << '\n';
  for (const TListedLine& l : listing.Lines)
    out << CsvRow(l.Period.Level, l.Period.Counter, l.Period.Start, l.Place, l.Period.Loosing)
        << '\n';
}

void WriteInForceCsv(std::ostream& out, const TInForce& inForce) {
  out << kCsvHeader << ",end_julian_day\n";
  for (const TPeriodInForce& p : inForce.Periods)
    out << CsvRow(p.Level, p.Counter, p.Start, p.Place, p.Loosing) << ',' << ExactReal(p.End)
        << '\n';
}

}  // namespace ostrane
