// The command handlers of the main window.
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <utility>

#include "chart/LocaleText.h"
#include "core/Errors.h"
#include "core/RealText.h"
#include "ui/dialogs/HelpF.h"
#include "ui/main/BirthData.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/FilesPresenter.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/printing/ListPrinting.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"
#include "ui/widgets/WindowGeometry.h"

namespace ostrane {

void TFormZodiac::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const EConvertError& error) {
    // A handler run by a line of a file being restored: the restore shows
    // the error and stops at that line.
    if (FFiles && FFiles->KeepHandlerError(error.what())) return;
    ShowErrorBox(this, QString::fromStdString(error.what()));
  }
}

// --- Listings ---------------------------------------------------------------

void TFormZodiac::BtnCalculateOstraneClick() {
  const ReleaseSettings settings = ReadSettings();
  FListedSettings.reset();
  RunCommand([this, &settings] {
    DoMajorHeader();
    ListBoxOstrane->Model().SetLineDates(LineDatesOf(settings));
    ShowMainListing(std::make_shared<const TListing>(
        ListGeneral(*FDate, *FChronocrator, settings, ReadTimeLocale())));
    // A refused listing shows its header lines and no data lines.
    if (FMain->Ending == TListingEnd::TimeRefused) throw EConvertError(FMain->Refusal);
    EnableListedCommands();
    FListedSettings = settings;
  });
  ShowInForce(NowJulianDay());
  // The sub period in force comes into view, not selected.
  if (const int row = FInForcePresenter->SubPeriodRow(); row >= 0)
    ListBoxOstrane->scrollTo(ListBoxOstrane->Model().index(row),
                             QAbstractItemView::PositionAtCenter);
  FollowLevel34();
  NoteListing(true);
  ShowNotWholeNumberNotes();
  UpdateListingState();
}

void TFormZodiac::DoMajorHeader() {
  ShowMainListing(std::make_shared<const TListing>(GeneralHeader(ReadSettings().Name)));
}

void TFormZodiac::ShowNotWholeNumberNotes() {
  const std::pair<const TSpinEdit*, const char*> fields[] = {
      {FBirthData->SpinEditDay(), "Day"},
      {FBirthData->SpinEditYear(), "Year"},
      {FBirthData->SpinEditNumMajPeriods(), "General Periods"}};
  QStringList notes;
  for (const auto& [field, name] : fields) {
    if (!field->IsWholeNumber())
      notes << QString::fromStdString(NotWholeNumberNote(name, field->MinValue()));
  }
  const QString shown = notes.join("; ");
  if (!shown.isEmpty())
    StatusBar1->showMessage(shown);
  else if (!FNotesShown.isEmpty() && StatusBar1->currentMessage() == FNotesShown)
    StatusBar1->clearMessage();  // an earlier listing's notes no longer hold
  FNotesShown = shown;
}

void TFormZodiac::UpdateListingState() {
  LabelListingState->setVisible(FListedSettings &&
                                !SameListingInputs(*FListedSettings, ReadSettings()));
}

void TFormZodiac::BtnClearListClick() {
  LabelListingState->hide();
  ListBoxOstrane->Model().Clear();
  ForgetListing();
  BtnCalculateOstrane->setEnabled(true);
  ListOstrane1->setEnabled(true);
  DisableClearListButtons();
  ListSubPeriods1->setEnabled(false);
  Print1->setEnabled(false);
  Print2->setEnabled(false);
  FollowLevel34();
  NoteListing(true);
}

void TFormZodiac::DisableClearListButtons() {
  BtnClearList->setEnabled(false);
  ClearList1->setEnabled(false);
}

void TFormZodiac::ListBoxOstraneDblClick() {
  ClearLevel34();
  const int line = DataLineOfRow(*FMain, MainSelectedIndex());
  ListLevel34Line(line, ReadSettings());
  if (line < 0) return;  // not a line of the current listing
  ShowLevel3Window();
}

void TFormZodiac::ListSubPeriods1Click() {
  ListBoxOstraneDblClick();
}

void TFormZodiac::ListBoxOstraneMouseMove() {
  ListSubPeriods1->setEnabled(ListBoxOstrane->ItemIndex() > 2);
}

// --- Birth data -------------------------------------------------------------

void TFormZodiac::WriteTimeField(std::int64_t msOfDay) {
  FBirthData->EditTime()->setText(TimeFieldText(QLocale(), msOfDay));
}

void TFormZodiac::GetCurrentDateTime() {
  const QDateTime now = FClock();
  const QDate today = now.date();
  FBirthData->SpinEditYear()->SetValue(today.year());
  FBirthData->SpinEditDay()->SetValue(today.day());
  WriteTimeField(now.time().msecsSinceStartOfDay());
  FBirthData->ComboBoxMonth()->setCurrentIndex(today.month() - 1);
}

