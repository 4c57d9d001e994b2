// The main window's listings shown in its two lists, the enabled state of
// the listing commands, and the input values read from the controls at the
// moment a command runs.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "Level3F.h"
#include "ListBox.h"
#include "ListingModel.h"
#include "LocaleText.h"
#include "NameField.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "ZodiacF.h"

namespace ostrane {

ReleaseSettings TFormZodiac::ReadSettings() const {
  ReleaseSettings s;
  s.Name = EditName->text().toStdString();
  s.MonthIndex = ComboBoxMonth->currentIndex();
  s.Day = SpinEditDay->Value();
  s.Year = SpinEditYear->Value();
  s.TimeText = EditTime->text().toStdString();
  s.JulianDateText = EditJD->text().toStdString();
  s.StartSign = ComboBoxStartSign->currentIndex();
  s.ReleasingType = RGOstraneType->ItemIndex();
  s.GeneralPeriods = SpinEditNumMajPeriods->Value();
  s.DateStyle = RGDateStyle->ItemIndex();
  s.SignNameStyle = RGSignNames->ItemIndex();
  s.LooseBondType = RGLooseBondType->ItemIndex();
  s.FortuneSign = ComboBoxFortune->currentIndex() - 1;  // item 0 is "none"
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? kFromStartSign : kFromFortune;
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
  RGOstraneType->SetItemIndex(s.ReleasingType);
  SpinEditNumMajPeriods->SetValue(s.GeneralPeriods);
  RGDateStyle->SetItemIndex(s.DateStyle);
  RGSignNames->SetItemIndex(s.SignNameStyle);
  RGLooseBondType->SetItemIndex(s.LooseBondType);
  SetFortuneSign(*ComboBoxFortune, s.FortuneSign);
  (s.AnglesFrom == kFromStartSign ? AnglesFromStartSign1 : AnglesFromFortune1)->setChecked(true);
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

void TFormZodiac::ShowMainListing(std::shared_ptr<const TListing> listing) {
  FMain = std::move(listing);
  ListBoxOstrane->Model().SetListing(FMain);
}

void TFormZodiac::EnableListedCommands() {
  BtnCalculateOstrane->setEnabled(false);
  ListOstrane1->setEnabled(false);
  BtnClearList->setEnabled(true);
  ClearList1->setEnabled(true);
  ListSubPeriods1->setEnabled(true);
  Print1->setEnabled(true);
  Print2->setEnabled(true);
}

void TFormZodiac::ShowLevel34Listing(std::shared_ptr<const TListing> listing) {
  if (FLevel3) FLevel3->Model().SetListing(std::move(listing));
}

void TFormZodiac::ClearLevel34() {
  if (FLevel3) FLevel3->Model().Clear();
}

void TFormZodiac::ShowLevel3Window() {
  if (!FLevel3) return;
  FLevel3->ShowListing();
  MarkLevel34InForce();
}

}  // namespace ostrane
