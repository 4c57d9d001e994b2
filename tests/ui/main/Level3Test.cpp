// The level 3/4 window and the main list's commands that fill it: double
// click, List Sub Periods, the right click, the mouse-move enabling, close
// and refill.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "tests/support/UiTestSupport.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class Level3Window : public WindowTest {
 public:
  void ListWorkedExample() {
    CreateWindows();
    ShowMainWindow();
    EnterWorkedExample();
    W<QPushButton>("BtnCalculateOstrane")->click();
    List = W<TListBox>("ListBoxOstrane");
    Level3List = Find<QListView>(Level3.get(), "ListBoxLevel3");
  }

  void DoubleClick(int row) {
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, row).center());
  }

  void MoveOver(int row) {
    QTest::mouseMove(List->viewport(), RowRect(List, row).center());
    QMouseEvent move(QEvent::MouseMove, QPointF(RowRect(List, row).center()),
                     List->viewport()->mapToGlobal(QPointF(RowRect(List, row).center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(List->viewport(), &move);
  }

  TListBox* List = nullptr;
  QListView* Level3List = nullptr;
};

TEST_F(Level3Window, WindowAsCreated) {
  CreateWindows();
  EXPECT_FALSE(Level3->isVisible());
  EXPECT_EQ(Level3->windowTitle().toStdString(), "View Level 3 and 4 Sub Periods:");
  EXPECT_TRUE(Level3->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(TFormLevel3().size(), QSize(310, 479));
  const int margin =
      TMarkDelegate::MarginWidth(Find<QListView>(Level3.get(), "ListBoxLevel3")->font());
  EXPECT_EQ(Level3->size(), QSize(310 + margin, 479)) << "room for the marks' margin";
  EXPECT_EQ(Find<QAction>(Level3.get(), "Print1")->text().toStdString(), "&Print ...");
  EXPECT_EQ(Find<QAction>(Level3.get(), "Exit1")->text().toStdString(), "E&xit");
  EXPECT_EQ(Find<QListView>(Level3.get(), "ListBoxLevel3")->font().pointSize(), 10);
}

TEST_F(Level3Window, DoubleClickOnGeneralAndSubLines) {
  ListWorkedExample();
  struct Case {
    int row;
    const char* firstLevel3;
    const char* secondLevel4;
  };
  const Case cases[] = {
      {3, "Aries L3 begins 1/1/2000, 12:00 pm", "     Taurus L4 begins 1/4/2000, 03:00 pm"},
      {4, "Taurus L3 begins 3/26/2001, 12:00 pm", "     Gemini L4 begins 3/28/2001, 04:00 am"},
  };
  for (const Case& c : cases) {
    DoubleClick(c.row);
    EXPECT_EQ(List->ItemIndex(), c.row);
    ASSERT_TRUE(Level3->isVisible()) << "row " << c.row;
    const std::vector<std::string> lines = Lines(Level3List);
    ASSERT_GT(lines.size(), 5u) << "row " << c.row;
    EXPECT_EQ(lines[0], "Level 3 - 4 Releasings For:") << "row " << c.row;
    EXPECT_EQ(lines[1], "Time Lords") << "row " << c.row;
    EXPECT_EQ(lines[2], " ") << "row " << c.row;
    EXPECT_EQ(lines[3], c.firstLevel3) << "row " << c.row;
    EXPECT_EQ(lines[5], c.secondLevel4) << "row " << c.row;
  }
}

TEST_F(Level3Window, DoubleClickOnHeaderLinesEmptiesTheListOnly) {
  ListWorkedExample();
  for (int row : {0, 1, 2}) {
    DoubleClick(row);
    EXPECT_EQ(RowCount(Level3List), 0) << "row " << row;
    EXPECT_FALSE(Level3->isVisible()) << "row " << row << ": a hidden window stays hidden";
  }
  DoubleClick(3);
  ASSERT_TRUE(Level3->isVisible());
  DoubleClick(1);
  EXPECT_EQ(RowCount(Level3List), 0);
  EXPECT_TRUE(Level3->isVisible()) << "a shown window stays shown";
}

TEST_F(Level3Window, CloseEmptiesAndHidesThenDoubleClickRefills) {
  ListWorkedExample();
  DoubleClick(3);
  const int lines = RowCount(Level3List);
  ASSERT_GT(lines, 3);
  Level3->close();
  EXPECT_FALSE(Level3->isVisible());
  EXPECT_EQ(RowCount(Level3List), 0);
  DoubleClick(3);
  EXPECT_TRUE(Level3->isVisible());
  EXPECT_EQ(RowCount(Level3List), lines);
  Find<QAction>(Level3.get(), "Exit1")->trigger();
  EXPECT_FALSE(Level3->isVisible()) << "Exit closes";
  EXPECT_EQ(RowCount(Level3List), 0) << "Exit empties";
}

TEST_F(Level3Window, PopUpListsTheLineSelectedLastNotTheOneRightClicked) {
  ListWorkedExample();
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, 4).center());
  const QPoint onRow3 = RowRect(List, 3).center();
  QTest::mouseClick(List->viewport(), Qt::RightButton, {}, onRow3);
  EXPECT_EQ(List->ItemIndex(), 4) << "the right click keeps the selection";
  // The window system follows the right press with a context menu event.
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, onRow3,
                              List->viewport()->mapToGlobal(onRow3));
  QApplication::sendEvent(List->viewport(), &menuEvent);
  auto* popup = W<QMenu>("PopupMenu1");
  EXPECT_TRUE(popup->isVisible()) << "the right click opens the pop-up";
  popup->close();
  W<QAction>("ListSubPeriods1")->trigger();
  ASSERT_TRUE(Level3->isVisible());
  EXPECT_EQ(RowText(Level3List, 3).toStdString(), "Taurus L3 begins 3/26/2001, 12:00 pm");
}

