// The main window: the birth data and listing settings, the listing of the
// general and sub periods, the menus and buttons of every command, and the
// status bar that shows the hints.
//
// The window owns the calendar (FDate) and the period lengths
// (FChronocrator) for its whole life.  Its listing commands read the input
// controls at the moment they run, make the listing values (Listing.h) and
// show them in the two lists through their models (ListingModel.h).
//
// Its files:
//   ZodiacF.cpp         construction, FormCreate, FormShow, FormDestroy
//   ZodiacLayout.cpp    the controls and their layout
//   ZodiacMenus.cpp     the menus and the pop-up menu
//   ZodiacCommands.cpp  the command handlers
//   ZodiacWindow.cpp    the listings shown in the lists, and the settings
//                       read from and written into the controls
//   ZodiacFiles.cpp     the options file and the chart files, read and
//                       written by TFilesPresenter (FilesPresenter.h)
//   ZodiacInForce.cpp   the marks of the listed periods, the periods in
//                       force and "Go to Date"
//   ZodiacTimeline.cpp  the timeline window: opened, refreshed, its clicks
//   ZodiacChart.cpp     the birth place and the chart panel, kept in step
//                       by TChartPresenter (ChartPresenter.h)
//   ZodiacClose.cpp     the question before changed birth data are lost,
//                       and the window's remembered size and place
//   ZodiacComing.cpp    the Coming Changes window, the listings of both
//                       lots (LotListings.h) and the level 3/4 window kept
//                       with the main listing
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/LotListings.h"
#include "core/Chronocrators.h"
#include "core/DateTime.h"
#include "core/ReleaseSettings.h"
#include "listing/InForce.h"
#include "listing/Level34Period.h"
#include "listing/Listing.h"
#include "listing/Releasing.h"
#include "storage/SettingsFiles.h"
#include "timeline/TimelineModel.h"
#include "ui/main/Level3F.h"
#include "ui/timeline/TimelineF.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFileDialog;
class QFontDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrintDialog;
class QPushButton;
class QStatusBar;

namespace ostrane {

class TBirthDataPanel;
class TChartPanel;
class TFilesPresenter;
class TFormComingChanges;
class TInForcePresenter;
class TLibraryPresenter;
class THelpWindow;
class THintTracker;
class TListBox;
struct TChart;
struct TMarkReference;
class TRadioGroup;
class TSpinEdit;

// The line under the list while the settings differ from the listing's.
inline constexpr const char* kSettingsChangedText =
    "Settings changed since this listing: Clear List, then List Periods";
// The rows Coming Changes lists at first, and the rows "More" adds.
inline constexpr int kComingRows = 30;

class TFormZodiac : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window and runs FormCreate.
  explicit TFormZodiac(QWidget* parent = nullptr);
  ~TFormZodiac() override;

  // The windows created after this one at start-up.
  void SetAboutWindow(QWidget* about) { FAbout = about; }
  // The level 3/4 window, whose list gets the marks as the main list has
  // them.
  void SetLevel3Window(TFormLevel3* level3);
  TFormLevel3* Level3Window() const { return FLevel3; }
  THelpWindow* HelpWindow() const { return FHelp; }

  // The clock GetCurrentDateTime and the periods in force after a listing
  // read; the system clock unless replaced.
  void SetClock(std::function<QDateTime()> clock) { FClock = std::move(clock); }
  // The sound of a saved options file; the system beep unless replaced.
  void SetBeep(std::function<void()> beep);

  // The chart files (ZodiacFiles.cpp, through TFilesPresenter).
  // SaveUserDataAs asks for a file name and saves: false when the dialog was
  // cancelled.  SaveUserData writes the file UserFileName names, asking for
  // one when it is empty: false when the dialog was cancelled or the file
  // could not be written.
  bool SaveUserDataAs();
  bool SaveUserData();
  // The full path of the current chart file; empty until one was chosen.
  const std::string& UserFileName() const;
  // The files given to the program (ostrane FILE ...), after the question
  // about changed birth data: a chart file is opened as File > Open opens
  // the file chosen; an AAF file (*.aaf) goes to the import set by
  // SetAafImport, and without one is refused in the error box, as is a
  // file that does not exist.
  void OpenFiles(const QStringList& paths);
  void SetAafImport(std::function<void(const QString& path)> import) {
    FAafImport = std::move(import);
  }

