// Behaviour of the windows around the listings: dialogs above the level 3/4
// window, a click below the last line, the typing limit of a long name read
// from a file.
#include <QAction>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "tests/support/FileTestSupport.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using WindowBehaviour = WindowTest;

TEST_F(WindowBehaviour, EveryDialogStaysAboveTheLevel34Window) {
  const struct {
    const char* name;
    const char* action;  // triggered; nullptr: Julian Date of a time that is none
    const char* dialogClass;
  } cases[] = {
      {"Default Settings Saved.", "SaveSettings", "QMessageBox"},
      {"the error box", nullptr, "QMessageBox"},
      {"the font dialog", "Font1", "QFontDialog"},
      {"Go to Date", "GoToDate1", "ostrane::TGoToDateDialog"},
  };
  CreateWindows();
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  for (const bool level3Shown : {false, true}) {
    for (const auto& c : cases) {
      W<TListBox>("ListBoxOstrane")->SetItemIndex(3);
      Form->ListBoxOstraneDblClick();
      if (!level3Shown) Level3->close();
      ASSERT_EQ(Level3->isVisible(), level3Shown) << c.name;
      std::vector<bool> onTop;
      DialogInterceptor dialogs([&onTop](QDialog& dialog) {
        onTop.push_back(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        dialog.reject();
        return dialog.result();
      });
      if (c.action) {
        W<QAction>(c.action)->trigger();
      } else {
        W<QLineEdit>("EditTime")->setText("noon");
        W<QPushButton>("BtnShowJulian")->click();
      }
      ASSERT_EQ(dialogs.Dialogs.size(), 1u) << c.name;
      EXPECT_EQ(dialogs.Dialogs[0].ClassName.toStdString(), c.dialogClass) << c.name;
      EXPECT_EQ(onTop, std::vector<bool>{level3Shown})
          << c.name << (level3Shown ? ": above the level 3/4 window" : ": an ordinary dialog");
    }
  }
  // The flag is the dialog's only while it runs.
  EXPECT_FALSE(W<QFontDialog>("FontDialog1")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(WindowBehaviour, AClickBelowTheLastLineKeepsTheSelection) {
  CreateWindows();
  ShowMainWindow();
  EnterWorkedExample();
  W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(1);
  W<QPushButton>("BtnCalculateOstrane")->click();
  auto* list = W<TListBox>("ListBoxOstrane");
  const QRect last = RowRect(list, list->count() - 1);
  const QPoint below(last.center().x(), last.bottom() + 20);
  ASSERT_LT(below.y(), list->viewport()->height()) << "the list has room below its lines";

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowRect(list, 4).center());
  ASSERT_EQ(list->ItemIndex(), 4);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
  EXPECT_EQ(list->ItemIndex(), 4) << "a click on no line";
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
  EXPECT_EQ(list->ItemIndex(), 4) << "a double click on no line";
  W<QAction>("ListSubPeriods1")->trigger();
  ASSERT_TRUE(Level3->isVisible());
  EXPECT_EQ(RowText(Find<QListView>(Level3.get(), "ListBoxLevel3"), 3).toStdString(),
            "Taurus L3 begins 3/26/2001, 12:00 pm")
      << "the line selected last is listed";
}

TEST_F(WindowBehaviour, ALongNameFromAFileIsShownWholeButTypingDoesNotLengthenIt) {
  const QString longName(60, QLatin1Char('N'));
  WriteBytes("OptionsFile.txt", CrLf({longName.toStdString(), "0", "1", "2000", "12:00:00", "", "0",
                                      "2", "2", "1", "1", "1"}));
  CreateWindows();
  ShowMainWindow();
  auto* name = W<QLineEdit>("EditName");
  ASSERT_EQ(name->text(), longName) << "restored at start, whole";
  name->setFocus();
  const auto expectLength = [name](int length, const char* step) {
    EXPECT_EQ(name->text().size(), length) << step;
    EXPECT_FALSE(name->text().contains(QRegularExpression("x|z|ab")))
        << step << ": " << name->text().toStdString();
  };
  QTest::keyClick(name, Qt::Key_End);
  QTest::keyClicks(name, "x");
  expectLength(60, "typing at the end");
  QTest::keyClick(name, Qt::Key_Backspace);
  expectLength(59, "deleting one");
  QTest::keyClick(name, Qt::Key_Home);
  QTest::keyClicks(name, "ab");
  expectLength(59, "typing in the middle");
  name->selectAll();
  QTest::keyClicks(name, QString(70, QLatin1Char('m')));
  expectLength(50, "replacing all by a longer text");
  QTest::keyClicks(name, "zz");
  expectLength(50, "typing beyond the limit");
  name->selectAll();
  QTest::keyClicks(name, "Short");
  expectLength(5, "a shorter name");
}

}  // namespace
}  // namespace ostrane::uitest
