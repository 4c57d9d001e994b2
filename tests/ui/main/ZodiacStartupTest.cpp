// The main window as start-up leaves it: its controls, menus and texts,
// the initial values, the command enabling through a full cycle, the
// accelerators and the layout at 640 x 480.
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "Version.h"
#include "tests/support/UiTestSupport.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using ZodiacStartup = WindowTest;

// The seven commands a listing and Clear List switch, Go to Date that follows
// Print, and Restore Defaults.
const char* const kAfterListingEnabled[] = {"BtnClearList", "ClearList1", "ListSubPeriods1",
                                            "Print1",       "Print2",     "GoToDate1"};
const char* const kAfterListingDisabled[] = {"BtnCalculateOstrane", "ListOstrane1"};

bool Enabled(const QObject* form, const char* name) {
  if (auto* action = form->findChild<QAction*>(name)) return action->isEnabled();
  return Find<QWidget>(form, name)->isEnabled();
}

void ExpectListingState(const QObject* form, bool listed, const char* moment) {
  for (const char* name : kAfterListingEnabled)
    EXPECT_EQ(Enabled(form, name), listed) << name << " " << moment;
  for (const char* name : kAfterListingDisabled)
    EXPECT_EQ(Enabled(form, name), !listed) << name << " " << moment;
}

TEST_F(ZodiacStartup, EveryControlMenuItemAndLabelIsThere) {
  CreateWindows();
  const char* const widgets[] = {"EditName",
                                 "GroupBox1",
                                 "ComboBoxMonth",
                                 "SpinEditDay",
                                 "SpinEditYear",
                                 "EditTime",
                                 "EditJD",
                                 "BtnNow",
                                 "BtnShowDate",
                                 "BtnShowJulian",
                                 "BtnSaveSettings",
                                 "BtnRestoreDefaults",
                                 "ComboBoxStartSign",
                                 "SpinEditNumMajPeriods",
                                 "RGOstraneType",
                                 "RGDateStyle",
                                 "RGSignNames",
                                 "RGLooseBondType",
                                 "Panel1",
                                 "BtnCalculateOstrane",
                                 "BtnClearList",
                                 "BtnExit",
                                 "ListBoxOstrane",
                                 "LabelInForce",
                                 "StatusBar1",
                                 "PopupMenu1",
                                 "FontDialog1",
                                 "PrintDialog1"};
  for (const char* name : widgets) W<QWidget>(name);
  const char* const actions[] = {"Open",         "SaveFile",        "SaveFileAs",
                                 "SaveSettings", "RestoreDefaults", "ListOstrane1",
                                 "ClearList1",   "Print1",          "Exit1",
                                 "Font1",        "ShortSignNames2", "LongSignNames2",
                                 "Contents1",    "About1",          "ListSubPeriods1",
                                 "Print2",       "FontColour1",     "GoToDate1",
                                 "ActionCharts", "ActionReport",    "ActionPrintReport"};
  for (const char* name : actions) W<QAction>(name);

  QStringList menus;
  for (QAction* menu : Form->menuBar()->actions()) {
    QStringList items;
    for (QAction* item : menu->menu()->actions())
      items << (item->isSeparator() ? "-" : item->objectName());
    menus << menu->text() + ": " + items.join(' ');
  }
  EXPECT_EQ(menus.join(" | ").toStdString(),
            "&File: Open SaveFile SaveFileAs ActionCharts - ActionImportCharts ActionExportCharts "
            "BirthPlace1 - SaveSettings "
            "RestoreDefaults - ListOstrane1 ClearList1 Print1 SaveAsPdf1 ActionReport "
            "ActionPrintReport ExportCalendar1 Batch1 - Exit1"
            " | &Edit: Font1 FontColour1 | &View: ShortSignNames2 LongSignNames2 - AnglesFrom1 - "
            "Timeline1 Chart1 ActionReleaseOtherLot - GoToDate1 ActionComingChanges"
            " | &Help: Contents1 - About1");
  QStringList popup;
  for (QAction* item : W<QMenu>("PopupMenu1")->actions())
    popup << (item->isSeparator() ? "-" : item->objectName());
  EXPECT_EQ(popup.join(' ').toStdString(), "ListSubPeriods1 - Print2");

  // The labels' accelerators lead to their fields.
  struct Label {
    const char* text;
    const char* buddy;
  };
  const Label labels[] = {
      {"&Name:", "EditName"},
      {"&Month:", "ComboBoxMonth"},
      {"&Day:", "SpinEditDay"},
      {"&Year:", "SpinEditYear"},
      {"&Time:", "EditTime"},
      {"&Julian Date:", "EditJD"},
      {"&Start Releasing From:", "ComboBoxStartSign"},
      {"General &Periods:", "SpinEditNumMajPeriods"},
  };
  for (const Label& l : labels) {
    QLabel* found = nullptr;
    for (QLabel* label : Form->findChildren<QLabel*>())
      if (label->text() == l.text && label->window() == Form.get()) found = label;
    ASSERT_NE(found, nullptr) << l.text;
    EXPECT_EQ(found->buddy(), W<QWidget>(l.buddy)) << l.text;
  }
  EXPECT_EQ(Form->windowTitle().toStdString(), std::string("Ostrane ") + kVersion);
}

