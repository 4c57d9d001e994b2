// File > Charts ...: the library searched and sorted in its window, a chart
// opened into the main window and remembered in the File menu, the chart
// shown added once, deleted only when confirmed, its tags and note kept, and
// a refused library told without touching it.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <string>

#include "storage/ChartLibrary.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/ChartLibraryF.h"
#include "ui/main/LibraryPresenter.h"

namespace ostrane::uitest {
namespace {

using ChartLibraryWindow = WindowTest;

TChartRecord Chart(const std::string& name, int year, const std::string& place) {
  TChartRecord r;
  r.Settings.Name = name;
  r.Settings.Year = year;
  r.Settings.MonthIndex = 6;
  r.Settings.Day = 2;
  r.Settings.TimeText = "09:15";
  r.Settings.Place.Name = place;
  return r;
}

std::vector<std::string> Column(const QTableView* view, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < view->model()->rowCount(); ++row)
    texts.push_back(view->model()->index(row, column).data().toString().toStdString());
  return texts;
}

TEST_F(ChartLibraryWindow, OpensSearchesSortsAddsDeletesAndKeepsNotes) {
  QSettings().remove("ChartLibrary/Recent");
  CreateWindows();
  const std::string path = Directory->filePath("charts.sqlite").toStdString();
  {
    TChartLibrary library(path);
    TChartRecord ann = Chart("Ann", 1970, "Paris");
    ann.ReleaseFrom = "leo";
    TChartRecord cy = Chart("Cy", -44, "Roma");
    cy.Note = "Consulted in June";
    ASSERT_TRUE(library.Add({ann, Chart("Bo", 1985, "Lyon"), cy}).Status.Ok);
  }
  Form->LibraryPresenter()->SetLibraryPath(path);
  W<QAction>("ActionCharts")->trigger();
  TChartLibraryF* window = Form->LibraryPresenter()->LibraryWindow();
  ASSERT_TRUE(window);
  QTableView* view = window->ViewCharts;
  EXPECT_EQ(Column(view, 0), (std::vector<std::string>{"Ann", "Bo", "Cy"}));
  EXPECT_EQ(Column(view, 1)[2], "-0044-07-02 09:15");

  // Searched as typed, over the note too, in any case; sorted by birth.
  window->EditSearch->setText("CONSULT");
  EXPECT_EQ(Column(view, 0), (std::vector<std::string>{"Cy"}));
  window->EditSearch->setText("");
  view->sortByColumn(1, Qt::DescendingOrder);
  EXPECT_EQ(Column(view, 0), (std::vector<std::string>{"Bo", "Ann", "Cy"}));

  // Opened: the main window shows and lists it, names it in its title and
  // lists it first in the File menu.
  view->selectRow(1);
  window->BtnOpenChart->click();
  const ReleaseSettings shown = Form->ReadSettings();
  EXPECT_EQ(shown.Name, "Ann");
  EXPECT_EQ(shown.Year, 1970);
  EXPECT_EQ(shown.StartSign, 4);  // leo
  EXPECT_EQ(shown.Place.Name, "Paris");
  EXPECT_TRUE(Form->windowTitle().startsWith("Ann - "));
  EXPECT_FALSE(Form->MainListing().Lines.empty());
  ASSERT_EQ(Form->LibraryPresenter()->RecentItems().size(), 1);
  EXPECT_EQ(Form->LibraryPresenter()->RecentItems()[0]->text(), "&1 Ann");

  // The chart shown is added once; again it is told as already there.
  // Named anew, it is no longer the library's chart the title names.
  ReleaseSettings dee = shown;
  dee.Name = "Dee";
  Form->ApplySettings(dee);
  EXPECT_FALSE(Form->windowTitle().contains("Ann"));
  {
    DialogInterceptor boxes;
    window->BtnAddChart->click();
    EXPECT_TRUE(boxes.Dialogs.empty());
    window->BtnAddChart->click();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_TRUE(boxes.Dialogs[0].Text.contains("already in the library"));
  }
  EXPECT_EQ(view->model()->rowCount(), 4);
  EXPECT_EQ(window->SelectedId(), 4);

  // Tags and note of the chosen chart.
  window->EditTags->setText(" client ,, vip");
  window->EditNote->setPlainText("First session");
  window->BtnSaveNote->click();
  std::optional<TLibraryChart> saved;
  ASSERT_TRUE(window->Library()->Get(4, saved).Ok && saved);
  EXPECT_EQ(saved->Record.Tags, (std::vector<std::string>{"client", "vip"}));
  EXPECT_EQ(saved->Record.Note, "First session");

  // Deleted only when confirmed.
  for (const int answer : {int(QMessageBox::No), int(QMessageBox::Yes)}) {
    DialogInterceptor confirm([answer](QDialog&) { return answer; });
    window->Select(4);
    window->BtnDeleteChart->click();
    ASSERT_EQ(confirm.Dialogs.size(), 1u);
    EXPECT_EQ(view->model()->rowCount(), answer == QMessageBox::Yes ? 3 : 4);
  }
  QSettings().remove("ChartLibrary/Recent");  // the other tests' menus have none
}

TEST_F(ChartLibraryWindow, ARefusedLibraryIsToldAndLeftAsItIs) {
  CreateWindows();
  const std::string path = Directory->filePath("charts.sqlite").toStdString();
  testing::WriteBytes(path, "name,date\nAnn,1970-05-17\n");
  Form->LibraryPresenter()->SetLibraryPath(path);
  {
    DialogInterceptor boxes;
    W<QAction>("ActionCharts")->trigger();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_TRUE(boxes.Dialogs[0].Text.contains("not a database"))
        << boxes.Dialogs[0].Text.toStdString();
  }
  TChartLibraryF* window = Form->LibraryPresenter()->LibraryWindow();
  EXPECT_EQ(window->ViewCharts->model()->rowCount(), 0);
  EXPECT_FALSE(window->BtnAddChart->isEnabled());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(testing::ReadBytes(path), "name,date\nAnn,1970-05-17\n");
}

}  // namespace
}  // namespace ostrane::uitest
