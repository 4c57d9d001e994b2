// The timeline window as the user meets it: View > Timeline, a drawing that
// follows every listing, clicks that select the period's line (and list a
// sub period's level 3 and 4 periods), dragging, keys and the wheel, the
// Spirit track, the moment line and the export through File > Export.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <optional>

#include "core/IsoDateText.h"
#include "tests/support/FileTestSupport.h"
#include "ui/dialogs/GoToDate.h"
#include "ui/timeline/TimelineF.h"
#include "ui/timeline/TimelineView.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class TimelineWindow : public WindowTest {
 protected:
  // The worked example, changed by `enter`, with Fortune in Cancer, listed,
  // and the timeline window opened through its menu item.
  void Open(const std::function<void()>& enter = [] {}) {
    CreateWindows();
    ShowMainWindow();
    EnterWorkedExample();
    enter();
    W<QComboBox>("ComboBoxFortune")->setCurrentIndex(4);
    W<QPushButton>("BtnCalculateOstrane")->click();
    W<QAction>("Timeline1")->trigger();
    Timeline = Find<TFormTimeline>(Form.get(), "FormTimeline");
    View = Find<TTimelineView>(Timeline, "TimelineView");
    Timeline->resize(1000, 400);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Timeline));
  }

  void ListAnew() {
    W<QPushButton>("BtnClearList")->click();
    W<QPushButton>("BtnCalculateOstrane")->click();
  }

  // The first period drawn on the track that `pick` accepts.
  std::optional<TTimelineItem> Drawn(
      int track, const std::function<bool(const TPeriodSpan&, const QRectF&)>& pick) const {
    for (const auto& item : View->Items())
      if (item.Track == track && pick(View->Model().Tracks[track].Spans[item.Span], item.Rect))
        return item;
    return std::nullopt;
  }

  std::vector<std::string> Titles() const {
    std::vector<std::string> all;
    for (const auto& track : View->Model().Tracks) all.push_back(track.Title);
    return all;
  }

  TFormTimeline* Timeline = nullptr;
  TTimelineView* View = nullptr;
};

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

long CountLevel(const std::vector<TPeriodSpan>& spans, int level) {
  return std::count_if(spans.begin(), spans.end(),
                       [&](const TPeriodSpan& s) { return s.Level == level; });
}

TEST_F(TimelineWindow, TheMenuItemOpensItAndEveryListingRedrawsIt) {
  CreateWindows();
  auto* item = W<QAction>("Timeline1");
  EXPECT_EQ(item->text(), "&Timeline");
  EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+T"));
  item->trigger();
  auto* timeline = Find<TFormTimeline>(Form.get(), "FormTimeline");
  auto* view = Find<TTimelineView>(timeline, "TimelineView");
  EXPECT_TRUE(timeline->isVisible());
  EXPECT_TRUE(view->Model().Empty()) << "nothing listed yet";

  EnterWorkedExample();
  const struct {
    const char* name;
    std::function<void()> act;
    long generalPeriods;  // 0: an empty timeline
  } steps[] = {
      {"listed", [&] { W<QPushButton>("BtnCalculateOstrane")->click(); }, 2},
      {"cleared", [&] { W<QPushButton>("BtnClearList")->click(); }, 0},
      {"five periods listed",
       [&] {
         W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(5);
         W<QPushButton>("BtnCalculateOstrane")->click();
       },
       5},
      {"a bad time: the listing fails",
       [&] {
         DialogInterceptor boxes;
         W<QLineEdit>("EditTime")->setText("25:99");
         W<QPushButton>("BtnClearList")->click();
         W<QPushButton>("BtnCalculateOstrane")->click();
         EXPECT_EQ(boxes.Dialogs.size(), 1u);
       },
       0},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    ASSERT_EQ(Form->TimelineWindow(), timeline) << "the same window";
    EXPECT_EQ(view->Model().Empty(), step.generalPeriods == 0);
    EXPECT_EQ(Form->Listed().has_value(), step.generalPeriods != 0);
    if (step.generalPeriods == 0) continue;
    ASSERT_EQ(view->Model().Tracks.size(), 1u);
    const auto& spans = view->Model().Tracks[0].Spans;
    EXPECT_EQ(CountLevel(spans, 1), step.generalPeriods);
    // One sub period a data line: the main list's lines less its header.
    EXPECT_EQ(CountLevel(spans, 2), W<TListBox>("ListBoxOstrane")->count() - kHeaderLines);
    EXPECT_EQ(spans.front().Start, 2451545.0);
  }
}

