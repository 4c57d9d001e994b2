// The main menu, the list's pop-up menu, the dialogs, and the wiring of
// every control and menu item to its handler.
#include <QActionGroup>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QStatusBar>

#include "chart/LotListings.h"
#include "listing/Releasing.h"
#include "ui/dialogs/BatchDialog.h"
#include "ui/dialogs/CalendarExportDialog.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/LibraryPresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/printing/ListPrinting.h"
#include "ui/printing/ReportPrinting.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

QMenu* Menu(QMenuBar* bar, const char* name, const char* title) {
  auto* menu = new QMenu(title, bar->parentWidget());
  bar->addMenu(menu);
  menu->setObjectName(name);
  return menu;
}

// The items belong to the window, so that the status tip of a highlighted
// item reaches its status bar from every menu, the pop-up menu included.
QAction* Item(QMenu* menu, const char* name, const char* text) {
  auto* action = new QAction(text, menu->parentWidget());
  action->setObjectName(name);
  menu->addAction(action);
  return action;
}

}  // namespace

void TFormZodiac::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = Menu(bar, "File1", "&File");
  Open = Item(file, "Open", "&Open");
  Open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  SaveFile = Item(file, "SaveFile", "&Save");
  SaveFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  SaveFile->setStatusTip("Saves the birth data to the chart file, asking for one the first time.");
  SaveFileAs = Item(file, "SaveFileAs", "Save &As");
  SaveFileAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  ActionCharts = Item(file, "ActionCharts", "C&harts ...");
  ActionCharts->setShortcut(QKeySequence("Ctrl+Shift+O"));
  ActionCharts->setStatusTip(
      "The chart library: your charts, searched, opened, kept with tags and notes.");
  // Charts in and out of the library (AAF, CSV, chart files), through its
  // window, which then shows what came in.
  QAction* importCharts = Item(file, "ActionImportCharts", "I&mport Charts ...");
  importCharts->setStatusTip(
      "Adds the charts of AAF, CSV or chart files to the chart library, each file whole or not "
      "at all.");
  QAction* exportCharts = Item(file, "ActionExportCharts", "Export Charts ...");
  exportCharts->setStatusTip("Writes the charts the library window shows to an AAF or CSV file.");
  BirthPlace1 = Item(file, "BirthPlace1", "B&irth Place ...");
  file->addSeparator();
  FLibrary = new TLibraryPresenter(this, file, ActionCharts);
  // An AAF file given to the program goes into the chart library.
  SetAafImport([this](const QString& path) {
    FLibrary->ShowLibrary();
    FLibrary->LibraryWindow()->ImportFiles({path});
  });
  connect(importCharts, &QAction::triggered, this, [this] {
    FLibrary->ShowLibrary();
    FLibrary->LibraryWindow()->BtnImport->click();
  });
  connect(exportCharts, &QAction::triggered, this, [this] {
    FLibrary->ShowLibrary();
    FLibrary->LibraryWindow()->ExportCharts();
  });
  SaveSettings = Item(file, "SaveSettings", "Save Set&tings");
  RestoreDefaults = Item(file, "RestoreDefaults", "Restore De&faults");
  file->addSeparator();
  ListOstrane1 = Item(file, "ListOstrane1", "&List Releasing");
  ClearList1 = Item(file, "ClearList1", "&Clear List");
  Print1 = Item(file, "Print1", "&Print ...");
  Print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QAction* saveAsPdf = Item(file, "SaveAsPdf1", "Save as P&DF ...");
  connect(Print1, &QAction::enabledChanged, saveAsPdf, &QAction::setEnabled);
  connect(saveAsPdf, &QAction::triggered, this, [this] { SaveListBoxAsPdf(this, ListBoxOstrane); });
  // The report for a client: the settings and the place of the controls, the
  // periods in force at the moment last shown (now without a listing).
  const auto reportInput = [this] {
    TReportInput input;
    input.Settings = ReadSettings();
    input.Locale = ReadTimeLocale();
    input.Made = NowJulianDay();
    input.Moment = FListedSettings ? FInForcePresenter->Moment() : input.Made;
    input.MomentLabel =
        QString::fromStdString(TimelineDateText(input.Moment, input.Settings.DateStyle));
    return input;
  };
  QAction* report = Item(file, "ActionReport", "&Report ...");
  report->setStatusTip(
      "Writes a report for a client as a PDF file: the birth data, the chart, the periods and "
      "the timeline.");
  connect(report, &QAction::triggered, this, [this, reportInput] {
    RunCommand([this, reportInput] {
      const QString said = SaveReport(this, reportInput());
      if (!said.isEmpty()) StatusBar1->showMessage(said);
    });
  });
  QAction* printReport = Item(file, "ActionPrintReport", "Pri&nt Report ...");
  printReport->setStatusTip("Prints the report for a client.");
  connect(printReport, &QAction::triggered, this, [this, reportInput] {
    RunCommand([this, reportInput] { PrintReport(this, PrintDialog1, reportInput()); });
  });
  QAction* exportCalendar = Item(file, "ExportCalendar1", "&Export Calendar ...");
  exportCalendar->setStatusTip("Writes the periods to an iCalendar file for calendar programs.");
  connect(Print1, &QAction::enabledChanged, exportCalendar, &QAction::setEnabled);
  connect(exportCalendar, &QAction::triggered, this, [this] {
    RunCommand([this] {
      const ReleaseSettings s = ReadSettings();
      TDate date;
      const QString said = ExportCalendar(this, s, ListingStart(date, s, ReadTimeLocale()),
                                          ReleasedLot(Chart(), s.StartSign));
      if (!said.isEmpty()) StatusBar1->showMessage(said);
    });
  });
  QAction* batch = Item(file, "Batch1", "&Batch ...");
  batch->setStatusTip("Lots and periods in force for a whole collection of charts and events.");
  connect(batch, &QAction::triggered, this, [this] {
    TBatchDefaults defaults;
    defaults.Settings = ReadSettings();
    BatchClick(this, defaults);
  });
  file->addSeparator();
  Exit1 = Item(file, "Exit1", "E&xit");
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = Menu(bar, "Edit1", "&Edit");
  Font1 = Item(edit, "Font1", "&Font ...");
  Font1->setStatusTip("Sets the font styles, colors and sizes for the listboxes.");
  FontColour1 = Item(edit, "FontColour1", "Font &Colour ...");
  FontColour1->setStatusTip("Sets the colour of the listboxes' text, on screen and in print.");

  QMenu* view = Menu(bar, "View1", "&View");
  ShortSignNames2 = Item(view, "ShortSignNames2", "&Short Sign Names");
  LongSignNames2 = Item(view, "LongSignNames2", "&Long Sign Names");
  FSignNameItems = new QActionGroup(this);
  FSignNameItems->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (QAction* item : {ShortSignNames2, LongSignNames2}) {
    item->setCheckable(true);
    FSignNameItems->addAction(item);
  }

  view->addSeparator();
  QMenu* angles = view->addMenu("Count &Angles From");
  angles->setObjectName("AnglesFrom1");
  angles->menuAction()->setObjectName("AnglesFrom1");
  AnglesFromFortune1 = Item(angles, "AnglesFromFortune1", "Lot of &Fortune");
  AnglesFromStartSign1 = Item(angles, "AnglesFromStartSign1", "the &Starting Sign");
  auto* anglesGroup = new QActionGroup(this);
  for (QAction* item : {AnglesFromFortune1, AnglesFromStartSign1}) {
    item->setCheckable(true);
    anglesGroup->addAction(item);
  }
  AnglesFromFortune1->setChecked(true);
  view->addSeparator();
  Timeline1 = Item(view, "Timeline1", "&Timeline");
  Timeline1->setShortcut(QKeySequence("Ctrl+T"));
  Timeline1->setStatusTip("Draws the listed periods on a timeline.");
  Chart1 = Item(view, "Chart1", "&Chart");
  Chart1->setStatusTip(
      "Shows the chart of the birth data and place: the Ascendant, the Sun, the "
      "Moon and the lots.");
  ReleaseOtherLot = Item(view, "ActionReleaseOtherLot", "Release from &Fortune");
  ReleaseOtherLot->setStatusTip(
      "Lists the periods released from the other lot: Spirit when the list shows Fortune, "
      "Fortune when it shows Spirit.");
  ReleaseOtherLot->setEnabled(false);

  view->addSeparator();
  GoToDate1 = Item(view, "GoToDate1", "&Go to Date ...");
  GoToDate1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  GoToDate1->setStatusTip(
      "Shows the periods in force at a date you enter, and their level 3 and 4 periods.");
  connect(Print1, &QAction::enabledChanged, GoToDate1, &QAction::setEnabled);
  ComingChanges1 = Item(view, "ActionComingChanges", "Coming C&hanges");
  ComingChanges1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
  ComingChanges1->setStatusTip(
      "Lists the next changes at every level from now, or from the date Go to Date chose.");

  QMenu* help = Menu(bar, "Help1", "&Help");
  Contents1 = Item(help, "Contents1", "&Contents ...");
  Contents1->setShortcut(QKeySequence(Qt::Key_F1));
  help->addSeparator();
  About1 = Item(help, "About1", "&About ...");

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  ListSubPeriods1 = Item(PopupMenu1, "ListSubPeriods1", "&List Sub Periods");
  PopupMenu1->addSeparator();
  Print2 = Item(PopupMenu1, "Print2", "&Print ...");
  ListBoxOstrane->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListBoxOstrane, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PopupMenu1->popup(ListBoxOstrane->viewport()->mapToGlobal(at));
  });

  FontDialog1 = new QFontDialog(this);
  FontDialog1->setObjectName("FontDialog1");
  PrintDialog1 = new QPrintDialog(this);
  PrintDialog1->setObjectName("PrintDialog1");
}