TEST_F(Level3Window, MouseMoveEnablesListSubPeriodsForDataLines) {
  ListWorkedExample();
  auto* listSubPeriods = W<QAction>("ListSubPeriods1");
  List->SetItemIndex(1);
  MoveOver(5);
  EXPECT_FALSE(listSubPeriods->isEnabled()) << "a header line selected";
  List->SetItemIndex(4);
  MoveOver(1);
  EXPECT_TRUE(listSubPeriods->isEnabled()) << "a data line selected";
  List->SetItemIndex(-1);
  MoveOver(2);
  EXPECT_FALSE(listSubPeriods->isEnabled()) << "nothing selected";
}

TEST_F(Level3Window, ChangedSettingsApplyToTheNextLevel3Listing) {
  ListWorkedExample();
  W<QLineEdit>("EditName")->setText("Other");
  W<TRadioGroup>("RGOstraneType")->SetItemIndex(1);  // Egyptian: Capricorn's level 4 is 6.25 days
  DoubleClick(3);
  ASSERT_GT(RowCount(Level3List), 14);
  EXPECT_EQ(RowText(Level3List, 1).toStdString(), "Other");
  EXPECT_EQ(RowText(Level3List, 13).toStdString(), "     Capricorn L4 begins 1/31/2000, 02:00 am");
  EXPECT_EQ(RowText(Level3List, 14).toStdString(), "     Aquarius L4 begins 2/6/2000, 08:00 am")
      << "under Valens it begins 2/5/2000, 05:00 pm";
}

// After a new main listing the window lists its period again from it when
// the new listing has it (same general and sub period), with its in-force
// marks; else it says that it belongs to an earlier listing, its marks
// cleared.  The label above the list names the period in the date style.
TEST_F(Level3Window, ANewListingRelistsItsPeriodOrMarksItStale) {
  CreateWindows();
  Form->SetClock([] { return QDateTime(QDate(2001, 6, 1), QTime(12, 0)); });  // the Taurus sub
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  List = W<TListBox>("ListBoxOstrane");
  Level3List = Find<QListView>(Level3.get(), "ListBoxLevel3");
  auto* caption = Find<QLabel>(Level3.get(), "LabelLevel3Period");
  auto* stale = Find<QLabel>(Level3.get(), "LabelLevel3Stale");
  const auto marked = [this] {
    int rows = 0;
    for (int row = 0; row < RowCount(Level3List); ++row)
      rows += RowData(Level3List, row, kPeriodInForceRole).toBool() ? 1 : 0;
    return rows;
  };
  DoubleClick(4);
  const std::vector<std::string> listed = Lines(Level3List);
  const char* const american = "Aries general, Taurus sub, 3/26/2001 \u2013 11/21/2001";
  EXPECT_EQ(caption->text().toStdString(), american);
  EXPECT_FALSE(stale->isVisibleTo(Level3.get()));
  EXPECT_EQ(marked(), 2) << "the level 3 and 4 periods in force";

  const struct {
    const char* name;
    std::function<void()> change;
    bool kept;
    const char* caption;
  } steps[] = {
      {"Clear List", [this] { W<QPushButton>("BtnClearList")->click(); }, false, american},
      {"three general periods",
       [this] {
         Form->BirthData()->SpinEditNumMajPeriods()->SetValue(3);
         Form->BtnCalculateOstraneClick();
       },
       true, american},
      {"European dates",
       [this] {
         ReleaseSettings s = Form->ReadSettings();
         s.DateStyle = TDateStyle::European;
         Form->ApplySettings(s);  // lists again
       },
       true, "Aries general, Taurus sub, 26/3/2001 \u2013 21/11/2001"},
      {"from Taurus",
       [this] {
         Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(1);
         Form->BtnCalculateOstraneClick();
       },
       false, "Aries general, Taurus sub, 26/3/2001 \u2013 21/11/2001"},
  };
  for (const auto& step : steps) {
    step.change();
    EXPECT_EQ(stale->isVisibleTo(Level3.get()), !step.kept) << step.name;
    EXPECT_EQ(marked(), step.kept ? 2 : 0) << step.name;
    EXPECT_EQ(caption->text().toStdString(), step.caption) << step.name;
    EXPECT_GT(RowCount(Level3List), 3) << step.name << ": the list stays";
    if (step.kept && step.caption == american) {
      EXPECT_EQ(Lines(Level3List), listed) << step.name << ": the same period listed again";
    }
  }
}

}  // namespace
}  // namespace ostrane::uitest
