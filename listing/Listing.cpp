#include "listing/Listing.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "core/Errors.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

constexpr double kWhole = std::numeric_limits<double>::infinity();

TListing WithHeader(const char* title, const std::string& name) {
  TListing listing;
  listing.Header = {title, name, " "};
  return listing;
}

// The text of a main listing line; leaves the line's date stored in `date`.
std::string MainLineText(TDate& date, const TChronocrator& chronocrator, const ReleaseSettings& s,
                         const TPeriodStep& period) {
  date.JulianToDate(period.Start);
  const std::string sign = FormatSignNames(chronocrator, period.Counter, s.SignNameStyle);
  const std::string shown = FormatDateStyle(date, s.DateStyle);
  return period.Level == 1 ? sign + " major and sub begin " + shown
                           : "        " + sign + " sub begins " + shown;
}

// The text of a level 3/4 line; leaves the shown date stored in `date`.
std::string Level34LineText(TDate& date, const TChronocrator& chronocrator,
                            const ReleaseSettings& s, const TPeriodStep& period) {
  const std::int64_t ms = StoreShownMoment(date, period.Start);
  const char* prefix = period.Level == 3 ? "" : "     ";
  const char* begins = period.Level == 3 ? " L3 begins " : " L4 begins ";
  return prefix + FormatSignNames(chronocrator, period.Counter, s.SignNameStyle) + begins +
         FormatDateStyle(date, s.DateStyle) + ", " + FormatTime12(ms);
}

// Gives every line the end of its period: the start of the next line at its
// own level before any line of a lower level, at most its parent's end; the
// lines of level `topLevel` have the parent end `outerEnd`.
void CloseEnds(std::vector<TListedLine>& lines, int topLevel, double outerEnd) {
  double parentEnds[5] = {outerEnd, outerEnd, outerEnd, outerEnd, outerEnd};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int level = lines[i].Period.Level;
    const double parentEnd = level <= topLevel ? outerEnd : parentEnds[level - 1];
    double end = parentEnd;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      const int next = lines[j].Period.Level;
      if (next == level) end = std::min(end, lines[j].Period.Start);
      if (next <= level) break;
    }
    lines[i].End = end;
    parentEnds[level] = end;
  }
}

// Adds a line without text, its end still to come.
TListedLine& AddLine(TListing& listing, const TPeriodStep& period, int place) {
  TListedLine& line = listing.Lines.emplace_back();
  line.Period = period;
  line.Place = place;
  return line;
}

// Lists the general walk of `s` from `start`: every line's period, place and
// end, and with `texts` its text, each line's date left stored there.  Stops
// at the first general period that begins after `through`: its line is
// listed only for the ends and then taken away again.
void AddGeneralLines(TListing& listing, TChronocrator& chronocrator, const ReleaseSettings& s,
                     double start, double through, TDate* texts) {
  const std::int32_t reference = AngleReference(s);
  const TGeneralWalk walk = GeneralWalkOf(s, start);
  // A general period has 12 or 13 lines as a rule.
  listing.Lines.reserve(static_cast<std::size_t>(std::max(walk.GeneralPeriods, 0)) * 13);
  bool past = false;
  const double end = WalkGeneralPeriods(chronocrator, walk, [&](const TPeriodStep& period) {
    past = period.Level == 1 && period.Start > through;
    TListedLine& line = AddLine(listing, period, PlaceFrom(reference, period.Counter));
    if (texts != nullptr) line.Text = MainLineText(*texts, chronocrator, s, period);
    return !past;
  });
  CloseEnds(listing.Lines, 1, end);
  if (past) listing.Lines.pop_back();
}

