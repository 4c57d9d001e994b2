#include "ui/main/InForcePresenter.h"

#include <cstddef>

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
                             double moment) {
  FMoment = moment;
  FInForce = TInForce{};
  main.ClearInForce();
  const TListing& listing = main.Listing();
  if (!settings || listing.Lines.empty()) {
    emit TextChanged(QString());
    return;
  }
  FInForce = PeriodsInForce(listing, *settings, moment);
  for (int level = 0; level < 2; ++level)
    if (FInForce.Periods[level].Level == level + 1) MarkInForce(main, FInForce.Periods[level]);
  FDate.JulianToDate(moment);
  emit TextChanged(QString::fromStdString(InForceText(
      FInForce, FormatDateStyle(FDate, settings->DateStyle), AngleReferenceName(*settings))));
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
}

int TInForcePresenter::SubPeriodRow() const {
  const TPeriodInForce& sub = FInForce.Periods[1];
  return sub.Level == 2 ? sub.Entry + kHeaderLines : -1;
}

}  // namespace ostrane
