#include "PeriodSpans.h"

#include <algorithm>

#include "Marks.h"
#include "PeriodWalk.h"
#include "Releasing.h"

namespace ostrane {
namespace {

struct TSpanList {
  double From, To;
  std::int32_t Reference;
  std::vector<TPeriodSpan>& Out;

  void Add(const TPeriodStep& step, double end, int entry, int level34Entry) {
    if (!(step.Start < end) || end <= From || step.Start >= To) return;
    Out.push_back(TPeriodSpan{step.Level, step.Counter, step.Start, end,
                              PlaceFrom(Reference, step.Counter), step.Loosing, entry,
                              level34Entry});
  }
};

// The level 3 (and level 4) periods of the sub period `sub`, which ends at
// `subEnd`.
void AddLevel34(TChronocrator& chronocrator, TReleasingType type, const TPeriodStep& sub,
                double subEnd, int entry, int maxLevel, TSpanList& list) {
  if (subEnd <= list.From || sub.Start >= list.To) return;
  std::vector<std::pair<TPeriodStep, int>> steps;
  int level34Entry = -1;
  WalkLevel34(chronocrator, type, sub.Counter, sub.Start, [&](const TPeriodStep& step) {
    ++level34Entry;
    if (step.Level <= maxLevel) steps.emplace_back(step, level34Entry);
    return true;
  });
  // Ends: the next step of the same level within the same parent, else the
  // parent's end.
  double level3End = subEnd;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto& [step, e] = steps[i];
    double end = step.Level == 3 ? subEnd : level3End;
    for (std::size_t j = i + 1; j < steps.size(); ++j) {
      if (steps[j].first.Level == step.Level) {
        end = std::min(end, steps[j].first.Start);
        break;
      }
      if (steps[j].first.Level < step.Level) break;  // the parent ends here
    }
    if (step.Level == 3) level3End = end;
    list.Add(step, end, entry, e);
  }
}

}  // namespace

std::vector<TPeriodSpan> PeriodSpans(TChronocrator& chronocrator, const ReleaseSettings& settings,
                                     double start, int maxLevel, double from, double to) {
  std::vector<TPeriodSpan> spans;
  TSpanList list{from, to, AngleReference(settings), spans};
  const TReleasingType type = settings.ReleasingType;
  // A sub step waits for the next data line to know its end.
  TPeriodStep pendingSub;
  int pendingEntry = -1;
  double generalEnd = 0.0;
  TChronocrator level34Chronocrator;
  const auto closeSub = [&](double nextStart) {
    if (pendingEntry < 0) return;
    const double end = std::min(nextStart, generalEnd);
    if (maxLevel >= 2) list.Add(pendingSub, end, pendingEntry, -1);
    if (maxLevel >= 3 && pendingSub.Start < end)
      AddLevel34(level34Chronocrator, type, pendingSub, end, pendingEntry, maxLevel, list);
    pendingEntry = -1;
  };
  int entry = -1;
  WalkGeneralPeriods(chronocrator, GeneralWalkOf(settings, start), [&](const TPeriodStep& step) {
    ++entry;
    closeSub(step.Start);
    if (step.Start >= to) return false;
    if (step.Level == 1) {
      generalEnd = step.NextStart;
      list.Add(step, step.NextStart, entry, -1);
      pendingSub = step;  // its first sub period begins with it
      pendingSub.Level = 2;
      pendingSub.Loosing = false;
    } else {
      pendingSub = step;
    }
    pendingEntry = entry;
    return true;
  });
  closeSub(generalEnd);
  return spans;
}

}  // namespace ostrane