TEST_F(TimelineWindow, AClickSelectsThePeriodsLineAndASubPeriodListsItsLevels3And4) {
  Open();
  const struct {
    const char* name;
    int level, entry;
    const char* line;    // the main list's line
    const char* level3;  // the first level 3 line; empty: no level 3/4 listing
  } cases[] = {
      {"Taurus, the second general period", 1, 11, "Taurus major and sub begin 10/14/2014", ""},
      {"Aries' first sub period: the general period's line", 2, 0,
       "Aries major and sub begin 1/1/2000", "Aries L3 begins 1/1/2000, 12:00 pm"},
      {"Leo, a sub period of Aries", 2, 4, "        Leo sub begins 8/2/2005",
       "Leo L3 begins 8/2/2005, 12:00 pm"},
      {"Aries, the first general period", 1, 0, "Aries major and sub begin 1/1/2000", ""},
      {"Libra, a sub period of Taurus", 2, 16, "        Libra sub begins 5/5/2022",
       "Libra L3 begins 5/5/2022, 12:00 pm"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Level3->close();
    const auto item = Drawn(0, [&](const TPeriodSpan& s, const QRectF&) {
      return s.Level == c.level && s.Entry == c.entry;
    });
    ASSERT_TRUE(item);
    QTest::mouseClick(View, Qt::LeftButton, {}, item->Rect.center().toPoint());
    const int index = W<TListBox>("ListBoxOstrane")->ItemIndex();
    ASSERT_EQ(index, c.entry + kHeaderLines);
    EXPECT_EQ(RowText(W<TListBox>("ListBoxOstrane"), index).toStdString(), c.line);
    EXPECT_EQ(Level3->isVisible(), *c.level3 != '\0');
    if (Level3->isVisible()) {
      ASSERT_GT(RowCount(Level3->ListBoxLevel3), kHeaderLines);
      EXPECT_EQ(RowText(Level3->ListBoxLevel3, kHeaderLines).toStdString(), c.level3);
    }
  }
}

TEST_F(TimelineWindow, DraggingKeysAndTheWheelMoveAndZoom) {
  Open();
  const TTimelineScale fitted = View->Scale();
  const TTimelineLayout layout = View->Scene().Layout;
  const double middle = (layout.PlotLeft() + layout.PlotRight()) / 2;
  const double eighth = (layout.PlotRight() - layout.PlotLeft()) / 8;
  const double y = layout.Band(0, 1).center().y();
  const struct {
    const char* name;
    std::function<void()> act;
    double zoom;    // pixels per day, times the fitted
    double fixedX;  // the x whose day stays, when zoomed
    double shift;   // pixels the drawing moved, when not zoomed
  } cases[] = {
      {"+", [&] { QTest::keyClick(View, Qt::Key_Plus); }, 1.5, middle, 0},
      {"-", [&] { QTest::keyClick(View, Qt::Key_Minus); }, 1 / 1.5, middle, 0},
      {"the right arrow", [&] { QTest::keyClick(View, Qt::Key_Right); }, 1, 0, -eighth},
      {"the left arrow", [&] { QTest::keyClick(View, Qt::Key_Left); }, 1, 0, eighth},
      {"a wheel notch up at x = 300",
       [&] {
         QWheelEvent wheel(QPointF(300, y), View->mapToGlobal(QPointF(300, y)), {}, {0, 120},
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QCoreApplication::sendEvent(View, &wheel);
       },
       1.25, 300, 0},
      {"dragged 120 pixels to the right",
       [&] {
         SendMouse(View, QEvent::MouseButtonPress, {400, y}, Qt::LeftButton);
         SendMouse(View, QEvent::MouseMove, {460, y}, Qt::LeftButton);
         SendMouse(View, QEvent::MouseMove, {520, y}, Qt::LeftButton);
         SendMouse(View, QEvent::MouseButtonRelease, {520, y}, Qt::NoButton);
       },
       1, 0, 120},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    View->ShowAll();
    W<TListBox>("ListBoxOstrane")->SetItemIndex(-1);
    c.act();
    const TTimelineScale& now = View->Scale();
    EXPECT_NEAR(now.PixelsPerDay, fitted.PixelsPerDay * c.zoom, 1e-12);
    if (c.zoom != 1) {
      EXPECT_NEAR(now.Day(c.fixedX), fitted.Day(c.fixedX), 1e-6);
    } else {
      EXPECT_NEAR(now.X(2456945.0) - fitted.X(2456945.0), c.shift, 1e-6);
    }
    EXPECT_EQ(W<TListBox>("ListBoxOstrane")->ItemIndex(), -1) << "nothing selected";
  }
  QTest::keyClick(View, Qt::Key_Home);
  EXPECT_EQ(View->Scale().PixelsPerDay, fitted.PixelsPerDay);
  EXPECT_EQ(View->Scale().FirstDay, fitted.FirstDay);
}

// The line follows the main window: its clock after a listing, the moment
// of Go to Date until the next listing; a new Fortune sign redraws the
// places and keeps the moment.
TEST_F(TimelineWindow, TheLineFollowsGoToDateUntilTheNextListing) {
  Open([&] { Form->SetClock([] { return QDateTime(QDate(2010, 3, 5), QTime(18, 0)); }); });
  const double clock = CivilJulianDay(TCivilMoment{2010, 3, 5, 18 * 3600000});
  const auto goTo = [&] {
    DialogInterceptor dialogs([](QDialog& dialog) {
      auto* go = dynamic_cast<TGoToDateDialog*>(&dialog);
      if (go == nullptr) return dialog.result();
      go->ComboBoxGoMonth->setCurrentIndex(9);
      go->SpinEditGoDay->SetValue(14);
      go->SpinEditGoYear->SetValue(2014);
      go->EditGoTime->setText("12:00:00");
      go->accept();
      return go->result();
    });
    W<QAction>("GoToDate1")->trigger();
    ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  };
  const struct {
    const char* name;
    std::function<void()> act;
    double moment;
    const char* label;
    int ariesPlace;  // Aries, the first general period, counted from Fortune
  } steps[] = {
      {"listed: the clock's moment", [] {}, clock, "now 3/5/2010", 10},
      {"Go to Date 10/14/2014 noon", goTo, 2456945.0, "10/14/2014", 10},
      {"Fortune in Aries: places anew, the same moment",
       [&] { W<QComboBox>("ComboBoxFortune")->setCurrentIndex(1); }, 2456945.0, "10/14/2014", 1},
      {"listed anew: the clock's moment again", [&] { ListAnew(); }, clock, "now 3/5/2010", 1},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    EXPECT_EQ(View->Scene().Moment, step.moment);
    EXPECT_EQ(View->Scene().MomentLabel, step.label);
    ASSERT_FALSE(View->Model().Empty());
    EXPECT_EQ(View->Model().Tracks[0].Spans.front().Place, step.ariesPlace);
  }
}

// A birth place gives the Lot of Spirit (Virgo, with Fortune in Cancer): a
// Spirit track above Fortune's.  Only a click on the main list's track
// selects a line; the tooltip is the period's on either track.  The user's
// choice of no Spirit stays until the chart gives another sign.
TEST_F(TimelineWindow, TheChartOfTheBirthPlaceGivesASpiritTrack) {
  Open([&] {
    W<QComboBox>("ComboBoxMonth")->setCurrentIndex(3);
    W<TSpinEdit>("SpinEditDay")->SetValue(12);
    W<TSpinEdit>("SpinEditYear")->SetValue(1980);
    W<QLineEdit>("EditTime")->setText("14:30:00");
    TBirthPlace amsterdam;
    amsterdam.Name = "Amsterdam, North Holland, NL";
    amsterdam.Latitude = 52.37403;
    amsterdam.Longitude = 4.88969;
    amsterdam.TimeZone = "Europe/Amsterdam";
    Form->SetPlace(amsterdam);
    EXPECT_EQ(W<QComboBox>("ComboBoxFortune")->currentText(), "Cancer") << "set from the chart";
  });
  auto* spirit = Find<QComboBox>(Timeline, "ComboBoxSpirit");
  EXPECT_EQ(spirit->currentText(), "Virgo");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"from Spirit (Virgo)", "from Fortune (Cancer)"}));
  const struct {
    const char* name;
    int startSign;  // of the listing
    int listedTrack;
  } cases[] = {{"listed from Virgo: the Spirit track is", 5, 0},
               {"listed from Cancer: the Fortune track is", 3, 1},
               {"listed from Aries: neither track is the list's", 0, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(c.startSign);
    ListAnew();
    ASSERT_EQ(View->Model().Tracks.size(), 2u);
    for (int t = 0; t < 2; ++t) {
      const TTimelineTrack& track = View->Model().Tracks[t];
      SCOPED_TRACE(track.Title);
      EXPECT_EQ(track.IsListing, t == c.listedTrack);
      const auto item = Drawn(t, [](const TPeriodSpan& s, const QRectF& rect) {
        return s.Level == 2 && rect.width() > 4;
      });
      ASSERT_TRUE(item);
      const TPeriodSpan& span = track.Spans[item->Span];
      EXPECT_EQ(View->ToolTipAt(item->Rect.center()).toStdString(),
                PeriodToolTip(View->Model(), track, span));
      W<TListBox>("ListBoxOstrane")->SetItemIndex(-1);
      QTest::mouseClick(View, Qt::LeftButton, {}, item->Rect.center().toPoint());
      EXPECT_EQ(W<TListBox>("ListBoxOstrane")->ItemIndex(),
                t == c.listedTrack ? span.Entry + kHeaderLines : -1);
    }
  }
  EXPECT_EQ(View->ToolTipAt(QPointF(5, 5)), QString()) << "no period there";

  spirit->setCurrentIndex(0);  // none
  EXPECT_EQ(Titles(), std::vector<std::string>{"from Aries"});
  ListAnew();
  EXPECT_EQ(spirit->currentText(), "none") << "the same chart: the user's choice stays";
  EXPECT_EQ(Titles(), std::vector<std::string>{"from Aries"});
}

