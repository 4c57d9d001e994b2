// The options file (Save Settings, Restore Defaults and the restore when
// the window is first shown) and the chart files (Open, Save As): the
// handlers call the files presenter (FilesPresenter.h), which reads and
// writes the files; here the window applies what only it holds.
#include <QAction>
#include <QFileInfo>
#include <QPushButton>

#include "storage/FileNames.h"
#include "storage/SettingsFiles.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/FilesPresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {

void TFormZodiac::BuildFileDialogs() {
  FFiles = new TFilesPresenter(this, FBirthData, [this] { return ReadSettings(); });
  SaveDialog1 = FFiles->SaveDialog();
  OpenDialog1 = FFiles->OpenDialog();
  connect(FFiles, &TFilesPresenter::OptionsSaved, this, [this] {
    RestoreDefaults->setEnabled(true);
    FBirthData->BtnRestoreDefaults()->setEnabled(true);
  });
  connect(FFiles, &TFilesPresenter::AnglesFromRead, this, [this](TAnglesFrom anglesFrom) {
    (anglesFrom == TAnglesFrom::StartSign ? AnglesFromStartSign1 : AnglesFromFortune1)
        ->setChecked(true);
  });
  connect(FFiles, &TFilesPresenter::PlaceRead, this, &TFormZodiac::SetPlace);
  connect(FFiles, &TFilesPresenter::ChartSaved, this, &TFormZodiac::MarkBirthDataSaved);
  connect(FFiles, &TFilesPresenter::Restored, this, [this] {
    BtnClearListClick();
    BtnCalculateOstraneClick();
    MarkBirthDataSaved();
  });
}

void TFormZodiac::SetBeep(std::function<void()> beep) {
  FFiles->SetBeep(std::move(beep));
}

const std::string& TFormZodiac::UserFileName() const {
  return FFiles->UserFileName();
}

// --- The options file -------------------------------------------------------

void TFormZodiac::FormShow() {
  if (FileExists(kOptionsFileName)) FFiles->RestoreOptions();
}

void TFormZodiac::SaveSettings1Click() {
  FFiles->SaveOptions();
}

void TFormZodiac::RestoreSettings1Click() {
  if (!ConfirmDiscardChanges()) return;
  FFiles->RestoreOptions();
}

// --- The chart files --------------------------------------------------------

void TFormZodiac::SaveFileAsClick() {
  SaveUserDataAs();
}

bool TFormZodiac::SaveUserDataAs() {
  return FFiles->SaveAs();
}

bool TFormZodiac::SaveUserData() {
  return FFiles->Save();
}

void TFormZodiac::OpenClick() {
  if (!ConfirmDiscardChanges()) return;
  FFiles->Open();
}

// --- The files given to the program -----------------------------------------

void TFormZodiac::OpenFiles(const QStringList& paths) {
  if (paths.isEmpty() || !ConfirmDiscardChanges()) return;
  for (const QString& path : paths) {
    const QFileInfo file(path);
    const bool aaf = file.suffix().compare("aaf", Qt::CaseInsensitive) == 0;
    if (aaf && FAafImport)
      FAafImport(path);
    else if (!file.isFile())
      ShowErrorBox(this, QStringLiteral("Cannot open '%1': there is no such file").arg(path));
    else if (aaf)
      ShowErrorBox(this, QStringLiteral("Cannot open '%1': this version of Ostrane cannot import "
                                        "AAF files; it opens the chart files (.txt) it saves")
                             .arg(path));
    else
      FFiles->OpenFile(path);
  }
}

}  // namespace ostrane
