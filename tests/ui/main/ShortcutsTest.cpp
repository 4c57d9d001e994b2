// The keys of the main window: no two commands share a shortcut or an
// accelerator, the standard shortcuts reach their commands, and Enter on a
// line of the listing lists its level 3 and 4 periods.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <map>

#include "tests/support/UiTestSupport.h"
#include "ui/widgets/ListBox.h"

namespace ostrane::uitest {
namespace {

using Shortcuts = WindowTest;

QString NameOf(const QObject* object, const QString& text) {
  return object->objectName().isEmpty() ? text : object->objectName();
}

TEST_F(Shortcuts, NoTwoCommandsOfTheMainWindowShareAKey) {
  CreateWindows();
  // The keys that work anywhere in the window: shortcuts, the menu titles'
  // and the buttons' and labels' Alt letters.
  std::map<QKeySequence, QStringList> keys;
  const auto add = [&keys](const QKeySequence& key, const QString& name) {
    if (!key.isEmpty()) keys[key] << name;
  };
  for (QAction* action : Form->findChildren<QAction*>())
    if (action->parent() == Form.get()) add(action->shortcut(), NameOf(action, action->text()));
  for (QAction* menu : Form->menuBar()->actions())
    add(QKeySequence::mnemonic(menu->text()), menu->text());
  for (QAbstractButton* button : Form->findChildren<QAbstractButton*>())
    if (button->window() == Form.get()) add(button->shortcut(), NameOf(button, button->text()));
  for (QLabel* label : Form->findChildren<QLabel*>())
    if (label->window() == Form.get() && label->buddy())
      add(QKeySequence::mnemonic(label->text()), label->text());
  for (QGroupBox* group : Form->findChildren<QGroupBox*>())
    if (group->window() == Form.get()) add(QKeySequence::mnemonic(group->title()), group->title());
  for (const auto& [key, names] : keys)
    EXPECT_EQ(names.size(), 1) << key.toString().toStdString() << ": "
                               << names.join(", ").toStdString();

  // Within each menu, the underlined letters of its items.
  for (QMenu* menu : Form->findChildren<QMenu*>()) {
    std::map<QKeySequence, QStringList> letters;
    for (QAction* item : menu->actions())
      if (const QKeySequence key = QKeySequence::mnemonic(item->text()); !key.isEmpty())
        letters[key] << item->text();
    for (const auto& [key, items] : letters)
      EXPECT_EQ(items.size(), 1) << menu->objectName().toStdString() << " "
                                 << key.toString().toStdString() << ": "
                                 << items.join(", ").toStdString();
  }

  const struct {
    QKeySequence key;
    const char* command;
  } expected[] = {
      {QKeySequence("Ctrl+O"), "Open"},
      {QKeySequence("Ctrl+S"), "SaveFile"},
      {QKeySequence("Ctrl+Shift+S"), "SaveFileAs"},
      {QKeySequence("Ctrl+P"), "Print1"},
      {QKeySequence("Ctrl+Q"), "Exit1"},
      {QKeySequence("F1"), "Contents1"},
      {QKeySequence("Alt+I"), "BtnSaveSettings"},
      {QKeySequence("Alt+R"), "BtnRestoreDefaults"},
      {QKeySequence("Alt+V"), "&View"},
      {QKeySequence("Alt+F"), "&File"},
  };
  for (const auto& e : expected)
    EXPECT_EQ(keys[e.key].join(", ").toStdString(), e.command) << e.key.toString().toStdString();
}

TEST_F(Shortcuts, EnterOnADataLineListsItsLevel34PeriodsAsADoubleClickDoes) {
  CreateWindows();
  ShowMainWindow();
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  auto* list = W<TListBox>("ListBoxOstrane");
  auto* level3 = Find<QListView>(Level3.get(), "ListBoxLevel3");
  const struct {
    const char* name;
    int row;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool lists;
  } cases[] = {
      {"Return on a general period", 3, Qt::Key_Return, Qt::NoModifier, true},
      {"Enter of the keypad on a sub period", 5, Qt::Key_Enter, Qt::KeypadModifier, true},
      {"Return on a header line", 1, Qt::Key_Return, Qt::NoModifier, false},
      {"Ctrl+Return", 4, Qt::Key_Return, Qt::ControlModifier, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Level3->close();
    list->SetItemIndex(c.row);
    list->setFocus();
    QTest::keyClick(list, c.key, c.modifiers);
    ASSERT_EQ(Level3->isVisible(), c.lists);
    if (!c.lists) continue;
    const std::vector<std::string> entered = Lines(level3);
    Level3->close();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowRect(list, c.row).center());
    ASSERT_TRUE(Level3->isVisible());
    EXPECT_EQ(entered, Lines(level3));
    EXPECT_GT(entered.size(), 3u);
  }
}

}  // namespace
}  // namespace ostrane::uitest
