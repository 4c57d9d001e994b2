// The chart library of the main window: File > Charts ... (the window
// TChartLibraryF), the eight charts opened last listed under it in the File
// menu (kept with QSettings), and a library chart put into the main window,
// listed at once, its name in the window's title.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "storage/ChartLibrary.h"
#include "ui/dialogs/ChartLibraryF.h"

class QAction;
class QMenu;

namespace ostrane {

class TFormZodiac;

// How many charts the File menu lists.
inline constexpr int kRecentLibraryCharts = 8;

class TLibraryPresenter : public QObject {
  Q_OBJECT
 public:
  // The recent charts go into `file` after `charts` (File > Charts ...).
  TLibraryPresenter(TFormZodiac* window, QMenu* file, QAction* charts);

  // The library's file: the user's unless set (tests).
  void SetLibraryPath(const std::string& path) { FPath = path; }
  // Shows the library window, made and the library opened the first time.
  void ShowLibrary();
  TChartLibraryF* LibraryWindow() const { return FLibraryWindow; }
  // Puts the chart into the main window (the settings, the place, the start
  // sign or lot it is released from), lists it, names it in the title and
  // remembers it first among the recent charts.
  void OpenChart(const TLibraryChart& chart);
  // The menu items of the recent charts, most recent first.
  const QList<QAction*>& RecentItems() const { return FRecentItems; }

 private:
  void ListRecent();
  void OpenRecent(qint64 id);

  TFormZodiac* FWindow;
  QMenu* FFile;
  QAction* FRecentEnd;  // the separator after the recent charts
  QList<QAction*> FRecentItems;
  QPointer<TChartLibraryF> FLibraryWindow;
  QString FTitled;  // the name of the library chart the title names; empty for none
  std::string FPath = TChartLibrary::DefaultPath();
};

}  // namespace ostrane
