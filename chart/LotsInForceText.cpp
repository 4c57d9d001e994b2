#include "chart/LotsInForceText.h"

#include <cstddef>
#include <string_view>

#include "astro/Rulers.h"
#include "core/Ages.h"
#include "core/DateTime.h"
#include "listing/InForceText.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"

namespace ostrane {
namespace {

// The periods InForceText names: those known at their level.
template <typename Fn>
void ForEachNamed(const TInForce& inForce, Fn fn) {
  for (const TPeriodInForce& period : inForce.Periods)
    if (period.Level >= 1 && period.Level <= 4) fn(period);
}

}  // namespace

std::string RulersInForceText(const TInForce& inForce) {
  std::vector<std::string_view> names;
  ForEachNamed(inForce, [&names](const TPeriodInForce& period) {
    names.push_back(PlanetName(DomicileRuler(period.Counter)));
  });
  if (names.empty()) return {};
  std::string text = " \u2014 ruled by ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

std::string RulersInForceReading(const TInForce& inForce, const TChart* chart) {
  std::string text;
  ForEachNamed(inForce, [&](const TPeriodInForce& period) {
    text += (text.empty() ? "" : "\n") + PeriodRulerText(PeriodName(period.Counter, period.Level),
                                                         ReadRuler(period.Counter, chart));
  });
  return text;
}

std::string NextChangeText(const TNextChanges& next, const ReleaseSettings& settings) {
  if (next.Periods.empty()) return {};
  const TListedPeriod& period = next.Periods.front();
  const std::int32_t age =
      CompletedYears(settings.Year, settings.MonthIndex + 1, settings.Day, period.Start);
  return ", next: " + PeriodName(period.Counter, period.Level) + " on " +
         ShownDateText(period.Start, settings.DateStyle) + ", at " + std::to_string(age);
}

std::string LotsInForceText(const std::vector<TLotListing>& lots,
                            const std::vector<TInForce>& inForce, double moment) {
  if (lots.empty() || inForce.size() != lots.size()) return {};
  TDate date;
  date.JulianToDate(moment);
  const ReleaseSettings& first = lots.front().Settings;
  const std::string dateText = FormatDateStyle(date, first.DateStyle);
  std::string text;
  for (std::size_t i = 0; i < lots.size(); ++i) {
    const TLotListing& lot = lots[i];
    const bool named = !lot.Lot.empty();
    if (named) text += (i == 0 ? "" : "; ") + ("from " + lot.Lot) + ", ";
    text +=
        InForceText(inForce[i], named ? std::string() : dateText, AngleReferenceName(lot.Settings));
    text += RulersInForceText(inForce[i]);
    text += NextChangeText(NextChanges(*lot.Listing, lot.Settings, moment, 1), lot.Settings);
  }
  if (!lots.front().Lot.empty() && !dateText.empty()) text = "On " + dateText + ": " + text;
  return text;
}

}  // namespace ostrane
