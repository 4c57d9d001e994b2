#include "batch/BatchRows.h"

#include <algorithm>
#include <bit>
#include <cctype>

#include "chart/BuiltInPlaces.h"
#include "chart/ChartText.h"
#include "chart/PlaceFields.h"
#include "chart/TimeZones.h"
#include "core/ChoiceText.h"
#include "core/Chronocrators.h"
#include "core/Coordinates.h"
#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/IsoDateText.h"
#include "core/Planets.h"
#include "core/PrintableText.h"
#include "listing/InForce.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

struct TRowError {
  std::string Message;
};

std::string Field(const std::vector<std::string>& fields, int column) {
  return column >= 0 && static_cast<std::size_t>(column) < fields.size()
             ? fields[static_cast<std::size_t>(column)]
             : std::string();
}

int Choice(const std::string& column, const std::string& text,
           const std::vector<std::string>& names, bool numbersToo = true) {
  if (const auto index = ChoiceIndex(text, names, numbersToo)) return *index;
  throw TRowError{column + " is one of " + ChoiceList(names) + ", not '" + text + "'"};
}

// The moment of `text` (the column's), refused outside the years the
// program admits, whose periods it can list and write back.
TCivilMoment Moment(const std::string& column, const std::string& text, bool withTime) {
  std::string why;
  const auto moment = ParseIsoDateTime(text, &why);
  if (!moment || (!withTime && moment->MsOfDay != 0))
    throw TRowError{column + " '" + text + "' is not " +
                    (withTime ? "[-]YYYY-MM-DD[THH:MM[:SS]]" : "[-]YYYY-MM-DD") +
                    (why.empty() ? "" : ": " + why)};
  if (moment->Year < kMinYear || moment->Year > kMaxYear)
    throw TRowError{column + " '" + text + "' lies outside the years " + std::to_string(kMinYear) +
                    " to " + std::to_string(kMaxYear)};
  return *moment;
}

// The settings of the row's chart, over the defaults.
// `placeFound` is set to the label of the place a name resolved to, or
// emptied when the row gives coordinates of its own.
ReleaseSettings RowSettings(const TBatchColumns& c, const std::vector<std::string>& f,
                            const TBatchDefaults& d, TChartCache& cache, std::string& placeFound) {
  ReleaseSettings s = d.Settings;
  if (c.Name >= 0) s.Name = Field(f, c.Name);
  const auto date = Moment("date", Field(f, c.Date), false);
  s.Year = date.Year;
  s.MonthIndex = date.Month - 1;
  s.Day = date.Day;
  if (const std::string time = Field(f, c.Time); !time.empty()) s.TimeText = time;
  if (const std::string type = Field(f, c.Type); !type.empty())
    s.ReleasingType =
        FromItemIndex<TReleasingType>(Choice("type", type, {"modern", "egyptian", "valens"}));
  if (const std::string bond = Field(f, c.LooseBond); !bond.empty())
    s.LooseBondType = FromItemIndex<TLooseBond>(Choice("loose_bond", bond, {"never", "always"}));
  if (const std::string periods = Field(f, c.Periods); !periods.empty()) {
    const auto n = TryStrToInt(periods);
    if (!n || *n < kMinGeneralPeriods || *n > kMaxGeneralPeriods)
      throw TRowError{"periods is a whole number from 1 to 200, not '" + periods + "'"};
    s.GeneralPeriods = *n;
  }

  // The place: by name, or by coordinates; zone and offset over either.  A
  // name the table does not hold names a place given by both coordinates
  // (as the chart library and other programs write their places).
  TBirthPlace& p = s.Place;
  const bool byCoordinates = !Field(f, c.Latitude).empty() && !Field(f, c.Longitude).empty();
  if (const std::string name = Field(f, c.Place); !name.empty()) {
    const TPlace* place = cache.Place(name);
    if (!place && byCoordinates) {
      p.Name = name;
    } else if (!place) {
      const std::string nearest = NearestPlaceLabels(name);
      throw TRowError{"no place is named '" + EchoedText(name) + "'" +
                      (nearest.empty() ? "" : "; nearest names: " + nearest)};
    } else {
      SetBirthPlace(p, *place);
      placeFound = PlaceLabel(*place);
    }
  }
  // The columns that are given, in the table's order.  A parser's message
  // follows the column's name; an unknown zone's stands alone.
  for (const auto& [field, index] : {std::pair{TPlaceField::Latitude, c.Latitude},
                                     std::pair{TPlaceField::Longitude, c.Longitude},
                                     std::pair{TPlaceField::TimeZone, c.TimeZone},
                                     std::pair{TPlaceField::UtcOffset, c.UtcOffset}}) {
    const std::string text = Field(f, index);
    if (text.empty()) continue;
    try {
      ReadPlaceField(p, field, text);
    } catch (const EConvertError& e) {
      if (field == TPlaceField::TimeZone) throw TRowError{e.what()};
      throw TRowError{std::string(PlaceFieldInfo(field).Column) + ": " + e.what()};
    }
  }
  if (!Field(f, c.Latitude).empty() || !Field(f, c.Longitude).empty()) placeFound.clear();
  // The variants, by name only, as the options take them.
  TChartVariants& v = p.Variants;
  if (const std::string zodiac = Field(f, c.Zodiac); !zodiac.empty())
    v.Zodiac = FromItemIndex<TZodiac>(Choice("zodiac", zodiac, ZodiacKeys(), false));
  if (const std::string formula = Field(f, c.LotFormula); !formula.empty())
    v.LotFormula =
        FromItemIndex<TLotFormula>(Choice("lot_formula", formula, LotFormulaKeys(), false));
  if (const std::string horizon = Field(f, c.SectHorizon); !horizon.empty())
    v.SectHorizon =
        FromItemIndex<TSectHorizon>(Choice("sect_horizon", horizon, SectHorizonKeys(), false));
  return s;
}

