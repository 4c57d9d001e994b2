#include "ui/main/InForcePresenter.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "chart/LotsInForceText.h"
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

}  // namespace

TInForcePresenter::TInForcePresenter(QObject* parent) : QObject(parent) {}

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
