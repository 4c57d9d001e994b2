// The marks of the listed periods and the periods in force: the line under
// the list, the marked lines of both lists, and "Go to Date".
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListView>
#include <QPointer>

#include "listing/InForceText.h"
#include "listing/Marks.h"
#include "listing/Releasing.h"
#include "ui/dialogs/GoToDate.h"
#include "ui/main/BirthData.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/WindowGeometry.h"

namespace ostrane {
void TFormZodiac::SetLevel3Window(TFormLevel3* level3) {
  FLevel3 = level3;
  if (level3 == nullptr) return;
  if (!level3->findChild<QObject*>(kGeometryKeeperName, Qt::FindDirectChildrenOnly))
    KeepWindowGeometry(level3);
  level3->Model().SetChart(Chart());
  QListView* list = level3->ListBoxLevel3;
  if (qobject_cast<TMarkDelegate*>(list->itemDelegate())) return;
  list->setUniformItemSizes(true);  // every line as wide as the widest
  list->setItemDelegate(new TMarkDelegate(
      [form = QPointer<TFormZodiac>(this)] {
        return form ? form->MarkReference() : TMarkReference{};
      },
      list));
  // The lines keep the room they had before the marks' margin.
  if (!level3->isVisible()) level3->WidenBy(TMarkDelegate::MarginWidth(list->font()));
}

ReleaseSettings TFormZodiac::MarkSettings() const {
  // Read for every line painted: only the two controls when there is a
  // listing.
  ReleaseSettings s = FListedSettings ? *FListedSettings : ReadSettings();
  s.FortuneSign = FBirthData->FortuneSign();
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? TAnglesFrom::StartSign : TAnglesFrom::Fortune;
  return s;
}

TMarkReference TFormZodiac::MarkReference() const {
  const ReleaseSettings s = MarkSettings();
  return {AngleReference(s), AngleReferenceName(s)};
}

double TFormZodiac::NowJulianDay() {
  const QDateTime now = FClock();
  const QDate date = now.date();
  return BirthJulianDay(
      *FDate, date.year(), date.month() - 1, date.day(),
      now.time().msecsSinceStartOfDay() / static_cast<double>(kMillisecondsPerDay));
}

const TInForce& TFormZodiac::InForce() const {
  return FInForcePresenter->InForce();
}

void TFormZodiac::ForgetListing() {
  FListedSettings.reset();
  FLots.clear();
  FInForcePresenter->Forget();
  UpdateReleaseOtherLot();
}

void TFormZodiac::ShowInForce(double moment) {
  FLots.clear();
  if (FListedSettings) {
    TChronocrator chronocrator;
    FLots = LotListings(FMain, MarkSettings(), Chart(), chronocrator);
  }
  FInForcePresenter->Show(ListBoxOstrane->Model(), FLots, moment, Chart());
  ListBoxOstrane->viewport()->update();
  UpdateReleaseOtherLot();
}

void TFormZodiac::GoToMoment(double moment) {
  ShowInForce(moment);
  const int row = FInForcePresenter->SubPeriodRow();
  if (row < 0) return;
  ListBoxOstrane->SetItemIndex(row);
  ListBoxOstrane->scrollTo(ListBoxOstrane->Model().index(row), QAbstractItemView::PositionAtCenter);
  ListSubPeriods1->setEnabled(true);
  ListBoxOstraneDblClick();
}

void TFormZodiac::MarkLevel34InForce() {
  if (!FLevel3) return;
  const int level3 = FInForcePresenter->MarkLevel34(FLevel3->Model(), FLevel34Row);
  if (level3 >= 0)
    FLevel3->ListBoxLevel3->scrollTo(FLevel3->Model().index(level3),
                                     QAbstractItemView::PositionAtTop);
}

void TFormZodiac::RefreshMarks() {
  if (FListedSettings) ShowInForce(FInForcePresenter->Moment());
  ListBoxOstrane->viewport()->update();
  if (FLevel3) FLevel3->ListBoxLevel3->viewport()->update();
  NoteListing(false);
}

void TFormZodiac::GoToDate1Click() {
  TGoToDateDialog dialog(FClock(), ReadTimeLocale(), this);
  if (RunModal(dialog) != QDialog::Accepted) return;
  GoToMoment(dialog.JulianDay());
  FChosenMoment = dialog.JulianDay();
  NoteListing(false);
}

}  // namespace ostrane
