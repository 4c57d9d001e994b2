// ostrane-list --find-place: the built-in table of places searched from the
// command line.
#pragma once

#include <iosfwd>
#include <string>

namespace ostrane {

// Lists up to 10 places matching `query` (TPlaceTable::Search), one a line:
// "Name, Region, CC<TAB>latitude<TAB>longitude<TAB>zone id", coordinates in
// the compact form ("52n22'27", "4e53'23").  When none matches, says so on
// `err` with the nearest names, if any.  Returns 0 when places were listed,
// 1 otherwise.
int RunFindPlace(const std::string& query, std::ostream& out, std::ostream& err);

}  // namespace ostrane
