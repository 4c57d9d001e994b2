// The spin field, the radio group, the list box and the error box on their
// own, in a small shown window.
#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "tests/support/UiTestSupport.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(Window.get());
    Day = new TSpinEdit(1, 31, Window.get());
    Other = new QLineEdit(Window.get());
    Group = new TRadioGroup("List Dates:", {"European", "American", "Scientific"}, 1, Window.get());
    List = new TListBox(Window.get());
    auto lines = std::make_shared<TListing>();
    for (int i = 0; i < 8; ++i) lines->Header.push_back("line " + std::to_string(i));
    List->Model().SetListing(std::move(lines));
    layout->addWidget(Day);
    layout->addWidget(Other);
    layout->addWidget(Group);
    layout->addWidget(List);
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  }

  QString TypedInto(TSpinEdit* spin, const QString& keys) {
    spin->setFocus(Qt::TabFocusReason);
    spin->findChild<QLineEdit*>()->clear();
    QTest::keyClicks(spin, keys);
    return spin->text();
  }

  void Leave(TSpinEdit* spin) {
    spin->setFocus(Qt::TabFocusReason);
    Other->setFocus(Qt::TabFocusReason);
  }

  LocaleScope Locale{"C"};
  std::unique_ptr<QWidget> Window;
  TSpinEdit* Day;
  QLineEdit* Other;
  TRadioGroup* Group;
  TListBox* List;
};

TEST_F(ControlsTest, SpinFieldTakesOnlyNumberCharacters) {
  EXPECT_EQ(TypedInto(Day, "2a.5x").toStdString(), "2.5") << "letters are refused";
  EXPECT_EQ(Day->Value(), 1) << "2.5 reads as the minimum";
  EXPECT_EQ(TypedInto(Day, "-+7 ,").toStdString(), "-+7") << "blank and comma refused in C";
  {
    LocaleScope german("de_DE");
    EXPECT_EQ(TypedInto(Day, "1,5.").toStdString(), "1,5") << "the German separator is the comma";
  }
  TypedInto(Day, "12");
  QTest::keyClick(Day, Qt::Key_Backspace);
  EXPECT_EQ(Day->text().toStdString(), "1") << "control keys work";
  QSignalSpy finished(Day, &QAbstractSpinBox::editingFinished);
  QTest::keyClick(Day, Qt::Key_Return);
  QTest::keyClick(Day, Qt::Key_Enter);
  EXPECT_EQ(finished.count(), 0) << "Enter is refused";
  EXPECT_EQ(Day->text().toStdString(), "1");
}

TEST_F(ControlsTest, SpinFieldReadsWritesAndCorrectsOnLeaving) {
  TypedInto(Day, "45");
  EXPECT_EQ(Day->Value(), 45) << "reading does not limit";
  Leave(Day);
  EXPECT_EQ(Day->text().toStdString(), "31") << "leaving limits to the maximum";
  TypedInto(Day, "0");
  Leave(Day);
  EXPECT_EQ(Day->text().toStdString(), "1") << "leaving limits to the minimum";
  TypedInto(Day, "2.5");
  Leave(Day);
  EXPECT_EQ(Day->text().toStdString(), "2.5") << "a non-integer text stays";

  Day->SetValue(99);
  EXPECT_EQ(Day->text().toStdString(), "31");
  Day->SetValue(-3);
  EXPECT_EQ(Day->text().toStdString(), "1");
}

TEST_F(ControlsTest, SpinFieldStepsWithinTheRange) {
  Day->SetValue(30);
  Day->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Day, Qt::Key_Up);
  EXPECT_EQ(Day->Value(), 31);
  QTest::keyClick(Day, Qt::Key_Up);
  EXPECT_EQ(Day->Value(), 31) << "no step past the maximum";
  Day->SetValue(1);
  QTest::keyClick(Day, Qt::Key_Down);
  EXPECT_EQ(Day->Value(), 1) << "no step below the minimum";
}

TEST_F(ControlsTest, SpinFieldReportsEnteringOnlyFromAnotherControl) {
  QSignalSpy entered(Day, &TSpinEdit::Entered);
  Other->setFocus(Qt::TabFocusReason);
  Day->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(entered.count(), 1);
  Day->clearFocus();
  Day->setFocus(Qt::ActiveWindowFocusReason);
  EXPECT_EQ(entered.count(), 1) << "activating the window is no entering";
}

