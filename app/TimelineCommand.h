// ostrane-list --timeline FILE: the timeline of the listing drawn into a PNG,
// SVG or PDF file, without a display.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ostrane {

// When the arguments hold --timeline, takes out its options (--timeline
// FILE, --from-year YEAR, --to-year YEAR, --width PIXELS), reads the others as the
// listing does (a birth place gives the lots: the periods from Spirit are
// drawn above those from Fortune), writes the file and returns the exit
// status: 0 when written, 1 when the listing, the chart or the file fails,
// 2 on a usage error (also when the program was built without the drawing).
// Without --timeline returns nothing and does nothing.
std::optional<int> RunTimelineCommand(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err);

}  // namespace ostrane
