// One row of a batch: a chart (birth data, place, how it is released) and
// an event, turned into the lots and the periods in force at the event.
//
// Input columns, named in a header row, in any order:
//   name, date ([-]YYYY-MM-DD), time (as the time field takes it),
//   place, or latitude and longitude, with time_zone and utc_offset,
//   release_from (a lot, fortune .. nemesis, or a sign; default spirit),
//   type, loose_bond, periods, event_date, event_time,
//   zodiac, lot_formula, sect_horizon (the chart's variants, as the options
//   --zodiac, --lot-formula and --sect-horizon take them).
// Other columns are carried through unchanged.  A value missing from a row
// (or a column missing from the file) takes the default the command line's
// options give.
//
// Computed columns, after the input's:
//   sect, fortune, spirit, fortune_sign, spirit_sign (as --lots gives them),
//   start_sign, then for each level N of 1 .. 4: lN_sign, lN_start, lN_end
//   (ISO date-times to the second, local clock time), lN_place, lN_loosing,
//   lN_ruler (the English name of the sign's domicile ruler);
//   notes (the chart's doubtful points as --lots notes them, joined by "; ");
//   then error (empty when the row succeeded).
// Dates lie in the years kMinYear .. kMaxYear (-4712 .. 10000).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "chart/BirthChart.h"
#include "chart/Places.h"
#include "core/IsoDateText.h"
#include "core/ReleaseSettings.h"

namespace ostrane {

// Where the known columns stand in the input; -1 when absent.
struct TBatchColumns {
  int Name = -1, Date = -1, Time = -1, Place = -1, Latitude = -1, Longitude = -1, TimeZone = -1,
      UtcOffset = -1, ReleaseFrom = -1, Type = -1, LooseBond = -1, Periods = -1, EventDate = -1,
      EventTime = -1, Zodiac = -1, LotFormula = -1, SectHorizon = -1;
};

// Finds the known columns in the header; the message of a header that
// cannot serve (UTF-16 text, no date column, a place given neither by name
// nor by both coordinates, a column named twice), or nothing.
std::optional<std::string> ReadBatchHeader(const std::vector<std::string>& header,
                                           TBatchColumns& columns);

// The names of the computed columns, in order.
const std::vector<std::string>& BatchComputedColumns();

// What every row starts from: the options' settings and release choice,
// and the event of a row that gives no event_date (--at), local clock time.
struct TBatchDefaults {
  ReleaseSettings Settings;
  std::string ReleaseFrom = "spirit";
  std::optional<TCivilMoment> Event;
};

// Remembers the last charts a worker computed, so that the rows of one
// chart (one event each) compute it once, and the places it looked up.
// Each of the two holds at most about `maxBytes`, however long the place
// names.
class TChartCache {
 public:
  explicit TChartCache(std::size_t maxBytes = 4 * 1024 * 1024) : FMaxBytes(maxBytes) {}

  const TBirthChartResult& Get(const TBirthPlace& place, double localJulianDay);
  // The built-in table's best match for a place name, or nullptr.
  const TPlace* Place(const std::string& name);

 private:
  // What decides a chart: the clock time, the place as the row gave them and
  // the variants, the numbers by their bits (so that any value, NaN too,
  // orders).
  struct TChartKey {
    std::uint64_t LocalJulianDay, Latitude, Longitude;
    std::int32_t UtcOffset, Dst, Sect, Zodiac, LotFormula, SectHorizon;
    std::string TimeZone;
    bool operator<(const TChartKey& o) const {
      return std::tie(LocalJulianDay, Latitude, Longitude, UtcOffset, Dst, Sect, Zodiac, LotFormula,
                      SectHorizon, TimeZone) < std::tie(o.LocalJulianDay, o.Latitude, o.Longitude,
                                                        o.UtcOffset, o.Dst, o.Sect, o.Zodiac,
                                                        o.LotFormula, o.SectHorizon, o.TimeZone);
    }
  };
  std::map<TChartKey, TBirthChartResult> FCharts;
  std::map<std::string, const TPlace*> FPlaces;
  std::size_t FMaxBytes;
  std::size_t FChartBytes = 0, FPlaceBytes = 0;  // what the two hold, about
};

// The chart of a row over the defaults' settings, as ComputeBatchRow reads
// it: name, date, time, the place (looked up by name, coordinates, zone and
// offset over it), type, loose_bond, periods and the variants.  Returns the
// row's error message (the error column's text), or nothing.
std::optional<std::string> ReadBatchRowSettings(const TBatchColumns& columns,
                                                const std::vector<std::string>& fields,
                                                const TBatchDefaults& defaults, TChartCache& cache,
                                                ReleaseSettings& settings);

// The computed columns of one row (each empty when unknown) and its error
// message (empty when it succeeded; then the others are empty too).
std::vector<std::string> ComputeBatchRow(const TBatchColumns& columns,
                                         const std::vector<std::string>& fields,
                                         const TBatchDefaults& defaults, TChartCache& cache);

}  // namespace ostrane
