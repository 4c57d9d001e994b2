// What the report for a client shows, as texts and values, before it is laid
// out on pages: the birth data, the chart and its planets and lots, the
// periods released from the listed sign at levels 1 and 2 with their marks,
// the timeline of both lots, and the periods in force at a moment with the
// changes that follow it.  Assembled from the settings, the birth chart of
// their place and the listings.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "astro/Lots.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "timeline/TimelineModel.h"

namespace ostrane {

// What a report is made of.
struct TReportInput {
  ReleaseSettings Settings;  // the birth data, the listing's settings and the place
  TimeLocale Locale;         // how the time text is read
  // The lot the listed start sign was taken from (--start-sign spirit), or
  // none: then the sign is named as the lot whose sign it is, if any.
  std::optional<TLot> ReleasedFrom;
  double Moment = 0.0;  // Julian Day (local clock time) of the periods in force
  QString MomentLabel;  // on the timeline's moment line: "now 12/10/2026"
  double Made = 0.0;    // Julian Day (local clock time) the report is made
};

// A table: a title above it, the column captions and the rows.  A table
// too long for a page goes on with its captions on the next.
struct TReportRow {
  std::vector<QString> Cells;
  bool Strong = false;  // a general period: bold on a shaded row
  bool Indent = false;  // a sub period: its first cell indented
};
struct TReportTable {
  QString Title;
  std::vector<QString> Columns;
  // The share of the width of each column (the sum need not be 1).
  std::vector<double> Widths;
  std::vector<TReportRow> Rows;
};

// The most rows of the periods' table: whole general periods are kept while
// their rows fit (the pages may cut more, ReportPages.h).
inline constexpr int kMaxPeriodRows = 124;

struct TReportContent {
  QString Name;
  QString Made;    // the report's date in the settings' date style
  QString Footer;  // the program's name and version
  // Label and value: name, birth date and time, place, coordinates, time
  // zone, UTC offset at the birth, zodiac, variants, sect, released from.
  std::vector<std::pair<QString, QString>> BirthRows;
  // The chart, or why there is none in a sentence ("No chart was computed:
  // ...").
  std::optional<TChart> Chart;
  QString NoChart;
  TReportTable PlanetsAndLots;      // empty without a chart
  std::vector<QString> ChartNotes;  // its doubtful points, a sentence each
  TReportTable Periods;             // levels 1 and 2 from the listed sign
  int PeriodsLeft = 0;              // the general periods cut from the table's end
  std::vector<QString> Legend;      // the columns' and marks' meanings
  TTimelineModel Timeline;          // both lots, or the listed sign alone
  QString TimelineTitle;
  QString TimelineMomentLabel;
  std::optional<double> TimelineTo;  // Julian Day the timeline ends at; its own end when none
  double Moment = 0.0;
  // In force at the moment, level by level, and the next twelve changes
  // after it: of both lots (Spirit then Fortune) together, or of the listed
  // sign alone without a chart.
  TReportTable InForce;
  TReportTable NextChanges;
};

// The report of the input.  Throws EConvertError when the time text is not
// a time of day.
TReportContent BuildReport(const TReportInput& input);

// The marks of a period in the report's words: "the peak" (the 10th from
// the reference), "angular" (the 1st, 4th, 7th), "LB" (the loosing of the
// bond), joined by ", "; empty for none.
QString ReportMarks(int place, bool loosing);

}  // namespace ostrane
