// ostrane-list --charts: the chart library written out as CSV.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "storage/ChartLibrary.h"

namespace ostrane {

// The columns of --charts: the batch's input columns (BatchRows.h), so that
// the output serves as a batch's input, then tags and note.
const std::vector<std::string>& LibraryCsvColumns();

// The fields of one chart in the order of LibraryCsvColumns: the date as
// [-]YYYY-MM-DD, the coordinates as DegreesText, the offset as
// FormatUtcOffset, the choices by the names the batch takes, release_from
// the record's (or the start sign's name when it has none), the tags joined
// by ", ".
std::vector<std::string> LibraryCsvFields(const TChartRecord& record);

// Writes the charts of the library in `path` (the user's library by
// default) as CSV with a header row, by name.  A library that is missing,
// refused or busy is told on `err`.  Returns 0, or 1 on such an error.
int RunChartsCommand(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace ostrane
