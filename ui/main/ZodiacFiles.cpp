// The options file (Save Settings, Restore Defaults and the restore when
// the window is first shown) and the chart files (Open, Save As).  The
// storage library reads, converts and writes the lines; here they are taken
// from and put into the controls.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "core/Errors.h"
#include "storage/FileNames.h"
#include "storage/SettingsFiles.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Where the file dialogs open: "Ostrane" in the user's documents folder
// when there is such a folder, else the documents folder itself.  Without a
// documents folder they stay where they are.
void SetInitialDirectory(QFileDialog& dialog) {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString ostrane = QDir(documents).filePath("Ostrane");
  if (QFileInfo(ostrane).isDir())
    dialog.setDirectory(ostrane);
  else if (!documents.isEmpty() && QFileInfo(documents).isDir())
    dialog.setDirectory(documents);
}

QFileDialog* UserDataDialog(QWidget* parent, const char* name, const char* title) {
  auto* dialog = new QFileDialog(parent, title);
  dialog->setObjectName(name);
  dialog->setNameFilter("text (*.txt)");
  dialog->setDefaultSuffix("txt");
  dialog->setSizeGripEnabled(true);
  return dialog;
}

}  // namespace

void TFormZodiac::BuildFileDialogs() {
  SaveDialog1 = UserDataDialog(this, "SaveDialog1", "Save User Data");
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  OpenDialog1 = UserDataDialog(this, "OpenDialog1", "Open User Data");
  OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);
}

// --- The options file -------------------------------------------------------

void TFormZodiac::FormShow() {
  if (FileExists(kOptionsFileName)) RestoreSettings1Click();
}

void TFormZodiac::SaveSettings1Click() {
  const TWriteResult written = SaveOptionsFile(kOptionsFileName, ReadSettings());
  if (!written.Ok) {
    ShowErrorBox(this, Q(written.Message));
    return;
  }
  if (FBeep)
    FBeep();
  else
    QApplication::beep();
  QMessageBox box(QMessageBox::Information, "Information", "Default Settings Saved.",
                  QMessageBox::Ok, this);
  box.setObjectName("InformationBox");
  RunModal(box);
  RestoreDefaults->setEnabled(true);
  FBirthData->BtnRestoreDefaults()->setEnabled(true);
}

void TFormZodiac::RestoreSettings1Click() {
  RestoreFile(kOptionsFileName, kOptionsFileLineCount);
}

void TFormZodiac::RestoreFile(const std::string& fileName, int lineCount) {
  TSettingsFileLines read;
  try {
    read = ReadSettingsFile(fileName, lineCount);
  } catch (const std::exception& error) {  // unreadable, or a bad key=value line
    ShowErrorBox(this, Q(error.what()));
    return;
  }
  for (int line = 1; line <= lineCount; ++line) {
    if (const auto error = ApplyFileLine(line, read.Fixed[static_cast<std::size_t>(line - 1)])) {
      ShowErrorBox(this, Q(*error));
      return;
    }
  }
  ApplyFileExtension(read.Extension, lineCount);
  BtnClearListClick();
  BtnCalculateOstraneClick();
}

std::optional<std::string> TFormZodiac::ApplyFileLine(int line, const std::string& text) {
  ReleaseSettings settings = ReadSettings();
  try {
    ApplyLine(settings, line, text);
  } catch (const EConvertError& error) {
    return error.what();
  }
  std::optional<std::string> handlerError;
  FHandlerError = &handlerError;
  FBirthData->ApplyFileLine(line, settings);
  FHandlerError = nullptr;
  return handlerError;
}

void TFormZodiac::ApplyFileExtension(const TFileExtension& extension, int lineCount) {
  ReleaseSettings settings = ReadSettings();
  const TFileKind kind = lineCount >= kOptionsFileLineCount ? TFileKind::Options : TFileKind::Chart;
  ApplyExtension(settings, extension, kind);
  FBirthData->SetFortuneSign(settings.FortuneSign);
  (settings.AnglesFrom == TAnglesFrom::StartSign ? AnglesFromStartSign1 : AnglesFromFortune1)
      ->setChecked(true);
  SetPlace(settings.Place);
}

// --- The chart files --------------------------------------------------------

void TFormZodiac::SaveFileAsClick() {
  SaveUserDataAs();
}

bool TFormZodiac::SaveUserDataAs() {
  // selectFile ignores an empty name; an empty name field empties the
  // dialog's name all the same.
  if (auto* name = SaveDialog1->findChild<QLineEdit*>("fileNameEdit")) name->clear();
  SetInitialDirectory(*SaveDialog1);
  // The chart's name as a file name of the folder shown ("AC/DC" would
  // name a file in a folder "AC", "../x" one above it).
  SaveDialog1->selectFile(Q(ProposedFileName(FBirthData->EditName()->text().toStdString())));
  if (RunModal(*SaveDialog1) != QDialog::Accepted) return false;
  const QStringList chosen = SaveDialog1->selectedFiles();
  if (chosen.isEmpty()) return false;
  FUserFileName = chosen.front().toStdString();
  SaveUserData();
  return true;
}

bool TFormZodiac::SaveUserData() {
  if (FUserFileName.empty()) return SaveUserDataAs();
  const TWriteResult written = SaveUserDataFile(FUserFileName, ReadSettings());
  if (!written.Ok) {
    ShowErrorBox(this, Q(written.Message));
    return false;
  }
  return true;
}

void TFormZodiac::OpenClick() {
  if (FOpenDialogFileName.isEmpty())
    SetInitialDirectory(*OpenDialog1);
  else
    OpenDialog1->selectFile(FOpenDialogFileName);
  if (RunModal(*OpenDialog1) != QDialog::Accepted) return;
  const QStringList chosen = OpenDialog1->selectedFiles();
  if (chosen.isEmpty()) return;
  FOpenDialogFileName = chosen.front();
  FUserFileName = FOpenDialogFileName.toStdString();
  RestoreFile(FUserFileName, kUserDataLineCount);
}

}  // namespace ostrane
