// The main window as the listing engine sees it: the input values read
// from the controls at the moment a command runs, the two lists, and the
// enabled state of the listing commands.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

#include "chart/LocaleText.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/NameField.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

// Adds a line, with the period the listing told of just before.
void AddLine(QListWidget& list, const std::string& text, std::optional<TPeriodStep>& period) {
  auto* item = new QListWidgetItem(QString::fromStdString(text), &list);
  if (period) SetPeriodData(*item, *period);
  period.reset();
}

// Puts a whole listing into `list` in place of its lines: the items are
// made with their periods first, so that the list is told of each line
// once.
void FillList(QListWidget& list, const TListing& listing) {
  list.clear();
  for (const std::string& text : listing.Header) list.addItem(QString::fromStdString(text));
  for (const TListedLine& line : listing.Lines) {
    auto* item = new QListWidgetItem(QString::fromStdString(line.Text));
    SetPeriodData(*item, line.Period);
    list.addItem(item);
  }
}

}  // namespace

ReleaseSettings TFormZodiac::ReadSettings() const {
  ReleaseSettings s;
  s.Name = EditName->text().toStdString();
  s.MonthIndex = ComboBoxMonth->currentIndex();
  s.Day = SpinEditDay->Value();
  s.Year = SpinEditYear->Value();
  s.TimeText = EditTime->text().toStdString();
  s.JulianDateText = EditJD->text().toStdString();
  s.StartSign = ComboBoxStartSign->currentIndex();
  s.ReleasingType = FromItemIndex<TReleasingType>(RGOstraneType->ItemIndex());
  s.GeneralPeriods = SpinEditNumMajPeriods->Value();
  s.DateStyle = FromItemIndex<TDateStyle>(RGDateStyle->ItemIndex());
  s.SignNameStyle = FromItemIndex<TSignNameStyle>(RGSignNames->ItemIndex());
  s.LooseBondType = FromItemIndex<TLooseBond>(RGLooseBondType->ItemIndex());
  s.FortuneSign = ComboBoxFortune->currentIndex() - 1;  // item 0 is "none"
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? TAnglesFrom::StartSign : TAnglesFrom::Fortune;
  s.Place = FPlace;
  return s;
}

void TFormZodiac::ApplySettings(const ReleaseSettings& s) {
  SetNameText(QString::fromStdString(s.Name));
  ComboBoxMonth->setCurrentIndex(
      s.MonthIndex >= 0 && s.MonthIndex < ComboBoxMonth->count() ? s.MonthIndex : -1);
  SpinEditDay->SetValue(s.Day);
  SpinEditYear->SetValue(s.Year);
  EditTime->setText(QString::fromStdString(s.TimeText));
  EditJD->setText(QString::fromStdString(s.JulianDateText));
  ComboBoxStartSign->setCurrentIndex(
      s.StartSign >= 0 && s.StartSign < ComboBoxStartSign->count() ? s.StartSign : -1);
  RGOstraneType->SetItemIndex(ToItemIndex(s.ReleasingType));
  SpinEditNumMajPeriods->SetValue(s.GeneralPeriods);
  RGDateStyle->SetItemIndex(ToItemIndex(s.DateStyle));
  RGSignNames->SetItemIndex(ToItemIndex(s.SignNameStyle));
  RGLooseBondType->SetItemIndex(ToItemIndex(s.LooseBondType));
  SetFortuneSign(*ComboBoxFortune, s.FortuneSign);
  (s.AnglesFrom == TAnglesFrom::StartSign ? AnglesFromStartSign1 : AnglesFromFortune1)
      ->setChecked(true);
  SetPlace(s.Place);
}

void TFormZodiac::SetNameText(const QString& name) {
  FNameLimit->SetName(name);
}

void SetFortuneSign(QComboBox& fortune, std::int32_t sign) {
  fortune.setCurrentIndex(sign >= 0 && sign <= 11 ? sign + 1 : 0);
}

TimeLocale TFormZodiac::ReadTimeLocale() const {
  return TimeLocaleOf(QLocale());
}

int TFormZodiac::MainSelectedIndex() const {
  return ListBoxOstrane->ItemIndex();
}

void TFormZodiac::ClearMainList() {
  ListBoxOstrane->clear();
  FPendingPeriod.reset();
}

void TFormZodiac::AddMainLine(const std::string& text) {
  AddLine(*ListBoxOstrane, text, FPendingPeriod);
}

void TFormZodiac::ClearLevel3List() {
  FLevel34Shown = TListing{};
  if (FLevel3) FLevel3->ListBoxLevel3->clear();
  FPendingPeriod.reset();
}

void TFormZodiac::AddLevel3Line(const std::string& text) {
  if (FLevel3)
    AddLine(*FLevel3->ListBoxLevel3, text, FPendingPeriod);
  else
    FPendingPeriod.reset();
}

void TFormZodiac::ShowMainListing(const TListing& listing) {
  FillList(*ListBoxOstrane, listing);
  FPendingPeriod.reset();
}

void TFormZodiac::ShowLevel34Listing(const TListing& listing) {
  FLevel34Shown = listing;
  if (FLevel3) FillList(*FLevel3->ListBoxLevel3, listing);
  FPendingPeriod.reset();
}

void TFormZodiac::PeriodListed(const TPeriodStep& period) {
  FPendingPeriod = period;
}

void TFormZodiac::ShowLevel3Window() {
  if (!FLevel3) return;
  FLevel3->ShowListing();
  MarkLevel34InForce();
}

void TFormZodiac::SetCommandEnabled(TCommand command, bool enabled) {
  switch (command) {
    case TCommand::BtnCalculateOstrane: BtnCalculateOstrane->setEnabled(enabled); break;
    case TCommand::ListOstrane1: ListOstrane1->setEnabled(enabled); break;
    case TCommand::BtnClearList: BtnClearList->setEnabled(enabled); break;
    case TCommand::ClearList1: ClearList1->setEnabled(enabled); break;
    case TCommand::ListSubPeriods1: ListSubPeriods1->setEnabled(enabled); break;
    case TCommand::Print1: Print1->setEnabled(enabled); break;
    case TCommand::Print2: Print2->setEnabled(enabled); break;
  }
}

}  // namespace ostrane