  // Changed birth data (ZodiacClose.cpp): the name, date, time, start sign
  // or place differ from their values when they were last saved to a chart
  // file or read from a file (at start-up: the values shown then).
  bool BirthDataChanged() const;
  // To be asked before anything replaces the birth data or the window
  // closes: true at once when they did not change; else asks "Save",
  // "Discard" or "Cancel".  Save saves as SaveUserData does; true when they
  // may be replaced, false when the question was cancelled or the save was
  // cancelled or failed.
  bool ConfirmDiscardChanges();
  // Takes the birth data shown as the saved ones: after a window other than
  // this one saved them, or put those of a chart into the controls.
  void MarkBirthDataSaved();

  // Writes the values into the controls in the order of ReleaseSettings
  // (TBirthDataPanel::ApplySettings), then the angle choice and the place.
  // The radio groups run their click handlers as they change, so a new
  // date style or sign-name style lists again.
  void ApplySettings(const ReleaseSettings& settings);

  // The settings and the locale the listings read from the controls at the
  // moment a command runs.
  ReleaseSettings ReadSettings() const;
  TimeLocale ReadTimeLocale() const;
  // Selected index of the main list, -1 when nothing is selected.
  int MainSelectedIndex() const;
  // The main listing last listed (empty before the first); Clear List
  // empties the list, not this.
  const TListing& MainListing() const { return *FMain; }
  // The periods in force last shown: after a listing those of the clock's
  // moment, after "Go to Date" those of the moment asked for.
  const TInForce& InForce() const;
  // What the places of the marks are counted from, now.
  TMarkReference MarkReference() const;
  // What the timeline draws: the listing the main list holds (its settings
  // with the marks' Fortune sign and angle choice, and its birth moment);
  // nothing after a clear or a listing that failed.
  const std::optional<TTimelineSource>& Listed() const { return FTimelineSource; }
  // The timeline window, once View > Timeline made it.
  TFormTimeline* TimelineWindow() const { return FTimeline; }
  // The Coming Changes window, once View > Coming Changes made it.
  TFormComingChanges* ComingChangesWindow() const;
  // The listings the periods in force were last read from: the main
  // listing first, then with a chart the other lot's (LotListings); none
  // without a listing.
  const std::vector<TLotListing>& LotListingsShown() const { return FLots; }

  // The birth place (ZodiacChart.cpp): empty until one is given in the
  // BirthPlaceDialog or read from a file.  SetPlace emits PlaceChanged.
  const TBirthPlace& Place() const { return FPlace; }
  void SetPlace(const TBirthPlace& place);
  // The birth's local clock time as a Julian Day, as the listing reads it
  // from the date and time fields; nothing (and the message in `error`)
  // when the time text is not a time of day.
  std::optional<double> BirthLocalJulianDay(std::string* error = nullptr) const;
  TChartPanel* ChartPanel() const { return FChartPanel; }
  // The birth chart the chart panel computed last, or null while there is
  // none (no place, an error, a daylight-saving choice awaited).
  const TChart* Chart() const;

  // The birth data and listing settings.
  TBirthDataPanel* BirthData() const { return FBirthData; }
  // File > Charts ... and the recent library charts (LibraryPresenter.h).
  TLibraryPresenter* LibraryPresenter() const { return FLibrary; }

 public slots:
  // The listings (errors are shown in the error box).
  void BtnCalculateOstraneClick();
  // Empties the main list and shows the general listing's header lines.
  void DoMajorHeader();
  void BtnClearListClick();
  void ListBoxOstraneDblClick();
  void ListSubPeriods1Click();
  void ListBoxOstraneMouseMove();

  // Birth data.
  void BtnNowClick();
  void BtnShowJulianClick();
  void BtnShowDateClick();
  void SpinEditDayEnter();

  // Styles.
  void RGDateStyleClick();
  void RGSignNamesClick();
  void ShortSignNames1Click();
  void LongSignNames1Click();

  void Print1Click();
  void Font1Click();
  void FontColour1Click();
  // "Go to Date ...": asks for a moment, selects the sub period in force in
  // the list and lists its level 3 and 4 periods.
  void GoToDate1Click();
  void Contents1Click();
  void About1Click();
  void Exit1Click();