// The format follows the name in ExportTimeline, as for ostrane-list
// --timeline (cli.timeline_png, _svg, _pdf): one format is enough here.
TEST_F(TimelineWindow, FileExportWritesTheFileChosenOrSaysWhyNot) {
  Open();
  {
    const QString path = QDir::current().absoluteFilePath("shown.svg");
    QStringList filters;
    DialogInterceptor dialogs([&](QDialog& dialog) {
      if (auto* files = qobject_cast<QFileDialog*>(&dialog)) filters = files->nameFilters();
      return ConfirmFileDialog(dialog, path);
    });
    Find<QAction>(Timeline, "Export1")->trigger();
    EXPECT_EQ(filters,
              QStringList({"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)"}));
    ASSERT_EQ(dialogs.Dialogs.size(), 1u) << "the file dialog only";
    EXPECT_TRUE(ReadBytes(path).startsWith("<?xml"));
  }

  // A folder where the file should be: the error box names file and reason.
  const QString folder = QDir::current().absoluteFilePath("folder.png");
  ASSERT_TRUE(QDir().mkdir(folder));
  DialogInterceptor boxes;
  EXPECT_FALSE(Timeline->ExportTo(folder));
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Dialogs[0].Text.startsWith("Cannot save '" + folder + "': "))
      << boxes.Dialogs[0].Text.toStdString();
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
}  // namespace ostrane::uitest
