// Hints in the status bar: the control's own, the enclosing group's, none,
// and a highlighted menu item's.
#include <QAction>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "tests/support/UiTestSupport.h"
#include "ui/widgets/Hints.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

const char* const kGroupHint =
    "Enter date for the beginning of the major periods.  The Julian date controls can be used for "
    "the "
    "same purpose.";
const char* const kTimeHint =
    "Assumes standard time, reset to standard time if daylight savings time was in effect.";

class Hints : public WindowTest {
 public:
  // The status bar after the mouse enters `widget`, with an unrelated text
  // shown before so that an empty hint is seen to clear it.
  std::string HintOver(QWidget* widget) {
    auto* status = W<QStatusBar>("StatusBar1");
    status->showMessage("before");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
    return status->currentMessage().toStdString();
  }

  QLabel* LabelWithText(const char* text) {
    for (QLabel* label : Form->findChildren<QLabel*>())
      if (label->text() == text && label->window() == Form.get()) return label;
    ADD_FAILURE() << "no label " << text;
    throw MissingWidget(text);
  }
};

TEST_F(Hints, ControlsShowTheirOwnTheirGroupsOrNone) {
  CreateWindows();
  struct Case {
    const char* what;
    QWidget* widget;
    std::string hint;
  };
  const Case cases[] = {
      {"EditTime", W<QWidget>("EditTime"), kTimeHint},
      {"EditName", W<QWidget>("EditName"),
       "The text you enter here shows up at top of listings and printouts for labeling."},
      {"BtnExit", W<QWidget>("BtnExit"), "Exit program."},
      {"SpinEditNumMajPeriods' text field",
       W<TSpinEdit>("SpinEditNumMajPeriods")->findChild<QLineEdit*>(),
       "Enter number of major periods you wish to calculate into the future.  Maximum is 200."},
      {"a button of RGOstraneType", W<TRadioGroup>("RGOstraneType")->Button(0),
       "Select the ostrane type setting according to your interpretation of Valens' books 2 - 6."},
      {"the list's viewport", W<TListBox>("ListBoxOstrane")->viewport(),
       "Double click period selected to get level 3 & 4 subdivisions.  Right click for other "
       "options."},
      {"GroupBox1", W<QWidget>("GroupBox1"), kGroupHint},
      {"SpinEditDay", W<QWidget>("SpinEditDay"), kGroupHint},
      {"SpinEditDay's text field", W<TSpinEdit>("SpinEditDay")->findChild<QLineEdit*>(),
       kGroupHint},
      {"ComboBoxMonth", W<QWidget>("ComboBoxMonth"), kGroupHint},
      {"EditJD", W<QWidget>("EditJD"), kGroupHint},
      {"BtnShowJulian", W<QWidget>("BtnShowJulian"), kGroupHint},
      {"BtnRestoreDefaults (disabled)", W<QWidget>("BtnRestoreDefaults"), kGroupHint},
      {"label Month", LabelWithText("&Month:"), kGroupHint},
      {"label Time", LabelWithText("&Time:"), kGroupHint},
      {"label Name", LabelWithText("&Name:"), ""},
      {"label Start Releasing From", LabelWithText("&Start Releasing From:"), ""},
      {"label General Periods", LabelWithText("General &Periods:"), ""},
      {"Panel1", W<QWidget>("Panel1"), ""},
      {"StatusBar1", W<QWidget>("StatusBar1"), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HintOver(c.widget), c.hint) << c.what;
}

TEST_F(Hints, TheTimeHintFollowsTheBirthPlace) {
  CreateWindows();
  TBirthPlace rome;
  rome.Latitude = 41.9;
  rome.Longitude = 12.5;
  rome.TimeZone = "Europe/Rome";
  const struct {
    const char* what;
    TBirthPlace place;
    std::string hint;
  } cases[] = {
      {"a place", rome,
       "The time as the clock showed it: with a birth place the program applies daylight saving "
       "itself (an hour taken off would move the Ascendant by about 15\u00b0)."},
      {"the place cleared", TBirthPlace{}, kTimeHint},
  };
  for (const auto& c : cases) {
    Form->SetPlace(c.place);
    EXPECT_EQ(HintOver(W<QWidget>("EditTime")), c.hint) << c.what;
  }
}

TEST_F(Hints, LeavingAControlShowsTheHintOfTheOneAround) {
  CreateWindows();
  auto* status = W<QStatusBar>("StatusBar1");
  HintOver(W<QWidget>("EditTime"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(W<QWidget>("EditTime"), &leave);
  EXPECT_EQ(status->currentMessage().toStdString(), kGroupHint) << "back in the group";
  QApplication::sendEvent(W<QWidget>("GroupBox1"), &leave);
  EXPECT_EQ(status->currentMessage().toStdString(), "") << "out of the group";
}

TEST_F(Hints, HighlightedMenuItemsShowTheirOwn) {
  CreateWindows();
  ShowMainWindow();
  auto* status = W<QStatusBar>("StatusBar1");
  auto* bar = Form->menuBar();
  auto* edit = W<QMenu>("Edit1");
  bar->setActiveAction(edit->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
  edit->setActiveAction(W<QAction>("Font1"));
  EXPECT_EQ(status->currentMessage().toStdString(),
            "Sets the font styles, colors and sizes for the listboxes.");
  edit->close();

  auto* help = W<QMenu>("Help1");
  bar->setActiveAction(help->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  help->setActiveAction(W<QAction>("Contents1"));
  EXPECT_EQ(status->currentMessage().toStdString(), "") << "an item without a hint clears the bar";
  help->close();

  // The list's pop-up menu, which opens without the menu bar; its items
  // are enabled by a listing.
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  status->showMessage("before");
  auto* popup = W<QMenu>("PopupMenu1");
  popup->popup(Form->mapToGlobal(QPoint(400, 200)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  popup->setActiveAction(W<QAction>("Print2"));
  EXPECT_EQ(status->currentMessage().toStdString(), "") << "the pop-up's items have no hints";
  popup->close();
}

TEST(NearestHint, LooksNoFurtherThanTheWindow) {
  QWidget outer;
  SetHint(&outer, "outer");
  QWidget window(&outer, Qt::Window);
  QWidget child(&window);
  EXPECT_EQ(NearestHint(&child).toStdString(), "") << "the owner of a window lends it no hint";
  SetHint(&window, "window");
  EXPECT_EQ(NearestHint(&child).toStdString(), "window");
  SetHint(&child, "child");
  EXPECT_EQ(NearestHint(&child).toStdString(), "child");
}

}  // namespace
}  // namespace ostrane::uitest
