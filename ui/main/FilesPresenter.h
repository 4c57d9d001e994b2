// The options file (Save Settings, Restore Defaults and the restore when
// the main window is first shown) and the chart files (Open, Save As) of the
// main window.  The storage library reads, converts and writes the lines
// (SettingsFiles.h); the presenter takes the settings from the window and
// puts a file's lines into the birth-data panel one at a time, so that a bad
// line stops the restore with the earlier controls already set.  What only
// the window holds (the angle choice, the place, the listing) it asks for by
// its signals.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/ReleaseSettings.h"
#include "storage/SettingsFiles.h"

class QFileDialog;
class QWidget;

namespace ostrane {

class TBirthDataPanel;

class TFilesPresenter : public QObject {
  Q_OBJECT
 public:
  // `window` is the parent of the boxes and of the two file dialogs;
  // `readSettings` reads the whole settings the window shows.
  TFilesPresenter(QWidget* window, TBirthDataPanel* birthData,
                  std::function<ReleaseSettings()> readSettings);

  // "SaveDialog1" and "OpenDialog1", made with the presenter.
  QFileDialog* SaveDialog() const { return FSaveDialog; }
  QFileDialog* OpenDialog() const { return FOpenDialog; }

  // The sound of a saved options file; the system beep unless replaced.
  void SetBeep(std::function<void()> beep) { FBeep = std::move(beep); }

  // Writes the options file; on success beeps, shows "Default Settings
  // Saved." and emits OptionsSaved, else shows the error box.
  void SaveOptions();
  // Restores the options file (kOptionsFileLineCount lines).
  void RestoreOptions();
  // SaveAs asks for a file name and saves: false when the dialog was
  // cancelled.  Save writes the file UserFileName names, asking for one when
  // it is empty: false when the dialog was cancelled or the file could not
  // be written.
  bool SaveAs();
  bool Save();
  // Asks for a chart file and restores its kUserDataLineCount lines.
  void Open();
  // Restores the chart file `path` as Open does with the file chosen.
  void OpenFile(const QString& path);
  // The full path of the current chart file; empty until one was chosen.
  const std::string& UserFileName() const { return FUserFileName; }

  // While a line of a file is applied, keeps the first error of a handler
  // the change runs (the listing after a new date style) for the restore to
  // show and stop at, and answers true; otherwise false.
  bool KeepHandlerError(const std::string& error);

 signals:
  // The options file was written.
  void OptionsSaved();
  // A chart file was written whole.
  void ChartSaved();
  // The angle choice and the place of a file's key=value lines, in this
  // order after its Fortune sign was set.
  void AnglesFromRead(TAnglesFrom anglesFrom);
  void PlaceRead(const TBirthPlace& place);
  // Every line of a file was applied: the window lists anew.
  void Restored();

 private:
  // Reads the first lineCount lines of a settings or chart file and applies
  // them in file order, then the key=value lines, then emits Restored.
  void RestoreFile(const std::string& fileName, int lineCount);
  // Applies one line to its control; the error that stops the restore
  // there, or nothing.
  std::optional<std::string> ApplyFileLine(int line, const std::string& text);
  void ApplyFileExtension(const TFileExtension& extension, int lineCount);
  // Asks for the chart file's name: false when the dialog was cancelled.
  bool ChooseFileName();

  QWidget* FWindow;
  TBirthDataPanel* FBirthData;
  std::function<ReleaseSettings()> FReadSettings;
  std::function<void()> FBeep;
  QFileDialog* FSaveDialog;
  QFileDialog* FOpenDialog;
  std::string FUserFileName;
  // The file last chosen in the open dialog, shown there the next time.
  QString FOpenDialogFileName;
  // Set while a line of a file is applied (KeepHandlerError).
  std::optional<std::string>* FHandlerError = nullptr;
};

}  // namespace ostrane