// What the row was resolved to and listed with: the place a name found, the
// coordinates and zone, the offset at the birth and the choice that decided
// it (`zone`, when the chart was computed), the releasing settings.
void SetResolvedColumns(std::vector<std::string>& out, const std::string& placeFound,
                        const ReleaseSettings& s, const TZoneResolution* zone) {
  static const std::size_t first = static_cast<std::size_t>(
      std::find(BatchComputedColumns().begin(), BatchComputedColumns().end(), "place_found") -
      BatchComputedColumns().begin());
  std::string* column = &out[first];
  const TBirthPlace& p = s.Place;
  column[0] = placeFound;
  column[1] = p.Latitude ? SixDecimals(*p.Latitude) : std::string();
  column[2] = p.Longitude ? SixDecimals(*p.Longitude) : std::string();
  column[3] = p.TimeZone;
  if (zone) {
    column[4] = FormatUtcOffset(zone->Offset.Seconds);
    if (column[4].size() == 6) column[4] += ":00";  // "+05:30": always to the second
  }
  const bool chosen = zone && !zone->Manual && zone->Status != TZoneStatus::Unique &&
                      zone->Status != TZoneStatus::UnknownZone;
  const TDstChoice taken = p.Dst == TDstChoice::Later ? TDstChoice::Later : TDstChoice::Earlier;
  column[5] =
      chosen
          ? PlaceFieldInfo(TPlaceField::Dst).Choices[static_cast<std::size_t>(ToItemIndex(taken))]
          : "";
  static const char* const kTypes[] = {"modern", "egyptian", "valens"};
  const std::int32_t type = ToItemIndex(s.ReleasingType);
  column[6] = type >= 0 && type < 3 ? kTypes[type] : "";
  column[7] = s.LooseBondType == TLooseBond::Always ? "always" : "never";
}

}  // namespace

