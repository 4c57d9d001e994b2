// The two releasing listings as values: the header lines and, for every data
// line, its text and the period behind it with its end and place.  The main
// window shows these values in its lists; the command-line program prints
// them.
//
// Ends are those of the periods in force (InForce.h): a period runs to the
// next start at its own level within its parent, or to its parent's end.
//   level 1  the general period's line: to the next general period's start
//            (the last one's own end);
//   level 2  to the next data line's start, at most its general period's end;
//   level 3, 4  to the next start in the chain, at most the parent's end (the
//            sub period's end for level 3, the level 3 period's for level 4).
// A general period's line also stands for its first sub period; that sub
// period ends at the next data line's start (SubPeriodEnd).
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "core/TimeText.h"
#include "listing/PeriodWalk.h"

namespace ostrane {

// Header lines above the data lines of either listing.
inline constexpr int kHeaderLines = 3;
// The main listing keeps the start and sign of its first 2600 data lines for
// the level 3/4 listing; 200 general periods never produce more than 2511.
inline constexpr int kTabledLines = 2600;

// One data line and the period behind it.
struct TListedLine {
  std::string Text;    // as the list shows it
  TPeriodStep Period;  // level 1 .. 4, unreduced counter, start, loosing, as walked
  double End = 0.0;    // Julian Day (local clock time) at which it ends; End >= start
  int Place = 0;       // from the angle reference (AngleReference), 1 .. 12; 0 unknown
};

// A period of a listing as the readers of its periods see it (the periods in
// force, the calendar, the timeline): the period of its listed line, with the
// end of the period itself and where its line is listed.  The line of a
// general period also stands for its first sub period, which is a level 2
// period of its own here (SubPeriodOf).
struct TListedPeriod {
  int Level = 0;             // 1 .. 4; 0 for none
  std::int32_t Counter = 0;  // unreduced sign counter
  double Start = 0.0;        // Julian Day, local clock time
  double End = 0.0;          // Julian Day at which it ends (exclusive)
  int Place = 0;             // from the angle reference, 1 .. 12; 0 unknown
  bool Loosing = false;      // the first period after a jump to the opposite sign
  // Its line in its own listing (list index minus kHeaderLines): the main
  // listing for levels 1 and 2, the level 3/4 listing of its sub period for
  // levels 3 and 4.
  int Entry = 0;
  // The data line of the main listing it belongs to: its own line for levels
  // 1 and 2, the line of its sub period for levels 3 and 4.
  int MainEntry = 0;

  bool operator==(const TListedPeriod&) const = default;
};

enum class TListingEnd {
  Complete,
  // The main listing stops after its header lines: the time text is not a
  // time of day (the message is in Refusal).
  TimeRefused,
  // The level 3/4 listing of a row that is no data line of the main listing
  // (a header row, no row, a row past the listing or past the tabled lines):
  // nothing at all, not even the header.
  NotALine,
};

struct TListing {
  std::vector<std::string> Header;  // kHeaderLines lines, or none (NotALine)
  std::vector<TListedLine> Lines;   // data line e is list row e + kHeaderLines
  TListingEnd Ending = TListingEnd::Complete;
  std::string Refusal;  // TimeRefused: the error's message
};

// The three header lines of the general listing for the name `name`, and no
// data line: what the main list holds before its first data line.
TListing GeneralHeader(const std::string& name);

// The general and sub-period listing of `settings` (birth date and time text
// read with `locale`, start sign, releasing type, general periods, loose
// bond, styles, name).
TListing ListGeneral(const ReleaseSettings& settings, const TimeLocale& locale);

// The data lines of `main` a level 3/4 listing can be had of: the first
// kTabledLines.
int TabledLines(const TListing& main);

// The data line (0-based) that the list row `row` of `main` subdivides when
// it is double-clicked, or -1 for no row (-1), a header row, or a row past
// the tabled lines.
int DataLineOfRow(const TListing& main, int row);

// The end of the sub period that data line `dataLine` of `main` lists (a
// general period's line: its first sub period): the next data line's start,
// at most the line's own end.
double SubPeriodEnd(const TListing& main, int dataLine);

// The period of data line `entry` of `listing` as listed (a general
// period's line: the general period); `mainEntry` is the main listing's data
// line it belongs to.
TListedPeriod PeriodOfLine(const TListing& listing, int entry, int mainEntry);

// The sub period that data line `dataLine` of `main` lists: level 2 from its
// start to SubPeriodEnd; a general period's line gives its first sub period,
// which is never a jump.
TListedPeriod SubPeriodOf(const TListing& main, int dataLine);

// The level 3/4 listing of data line `dataLine` (0-based) of `main`: its
// sub period's level 3 periods, each followed by its level 4 periods, under
// the releasing type, styles and name of `settings`.  NotALine when
// dataLine is not below TabledLines(main).
TListing ListLevel34(const ReleaseSettings& settings, const TListing& main, int dataLine);

// The same with the caller's calendar and chronocrator, left as the walk
// leaves them (the main window owns one of each for its listing).
TListing ListGeneral(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& settings,
                     const TimeLocale& locale);
TListing ListLevel34(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& settings,
                     const TListing& main, int dataLine);

// The lines of ListGeneral and ListLevel34 without any text (no header, every
// Text empty): the periods, ends and places alone, for the readers that need
// no more.  The main listing from the birth moment `start` (a Julian Day in
// local clock time, as ListingStart gives it).  With `through` (a Julian
// Day) only the first lines, up to and with the general period (the level 3
// period) that holds `through` and the lines below it: those that tell the
// periods up to that moment, each with the same end as in the whole listing.
TListing ListGeneralPeriods(TChronocrator& chronocrator, const ReleaseSettings& settings,
                            double start, double through = std::numeric_limits<double>::infinity());
TListing ListLevel34Periods(TChronocrator& chronocrator, const ReleaseSettings& settings,
                            const TListing& main, int dataLine,
                            double through = std::numeric_limits<double>::infinity());

}  // namespace ostrane
