// The chart of the birth on the command line: the lots for --start-sign
// fortune, spirit or another lot, for the places of the periods and for the
// rulers of --csv and --at, and --lots.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/ListArguments.h"
#include "chart/BirthChart.h"
#include "chart/ChartText.h"  // ChartNotes

namespace ostrane {

// The rows of --lots, "key,value" each, in this order: latitude, longitude,
// time_zone, utc_offset_seconds, julian_day_ut, julian_day_tt, sun, moon,
// ascendant, sun_altitude, sect, fortune, spirit, fortune_sign, spirit_sign,
// then PlanetsAndLotsValues' (mercury .. saturn, eros .. nemesis and their
// signs, zodiac, ayanamsa, lot_formula, sect_horizon).
std::vector<std::pair<std::string, std::string>> LotsRows(const TBirthPlace& place,
                                                          const TBirthChart& chart);

// Puts the lots into the request's settings: the starting sign when it is
// released from a lot, and Fortune's sign when it was not given and a place
// is known; keeps the chart in the request (for --csv and --at, computed
// whenever a place is known) and the birth's UTC offset (the chart's, or
// the one given with --utc-offset).  Writes messages to `err`; returns 0, or the exit status of a
// chart that could not be computed (1).  With a place and nothing asked of
// it, a failed chart is only a note and Fortune stays unknown.
int ApplyBirthChart(TListRequest& request, std::ostream& err);

// --lots: writes the rows, the notes to `err`; returns the exit status.
int WriteLots(const TListRequest& request, std::ostream& out, std::ostream& err);

}  // namespace ostrane
