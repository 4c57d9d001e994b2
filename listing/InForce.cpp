#include "listing/InForce.h"

#include <cstddef>

#include "listing/Marks.h"

namespace ostrane {
namespace {

// The first data line from `first` on, before `last`, of level `level` whose
// period holds the moment; -1 when none does.
int LineInForce(const TListing& listing, std::size_t first, std::size_t last, int level,
                double moment) {
  for (std::size_t i = first; i < last; ++i) {
    const TListedLine& line = listing.Lines[i];
    if (line.Period.Level == level && line.Period.Start <= moment && moment < line.End)
      return static_cast<int>(i);
  }
  return -1;
}

// The data line after `line` at which the lines below it (of a higher level)
// end: the next line of its level or a lower one, or the end of the listing.
std::size_t ChildrenEnd(const TListing& listing, std::size_t line) {
  const int level = listing.Lines[line].Period.Level;
  std::size_t next = line + 1;
  while (next < listing.Lines.size() && listing.Lines[next].Period.Level > level) ++next;
  return next;
}

}  // namespace

TInForce PeriodsInForce(const TListing& main, const ReleaseSettings& settings, double moment) {
  TInForce result;
  if (main.Lines.empty() || moment < main.Lines.front().Period.Start) return result;

  // Level 1, then level 2 among the general period's lines: the general
  // period's own line stands for its first sub period.
  const int general = LineInForce(main, 0, main.Lines.size(), 1, moment);
  if (general < 0) {
    result.Status = TInForceStatus::AfterLast;
    return result;
  }
  // Places as `settings` count them: Fortune's sign may have become known
  // after the listing was made.
  const std::int32_t reference = AngleReference(settings);
  result.Periods[0] = PeriodOfLine(main, general, general);
  result.Periods[0].Place = PlaceFrom(reference, result.Periods[0].Counter);
  const auto generalLine = static_cast<std::size_t>(general);
  int sub = -1;
  const std::size_t subsEnd = ChildrenEnd(main, generalLine);
  for (std::size_t i = generalLine; i < subsEnd && sub < 0; ++i) {
    const int line = static_cast<int>(i);
    if (main.Lines[i].Period.Start <= moment && moment < SubPeriodEnd(main, line)) sub = line;
  }
  if (sub < 0) {
    // Only a sub period of no length can be skipped over, at the very end of
    // its general period; the moment then lies in no listed sub period.
    result.Status = TInForceStatus::AfterLast;
    return result;
  }
  result.Periods[1] = SubPeriodOf(main, sub);
  result.Periods[1].Place = PlaceFrom(reference, result.Periods[1].Counter);

  // Levels 3 and 4 from the level 3/4 listing of that sub period.
  TChronocrator chronocrator;
  const TListing level34 = ListLevel34Periods(chronocrator, settings, main, sub, moment);
  const int level3 = LineInForce(level34, 0, level34.Lines.size(), 3, moment);
  if (level3 < 0) return result;
  result.Periods[2] = PeriodOfLine(level34, level3, sub);
  const auto level3Line = static_cast<std::size_t>(level3);
  const int level4 =
      LineInForce(level34, level3Line + 1, ChildrenEnd(level34, level3Line), 4, moment);
  if (level4 < 0) return result;
  result.Periods[3] = PeriodOfLine(level34, level4, sub);
  result.Status = TInForceStatus::InForce;
  return result;
}

TInForce PeriodsInForce(TChronocrator& chronocrator, const ReleaseSettings& settings, double start,
                        double moment) {
  return PeriodsInForce(ListGeneralPeriods(chronocrator, settings, start, moment), settings,
                        moment);
}

std::string InForceStatusText(TInForceStatus status) {
  switch (status) {
    case TInForceStatus::BeforeFirst: return "before the first period";
    case TInForceStatus::AfterLast:
      return "after the last listed general period: list more general periods";
    case TInForceStatus::InForce: break;
  }
  return {};
}

}  // namespace ostrane
