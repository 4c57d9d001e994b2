#include "listing/InForce.h"

#include <algorithm>
#include <vector>

#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

// Finds the period in force among the consecutive steps of one chain inside
// a parent that ends at parentEnd: each step runs to the next step's start,
// the last one to the parent's end (the chain stops once it has covered its
// parent, so the last step's own next start lies at or past that end, up to
// the rounding of the separate sums).
class TChainSearch {
 public:
  TChainSearch(double moment, double parentEnd) : FMoment(moment), FParentEnd(parentEnd) {}

  // Offers the next step of the chain; false once the period in force is
  // known, so the walk can stop.
  bool Offer(const TPeriodStep& step, int entry) {
    if (FHave) {
      if (Close(std::min(step.Start, FParentEnd))) return false;
    }
    FHave = true;
    FStep = step;
    FEntry = entry;
    return true;
  }

  // After the walk: true when the last offered step is in force.
  bool Finish() {
    if (!FHave || FDone) return FDone;
    return Close(FParentEnd);  // the last step runs to the parent's end
  }

  TPeriodInForce Result(int place) const {
    return TPeriodInForce{FStep.Level, FStep.Counter, FStep.Start, FEnd,
                          place,       FStep.Loosing, FEntry};
  }

 private:
  // Ends the pending step at `nextStart`; true when it holds the moment.
  bool Close(double end) {
    if (FStep.Start <= FMoment && FMoment < end) {
      FEnd = end;
      FDone = true;
    }
    return FDone;
  }

  double FMoment, FParentEnd;
  TPeriodStep FStep;
  int FEntry = 0;
  double FEnd = 0.0;
  bool FHave = false, FDone = false;
};

}  // namespace

TInForce PeriodsInForce(TChronocrator& chronocrator, const ReleaseSettings& s, double start,
                        double moment) {
  TInForce result;
  const std::int32_t reference = AngleReference(s);
  const TGeneralWalk walk = GeneralWalkOf(s, start);
  if (walk.GeneralPeriods < 1 || moment < start) return result;

  // Level 1 and the lines of the general period in force.
  TPeriodStep general;
  bool found = false;
  int entry = -1, generalEntry = 0;
  std::vector<std::pair<TPeriodStep, int>> lines;  // that general period's data lines
  lines.reserve(32);
  WalkGeneralPeriods(chronocrator, walk, [&](const TPeriodStep& step) {
    ++entry;
    if (step.Level == 1) {
      if (found) return false;  // the next general period: done
      if (step.Start <= moment && moment < step.NextStart) {
        found = true;
        general = step;
        generalEntry = entry;
      }
    }
    if (found) lines.emplace_back(step, entry);
    return true;
  });
  if (!found) {
    result.Status = TInForceStatus::AfterLast;
    return result;
  }
  result.Periods[0] = TPeriodInForce{1,
                                     general.Counter,
                                     general.Start,
                                     general.NextStart,
                                     PlaceFrom(reference, general.Counter),
                                     general.Loosing,
                                     generalEntry};

  // Level 2 among the general period's lines.
  TChainSearch subs(moment, general.NextStart);
  for (const auto& [step, lineEntry] : lines)
    if (!subs.Offer(step, lineEntry)) break;
  if (!subs.Finish()) {
    // Only a sub period of no length can be skipped over, at the very end of
    // its general period; the moment then lies in no listed sub period.
    result.Status = TInForceStatus::AfterLast;
    return result;
  }
  const TPeriodInForce sub = subs.Result(0);
  result.Periods[1] = sub;
  if (result.Periods[1].Level == 1) {
    // The general period's line: its first sub period, never a jump.
    result.Periods[1].Level = 2;
    result.Periods[1].Loosing = false;
  }
  result.Periods[1].Place = PlaceFrom(reference, sub.Counter);

  // Levels 3 and 4 from the level 3/4 walk of that sub period.
  TChainSearch level3(moment, sub.End);
  std::vector<std::pair<TPeriodStep, int>> level4Steps;
  level4Steps.reserve(16);
  int level34Entry = -1;
  bool level3Known = false;
  WalkLevel34(chronocrator, s.ReleasingType, sub.Counter, sub.Start, [&](const TPeriodStep& step) {
    ++level34Entry;
    if (step.Level == 3) {
      if (level3Known) return false;
      level3Known = !level3.Offer(step, level34Entry);
      if (level3Known) return false;
      level4Steps.clear();
    } else {
      level4Steps.emplace_back(step, level34Entry);
    }
    return true;
  });
  // The level 3 period in force is the one before the step that closed the
  // search, or the last one walked; its level 4 steps are the ones gathered
  // since it was offered.
  if (!level3.Finish()) return result;
  result.Periods[2] = level3.Result(PlaceFrom(reference, level3.Result(0).Counter));
  TChainSearch level4(moment, result.Periods[2].End);
  for (const auto& [step, stepEntry] : level4Steps)
    if (!level4.Offer(step, stepEntry)) break;
  if (!level4.Finish()) return result;
  result.Periods[3] = level4.Result(PlaceFrom(reference, level4.Result(0).Counter));
  result.Status = TInForceStatus::InForce;
  return result;
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
