// ostrane-list --report FILE: the report for a client written as a PDF file
// without a display (report/ReportPdf.h).
#pragma once

#include <iosfwd>

namespace ostrane {

struct TListRequest;

// The options that do not combine with --report.  Throws TUsageError.
void CheckReportOptions(const TListRequest& request);

// Writes the report of the request (its settings, the chart of its place,
// the periods in force at --at or now) into its --report file and returns
// the exit status: 0 when written, 1 when the birth time is not a time or
// the file cannot be written, 2 when the program was built without the
// drawing.
int RunReportCommand(const TListRequest& request, std::ostream& err);

}  // namespace ostrane
