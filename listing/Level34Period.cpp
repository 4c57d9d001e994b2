#include "listing/Level34Period.h"

#include <cstddef>

#include "core/Chronocrators.h"
#include "listing/InForceText.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

bool SamePeriod(const TListedPeriod& a, const TListedPeriod& b) {
  return a.Level == b.Level && a.Start == b.Start && SignRow(a.Counter) == SignRow(b.Counter);
}

}  // namespace

std::optional<TLevel34Period> Level34PeriodOf(const TListing& main, int dataLine) {
  if (dataLine < 0 || dataLine >= static_cast<int>(main.Lines.size())) return std::nullopt;
  int general = dataLine;
  while (general > 0 && main.Lines[static_cast<std::size_t>(general)].Period.Level != 1) --general;
  if (main.Lines[static_cast<std::size_t>(general)].Period.Level != 1) return std::nullopt;
  return TLevel34Period{PeriodOfLine(main, general, general), SubPeriodOf(main, dataLine)};
}

int FindLevel34Period(const TListing& main, const TLevel34Period& period) {
  std::optional<TListedPeriod> general;
  for (int line = 0; line < static_cast<int>(main.Lines.size()); ++line) {
    const TPeriodStep& step = main.Lines[static_cast<std::size_t>(line)].Period;
    if (step.Level == 1) general = PeriodOfLine(main, line, line);
    if (!general || !SamePeriod(*general, period.General)) continue;
    if (SamePeriod(SubPeriodOf(main, line), period.Sub)) return line;
  }
  return -1;
}

std::string Level34PeriodCaption(const TLevel34Period& period, TDateStyle style) {
  return PeriodName(period.General.Counter, 1) + ", " + PeriodName(period.Sub.Counter, 2) + ", " +
         ShownDateText(period.Sub.Start, style) + " \u2013 " + ShownDateText(period.Sub.End, style);
}

}  // namespace ostrane
