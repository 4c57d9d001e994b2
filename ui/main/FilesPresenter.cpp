#include "ui/main/FilesPresenter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

#include "core/Errors.h"
#include "storage/FileNames.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ErrorBox.h"

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

TFilesPresenter::TFilesPresenter(QWidget* window, TBirthDataPanel* birthData,
                                 std::function<ReleaseSettings()> readSettings)
    : QObject(window),
      FWindow(window),
      FBirthData(birthData),
      FReadSettings(std::move(readSettings)) {
  FSaveDialog = UserDataDialog(window, "SaveDialog1", "Save User Data");
  FSaveDialog->setAcceptMode(QFileDialog::AcceptSave);
  FSaveDialog->setFileMode(QFileDialog::AnyFile);
  FOpenDialog = UserDataDialog(window, "OpenDialog1", "Open User Data");
  FOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
  FOpenDialog->setFileMode(QFileDialog::ExistingFile);
}

// --- The options file -------------------------------------------------------

void TFilesPresenter::SaveOptions() {
  const TWriteResult written = SaveOptionsFile(kOptionsFileName, FReadSettings());
  if (!written.Ok) {
    ShowErrorBox(FWindow, Q(written.Message));
    return;
  }
  if (FBeep)
    FBeep();
  else
    QApplication::beep();
  QMessageBox box(QMessageBox::Information, "Information", "Default Settings Saved.",
                  QMessageBox::Ok, FWindow);
  box.setObjectName("InformationBox");
  RunModal(box);
  emit OptionsSaved();
}

void TFilesPresenter::RestoreOptions() {
  RestoreFile(kOptionsFileName, kOptionsFileLineCount);
}

void TFilesPresenter::RestoreFile(const std::string& fileName, int lineCount) {
  TSettingsFileLines read;
  try {
    read = ReadSettingsFile(fileName, lineCount);
  } catch (const std::exception& error) {  // unreadable, or a bad key=value line
    ShowErrorBox(FWindow, Q(error.what()));
    return;
  }
  for (int line = 1; line <= lineCount; ++line) {
    if (const auto error = ApplyFileLine(line, read.Fixed[static_cast<std::size_t>(line - 1)])) {
      ShowErrorBox(FWindow, Q(*error));
      return;
    }
  }
  ApplyFileExtension(read.Extension, lineCount);
  emit Restored();
}

std::optional<std::string> TFilesPresenter::ApplyFileLine(int line, const std::string& text) {
  ReleaseSettings settings = FReadSettings();
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

bool TFilesPresenter::KeepHandlerError(const std::string& error) {
  if (!FHandlerError) return false;
  if (!*FHandlerError) *FHandlerError = error;
  return true;
}

void TFilesPresenter::ApplyFileExtension(const TFileExtension& extension, int lineCount) {
  ReleaseSettings settings = FReadSettings();
  const TFileKind kind = lineCount >= kOptionsFileLineCount ? TFileKind::Options : TFileKind::Chart;
  ApplyExtension(settings, extension, kind);
  FBirthData->SetFortuneSign(settings.FortuneSign);
  emit AnglesFromRead(settings.AnglesFrom);
  emit PlaceRead(settings.Place);
}

// --- The chart files --------------------------------------------------------

bool TFilesPresenter::SaveAs() {
  if (!ChooseFileName()) return false;
  Save();
  return true;
}

bool TFilesPresenter::ChooseFileName() {
  // selectFile ignores an empty name; an empty name field empties the
  // dialog's name all the same.
  if (auto* name = FSaveDialog->findChild<QLineEdit*>("fileNameEdit")) name->clear();
  SetInitialDirectory(*FSaveDialog);
  // The chart's name as a file name of the folder shown ("AC/DC" would
  // name a file in a folder "AC", "../x" one above it).
  FSaveDialog->selectFile(Q(ProposedFileName(FBirthData->EditName()->text().toStdString())));
  if (RunModal(*FSaveDialog) != QDialog::Accepted) return false;
  const QStringList chosen = FSaveDialog->selectedFiles();
  if (chosen.isEmpty()) return false;
  FUserFileName = chosen.front().toStdString();
  return true;
}

bool TFilesPresenter::Save() {
  // A file that could not be written is not saved, also when its name was
  // asked for just now.
  if (FUserFileName.empty() && !ChooseFileName()) return false;
  const TWriteResult written = SaveUserDataFile(FUserFileName, FReadSettings());
  if (!written.Ok) {
    ShowErrorBox(FWindow, Q(written.Message));
    return false;
  }
  emit ChartSaved();
  return true;
}

void TFilesPresenter::Open() {
  if (FOpenDialogFileName.isEmpty())
    SetInitialDirectory(*FOpenDialog);
  else
    FOpenDialog->selectFile(FOpenDialogFileName);
  if (RunModal(*FOpenDialog) != QDialog::Accepted) return;
  const QStringList chosen = FOpenDialog->selectedFiles();
  if (chosen.isEmpty()) return;
  OpenFile(chosen.front());
}

void TFilesPresenter::OpenFile(const QString& path) {
  FOpenDialogFileName = QFileInfo(path).absoluteFilePath();
  FUserFileName = FOpenDialogFileName.toStdString();
  RestoreFile(FUserFileName, kUserDataLineCount);
}

}  // namespace ostrane
