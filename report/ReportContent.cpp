#include "report/ReportContent.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "Version.h"
#include "astro/Rulers.h"
#include "chart/BirthChart.h"
#include "chart/ChartText.h"
#include "chart/LotListings.h"
#include "core/Ages.h"
#include "core/Coordinates.h"
#include "core/IntegerText.h"
#include "core/IsoDateText.h"
#include "core/Planets.h"
#include "listing/InForce.h"
#include "listing/Marks.h"
#include "listing/PeriodSpans.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DateText(double julianDay, TDateStyle style) {
  return Q(TimelineDateText(julianDay, style));
}

// A period's start or end as its level shows it, the date and "HH:MM".
QString DateTimeText(double julianDay, int level, TDateStyle style) {
  TCivilMoment moment = ShownMoment(level, julianDay);
  const std::int64_t minutes = moment.MsOfDay / 60000;
  moment.MsOfDay = 0;
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", static_cast<int>(minutes / 60),
                static_cast<int>(minutes % 60));
  return DateText(CivilJulianDay(moment), style) + " " + time;
}

QString SignText(std::int32_t counter, const ReleaseSettings& s) {
  return Q(SignName(counter, s.SignNameStyle));
}

QString RulerName(std::int32_t counter) {
  return Q(PlanetName(DomicileRuler(counter)));
}

QString PlaceCell(int place) {
  return place >= 1 && place <= 12 ? Q(Ordinal(place)) : QString("\u2013");
}

QString LevelText(int level) {
  switch (level) {
    case 1: return "general";
    case 2: return "sub";
    default: return "level " + QString::number(level);
  }
}

// "Fortune" or "start": the caption of the column of places.
QString PlaceCaption(const ReleaseSettings& s) {
  return s.AnglesFrom == TAnglesFrom::StartSign ? "From start" : "From Fortune";
}

std::vector<std::pair<QString, QString>> BirthRows(const TReportInput& in,
                                                   const TBirthChartResult& chart,
                                                   const QString& releasedFrom, double start) {
  const ReleaseSettings& s = in.Settings;
  const TBirthPlace& place = s.Place;
  std::vector<std::pair<QString, QString>> rows = {
      {"Name", Q(s.Name)},
      {"Born", DateText(start, s.DateStyle) + ", " + Q(s.TimeText) + " local time"}};
  const bool anyPlace = place.Known() || !place.Name.empty();
  rows.emplace_back("Place", anyPlace ? Q(PlaceNameText(place)) : QString("none given"));
  if (place.Known()) rows.emplace_back("Coordinates", Q(CoordinatesText(place)));
  if (const std::string zone = ZoneText(place); !zone.empty())
    rows.emplace_back("Time zone", Q(zone));
  if (chart.Value)
    rows.emplace_back("UTC offset at the birth", Q(OffsetName(chart.Value->Zone.Offset)));
  else if (place.UtcOffsetSeconds)
    rows.emplace_back("UTC offset at the birth", Q(FormatUtcOffset(*place.UtcOffsetSeconds)));
  if (chart.Value) {
    rows.emplace_back("Zodiac", Q(ZodiacText(chart.Value->Chart)));
    rows.emplace_back("Sect", Q(SectText(chart.Value->Chart)));
  } else {
    rows.emplace_back("Zodiac", Q(ZodiacName(place.Variants.Zodiac)));
  }
  rows.emplace_back("Variants", Q(VariantsText(place.Variants)));
  rows.emplace_back("Released from", releasedFrom);
  return rows;
}

TReportTable PlanetsAndLotsTable(const TChart& c) {
  TReportTable t;
  t.Title = "The planets and the lots";
  t.Columns = {"", "Position", "House", "Ruler of its sign"};
  t.Widths = {1.1, 1.3, 0.5, 4.1};
  const int asc = c.AscendantSign();
  auto row = [&](const QString& name, const QString& position, double longitude) {
    const int sign = SignOf(longitude);
    t.Rows.push_back(TReportRow{{name, position, QString::number(WholeSignHouse(sign, asc)),
                                 Q(RulerReadingText(ReadRuler(sign, &c)))}});
  };
  row("Ascendant", Q(SignPositionText(c.AscendantDeg)), c.AscendantDeg);
  for (const TPlanet planet : kPlanets) {
    const auto& position = c.Planets[static_cast<std::size_t>(Index(planet))];
    row(Q(PlanetName(planet)), Q(PlanetPositionText(position)), position.LongitudeDeg);
  }
  for (const TLot lot : kLots)
    row("Lot of " + Q(LotName(lot)), Q(SignPositionText(c.LotDeg(lot))), c.LotDeg(lot));
  return t;
}