std::optional<std::string> ReadBatchHeader(const std::vector<std::string>& header,
                                           TBatchColumns& c) {
  const std::pair<const char*, int*> known[] = {
      {"name", &c.Name},
      {"date", &c.Date},
      {"time", &c.Time},
      {"place", &c.Place},
      {PlaceFieldInfo(TPlaceField::Latitude).Column, &c.Latitude},
      {PlaceFieldInfo(TPlaceField::Longitude).Column, &c.Longitude},
      {PlaceFieldInfo(TPlaceField::TimeZone).Column, &c.TimeZone},
      {PlaceFieldInfo(TPlaceField::UtcOffset).Column, &c.UtcOffset},
      {"release_from", &c.ReleaseFrom},
      {"type", &c.Type},
      {"loose_bond", &c.LooseBond},
      {"periods", &c.Periods},
      {"event_date", &c.EventDate},
      {"event_time", &c.EventTime},
      {"zodiac", &c.Zodiac},
      {"lot_formula", &c.LotFormula},
      {"sect_horizon", &c.SectHorizon}};
  c = TBatchColumns();
  // UTF-16 puts a NUL byte beside every ASCII letter.
  const bool utf16 = std::any_of(header.begin(), header.end(), [](const std::string& name) {
    return name.find('\0') != std::string::npos;
  });
  if (utf16 || (!header.empty() &&
                (header[0].rfind("\xFF\xFE", 0) == 0 || header[0].rfind("\xFE\xFF", 0) == 0)))
    return std::string("the input is UTF-16, which is not read: save it as UTF-8");
  for (std::size_t i = 0; i < header.size(); ++i) {
    for (const auto& [name, column] : known) {
      if (header[i] != name) continue;
      if (*column >= 0) return "the column '" + header[i] + "' is named twice";
      *column = static_cast<int>(i);
    }
  }
  if (c.Date < 0) return std::string("there is no 'date' column");
  if (c.Place < 0 && (c.Latitude < 0) != (c.Longitude < 0))
    return std::string("'latitude' and 'longitude' come together");
  return std::nullopt;
}

const std::vector<std::string>& BatchComputedColumns() {
  static const std::vector<std::string> columns = [] {
    std::vector<std::string> names = {"sect",         "fortune",     "spirit",
                                      "fortune_sign", "spirit_sign", "start_sign"};
    for (int level = 1; level <= 4; ++level)
      for (const char* part : {"sign", "start", "end", "place", "loosing", "ruler"})
        names.push_back("l" + std::to_string(level) + "_" + part);
    for (const char* resolved :
         {"place_found", "latitude_used", "longitude_used", "time_zone_used", "utc_offset_used",
          "dst_choice_used", "type_used", "loose_bond_used"})
      names.emplace_back(resolved);
    names.emplace_back("notes");
    names.emplace_back("error");
    return names;
  }();
  return columns;
}

const TBirthChartResult& TChartCache::Get(const TBirthPlace& p, double localJulianDay) {
  TChartKey key{std::bit_cast<std::uint64_t>(localJulianDay),
                std::bit_cast<std::uint64_t>(p.Latitude.value_or(1e9)),
                std::bit_cast<std::uint64_t>(p.Longitude.value_or(1e9)),
                p.UtcOffsetSeconds.value_or(1 << 30),
                ToItemIndex(p.Dst),
                ToItemIndex(p.Sect),
                ToItemIndex(p.Variants.Zodiac),
                ToItemIndex(p.Variants.LotFormula),
                ToItemIndex(p.Variants.SectHorizon),
                p.TimeZone};
  if (auto found = FCharts.find(key); found != FCharts.end()) return found->second;
  // The rows of one chart come together.
  if (FCharts.size() >= 64 || FChartBytes >= FMaxBytes) {
    FCharts.clear();
    FChartBytes = 0;
  }
  TBirthChartResult chart = ComputeBirthChart(p, localJulianDay);
  FChartBytes += sizeof key + sizeof chart + key.TimeZone.size() + chart.Error.size();
  return FCharts.emplace(std::move(key), std::move(chart)).first->second;
}

const TPlace* TChartCache::Place(const std::string& name) {
  if (auto found = FPlaces.find(name); found != FPlaces.end()) return found->second;
  if (FPlaces.size() >= 4096 || FPlaceBytes >= FMaxBytes) {
    FPlaces.clear();
    FPlaceBytes = 0;
  }
  FPlaceBytes += 64 + name.size();  // the map's node and the key
  return FPlaces.emplace(name, BuiltInPlaces().ExactMatch(name)).first->second;
}

