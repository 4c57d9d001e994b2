// The main window's listings shown in its two lists, the enabled state of
// the listing commands, and the input values read from the controls at the
// moment a command runs.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "chart/LocaleText.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/NameField.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {

ReleaseSettings TFormZodiac::ReadSettings() const {
  ReleaseSettings s = FBirthData->ReadSettings();
  s.AnglesFrom = AnglesFromStartSign1->isChecked() ? TAnglesFrom::StartSign : TAnglesFrom::Fortune;
  s.Place = FPlace;
  return s;
}

void TFormZodiac::ApplySettings(const ReleaseSettings& s) {
  FBirthData->ApplySettings(s);
  (s.AnglesFrom == TAnglesFrom::StartSign ? AnglesFromStartSign1 : AnglesFromFortune1)
      ->setChecked(true);
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