TEST_F(ZodiacStartup, InitialValues) {
  const QDate before = QDate::currentDate();
  CreateWindows();
  const QDate after = QDate::currentDate();
  const QDate shown(W<TSpinEdit>("SpinEditYear")->Value(),
                    W<QComboBox>("ComboBoxMonth")->currentIndex() + 1,
                    W<TSpinEdit>("SpinEditDay")->Value());
  EXPECT_TRUE(shown == before || shown == after) << "today's date";
  EXPECT_EQ(W<QLineEdit>("EditName")->text().toStdString(), "Time Lords");
  EXPECT_EQ(W<QLineEdit>("EditName")->maxLength(), 50);
  EXPECT_EQ(W<QComboBox>("ComboBoxStartSign")->currentText().toStdString(), "Aries");
  EXPECT_EQ(W<TSpinEdit>("SpinEditNumMajPeriods")->Value(), 6);
  EXPECT_EQ(W<TRadioGroup>("RGOstraneType")->ItemIndex(), 2);
  EXPECT_EQ(W<TRadioGroup>("RGDateStyle")->ItemIndex(), 1);
  EXPECT_EQ(W<TRadioGroup>("RGSignNames")->ItemIndex(), 1);
  EXPECT_EQ(W<TRadioGroup>("RGLooseBondType")->ItemIndex(), 1);
  EXPECT_FALSE(W<QAction>("ShortSignNames2")->isChecked());
  EXPECT_FALSE(W<QAction>("LongSignNames2")->isChecked());
  EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")),
            std::vector<std::string>{"General and Sub Period Releasings:"});

  // The Julian Date is that of the date and time shown.
  const QString julian = W<QLineEdit>("EditJD")->text();
  EXPECT_FALSE(julian.isEmpty());
  W<QPushButton>("BtnShowJulian")->click();
  EXPECT_EQ(W<QLineEdit>("EditJD")->text(), julian);
}

TEST_F(ZodiacStartup, CommandEnablingThroughAFullCycle) {
  CreateWindows();
  EnterWorkedExample();
  ExpectListingState(Form.get(), false, "after start-up");
  EXPECT_FALSE(Enabled(Form.get(), "RestoreDefaults")) << "no options file";
  EXPECT_FALSE(Enabled(Form.get(), "BtnRestoreDefaults")) << "no options file";

  auto* list = W<TListBox>("ListBoxOstrane");
  W<QPushButton>("BtnCalculateOstrane")->click();
  ExpectListingState(Form.get(), true, "after the listing");
  EXPECT_GT(list->count(), 3);

  // Changed birth data does not list again, and List Periods stays disabled.
  W<TSpinEdit>("SpinEditYear")->SetValue(1990);
  W<QAction>("ListOstrane1")->trigger();
  EXPECT_EQ(RowText(list, 3).toStdString(), "Aries major and sub begin 1/1/2000")
      << "a disabled menu item does nothing";

  W<QAction>("ClearList1")->trigger();
  ExpectListingState(Form.get(), false, "after Clear List");
  EXPECT_EQ(list->count(), 0) << "cleared without a header";

  W<QAction>("ListOstrane1")->trigger();
  ExpectListingState(Form.get(), true, "after the second listing");
  EXPECT_EQ(RowText(list, 3).toStdString(), "Aries major and sub begin 1/1/1990");
}

