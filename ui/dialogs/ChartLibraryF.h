// File > Charts ...: the chart library (storage/ChartLibrary.h) in a table
// of name, birth date, place and tags, searched as one types over the name,
// place, tags and note, sorted by any column.  Its buttons open the chosen
// chart in the main window, add the chart the main window shows, update the
// chosen chart from it, delete it after asking, and keep its tags and note.
//
// Import ... and Export ... and files dropped on the window go through the
// functions SetImporter and SetExporter give; without them the buttons stay
// disabled and a drop is not taken.
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "storage/ChartLibrary.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace ostrane {

// Reads the charts of one file (AAF, CSV ...); false with `error` set when
// the file cannot be read.
using TChartImporter = std::function<bool(const std::string& file,
                                          std::vector<TChartRecord>& records, std::string& error)>;
// Writes the charts to one file; false with `error` set when it cannot.
using TChartExporter = std::function<bool(
    const std::string& file, const std::vector<TChartRecord>& records, std::string& error)>;

class TChartLibraryF : public QDialog {
  Q_OBJECT
 public:
  // `current` reads the chart the main window shows (Add, Update).
  TChartLibraryF(QWidget* parent, std::function<TChartRecord()> current);
  ~TChartLibraryF() override;

  // Opens the library in `path` (the user's by default) and lists it; a
  // library refused is shown in the error box and the window lists nothing.
  void OpenLibrary(const std::string& path = TChartLibrary::DefaultPath());
  TChartLibrary* Library() const { return FLibrary.get(); }

  void SetImporter(TChartImporter importer);
  void SetExporter(TChartExporter exporter);
  // The id of the chart chosen in the table, 0 for none.
  std::int64_t SelectedId() const;
  // Chooses the chart `id` in the table (when the search shows it).
  void Select(std::int64_t id);

  // Each named as its objectName.
  QLineEdit* EditSearch;
  QTableView* ViewCharts;
  QPushButton* BtnOpenChart;
  QPushButton* BtnAddChart;
  QPushButton* BtnUpdateChart;
  QPushButton* BtnDeleteChart;
  QPushButton* BtnImport;
  QPushButton* BtnExport;
  QLineEdit* EditTags;
  QPlainTextEdit* EditNote;
  QPushButton* BtnSaveNote;
  QLabel* LabelLibraryState;

 public slots:
  // Lists the library anew, keeping the chosen chart.
  void Reload();
  void OpenChosen();
  void AddCurrent();
  void UpdateChosen();
  void DeleteChosen();
  void SaveTagsAndNote();
  // Reads the files through the importer and adds their charts in one
  // change (all of them or none), then says how many were added and how many
  // were already in the library.  Import ... and a drop of files call it.
  void ImportFiles(const QStringList& files);
  // Asks for a file and writes the charts the table shows through the
  // exporter.
  void ExportCharts();

 signals:
  // The chart chosen to be opened in the main window.
  void ChartOpened(const TLibraryChart& chart);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowChosen();
  // Shows a failed status in the error box; true when it succeeded.
  bool Succeeded(const TLibraryStatus& status);

  std::function<TChartRecord()> FCurrent;
  std::unique_ptr<TChartLibrary> FLibrary;
  std::vector<TLibraryChart> FCharts;  // as listed; the model's rows
  QStandardItemModel* FModel;
  QSortFilterProxyModel* FProxy;
  TChartImporter FImporter;
  TChartExporter FExporter;
};

}  // namespace ostrane
