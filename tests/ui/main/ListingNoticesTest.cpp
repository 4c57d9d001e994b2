// What the window tells without changing what it computes: a spin field
// whose text is not a whole number and is read as its minimum, and a
// listing on screen whose settings have since changed.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <functional>

#include "tests/support/UiTestSupport.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane::uitest {
namespace {

class ListingNotices : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CreateWindows();
    ShowMainWindow();
    EnterWorkedExample();
  }

  // Types `text` over the field's text, as a user does.
  void Type(TSpinEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    field->findChild<QLineEdit*>()->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }

  std::vector<std::string> ClearAndList() {
    W<QPushButton>("BtnClearList")->click();
    W<QPushButton>("BtnCalculateOstrane")->click();
    return Lines(W<TListBox>("ListBoxOstrane"));
  }

  std::string Status() { return W<QStatusBar>("StatusBar1")->currentMessage().toStdString(); }
};

bool Marked(const TSpinEdit* field) {
  return field->palette().color(QPalette::Base) == kWarningColor;
}

// The rule stays (the minimum is used); the field and the listing say so.
TEST_F(ListingNotices, ASpinFieldThatIsNoWholeNumberIsMarkedAndNamedAtTheListing) {
  const struct {
    const char* field;
    const char* text;
    const char* tip;
    const char* note;
  } cases[] = {
      {"SpinEditYear", "1980.", "Not a whole number: -4712 is used",
       "Year: not a whole number, -4712 used"},
      {"SpinEditYear", "", "Not a whole number: -4712 is used",
       "Year: not a whole number, -4712 used"},
      {"SpinEditDay", "1.5", "Not a whole number: 1 is used", "Day: not a whole number, 1 used"},
      {"SpinEditNumMajPeriods", "2.", "Not a whole number: 1 is used",
       "General Periods: not a whole number, 1 used"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " '" + c.text + "'");
    auto* field = W<TSpinEdit>(c.field);
    const QString before = field->text();
    ASSERT_FALSE(Marked(field));
    ASSERT_EQ(field->toolTip().toStdString(), "");

    Type(field, c.text);
    EXPECT_EQ(field->text().toStdString(), c.text);
    EXPECT_TRUE(Marked(field)) << "the warning colour";
    EXPECT_EQ(field->toolTip().toStdString(), c.tip);
    const std::vector<std::string> listed = ClearAndList();
    EXPECT_EQ(Status(), c.note);

    field->SetValue(field->MinValue());
    EXPECT_EQ(ClearAndList(), listed) << "listed with the minimum, as before";
    EXPECT_FALSE(Marked(field)) << "a whole number again";
    EXPECT_EQ(field->toolTip().toStdString(), "");
    EXPECT_EQ(Status().find("not a whole number"), std::string::npos) << Status();
    field->findChild<QLineEdit*>()->setText(before);
  }
  // Every such field is named.
  Type(W<TSpinEdit>("SpinEditDay"), "x");
  Type(W<TSpinEdit>("SpinEditYear"), "1980.");
  ClearAndList();
  EXPECT_EQ(Status(), "Day: not a whole number, 1 used; Year: not a whole number, -4712 used");
}

// A listing is not made again when a setting changes; the line under the
// list says that the listing on screen is out of date until the next one.
TEST_F(ListingNotices, ChangedSettingsAreToldUnderTheListUntilTheNextListing) {
  const struct {
    const char* what;
    std::function<void(TFormZodiac&)> change;
    bool outOfDate;
  } cases[] = {
      {"month", [](TFormZodiac& f) { f.BirthData()->ComboBoxMonth()->setCurrentIndex(5); }, true},
      {"day", [](TFormZodiac& f) { f.BirthData()->SpinEditDay()->SetValue(2); }, true},
      {"year", [](TFormZodiac& f) { f.BirthData()->SpinEditYear()->SetValue(1999); }, true},
      {"year no whole number",
       [](TFormZodiac& f) {
         f.BirthData()->SpinEditYear()->findChild<QLineEdit*>()->setText("2000.");
       },
       true},
      {"time", [](TFormZodiac& f) { f.BirthData()->EditTime()->setText("13:00:00"); }, true},
      {"start sign", [](TFormZodiac& f) { f.BirthData()->ComboBoxStartSign()->setCurrentIndex(9); },
       true},
      {"type", [](TFormZodiac& f) { f.BirthData()->RGOstraneType()->SetItemIndex(0); }, true},
      {"general periods",
       [](TFormZodiac& f) { f.BirthData()->SpinEditNumMajPeriods()->SetValue(3); }, true},
      {"loose bond", [](TFormZodiac& f) { f.BirthData()->RGLooseBondType()->SetItemIndex(0); },
       true},
      {"name", [](TFormZodiac& f) { f.BirthData()->EditName()->setText("Another"); }, false},
      {"Julian Date", [](TFormZodiac& f) { f.BirthData()->EditJD()->setText("2451545"); }, false},
      {"a change undone",
       [](TFormZodiac& f) {
         f.BirthData()->RGOstraneType()->SetItemIndex(0);
         f.BirthData()->RGOstraneType()->SetItemIndex(2);
       },
       false},
      {"date style (lists again)",
       [](TFormZodiac& f) { f.BirthData()->RGDateStyle()->SetItemIndex(0); }, false},
  };
  auto* state = W<QLabel>("LabelListingState");
  const auto reset = [this] {
    EnterWorkedExample();
    Form->BirthData()->EditName()->setText("Time Lords");
    Form->BirthData()->EditJD()->clear();
    Form->BirthData()->RGDateStyle()->SetItemIndex(1);
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    reset();
    W<QPushButton>("BtnClearList")->click();
    c.change(*Form);
    EXPECT_FALSE(state->isVisible()) << "no listing on screen";

    reset();
    ClearAndList();
    EXPECT_FALSE(state->isVisible()) << "just listed";
    c.change(*Form);
    EXPECT_EQ(state->isVisible(), c.outOfDate);
    EXPECT_EQ(state->text().toStdString(),
              "Settings changed since this listing: Clear List, then List Periods");
    EXPECT_NE(Status(), state->text().toStdString()) << "not in the status bar";
    if (!c.outOfDate) continue;
    W<QPushButton>("BtnClearList")->click();
    EXPECT_FALSE(state->isVisible()) << "after Clear List";
    W<QPushButton>("BtnCalculateOstrane")->click();
    EXPECT_FALSE(state->isVisible()) << "after the next listing";
  }
}

}  // namespace
}  // namespace ostrane::uitest
