#include "ui/main/LibraryPresenter.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStringList>
#include <algorithm>

#include "Version.h"
#include "astro/Lots.h"
#include "batch/ChartImport.h"
#include "core/ChoiceText.h"
#include "ui/dialogs/ChartLibraryF.h"
#include "ui/dialogs/ChartPanel.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {
namespace {

// The recent charts as QSettings keeps them: "id<TAB>name", most recent
// first.
constexpr const char* kRecentKey = "ChartLibrary/Recent";

QStringList RecentEntries() {
  return QSettings().value(kRecentKey).toStringList();
}

}  // namespace

TLibraryPresenter::TLibraryPresenter(TFormZodiac* window, QMenu* file, QAction* charts)
    : QObject(window), FWindow(window), FFile(file) {
  FRecentEnd = new QAction(window);
  FRecentEnd->setSeparator(true);
  const QList<QAction*> items = file->actions();
  const qsizetype at = items.indexOf(charts);
  file->insertAction(at + 1 < items.size() ? items[at + 1] : nullptr, FRecentEnd);
  connect(charts, &QAction::triggered, this, &TLibraryPresenter::ShowLibrary);
  // The title names the library chart while the window shows its name: a
  // chart file opened, the defaults restored or the name typed over end it.
  connect(window->BirthData()->EditName(), &QLineEdit::textChanged, this,
          [this](const QString& name) {
            if (!FTitled.isEmpty() && name != FTitled) {
              FTitled.clear();
              FWindow->setWindowTitle(kNameVersion);
            }
          });
  ListRecent();
}

void TLibraryPresenter::ShowLibrary() {
  if (!FLibraryWindow) {
    FLibraryWindow = new TChartLibraryF(FWindow, [this] {
      TChartRecord record;
      record.Settings = FWindow->ReadSettings();
      return record;
    });
    connect(FLibraryWindow, &TChartLibraryF::ChartOpened, this, &TLibraryPresenter::OpenChart);
    // Imports and exports of AAF, CSV and chart files (batch/ChartImport.h).
    FLibraryWindow->SetImporter(
        [](const std::string& file, std::vector<TChartRecord>& records, std::string& error) {
          TChartImport import = ImportChartFile(file);
          if (import.Refused) {
            error = "refused:";
            for (const std::string& why : import.Refusals) error += "\n" + why;
            return false;
          }
          records.insert(records.end(), import.Records.begin(), import.Records.end());
          return true;
        });
    FLibraryWindow->SetExporter(
        [](const std::string& file, const std::vector<TChartRecord>& records, std::string& error) {
          const TWriteResult written = ExportChartRecords(file, records);
          error = written.Message;
          return written.Ok;
        });
    FLibraryWindow->show();
    FLibraryWindow->OpenLibrary(FPath);
  }
  FLibraryWindow->show();
  FLibraryWindow->raise();
  FLibraryWindow->activateWindow();
}

void TLibraryPresenter::OpenChart(const TLibraryChart& chart) {
  if (!FWindow->ConfirmDiscardChanges()) return;
  const TChartRecord& r = chart.Record;
  ReleaseSettings s = r.Settings;
  if (const auto sign = ChoiceIndex(r.ReleaseFrom, SignKeys(), false)) s.StartSign = *sign;
  FWindow->ApplySettings(s);
  FWindow->MarkBirthDataSaved();  // as opened from the library
  FWindow->BtnClearListClick();
  // A lot's sign comes from the chart, which lists anew when it is found.
  bool listed = false;
  for (const TLot lot : kLots)
    if (LowerAscii(r.ReleaseFrom) == LotKey(lot)) listed = FWindow->ChartPanel()->ReleaseFrom(lot);
  if (!listed) FWindow->BtnCalculateOstraneClick();
  FTitled = QString::fromStdString(s.Name);
  FWindow->setWindowTitle(FTitled + " - " + kNameVersion);

  QStringList recent = RecentEntries();
  const QString id = QString::number(chart.Id);
  recent.erase(std::remove_if(recent.begin(), recent.end(),
                              [&](const QString& e) { return e.section('\t', 0, 0) == id; }),
               recent.end());
  recent.prepend(id + '\t' + QString::fromStdString(s.Name));
  while (recent.size() > kRecentLibraryCharts) recent.removeLast();
  QSettings().setValue(kRecentKey, recent);
  ListRecent();
}

void TLibraryPresenter::ListRecent() {
  for (QAction* item : FRecentItems) {
    FFile->removeAction(item);
    item->deleteLater();
  }
  FRecentItems.clear();
  const QStringList recent = RecentEntries();
  for (qsizetype i = 0; i < recent.size() && i < kRecentLibraryCharts; ++i) {
    const qint64 id = recent[i].section('\t', 0, 0).toLongLong();
    auto* item = new QAction(QString("&%1 %2").arg(i + 1).arg(recent[i].section('\t', 1)), FWindow);
    item->setObjectName(QString("RecentChart%1").arg(i + 1));
    item->setStatusTip("Opens this chart of the chart library.");
    connect(item, &QAction::triggered, this, [this, id] { OpenRecent(id); });
    FFile->insertAction(FRecentEnd, item);
    FRecentItems << item;
  }
  FRecentEnd->setVisible(!FRecentItems.isEmpty());
}

void TLibraryPresenter::OpenRecent(qint64 id) {
  TChartLibrary library(FPath, false);
  std::optional<TLibraryChart> chart;
  const TLibraryStatus status = library.Open() ? library.Get(id, chart) : library.Error();
  if (!status.Ok) return ShowErrorBox(FWindow, QString::fromStdString(status.Message));
  if (!chart) {
    ShowErrorBox(FWindow, "The chart is no longer in the chart library.");
    QStringList recent = RecentEntries();
    recent.erase(
        std::remove_if(recent.begin(), recent.end(),
                       [&](const QString& e) { return e.section('\t', 0, 0).toLongLong() == id; }),
        recent.end());
    QSettings().setValue(kRecentKey, recent);
    return ListRecent();
  }
  OpenChart(*chart);
}

}  // namespace ostrane
