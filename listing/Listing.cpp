#include "listing/Listing.h"

#include <algorithm>
#include <cstddef>

#include "core/Errors.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

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

}  // namespace

TListing ListGeneral(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& s,
                     const TimeLocale& locale) {
  TListing listing = WithHeader("General and Sub Period Releasings For:", s.Name);
  double start = 0.0;
  try {
    start = ListingStart(date, s, locale);
  } catch (const EConvertError& e) {
    listing.Ending = TListingEnd::TimeRefused;
    listing.Refusal = e.what();
    return listing;
  }
  const std::int32_t reference = AngleReference(s);
  const TGeneralWalk walk = GeneralWalkOf(s, start);
  // A general period has 12 or 13 lines as a rule.
  listing.Lines.reserve(static_cast<std::size_t>(std::max(walk.GeneralPeriods, 0)) * 13);
  const double end = WalkGeneralPeriods(chronocrator, walk, [&](const TPeriodStep& period) {
    listing.Lines.push_back(TListedLine{MainLineText(date, chronocrator, s, period), period, 0.0,
                                        PlaceFrom(reference, period.Counter)});
    return true;
  });
  CloseEnds(listing.Lines, 1, end);
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

TListing ListLevel34(TDate& date, TChronocrator& chronocrator, const ReleaseSettings& s,
                     const TListing& main, int dataLine) {
  if (dataLine < 0 || dataLine >= TabledLines(main)) {
    TListing none;
    none.Ending = TListingEnd::NotALine;
    return none;
  }
  TListing listing = WithHeader("Level 3 - 4 Releasings For:", s.Name);
  const std::int32_t reference = AngleReference(s);
  const TPeriodStep& sub = main.Lines[static_cast<std::size_t>(dataLine)].Period;
  WalkLevel34(
      chronocrator, s.ReleasingType, sub.Counter, sub.Start, [&](const TPeriodStep& period) {
        listing.Lines.push_back(TListedLine{Level34LineText(date, chronocrator, s, period), period,
                                            0.0, PlaceFrom(reference, period.Counter)});
        return true;
      });
  CloseEnds(listing.Lines, 3, SubPeriodEnd(main, dataLine));
  return listing;
}

TListing ListLevel34(const ReleaseSettings& settings, const TListing& main, int dataLine) {
  TDate date;
  TChronocrator chronocrator;
  return ListLevel34(date, chronocrator, settings, main, dataLine);
}

}  // namespace ostrane
