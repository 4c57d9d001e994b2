// The marks of the listed periods and the periods in force: the line under
// the list, the marked lines of both lists, and "Go to Date".
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListView>
#include <QPointer>

#include "BirthData.h"
#include "BirthDataPanel.h"
#include "ErrorBox.h"
#include "GoToDate.h"
#include "InForceText.h"
#include "ListBox.h"
#include "ListMarks.h"
#include "ListingModel.h"
#include "Marks.h"
#include "Releasing.h"
#include "ZodiacF.h"

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

void TFormZodiac::SetLevel3Window(TFormLevel3* level3) {
  FLevel3 = level3;
  if (level3 == nullptr) return;
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
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? kFromStartSign : kFromFortune;
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

void TFormZodiac::ForgetListing() {
  FListedSettings.reset();
  FInForce = TInForce{};
  LabelInForce->clear();
}

void TFormZodiac::ShowInForce(double moment) {
  FInForceMoment = moment;
  FInForce = TInForce{};
  ListBoxOstrane->Model().ClearInForce();
  if (!FListedSettings || FMain->Lines.empty()) {
    LabelInForce->clear();
    return;
  }
  const ReleaseSettings s = MarkSettings();
  // The first line begins at the birth moment of the listing.
  FInForce = PeriodsInForce(*FChronocrator, s, FMain->Lines.front().Period.Start, moment);
  for (int level = 0; level < 2; ++level)
    if (FInForce.Periods[level].Level == level + 1)
      MarkInForce(ListBoxOstrane->Model(), FInForce.Periods[level]);
  FDate->JulianToDate(moment);
  LabelInForce->setText(QString::fromStdString(
      InForceText(FInForce, FormatDateStyle(*FDate, s.DateStyle), AngleReferenceName(s))));
  ListBoxOstrane->viewport()->update();
}

void TFormZodiac::GoToMoment(double moment) {
  ShowInForce(moment);
  const TPeriodInForce& sub = FInForce.Periods[1];
  if (sub.Level != 2) return;
  const int row = sub.Entry + kHeaderLines;
  ListBoxOstrane->SetItemIndex(row);
  ListBoxOstrane->scrollTo(ListBoxOstrane->Model().index(row), QAbstractItemView::PositionAtCenter);
  ListSubPeriods1->setEnabled(true);
  ListBoxOstraneDblClick();
}

void TFormZodiac::MarkLevel34InForce() {
  if (!FLevel3) return;
  QListView* list = FLevel3->ListBoxLevel3;
  const TPeriodInForce& sub = FInForce.Periods[1];
  if (sub.Level != 2 || MainSelectedIndex() != sub.Entry + kHeaderLines) return;
  int level3 = -1;
  for (int level = 2; level < 4; ++level) {
    if (FInForce.Periods[level].Level != level + 1) continue;
    const int marked = MarkInForce(FLevel3->Model(), FInForce.Periods[level]);
    if (level == 2) level3 = marked;
  }
  if (level3 >= 0) list->scrollTo(FLevel3->Model().index(level3), QAbstractItemView::PositionAtTop);
}

void TFormZodiac::RefreshMarks() {
  if (FListedSettings) ShowInForce(FInForceMoment);
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
