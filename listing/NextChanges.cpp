#include "listing/NextChanges.h"

#include <cstddef>

#include "core/Chronocrators.h"

namespace ostrane {

TNextChanges NextChanges(const TListing& main, const ReleaseSettings& settings, double moment,
                         int count) {
  TNextChanges next;
  if (count <= 0) return next;
  const auto wanted = static_cast<std::size_t>(count);
  // Adds a period that begins after the moment; true when the count is full.
  const auto add = [&](const TListedPeriod& period) {
    if (period.Start > moment && period.Start < period.End) next.Periods.push_back(period);
    return next.Periods.size() >= wanted;
  };
  TChronocrator chronocrator;
  const int lines = TabledLines(main);
  for (int line = 0; line < lines; ++line) {
    const TListedPeriod sub = SubPeriodOf(main, line);
    // Sub periods over by the moment hold nothing that begins after it.
    if (sub.End <= moment) continue;
    if (main.Lines[static_cast<std::size_t>(line)].Period.Level == 1 &&
        add(PeriodOfLine(main, line, line)))
      return next;
    if (add(sub)) return next;
    if (sub.Start >= sub.End) continue;
    // A level 3/4 listing runs in time order: each level 3 period before
    // its level 4 periods, which lie within it.
    const TListing level34 = ListLevel34Periods(chronocrator, settings, main, line);
    for (std::size_t j = 0; j < level34.Lines.size(); ++j)
      if (add(PeriodOfLine(level34, static_cast<int>(j), line))) return next;
  }
  next.ListingEnded = true;
  return next;
}

}  // namespace ostrane