std::optional<std::string> ReadBatchRowSettings(const TBatchColumns& columns,
                                                const std::vector<std::string>& fields,
                                                const TBatchDefaults& defaults, TChartCache& cache,
                                                ReleaseSettings& settings) {
  try {
    std::string placeFound;
    settings = RowSettings(columns, fields, defaults, cache, placeFound);
  } catch (const TRowError& e) {
    return e.Message;
  }
  return std::nullopt;
}

std::vector<std::string> ComputeBatchRow(const TBatchColumns& c, const std::vector<std::string>& f,
                                         const TBatchDefaults& d, TChartCache& cache) {
  std::vector<std::string> out(BatchComputedColumns().size());
  try {
    std::string placeFound;
    ReleaseSettings s = RowSettings(c, f, d, cache, placeFound);
    TDate date;
    double start = 0;
    try {
      start = ListingStart(date, s, TimeLocale());
    } catch (const EConvertError& e) {
      throw TRowError{e.what()};
    }

    // The lots, when there is a place.
    std::string releaseFrom = LowerAscii(Field(f, c.ReleaseFrom));
    if (releaseFrom.empty()) releaseFrom = d.ReleaseFrom;
    std::optional<TLot> lot;
    for (const TLot each : kLots)
      if (releaseFrom == LotKey(each)) lot = each;
    const bool fromLot = lot.has_value();
    if (!fromLot) {
      const auto sign = ChoiceIndex(releaseFrom, SignKeys(), true);
      if (!sign)
        throw TRowError{"release_from is fortune, spirit or a sign, not '" + releaseFrom + "'"};
      s.StartSign = *sign;
    }
    SetResolvedColumns(out, placeFound, s, nullptr);
    if (s.Place.Known() || fromLot) {
      const TBirthChartResult& chart = cache.Get(s.Place, start);
      if (!chart.Value)
        throw TRowError{chart.Error + (chart.NeedsDstChoice
                                           ? " Pick one with --dst-choice earlier or later."
                                           : "")};
      SetResolvedColumns(out, placeFound, s, &chart.Value->Zone);
      const TChart& ch = chart.Value->Chart;
      std::size_t at = 0;
      for (auto& entry : LotsValues(ch)) out[at++] = std::move(entry.second);
      s.FortuneSign = ch.FortuneSign;
      std::string notes;
      for (const std::string& note : ChartNotes(*chart.Value))
        notes += (notes.empty() ? "" : "; ") + note;
      out[out.size() - 2] = std::move(notes);
      if (lot) s.StartSign = ch.LotSign(*lot);
    }
    out[5] = LongSignNameOf(s.StartSign);

    // The periods in force at the event: the row's, or the default one.
    std::optional<double> event;
    if (const std::string eventDate = Field(f, c.EventDate); !eventDate.empty()) {
      std::string text = eventDate;
      if (const std::string time = Field(f, c.EventTime); !time.empty()) text += "T" + time;
      event = CivilJulianDay(Moment("event", text, true));
    } else if (d.Event) {
      event = CivilJulianDay(*d.Event);
    }
    if (event) {
      const double moment = *event;
      if (moment < start) throw TRowError{"the event lies before the birth"};
      TChronocrator chronocrator;
      const TInForce inForce =
          PeriodsInForce(ListGeneralPeriods(chronocrator, s, start, moment), s, moment);
      if (inForce.Status != TInForceStatus::InForce)
        throw TRowError{"the event lies " + InForceStatusText(inForce.Status)};
      std::size_t at = 6;
      for (const TPeriodInForce& p : inForce.Periods) {
        out[at++] = LongSignNameOf(p.Counter);
        out[at++] = FormatIsoDateTime(ShownMoment(p.Level, p.Start));
        out[at++] = FormatIsoDateTime(ShownMoment(p.Level, p.End));
        out[at++] = p.Place > 0 ? std::to_string(p.Place) : std::string();
        out[at++] = p.Loosing ? "1" : "0";
        out[at++] = PlanetName(DomicileRuler(p.Counter));
      }
    }
  } catch (const TRowError& e) {
    std::fill(out.begin(), out.end(), std::string());
    out.back() = e.Message;
  }
  return out;
}

}  // namespace ostrane
