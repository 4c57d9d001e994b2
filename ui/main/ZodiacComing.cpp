// The Coming Changes window, the listings of both lots behind the periods in
// force, and the level 3/4 window kept with the main listing.
#include <QAction>
#include <QStatusBar>

#include "listing/Releasing.h"
#include "ui/dialogs/ChartPanel.h"
#include "ui/dialogs/ComingChanges.h"
#include "ui/dialogs/ComingChangesModel.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListingModel.h"

namespace ostrane {
namespace {

// The lot a listing from `startSign` does not release from: Fortune when
// it releases from neither.
TLot LotNotShown(const TChart* chart, std::int32_t startSign) {
  const std::optional<TLot> shown = ReleasedLot(chart, startSign);
  return shown ? OtherLot(*shown) : TLot::Fortune;
}

}  // namespace

TFormComingChanges* TFormZodiac::ComingChangesWindow() const {
  return FComing;
}

void TFormZodiac::ComingChanges1Click() {
  if (!FComing) {
    FComing = new TFormComingChanges(this);
    connect(this, &TFormZodiac::ListingChanged, FComing, [this] { RefreshComingChanges(); });
    connect(FComing, &TFormComingChanges::MoreAsked, this, [this] {
      FComingRows += kComingRows;
      RefreshComingChanges();
    });
    connect(FComing, &TFormComingChanges::ChangeChosen, this, &TFormZodiac::ComingChangeChosen);
  }
  RefreshComingChanges();
  FComing->OpenBeside(this);
}

void TFormZodiac::RefreshComingChanges() {
  if (!FComing) return;
  if (FLots.empty()) {
    FComing->Model().Clear();
    FComing->SetFrom("Nothing is listed: List Periods to see the changes to come.");
    return;
  }
  const double moment = FChosenMoment ? *FChosenMoment : NowJulianDay();
  FComing->Model().SetChanges(FLots, ComingChanges(FLots, moment, FComingRows), Chart());
  QString from =
      QString("The changes after %1 (%2)")
          .arg(QString::fromStdString(ShownDateText(moment, FLots.front().Settings.DateStyle)))
          .arg(FChosenMoment ? "the date chosen in Go to Date" : "now");
  if (FLots.size() > 1)
    from += QString(", released from %1 and from %2")
                .arg(QString::fromStdString(FLots[0].Lot), QString::fromStdString(FLots[1].Lot));
  else if (!FLots.front().Lot.empty())
    from += ", released from " + QString::fromStdString(FLots.front().Lot);
  FComing->SetFrom(from + ".");
}

void TFormZodiac::ComingChangeChosen(int row) {
  if (!FComing || row < 0 || row >= FComing->Model().rowCount()) return;
  const TComingChange& change = FComing->Model().Change(row);
  if (change.Period.Level != 2) return;
  if (change.LotIndex != 0) {
    StatusBar1->showMessage(QString("That sub period is released from %1: release from %1 to "
                                    "list it in the main list.")
                                .arg(QString::fromStdString(FComing->Model().LotOf(row))));
    return;
  }
  const int listRow = change.Period.Entry + kHeaderLines;
  if (listRow >= ListBoxOstrane->Model().rowCount()) return;
  ListBoxOstrane->SetItemIndex(listRow);
  ListBoxOstrane->scrollTo(ListBoxOstrane->Model().index(listRow),
                           QAbstractItemView::PositionAtCenter);
  ListSubPeriods1->setEnabled(true);
  raise();
  activateWindow();
}

void TFormZodiac::UpdateReleaseOtherLot() {
  const std::int32_t startSign =
      FListedSettings ? FListedSettings->StartSign : ReadSettings().StartSign;
  ReleaseOtherLot->setText(LotNotShown(Chart(), startSign) == TLot::Spirit
                               ? "Release from &Spirit"
                               : "Release from &Fortune");
  ReleaseOtherLot->setEnabled(Chart() != nullptr);
}

void TFormZodiac::ReleaseOtherLotClick() {
  if (Chart() == nullptr) return;
  const std::int32_t startSign =
      FListedSettings ? FListedSettings->StartSign : ReadSettings().StartSign;
  FChartPanel->ReleaseFrom(LotNotShown(Chart(), startSign));
}

void TFormZodiac::ListLevel34Line(int line, const ReleaseSettings& settings) {
  FLevel34Period.reset();
  FLevel34Row = -1;
  if (!FLevel3) return;
  FLevel3->SetPeriodCaption(QString());
  if (line < 0) return;
  // The ages count from the birth the main listing was made of.
  TLineDates dates = LineDatesOf(FListedSettings ? *FListedSettings : settings);
  dates.Style = settings.DateStyle;
  FLevel3->Model().SetLineDates(dates);
  ShowLevel34Listing(std::make_shared<const TListing>(
      ListLevel34(*FDate, *FChronocrator, settings, *FMain, line)));
  FLevel34Period = Level34PeriodOf(*FMain, line);
  if (!FLevel34Period) return;
  FLevel34Row = line + kHeaderLines;
  FLevel3->SetPeriodCaption(
      QString::fromStdString(Level34PeriodCaption(*FLevel34Period, settings.DateStyle)));
}

void TFormZodiac::FollowLevel34() {
  if (!FLevel3 || !FLevel34Period) return;
  if (FLevel3->Model().rowCount() == 0) {  // closed since
    FLevel34Period.reset();
    FLevel34Row = -1;
    return;
  }
  const int line = FListedSettings ? FindLevel34Period(*FMain, *FLevel34Period) : -1;
  if (line < 0 || line >= TabledLines(*FMain)) {
    FLevel34Row = -1;
    FLevel3->MarkStale();
    return;
  }
  ClearLevel34();
  ListLevel34Line(line, *FListedSettings);
  MarkLevel34InForce();
}

}  // namespace ostrane