  // The options file and the chart files (ZodiacFiles.cpp).
  void SaveSettings1Click();
  void RestoreSettings1Click();
  void SaveFileAsClick();
  void OpenClick();

  // The birth place dialog and the chart panel (ZodiacChart.cpp).
  void BirthPlace1Click();
  void Chart1Click();

  // The application's hint, copied into the status bar.
  void ShowHint(const QString& hint);

  // The timeline window (ZodiacTimeline.cpp): opens it; a click on one of
  // its periods selects the period's line and, for a sub period, lists its
  // level 3 and 4 periods as a double click on the line does.
  void Timeline1Click();
  void SelectTimelinePeriod(int entry, int level);

  // View > Coming Changes (ZodiacComing.cpp): opens the window and fills
  // it; a double-clicked sub period of the main listing selects its line.
  void ComingChanges1Click();
  // Lists the periods released from the lot the main list does not show
  // (Fortune when it shows neither); with a chart only.
  void ReleaseOtherLotClick();

 signals:
  // After every listing, clearing of the main list, "Go to Date" and change
  // of what the marks are counted from.
  void ListingChanged();
  // After every SetPlace.
  void PlaceChanged();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Asks ConfirmDiscardChanges; an answered window saves its size and place.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Commands, menus and dialogs, each named as its objectName: the window's
  // own; tests and other windows find them by that name.
  QFrame* Panel1;
  QPushButton* BtnCalculateOstrane;
  QPushButton* BtnClearList;
  QPushButton* BtnExit;
  TListBox* ListBoxOstrane;
  // Under the list, shown while the settings differ from those of the
  // listing on screen (kSettingsChangedText).
  QLabel* LabelListingState;
  // Under the list: what is in force at the moment last shown; empty
  // without a listing.
  QLabel* LabelInForce;
  QStatusBar* StatusBar1;

  QAction* Open;
  QAction* SaveFile;
  QAction* SaveFileAs;
  QAction* ActionCharts;  // File > Charts ...: the chart library
  QAction* BirthPlace1;
  QAction* SaveSettings;
  QAction* RestoreDefaults;
  QAction* ListOstrane1;
  QAction* ClearList1;
  QAction* Print1;
  QAction* Exit1;
  QAction* Font1;
  QAction* FontColour1;
  QAction* ShortSignNames2;
  QAction* LongSignNames2;
  // "Count angles from": the Lot of Fortune or the starting sign.
  QAction* AnglesFromFortune1;
  QAction* AnglesFromStartSign1;
  QAction* GoToDate1;
  QAction* Timeline1;
  QAction* Chart1;
  // "Release from Spirit" or "Release from Fortune": the lot not shown.
  QAction* ReleaseOtherLot;
  QAction* ComingChanges1;
  QAction* Contents1;
  QAction* About1;
  QMenu* PopupMenu1;
  QAction* ListSubPeriods1;
  QAction* Print2;

  QFontDialog* FontDialog1;
  QPrintDialog* PrintDialog1;
  QFileDialog* SaveDialog1;
  QFileDialog* OpenDialog1;

  void BuildControls();
  void BuildMenus();
  void ConnectCommands();
  void BuildFileDialogs();
  void BuildChart();
  // The size and place of the last run; at the first start wide enough for
  // the inputs and a whole line of the list, centred.
  void PlaceWindow();

  // The listings shown: the main listing in the main list, with the
  // commands enabled as a finished listing leaves them; the level 3/4
  // listing in the level 3/4 list (ClearLevel34: none).
  void ShowMainListing(std::shared_ptr<const TListing> listing);
  void EnableListedCommands();
  void ShowLevel34Listing(std::shared_ptr<const TListing> listing);
  void ClearLevel34();
  // Shows the level 3/4 window and marks its periods in force.
  void ShowLevel3Window();
  // Lists in the level 3/4 window the level 3 and 4 periods of data line
  // `line` of the main listing under `settings`, with the label naming the
  // period; `line` -1 empties it.
  void ListLevel34Line(int line, const ReleaseSettings& settings);
  // After the main listing changed: the level 3/4 window relists its
  // period from the new listing when that has it, else it is marked as
  // belonging to an earlier listing.
  void FollowLevel34();
  // Coming Changes (ZodiacComing.cpp): fills the window when it exists.
  void RefreshComingChanges();
  void ComingChangeChosen(int row);
  // The text and the enabled state of ReleaseOtherLot.
  void UpdateReleaseOtherLot();