// "the Lot of Spirit (Leo)" or "Leo": what the listed start sign is.
QString ReleasedFromText(const TReportInput& in, const std::optional<TChart>& chart) {
  const ReleaseSettings& s = in.Settings;
  const QString sign = SignText(s.StartSign < 0 ? 0 : s.StartSign, s);
  std::optional<TLot> lot = in.ReleasedFrom;
  if (!lot && chart) {
    for (const TLot candidate : {TLot::Spirit, TLot::Fortune})
      if (chart->LotSign(candidate) == s.StartSign) {
        lot = candidate;
        break;
      }
  }
  return lot ? "the Lot of " + Q(LotName(*lot)) + " (" + sign + ")" : sign;
}

// The periods of levels 1 and 2 as rows, whole general periods up to
// kMaxPeriodRows; `left` gets the count of general periods left out, `end`
// the end of the last one kept.
TReportTable PeriodsTable(const TListing& main, const ReleaseSettings& s, int& left, double& end) {
  TReportTable t;
  t.Columns = {"Sign", "Ruler", "Start", "End", "Age", PlaceCaption(s), "Marks"};
  t.Widths = {1.4, 1.0, 1.2, 1.2, 0.5, 1.0, 1.5};
  const std::vector<TListedPeriod> spans = PeriodSpans(main, s, 2);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < spans.size();) {
    std::size_t next = i + 1;
    while (next < spans.size() && spans[next].Level != 1) ++next;
    if (static_cast<int>(next) > kMaxPeriodRows && kept > 0) break;
    kept = next;
    end = spans[i].End;
    i = next;
  }
  left = 0;
  for (std::size_t i = kept; i < spans.size(); ++i)
    if (spans[i].Level == 1) ++left;
  for (std::size_t i = 0; i < kept; ++i) {
    const TListedPeriod& p = spans[i];
    const int age = CompletedYears(s.Year, s.MonthIndex + 1, s.Day, p.Start);
    TReportRow row{{SignText(p.Counter, s), RulerName(p.Counter), DateText(p.Start, s.DateStyle),
                    DateText(p.End, s.DateStyle), QString::number(age), PlaceCell(p.Place),
                    ReportMarks(p.Place, p.Loosing)},
                   p.Level == 1,
                   p.Level != 1};
    t.Rows.push_back(std::move(row));
  }
  return t;
}

std::vector<QString> Legend(const ReleaseSettings& s) {
  const bool fromFortune = s.AnglesFrom == TAnglesFrom::Fortune;
  const QString ref = fromFortune ? "Fortune" : "the starting sign";
  std::vector<QString> legend = {
      "General periods (level 1) stand in bold on a shaded row, their sub periods (level 2) "
      "indented below them. Age: the completed years at the period's start.",
      PlaceCaption(s) + ": the place of the period's sign counted from the sign of " +
          (fromFortune ? QString("the Lot of Fortune") : ref) + ", which is the 1st.",
      "Marks: the 10th from " + ref + " is the peak; the 1st, 4th and 7th from " + ref +
          " are angular; LB is the loosing of the bond (LB): a turning point."};
  if (AngleReference(s) < 0)
    legend.emplace_back(
        "The places are unknown: no sign of the Lot of Fortune was given or computed.");
  return legend;
}

// The periods in force of every listing of `lots` at `moment`, level by
// level; a listing's name is its lot ("Spirit"), or its start sign without
// a chart.
TReportTable InForceTable(const std::vector<TLotListing>& lots, double moment,
                          const QString& trackCaption, const QString& at) {
  TReportTable t;
  const ReleaseSettings& s = lots.front().Settings;
  t.Title = "In force" + at;
  t.Columns = {trackCaption, "Level", "Sign", "Ruler", "Began", "Ends", PlaceCaption(s), "Marks"};
  t.Widths = {1.0, 0.7, 1.1, 0.9, 1.4, 1.4, 1.2, 1.0};
  for (const TLotListing& lot : lots) {
    const QString name = Q(lot.Lot);
    const TInForce inForce = PeriodsInForce(*lot.Listing, lot.Settings, moment);
    if (inForce.Status != TInForceStatus::InForce) {
      t.Rows.push_back(TReportRow{{name + ": " + Q(InForceStatusText(inForce.Status))}});
      continue;
    }
    for (const TPeriodInForce& p : inForce.Periods) {
      if (p.Level == 0) continue;
      t.Rows.push_back(
          TReportRow{{p.Level == 1 ? name : QString(), LevelText(p.Level), SignText(p.Counter, s),
                      RulerName(p.Counter), DateTimeText(p.Start, p.Level, s.DateStyle),
                      DateTimeText(p.End, p.Level, s.DateStyle), PlaceCell(p.Place),
                      ReportMarks(p.Place, p.Loosing)},
                     p.Level == 1});
    }
  }
  return t;
}

