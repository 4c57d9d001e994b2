#include "app/ChartCommand.h"

#include <QLocale>
#include <cstdio>

#include "app/ListOutput.h"
#include "chart/ChartText.h"
#include "chart/LocaleText.h"
#include "core/Chronocrators.h"
#include "core/CsvText.h"
#include "core/Errors.h"
#include "core/PrintableText.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

// The chart of the request's birth, or its error (with the flag that picks a
// daylight-saving choice).
TBirthChartResult RequestChart(const TListRequest& request) {
  TDate date;
  const TimeLocale locale = TimeLocaleReading(request.Settings.TimeText, QLocale());
  const double local = ListingStart(date, request.Settings, locale);
  TBirthChartResult result = ComputeBirthChart(request.Settings.Place, local);
  if (result.NeedsDstChoice)
    result.Error += " Pick one with --dst-choice earlier or --dst-choice later.";
  return result;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> LotsRows(const TBirthPlace& place,
                                                          const TBirthChart& b) {
  const TChart& c = b.Chart;
  std::vector<std::pair<std::string, std::string>> rows = {
      {"latitude", SixDecimals(*place.Latitude)},
      {"longitude", SixDecimals(*place.Longitude)},
      {"time_zone", place.TimeZone},
      {"utc_offset_seconds", std::to_string(b.Zone.Offset.Seconds)},
      {"julian_day_ut", ExactReal(c.JdUt1)},
      {"julian_day_tt", ExactReal(c.JdTt)},
      {"sun", SixDecimals(c.SunDeg)},
      {"moon", SixDecimals(c.MoonDeg)},
      {"ascendant", SixDecimals(c.AscendantDeg)},
      {"sun_altitude", SixDecimals(c.SunAltitudeDeg)}};
  for (auto& value : LotsValues(c)) rows.push_back(std::move(value));
  for (auto& value : PlanetsAndLotsValues(c)) rows.push_back(std::move(value));
  return rows;
}

int ApplyBirthChart(TListRequest& request, std::ostream& err) {
  ReleaseSettings& s = request.Settings;
  // An offset given overrides the zone: known without a chart.
  request.UtcOffsetSeconds = s.Place.UtcOffsetSeconds;
  const bool fromLot = request.ReleaseFrom.has_value();
  const bool forMarks = !request.FortuneGiven && s.FortuneSign < 0 && s.Place.Known();
  const bool forRulers = (request.Csv || request.At) && s.Place.Known();
  if (!fromLot && !forMarks && !forRulers) return 0;
  TBirthChartResult result;
  try {
    result = RequestChart(request);
  } catch (const EConvertError& e) {  // the time text; the listing says so
    if (!fromLot) return 0;
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  }
  if (!result.Value) {
    if (fromLot) {
      err << "ostrane-list: " << PrintableText(result.Error) << "\n";
      return 1;
    }
    err << "ostrane-list: note: " << PrintableText(result.Error)
        << (forMarks ? " Fortune's sign stays unknown.\n" : " The rulers' places stay unknown.\n");
    return 0;
  }
  const TChart& c = result.Value->Chart;
  for (const std::string& note : ChartNotes(*result.Value))
    err << "ostrane-list: note: " << note << "\n";
  if (forMarks || fromLot) s.FortuneSign = c.FortuneSign;
  if (request.ReleaseFrom) s.StartSign = c.LotSign(*request.ReleaseFrom);
  request.Chart = c;
  request.UtcOffsetSeconds = result.Value->Zone.Offset.Seconds;
  return 0;
}

int WriteLots(const TListRequest& request, std::ostream& out, std::ostream& err) {
  TBirthChartResult result;
  try {
    result = RequestChart(request);
  } catch (const EConvertError& e) {
    err << PrintableText(ErrorBoxText(e.what())) << "\n";
    return 1;
  }
  if (!result.Value) {
    err << "ostrane-list: " << PrintableText(result.Error) << "\n";
    return 1;
  }
  for (const std::string& note : ChartNotes(*result.Value))
    err << "ostrane-list: note: " << note << "\n";
  out << "key,value\n";
  for (const auto& [key, value] : LotsRows(request.Settings.Place, *result.Value))
    out << key << ',' << CsvField(value) << '\n';
  return 0;
}

}  // namespace ostrane
