#include "listing/PeriodSpans.h"

#include <cstddef>

namespace ostrane {
namespace {

struct TSpanList {
  double From, To;
  std::vector<TListedPeriod>& Out;

  bool Overlaps(const TListedPeriod& period) const {
    return period.Start < period.End && period.End > From && period.Start < To;
  }
  void Add(const TListedPeriod& period) {
    if (Overlaps(period)) Out.push_back(period);
  }
};

}  // namespace

std::vector<TListedPeriod> PeriodSpans(const TListing& main, const ReleaseSettings& settings,
                                       int maxLevel, double from, double to) {
  std::vector<TListedPeriod> spans;
  TSpanList list{from, to, spans};
  TChronocrator chronocrator;
  for (std::size_t i = 0; i < main.Lines.size(); ++i) {
    if (main.Lines[i].Period.Start >= to) break;
    const int line = static_cast<int>(i);
    if (main.Lines[i].Period.Level == 1) list.Add(PeriodOfLine(main, line, line));
    const TListedPeriod sub = SubPeriodOf(main, line);
    if (maxLevel >= 2) list.Add(sub);
    if (maxLevel < 3 || !list.Overlaps(sub)) continue;
    const TListing level34 = ListLevel34Periods(chronocrator, settings, main, line);
    for (std::size_t j = 0; j < level34.Lines.size(); ++j)
      if (level34.Lines[j].Period.Level <= maxLevel)
        list.Add(PeriodOfLine(level34, static_cast<int>(j), line));
  }
  return spans;
}

}  // namespace ostrane
