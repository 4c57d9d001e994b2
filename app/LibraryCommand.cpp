#include "app/LibraryCommand.h"

#include <cstdio>
#include <ostream>

#include "chart/BirthChart.h"
#include "chart/PlaceFields.h"
#include "core/ChoiceText.h"
#include "core/Coordinates.h"
#include "core/CsvText.h"
#include "core/PrintableText.h"

namespace ostrane {
namespace {

std::string DateText(const ReleaseSettings& s) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%04d-%02d-%02d", s.Year < 0 ? "-" : "",
                s.Year < 0 ? -s.Year : s.Year, s.MonthIndex + 1, s.Day);
  return buffer;
}

// The name of item `index` among `names`, empty outside them.
std::string Named(std::int32_t index, const std::vector<std::string>& names) {
  return index >= 0 && static_cast<std::size_t>(index) < names.size()
             ? names[static_cast<std::size_t>(index)]
             : std::string();
}

}  // namespace

const std::vector<std::string>& LibraryCsvColumns() {
  static const std::vector<std::string> columns = {
      "name",      "date",        "time",         "place", "latitude",   "longitude",
      "time_zone", "utc_offset",  "release_from", "type",  "loose_bond", "periods",
      "zodiac",    "lot_formula", "sect_horizon", "tags",  "note"};
  return columns;
}

std::vector<std::string> LibraryCsvFields(const TChartRecord& r) {
  const ReleaseSettings& s = r.Settings;
  const TBirthPlace& p = s.Place;
  return {s.Name,
          DateText(s),
          s.TimeText,
          p.Name,
          p.Latitude ? DegreesText(*p.Latitude) : "",
          p.Longitude ? DegreesText(*p.Longitude) : "",
          p.TimeZone,
          p.UtcOffsetSeconds ? FormatUtcOffset(*p.UtcOffsetSeconds) : "",
          r.ReleaseFrom.empty() ? Named(s.StartSign, SignKeys()) : r.ReleaseFrom,
          Named(ToItemIndex(s.ReleasingType), {"modern", "egyptian", "valens"}),
          Named(ToItemIndex(s.LooseBondType), {"never", "always"}),
          std::to_string(s.GeneralPeriods),
          Named(ToItemIndex(p.Variants.Zodiac), ZodiacKeys()),
          Named(ToItemIndex(p.Variants.LotFormula), LotFormulaKeys()),
          Named(ToItemIndex(p.Variants.SectHorizon), SectHorizonKeys()),
          JoinTags(r.Tags),
          r.Note};
}

int RunChartsCommand(const std::string& path, std::ostream& out, std::ostream& err) {
  const TChartLibrary library(path, false);
  std::vector<TLibraryChart> charts;
  const TLibraryStatus status = library.Open() ? library.List(charts) : library.Error();
  if (!status.Ok) {
    err << "ostrane-list: " << PrintableText(status.Message) << "\n";
    return 1;
  }
  out << CsvRecord(LibraryCsvColumns()) << '\n';
  for (const TLibraryChart& chart : charts)
    out << CsvRecord(LibraryCsvFields(chart.Record)) << '\n';
  return 0;
}

}  // namespace ostrane