  void FormCreate();
  void FormShow();
  void FormDestroy();
  void GetCurrentDateTime();
  void DisableClearListButtons();
  void SetSignNameChecks(bool shortNames);
  void WriteTimeField(std::int64_t msOfDay);
  // Keeps what the timeline draws and tells it (ListingChanged); a new
  // listing (or none) also forgets the moment "Go to Date" chose.
  void NoteListing(bool newListing);

  // Runs a command; a conversion error ends it and shows the error box.
  void RunCommand(const std::function<void()>& command);

  // Shows LabelListingState while the settings differ from FListedSettings.
  void UpdateListingState();
  // Names in the status line the spin fields read as their minimum.
  void ShowNotWholeNumberNotes();
  // The periods in force (ZodiacInForce.cpp).  The settings of the listing
  // shown, with the Fortune sign and the angle choice of the controls.
  ReleaseSettings MarkSettings() const;
  // The Julian Day (local clock time) of the clock's moment.
  double NowJulianDay();
  // Finds the periods in force at `moment` in the listing shown, marks their
  // lines in the main list and writes LabelInForce.
  void ShowInForce(double moment);
  // ShowInForce, then selects the sub period in force and lists its level 3
  // and 4 periods.
  void GoToMoment(double moment);
  // Marks the level 3 and 4 periods in force in the level 3/4 list when it
  // lists the sub period in force.
  void MarkLevel34InForce();
  // Repaints the marks of both lists and rewrites LabelInForce, after a
  // change of the Fortune sign or of the angle choice.
  void RefreshMarks();
  // After Clear List: no listing's settings, nothing in force, an empty
  // LabelInForce.
  void ForgetListing();
  // Gives both lists' models the chart panel's chart for their rulers and
  // rewrites LabelInForce: whenever the chart is computed or lost.
  void ShowChartRulers();

  std::unique_ptr<TChronocrator> FChronocrator;
  std::unique_ptr<TDate> FDate;
  // The main listing last listed, shared with the main list's model.
  std::shared_ptr<const TListing> FMain = std::make_shared<const TListing>();
  // The settings of the listing on screen; nothing after Clear List or a
  // listing that failed.
  std::optional<ReleaseSettings> FListedSettings;
  // The notes of the last listing in the status line; empty when none.
  QString FNotesShown;
  TBirthDataPanel* FBirthData = nullptr;
  // The periods in force shown, their marks and the text under the list.
  TInForcePresenter* FInForcePresenter = nullptr;

  std::function<QDateTime()> FClock;
  QPointer<QWidget> FAbout;
  QPointer<TFormLevel3> FLevel3;
  QPointer<TFormTimeline> FTimeline;
  std::optional<TTimelineSource> FTimelineSource;
  // The moment "Go to Date" chose, until the next listing: the timeline's
  // line is there, else at the clock's moment.
  std::optional<double> FChosenMoment;
  THelpWindow* FHelp = nullptr;
  THintTracker* FHintTracker = nullptr;
  QActionGroup* FSignNameItems = nullptr;
  // The options file and the chart files; it also keeps the error of a
  // handler run by a line of a file being restored (RunCommand).
  TFilesPresenter* FFiles = nullptr;
  TBirthPlace FPlace;
  // The birth data last saved or opened (BirthDataChanged).
  ReleaseSettings FSavedBirthData;
  std::function<void(const QString& path)> FAafImport;
  TChartPanel* FChartPanel = nullptr;
  // The chart library's window and the recent charts of the File menu.
  TLibraryPresenter* FLibrary = nullptr;
  // The listings of the periods in force last shown (LotListingsShown).
  std::vector<TLotListing> FLots;
  QPointer<TFormComingChanges> FComing;
  int FComingRows = kComingRows;
  // The period the level 3/4 window lists and its main list row (-1 when
  // it belongs to an earlier listing or lists nothing).
  std::optional<TLevel34Period> FLevel34Period;
  int FLevel34Row = -1;
};

}  // namespace ostrane