void TFormZodiac::ConnectCommands() {
  connect(Open, &QAction::triggered, this, &TFormZodiac::OpenClick);
  connect(SaveFile, &QAction::triggered, this, [this] { SaveUserData(); });
  connect(SaveFileAs, &QAction::triggered, this, &TFormZodiac::SaveFileAsClick);
  connect(SaveSettings, &QAction::triggered, this, &TFormZodiac::SaveSettings1Click);
  connect(RestoreDefaults, &QAction::triggered, this, &TFormZodiac::RestoreSettings1Click);
  connect(ListOstrane1, &QAction::triggered, this, &TFormZodiac::BtnCalculateOstraneClick);
  connect(ClearList1, &QAction::triggered, this, &TFormZodiac::BtnClearListClick);
  connect(Print1, &QAction::triggered, this, &TFormZodiac::Print1Click);
  connect(Exit1, &QAction::triggered, this, &TFormZodiac::Exit1Click);
  connect(Font1, &QAction::triggered, this, &TFormZodiac::Font1Click);
  connect(FontColour1, &QAction::triggered, this, &TFormZodiac::FontColour1Click);
  connect(GoToDate1, &QAction::triggered, this, &TFormZodiac::GoToDate1Click);
  connect(ShortSignNames2, &QAction::triggered, this, &TFormZodiac::ShortSignNames1Click);
  connect(LongSignNames2, &QAction::triggered, this, &TFormZodiac::LongSignNames1Click);
  connect(Contents1, &QAction::triggered, this, &TFormZodiac::Contents1Click);
  connect(About1, &QAction::triggered, this, &TFormZodiac::About1Click);
  connect(Timeline1, &QAction::triggered, this, &TFormZodiac::Timeline1Click);
  connect(ComingChanges1, &QAction::triggered, this, &TFormZodiac::ComingChanges1Click);
  connect(ReleaseOtherLot, &QAction::triggered, this, &TFormZodiac::ReleaseOtherLotClick);
  connect(ListSubPeriods1, &QAction::triggered, this, &TFormZodiac::ListSubPeriods1Click);
  connect(Print2, &QAction::triggered, this, &TFormZodiac::Print1Click);

  connect(BtnCalculateOstrane, &QPushButton::clicked, this, &TFormZodiac::BtnCalculateOstraneClick);
  connect(BtnClearList, &QPushButton::clicked, this, &TFormZodiac::BtnClearListClick);
  connect(BtnExit, &QPushButton::clicked, this, &TFormZodiac::Exit1Click);
  connect(FBirthData->BtnNow(), &QPushButton::clicked, this, &TFormZodiac::BtnNowClick);
  connect(FBirthData->BtnShowJulian(), &QPushButton::clicked, this,
          &TFormZodiac::BtnShowJulianClick);
  connect(FBirthData->BtnShowDate(), &QPushButton::clicked, this, &TFormZodiac::BtnShowDateClick);
  connect(FBirthData->BtnSaveSettings(), &QPushButton::clicked, this,
          &TFormZodiac::SaveSettings1Click);
  connect(FBirthData->BtnRestoreDefaults(), &QPushButton::clicked, this,
          &TFormZodiac::RestoreSettings1Click);

  connect(FBirthData->SpinEditDay(), &TSpinEdit::Entered, this, &TFormZodiac::SpinEditDayEnter);

  // Every change of a value a listing depends on.
  for (QComboBox* box : {FBirthData->ComboBoxMonth(), FBirthData->ComboBoxStartSign()})
    connect(box, &QComboBox::currentIndexChanged, this, &TFormZodiac::UpdateListingState);
  for (TSpinEdit* field :
       {FBirthData->SpinEditDay(), FBirthData->SpinEditYear(), FBirthData->SpinEditNumMajPeriods()})
    connect(field, &TSpinEdit::TextChanged, this, &TFormZodiac::UpdateListingState);
  connect(FBirthData->EditTime(), &QLineEdit::textChanged, this, &TFormZodiac::UpdateListingState);
  for (TRadioGroup* group : {FBirthData->RGOstraneType(), FBirthData->RGDateStyle(),
                             FBirthData->RGSignNames(), FBirthData->RGLooseBondType()})
    connect(group, &TRadioGroup::Click, this, &TFormZodiac::UpdateListingState);
  connect(FBirthData->RGDateStyle(), &TRadioGroup::Click, this, &TFormZodiac::RGDateStyleClick);
  connect(FBirthData->RGSignNames(), &TRadioGroup::Click, this, &TFormZodiac::RGSignNamesClick);
  connect(ListBoxOstrane, &TListBox::DblClick, this, &TFormZodiac::ListBoxOstraneDblClick);
  // Enter on a data line lists its level 3 and 4 periods as a double click
  // does; on a header line it does nothing.
  connect(ListBoxOstrane, &TListBox::ReturnPressed, this, [this] {
    if (DataLineOfRow(*FMain, MainSelectedIndex()) >= 0) ListBoxOstraneDblClick();
  });
  connect(ListBoxOstrane, &TListBox::MouseMove, this, &TFormZodiac::ListBoxOstraneMouseMove);
  // The marks follow the Fortune sign and the angle choice.
  connect(FBirthData->ComboBoxFortune(), &QComboBox::currentIndexChanged, this,
          &TFormZodiac::RefreshMarks);
  connect(AnglesFromFortune1, &QAction::toggled, this, &TFormZodiac::RefreshMarks);
}

}  // namespace ostrane
