#include "ui/main/InForcePresenter.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "astro/Rulers.h"
#include "core/Ages.h"
#include "listing/InForceText.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"
#include "ui/widgets/ListingModel.h"

namespace ostrane {
namespace {

// Marks the line of `period` as in force, when the listing `model` shows
// has it at its entry (a level 3/4 listing made with other settings may
// not); returns its row, or -1.
int MarkInForce(TListingModel& model, const TPeriodInForce& period) {
  const TListing& shown = model.Listing();
  if (period.Entry < 0 || period.Entry >= static_cast<int>(shown.Lines.size())) return -1;
  const TPeriodStep& listed = shown.Lines[static_cast<std::size_t>(period.Entry)].Period;
  // A general line stands for its first sub period.
  const bool level = listed.Level == period.Level || (period.Level == 2 && listed.Level == 1);
  if (!level || listed.Counter != period.Counter || listed.Start != period.Start) return -1;
  const int row = period.Entry + static_cast<int>(shown.Header.size());
  model.MarkInForce(row);
  return row;
}

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
  TDate date;
  StoreShownMoment(date, period.Start);
  const TDateStyle style =
      settings.DateStyle == TDateStyle::None ? TDateStyle::Scientific : settings.DateStyle;
  const std::int32_t age =
      CompletedYears(settings.Year, settings.MonthIndex + 1, settings.Day, period.Start);
  return ", next: " + PeriodName(period.Counter, period.Level) + " on " +
         FormatDateStyle(date, style) + ", at " + std::to_string(age);
}

TInForcePresenter::TInForcePresenter(QObject* parent) : QObject(parent) {}

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

void TInForcePresenter::Show(TListingModel& main, const std::optional<ReleaseSettings>& settings,
                             double moment, const TChart* chart) {
  std::vector<TLotListing> lots;
  // The model's listing, not owned.
  if (settings)
    lots.push_back(
        {{}, *settings, std::shared_ptr<const TListing>(std::shared_ptr<void>(), &main.Listing())});
  Show(main, lots, moment, chart);
}

void TInForcePresenter::Show(TListingModel& main, const std::vector<TLotListing>& lots,
                             double moment, const TChart* chart) {
  FMoment = moment;
  FInForce = TInForce{};
  main.ClearInForce();
  const TListing& listing = main.Listing();
  if (lots.empty() || listing.Lines.empty()) {
    emit TextChanged(QString());
    emit RulersChanged(QString());
    return;
  }
  std::vector<TInForce> inForce;
  std::string reading;
  for (const TLotListing& lot : lots) {
    inForce.push_back(PeriodsInForce(*lot.Listing, lot.Settings, moment));
    const std::string lotReading = RulersInForceReading(inForce.back(), chart);
    if (lot.Lot.empty() || lotReading.empty())
      reading += (reading.empty() ? "" : "\n") + lotReading;
    else
      reading += (reading.empty() ? "" : "\n") + ("From " + lot.Lot + ":\n") + lotReading;
  }
  FInForce = inForce.front();
  for (int level = 0; level < 2; ++level)
    if (FInForce.Periods[level].Level == level + 1) MarkInForce(main, FInForce.Periods[level]);
  emit TextChanged(QString::fromStdString(LotsInForceText(lots, inForce, moment)));
  emit RulersChanged(QString::fromStdString(reading));
}

int TInForcePresenter::MarkLevel34(TListingModel& level34, int selectedRow) const {
  const int sub = SubPeriodRow();
  if (sub < 0 || selectedRow != sub) return -1;
  int level3 = -1;
  for (int level = 2; level < 4; ++level) {
    if (FInForce.Periods[level].Level != level + 1) continue;
    const int marked = MarkInForce(level34, FInForce.Periods[level]);
    if (level == 2) level3 = marked;
  }
  return level3;
}

void TInForcePresenter::Forget() {
  FInForce = TInForce{};
  emit TextChanged(QString());
  emit RulersChanged(QString());
}

int TInForcePresenter::SubPeriodRow() const {
  const TPeriodInForce& sub = FInForce.Periods[1];
  return sub.Level == 2 ? sub.Entry + kHeaderLines : -1;
}

}  // namespace ostrane