TEST_F(ZodiacStartup, RestoreDefaultsEnabledWhenTheOptionsFileExists) {
  QFile options("OptionsFile.txt");
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.close();
  CreateWindows();
  EXPECT_TRUE(Enabled(Form.get(), "RestoreDefaults"));
  EXPECT_TRUE(Enabled(Form.get(), "BtnRestoreDefaults"));
}

TEST_F(ZodiacStartup, MenusAndButtonsHaveAltLettersOfTheirOwn) {
  CreateWindows();
  EXPECT_EQ(W<QPushButton>("BtnSaveSettings")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_I));
  EXPECT_EQ(W<QPushButton>("BtnRestoreDefaults")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
  EXPECT_EQ(W<QPushButton>("BtnNow")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_W));
  EXPECT_EQ(W<QPushButton>("BtnCalculateOstrane")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));

  ShowMainWindow();
  QTest::keyClick(Form.get(), Qt::Key_F, Qt::AltModifier);
  auto* file = W<QMenu>("File1");
  EXPECT_TRUE(file->isVisible()) << "Alt+F opens the File menu";
  file->close();
  QTest::keyClick(Form.get(), Qt::Key_V, Qt::AltModifier);
  auto* view = W<QMenu>("View1");
  EXPECT_TRUE(view->isVisible()) << "Alt+V opens the View menu";
  view->close();

  // Alt and a label's letter moves to its field, Alt+L lists.
  EnterWorkedExample();
  QTest::keyClick(Form.get(), Qt::Key_T, Qt::AltModifier);
  EXPECT_TRUE(W<QLineEdit>("EditTime")->hasFocus()) << "Alt+T";
  QTest::keyClick(Form.get(), Qt::Key_L, Qt::AltModifier);
  auto* list = W<TListBox>("ListBoxOstrane");
  EXPECT_TRUE(QTest::qWaitFor([list] { return list->count() > 3; }, 2000)) << "Alt+L lists";
}

TEST_F(ZodiacStartup, LayoutAt640x480ShowsEveryInputWhole) {
  CreateWindows();
  ShowMainWindow();
  Form->resize(640, 480);  // the first start's size is wider: a whole line of the list
  QTest::qWait(0);
  ASSERT_EQ(Form->size(), QSize(640, 480)) << "the layout's minimum must fit 640 x 480";
  auto* inputs = W<QWidget>("InputArea");
  const QRect client = Form->centralWidget()->rect();
  EXPECT_TRUE(
      client.contains(QRect(inputs->mapTo(Form->centralWidget(), QPoint(0, 0)), inputs->size())));
  for (QWidget* w : inputs->findChildren<QWidget*>()) {
    // The inner parts of composite controls are theirs to size.
    if (!w->isVisible() || w->isWindow() || w->objectName().startsWith("qt_")) continue;
    const QString name =
        w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
    const QSize least = w->minimumSizeHint();
    EXPECT_GE(w->width(), least.width()) << name.toStdString() << " is squeezed";
    EXPECT_GE(w->height(), least.height()) << name.toStdString() << " is squeezed";
    const QRect inInputs(w->mapTo(inputs, QPoint(0, 0)), w->size());
    EXPECT_TRUE(inputs->rect().contains(inInputs)) << name.toStdString() << " is cut off";
  }

  auto* list = W<TListBox>("ListBoxOstrane");
  const QSize before = list->size();
  Form->resize(900, 700);
  QTest::qWait(0);
  EXPECT_EQ(list->width() - before.width(), 260) << "the list takes the added width";
  EXPECT_EQ(list->height() - before.height(), 220) << "the list takes the added height";
}

TEST_F(ZodiacStartup, NoPopUpTips) {
  CreateWindows();
  for (QWidget* w : Form->findChildren<QWidget*>()) {
    if (w->window() != Form.get()) continue;  // the dialogs' own
    EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
  }
}

}  // namespace
}  // namespace ostrane::uitest