TEST_F(ControlsTest, RadioGroupClicksOnEveryChangeToAnItem) {
  QSignalSpy clicks(Group, &TRadioGroup::Click);
  EXPECT_EQ(Group->ItemIndex(), -1) << "nothing selected at first";
  Group->SetItemIndex(1);
  EXPECT_EQ(clicks.count(), 1) << "set from the program";
  Group->SetItemIndex(1);
  EXPECT_EQ(clicks.count(), 1) << "the same item again is no change";
  QTest::mouseClick(Group->Button(2), Qt::LeftButton, {},
                    QPoint(6, Group->Button(2)->height() / 2));
  EXPECT_EQ(Group->ItemIndex(), 2);
  EXPECT_EQ(clicks.count(), 2) << "chosen by the user";
  Group->SetItemIndex(-1);
  EXPECT_EQ(clicks.count(), 2) << "no selection runs nothing";
  for (int i = 0; i < Group->Count(); ++i)
    EXPECT_FALSE(Group->Button(i)->isChecked()) << "item " << i;
  Group->SetItemIndex(7);
  EXPECT_EQ(Group->ItemIndex(), 2) << "limited to the last item";
  EXPECT_EQ(clicks.count(), 3);
  Group->SetItemIndex(-5);
  EXPECT_EQ(Group->ItemIndex(), -1) << "limited to no selection";
}

TEST_F(ControlsTest, ListBoxRightClickKeepsTheSelection) {
  List->SetItemIndex(3);
  QTest::mouseClick(List->viewport(), Qt::RightButton, {}, RowRect(List, 6).center());
  EXPECT_EQ(List->ItemIndex(), 3);
  QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, 6).center());
  EXPECT_EQ(List->ItemIndex(), 6) << "a left click selects";
}

TEST_F(ControlsTest, ListBoxReportsDoubleClicksAnywhere) {
  QSignalSpy doubleClicks(List, &TListBox::DblClick);
  QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, 2).center());
  EXPECT_EQ(List->ItemIndex(), 2);
  const QPoint belowLast(5, RowRect(List, 7).bottom() + 5);
  ASSERT_LT(belowLast.y(), List->viewport()->height()) << "the list needs room below its last line";
  QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, belowLast);
  EXPECT_EQ(doubleClicks.count(), 2);
}

TEST(ErrorBox, TitleIconButtonAndFullStop) {
  struct Case {
    const char* message;
    const char* shown;
  };
  const Case cases[] = {
      {"'abc' is not a valid time", "'abc' is not a valid time."},
      {"Ends with a digit 5", "Ends with a digit 5."},
      {"Already a sentence.", "Already a sentence."},
      {"In brackets (x)", "In brackets (x)"},  // ")" sorts before "."
      {"Exclaimed!", "Exclaimed!"},
      {"", ""},
  };
  for (const Case& c : cases) {
    DialogInterceptor boxes;
    ShowErrorBox(nullptr, c.message);
    ASSERT_EQ(boxes.Dialogs.size(), 1u) << c.message;
    const DialogRecord& box = boxes.Dialogs[0];
    EXPECT_EQ(box.Title.toStdString(), "Ostrane") << c.message;
    EXPECT_EQ(box.Icon, QMessageBox::Critical) << c.message;
    EXPECT_EQ(box.Buttons, QMessageBox::Ok) << c.message;
    EXPECT_EQ(box.Text.toStdString(), c.shown) << c.message;
    EXPECT_EQ(box.Details.toStdString(), "") << c.message;
  }
}

// A message too long for the screen is shortened in the box (as
// ErrorBoxTextTest checks), whole in its details, and the box with its OK
// button and all of its shortened text fits the screen.
TEST(ErrorBox, EveryBoxFitsTheScreen) {
  const struct {
    const char* what;
    QString message;
  } cases[] = {
      {"a bad line of 36,000 characters",
       "'" + QString(36000, u'7') + "' is not a valid integer value"},
      {"a deep path", "Cannot open '" + QString("/folder").repeated(600) + "': Permission denied"},
      {"a bad line of 36,000 words", "'" + QString("7 ").repeated(18000) + "' is not a valid time"},
      {"a line of many line breaks", "'" + QString("7\n").repeated(300) + "' is not a valid time"},
  };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QRect box, ok;
    int labelHeight = 0, textHeight = 0;
    DialogInterceptor boxes([&](QDialog& dialog) {
      dialog.show();
      QApplication::processEvents();
      box = dialog.geometry();
      if (auto* label = dialog.findChild<QLabel*>("qt_msgbox_label")) {
        // The height the text takes when broken wherever it must be.
        labelHeight = label->height();
        textHeight = QFontMetrics(label->font())
                         .boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::TextWrapAnywhere,
                                       label->text())
                         .height();
      }
      if (auto* button = static_cast<QMessageBox&>(dialog).button(QMessageBox::Ok))
        ok = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
      dialog.reject();
      return dialog.result();
    });
    ShowErrorBox(nullptr, c.message);
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_EQ(boxes.Dialogs[0].Details, c.message + ".") << "the whole message in the details";
    EXPECT_EQ(boxes.Dialogs[0].Text, ErrorBoxShownText(c.message + ".")) << "and shortened";
    EXPECT_TRUE(box.width() <= screen.width() && box.height() <= screen.height())
        << "box " << box.width() << "x" << box.height();
    EXPECT_TRUE(screen.contains(ok)) << "the OK button is off the screen";
    EXPECT_GE(labelHeight, textHeight) << "part of the text is hidden";
    EXPECT_GT(textHeight, 0);
  }
}

}  // namespace
}  // namespace ostrane::uitest
