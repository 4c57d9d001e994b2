// The main window's listings shown in its two lists, the enabled state of
// the listing commands, and the input values read from the controls at the
// moment a command runs.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "BirthDataPanel.h"
#include "Level3F.h"
#include "ListBox.h"
#include "ListingModel.h"
#include "LocaleText.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "ZodiacF.h"

namespace ostrane {

ReleaseSettings TFormZodiac::ReadSettings() const {
  ReleaseSettings s = FBirthData->ReadSettings();
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? kFromStartSign : kFromFortune;
  s.Place = FPlace;
  return s;
}

void TFormZodiac::ApplySettings(const ReleaseSettings& s) {
  FBirthData->ApplySettings(s);
  (s.AnglesFrom == kFromStartSign ? AnglesFromStartSign1 : AnglesFromFortune1)->setChecked(true);
  SetPlace(s.Place);
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