// Lists the level 3/4 walk of data line `dataLine` of `main`, which is
// tabled, as AddGeneralLines does, up to the level 3 period that holds
// `through`.
void AddLevel34Lines(TListing& listing, TChronocrator& chronocrator, const ReleaseSettings& s,
                     const TListing& main, int dataLine, double through, TDate* texts) {
  const std::int32_t reference = AngleReference(s);
  const TPeriodStep& sub = main.Lines[static_cast<std::size_t>(dataLine)].Period;
  listing.Lines.reserve(64);
  bool past = false;
  WalkLevel34(chronocrator, s.ReleasingType, sub.Counter, sub.Start,
              [&](const TPeriodStep& period) {
                past = period.Level == 3 && period.Start > through;
                TListedLine& line = AddLine(listing, period, PlaceFrom(reference, period.Counter));
                if (texts != nullptr) line.Text = Level34LineText(*texts, chronocrator, s, period);
                return !past;
              });
  CloseEnds(listing.Lines, 3, SubPeriodEnd(main, dataLine));
  if (past) listing.Lines.pop_back();
}

TListing NoLine() {
  TListing none;
  none.Ending = TListingEnd::NotALine;
  return none;
}

}  // namespace

TListing GeneralHeader(const std::string& name) {
  return WithHeader("General and Sub Period Releasings For:", name);
}

TListing ListGeneral(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& s,
                     const TimeLocale& locale) {
  TListing listing = GeneralHeader(s.Name);
  double start = 0.0;
  try {
    start = ListingStart(date, s, locale);
  } catch (const EConvertError& e) {
    listing.Ending = TListingEnd::TimeRefused;
    listing.Refusal = e.what();
    return listing;
  }
  AddGeneralLines(listing, chronocrator, s, start, kWhole, &date);
  return listing;
}

TListing ListGeneralPeriods(TChronocrator& chronocrator, const ReleaseSettings& settings,
                            double start, double through) {
  TListing listing;
  AddGeneralLines(listing, chronocrator, settings, start, through, nullptr);
  return listing;
}

TListing ListGeneral(const ReleaseSettings& settings, const TimeLocale& locale) {
  TDate date;
  TChronocrator chronocrator;
  return ListGeneral(date, chronocrator, settings, locale);
}

int TabledLines(const TListing& main) {
  return static_cast<int>(std::min<std::size_t>(main.Lines.size(), kTabledLines));
}

int DataLineOfRow(const TListing& main, int row) {
  if (row < kHeaderLines) return -1;
  const int line = row - kHeaderLines;
  return line < TabledLines(main) ? line : -1;
}

double SubPeriodEnd(const TListing& main, int dataLine) {
  const auto i = static_cast<std::size_t>(dataLine);
  const double end = main.Lines[i].End;
  return i + 1 < main.Lines.size() ? std::min(main.Lines[i + 1].Period.Start, end) : end;
}

TListedPeriod PeriodOfLine(const TListing& listing, int entry, int mainEntry) {
  const TListedLine& line = listing.Lines[static_cast<std::size_t>(entry)];
  const TPeriodStep& p = line.Period;
  return TListedPeriod{p.Level,    p.Counter, p.Start, line.End,
                       line.Place, p.Loosing, entry,   mainEntry};
}

TListedPeriod SubPeriodOf(const TListing& main, int dataLine) {
  TListedPeriod sub = PeriodOfLine(main, dataLine, dataLine);
  if (sub.Level == 1) sub.Loosing = false;
  sub.Level = 2;
  sub.End = SubPeriodEnd(main, dataLine);
  return sub;
}

TListing ListLevel34(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& s,
                     const TListing& main, int dataLine) {
  if (dataLine < 0 || dataLine >= TabledLines(main)) return NoLine();
  TListing listing = WithHeader("Level 3 - 4 Releasings For:", s.Name);
  AddLevel34Lines(listing, chronocrator, s, main, dataLine, kWhole, &date);
  return listing;
}

TListing ListLevel34Periods(TChronocrator& chronocrator, const ReleaseSettings& settings,
                            const TListing& main, int dataLine, double through) {
  if (dataLine < 0 || dataLine >= TabledLines(main)) return NoLine();
  TListing listing;
  AddLevel34Lines(listing, chronocrator, settings, main, dataLine, through, nullptr);
  return listing;
}

TListing ListLevel34(const ReleaseSettings& settings, const TListing& main, int dataLine) {
  TDate date;
  TChronocrator chronocrator;
  return ListLevel34(date, chronocrator, settings, main, dataLine);
}

}  // namespace ostrane
