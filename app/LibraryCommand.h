// ostrane-list --charts, --import and --export: the chart library written
// out as CSV, files of charts added to it, and its charts written to a file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ostrane {

// Writes the charts of the library in `path` (the user's library by
// default) as CSV with a header row (batch/ChartImport.h's columns), by
// name.  A library that is missing, refused or busy is told on `err`.
// Returns 0, or 1 on such an error.
int RunChartsCommand(const std::string& path, std::ostream& out, std::ostream& err);

// Adds the charts of each file (AAF, CSV or a chart file, told by content)
// to the library in `path`, made when missing.  Each file is one change,
// whole or not at all: a file with a bad record adds nothing and its bad
// records are named on `err` with their lines and reasons.  Says on `out`
// per file how many charts were added and how many skipped as already
// there.  Returns 0, or 1 when any file was refused or the library could
// not be opened or written.
int RunImportCommand(const std::string& path, const std::vector<std::string>& files,
                     std::ostream& out, std::ostream& err);

// Writes the charts of the library in `path` to `file`, as AAF when its name
// ends in .aaf and as CSV when it ends in .csv.  Returns 0, or 1 when the
// library or the file failed (told on `err`).
int RunExportCommand(const std::string& path, const std::string& file, std::ostream& err);

}  // namespace ostrane