// The first twelve beginnings of all listings together, by time (the
// listings' order among those that begin together).
TReportTable NextTable(const std::vector<TLotListing>& lots, double moment,
                       const QString& trackCaption, const QString& at) {
  TReportTable t;
  const ReleaseSettings& s = lots.front().Settings;
  t.Title = "The next twelve changes after" + at.mid(3);
  t.Columns = {"Begins", trackCaption, "Level",         "Sign", "Ruler",
               "Ends",   "Age",        PlaceCaption(s), "Marks"};
  t.Widths = {1.4, 1.0, 0.7, 1.1, 0.9, 1.4, 0.5, 1.2, 1.0};
  const TComingChanges next = ComingChanges(lots, moment, 12);
  for (const TComingChange& change : next.Changes) {
    const TListedPeriod& p = change.Period;
    const int age = CompletedYears(s.Year, s.MonthIndex + 1, s.Day, p.Start);
    t.Rows.push_back(TReportRow{
        {DateTimeText(p.Start, p.Level, s.DateStyle),
         Q(lots[static_cast<std::size_t>(change.LotIndex)].Lot), LevelText(p.Level),
         SignText(p.Counter, s), RulerName(p.Counter), DateTimeText(p.End, p.Level, s.DateStyle),
         QString::number(age), PlaceCell(p.Place), ReportMarks(p.Place, p.Loosing)},
        p.Level == 1});
  }
  // Nothing at all begins after a moment past the listing: no table.
  if (next.ListingEnded && !next.Changes.empty())
    t.Rows.push_back(TReportRow{{"The listed general periods end here."}});
  return t;
}

// The listing of `s` from the birth moment `start`, named `name`.
TLotListing LotListing(const ReleaseSettings& s, const std::string& name, double start) {
  TChronocrator chronocrator;
  return {name, s, std::make_shared<const TListing>(ListGeneralPeriods(chronocrator, s, start))};
}

}  // namespace

QString ReportMarks(int place, bool loosing) {
  QStringList marks;
  if (place == 10) marks << "the peak";
  if (place == 1 || place == 4 || place == 7) marks << "angular";
  if (loosing) marks << "LB";
  return marks.join(", ");
}

TReportContent BuildReport(const TReportInput& in) {
  TReportContent r;
  ReleaseSettings s = in.Settings;
  TDate date;
  const double start = ListingStart(date, s, in.Locale);  // throws for a time that is none

  TBirthChartResult chart;
  if (s.Place.Known()) chart = ComputeBirthChart(s.Place, start);
  if (chart.Value) {
    r.Chart = chart.Value->Chart;
    if (s.FortuneSign < 0) s.FortuneSign = r.Chart->FortuneSign;
  } else {
    r.NoChart = "No chart was computed: " +
                (s.Place.Known() ? Q(chart.Error) : QString("no birth place was given.")) +
                " The report gives the birth data and the periods without the chart and the lots.";
  }
  r.Name = Q(s.Name);
  r.Made = DateText(in.Made, s.DateStyle);
  r.Footer = kNameVersion;
  const QString releasedFrom = ReleasedFromText(in, r.Chart);
  r.BirthRows = BirthRows(in, chart, releasedFrom, start);
  if (r.Chart) {
    r.PlanetsAndLots = PlanetsAndLotsTable(*r.Chart);
    for (const std::string& note : ChartNotes(*chart.Value)) r.ChartNotes.push_back(Q(note));
  }

  TChronocrator chronocrator;
  double tableEnd = start;
  r.Periods = PeriodsTable(ListGeneralPeriods(chronocrator, s, start), s, r.PeriodsLeft, tableEnd);
  r.Periods.Title = "Periods released from " + releasedFrom + ", levels 1 and 2";
  r.Legend = Legend(s);

  // Both lots when Fortune's sign is the chart's (not another one given).
  const bool bothLots = r.Chart && s.FortuneSign == r.Chart->FortuneSign;
  r.Timeline = BuildTimelineModel(TTimelineSource{s, start}, bothLots ? r.Chart->SpiritSign : -1);
  // The timeline shows the years of the table (a listing of many general
  // periods drawn whole would be too fine to read).
  if (r.PeriodsLeft > 0) r.TimelineTo = tableEnd;
  r.TimelineTitle = r.Timeline.Tracks.size() > 1 ? "Timeline of both lots, Spirit and Fortune"
                                                 : "Timeline of the listed periods";
  r.Moment = in.Moment;
  r.TimelineMomentLabel = in.MomentLabel;

  const QString at = " at " + DateTimeText(in.Moment, 4, s.DateStyle);
  std::vector<TLotListing> lots;
  if (bothLots) {
    for (const TLot lot : {TLot::Spirit, TLot::Fortune}) {
      ReleaseSettings lotSettings = s;
      lotSettings.StartSign = r.Chart->LotSign(lot);
      lots.push_back(LotListing(lotSettings, std::string(LotName(lot)), start));
    }
  } else {
    lots.push_back(
        LotListing(s, SignText(s.StartSign < 0 ? 0 : s.StartSign, s).toStdString(), start));
  }
  const QString caption = bothLots ? "Lot" : "From";
  r.InForce = InForceTable(lots, in.Moment, caption, at + (bothLots ? ", both lots" : ""));
  r.NextChanges = NextTable(lots, in.Moment, caption, at + (bothLots ? ", both lots" : ""));
  return r;
}

}  // namespace ostrane
