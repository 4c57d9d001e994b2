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
#include <string>
#include <vector>

#include "Chronocrators.h"
#include "DateTime.h"
#include "PeriodWalk.h"
#include "ReleaseSettings.h"
#include "TimeText.h"

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

}  // namespace ostrane
