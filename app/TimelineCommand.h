// ostrane-list --timeline FILE: the timeline of the listing drawn into a PNG,
// SVG or PDF file, without a display.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGuiApplication;

namespace ostrane {

struct TListRequest;

// The drawing needs a QGuiApplication but no display: one on the offscreen
// platform unless another is chosen (QT_QPA_PLATFORM), or none when there
// is an application already.  Defined only where the program is built with
// the drawing.
std::unique_ptr<QGuiApplication> DrawingApplication();

// The options of the timeline, read with the others into the request.
struct TTimelineOptions {
  std::optional<std::string> File;               // --timeline FILE
  std::optional<std::int32_t> FromYear, ToYear;  // --from-year, --to-year YEAR
  int Width = 1600;                              // --width PIXELS, 200 .. 20000
};

// Whether the arguments hold --timeline.
bool HasTimelineFlag(const std::vector<std::string>& args);

// Takes the timeline's options (--timeline FILE, --from-year YEAR, --to-year
// YEAR, --width PIXELS) out of `args` into `options`, and returns the other
// arguments, for the listing's options.  Throws TUsageError, also when the
// program was built without the drawing.
std::vector<std::string> TakeTimelineOptions(const std::vector<std::string>& args,
                                             TTimelineOptions& options);

// The options that do not combine with --timeline.  Throws TUsageError.
void CheckTimelineOptions(const TListRequest& request);

// Draws the timeline of the request's listing (a birth place gives the lots:
// the periods from Spirit are drawn above those from Fortune) into its file
// and returns the exit status: 0 when written, 1 when the listing or the
// file fails, 2 when the program was built without the drawing.
int RunTimelineCommand(const TListRequest& request, std::ostream& err);

}  // namespace ostrane