void TFormZodiac::BtnNowClick() {
  GetCurrentDateTime();
}

void TFormZodiac::BtnShowJulianClick() {
  RunCommand([this] {
    const double timeOfDay =
        StrToTime(FBirthData->EditTime()->text().toStdString(), ReadTimeLocale());
    const double julianDay = BirthJulianDay(*FDate, FBirthData->SpinEditYear()->Value(),
                                            FBirthData->ComboBoxMonth()->currentIndex(),
                                            FBirthData->SpinEditDay()->Value(), timeOfDay);
    FBirthData->EditJD()->setText(
        QString::fromStdString(FormatReal(julianDay, DecimalSeparatorOf(QLocale()))));
  });
}

void TFormZodiac::BtnShowDateClick() {
  RunCommand([this] {
    const TBirthMoment moment = BirthMomentOfJulianText(
        *FDate, FBirthData->EditJD()->text().toStdString(), DecimalSeparatorOf(QLocale()));
    FBirthData->SpinEditYear()->SetValue(moment.Year);
    FBirthData->ComboBoxMonth()->setCurrentIndex(moment.MonthIndex);
    FBirthData->SpinEditDay()->SetValue(moment.Day);
    WriteTimeField(moment.MsOfDay);
  });
}

void TFormZodiac::SpinEditDayEnter() {
  const auto rollOver =
      RollOverDay(*FDate, FBirthData->SpinEditYear()->Value(),
                  FBirthData->ComboBoxMonth()->currentIndex(), FBirthData->SpinEditDay()->Value());
  if (!rollOver) return;
  FBirthData->ComboBoxMonth()->setCurrentIndex(rollOver->MonthIndex);
  FBirthData->SpinEditDay()->SetValue(rollOver->Day);
}

// --- Styles -----------------------------------------------------------------

void TFormZodiac::RGDateStyleClick() {
  BtnCalculateOstraneClick();
}

void TFormZodiac::SetSignNameChecks(bool shortNames) {
  ShortSignNames2->setChecked(shortNames);
  LongSignNames2->setChecked(!shortNames);
}

void TFormZodiac::RGSignNamesClick() {
  SetSignNameChecks(FBirthData->RGSignNames()->ItemIndex() == ToItemIndex(TSignNameStyle::Short));
  BtnCalculateOstraneClick();
}

void TFormZodiac::ShortSignNames1Click() {
  FBirthData->RGSignNames()->SetItemIndex(ToItemIndex(TSignNameStyle::Short));
  SetSignNameChecks(true);
}

void TFormZodiac::LongSignNames1Click() {
  FBirthData->RGSignNames()->SetItemIndex(ToItemIndex(TSignNameStyle::Long));
  SetSignNameChecks(false);
}

// --- Font, printing, help, exit ---------------------------------------------

void TFormZodiac::Print1Click() {
  PrintListBox(this, PrintDialog1, ListBoxOstrane);
}

void TFormZodiac::Font1Click() {
  FontDialog1->setCurrentFont(ListBoxOstrane->font());
  if (RunModal(*FontDialog1) != QDialog::Accepted) return;
  const QFont font = FontDialog1->selectedFont();
  ListBoxOstrane->setFont(font);
  if (FLevel3) FLevel3->ListBoxLevel3->setFont(font);
}

void TFormZodiac::FontColour1Click() {
  QColorDialog dialog(ListBoxOstrane->palette().color(QPalette::Text), this);
  dialog.setObjectName("ColourDialog1");
  dialog.setWindowTitle("Font Colour");
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (RunModal(dialog) != QDialog::Accepted) return;
  // Printing takes the colour the lists were given.
  for (QWidget* list : {static_cast<QWidget*>(ListBoxOstrane),
                        FLevel3 ? static_cast<QWidget*>(FLevel3->ListBoxLevel3) : nullptr}) {
    if (list == nullptr) continue;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, dialog.selectedColor());
    list->setPalette(palette);
  }
}

void TFormZodiac::Contents1Click() {
  if (!FHelp) {
    FHelp = new THelpWindow(this);
    KeepWindowGeometry(FHelp);
  }
  FHelp->ShowContext(1);
}

void TFormZodiac::About1Click() {
  if (!FAbout) return;
  FAbout->show();
  FAbout->raise();
  FAbout->activateWindow();
}

void TFormZodiac::Exit1Click() {
  // The program ends once the window closed (after the question about
  // changed birth data), also while other windows are open.
  if (close()) QCoreApplication::quit();
}

}  // namespace ostrane
