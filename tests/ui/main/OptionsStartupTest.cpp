// The options file at start-up: the restore before the window becomes
// visible, its error box, and the enabling of Restore Defaults.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <optional>

#include "tests/support/FileTestSupport.h"
#include "tests/support/NamedPipe.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using OptionsStartup = WindowTest;

const std::vector<std::string> kSaved = {
    "Saved Chart", "2", "14", "1990", "13:45:10", "2447966.07303", "7", "0", "3", "2", "1", "1"};

// What the window holds at the moment its native window becomes visible.
struct AtVisible {
  bool Seen = false;
  std::vector<std::string> Values;
  int Listings = -1;
};

void WatchVisible(TFormZodiac& form, AtVisible& at) {
  form.createWinId();
  ASSERT_NE(form.windowHandle(), nullptr);
  QObject::connect(form.windowHandle(), &QWindow::visibleChanged, &form,
                   [&form, &at](bool visible) {
                     if (!visible || at.Seen) return;
                     at.Seen = true;
                     at.Values = ControlValues(form);
                     at.Listings = ListingCount(form);
                   });
}

TEST_F(OptionsStartup, TheSavedSettingsAreRestoredAndListedBeforeTheWindowIsVisible) {
  WriteBytes("OptionsFile.txt", CrLf(kSaved));
  CreateWindows();
  // FormCreate took today's date; the file's replaces it only when shown.
  ASSERT_NE(Form->BirthData()->SpinEditYear()->Value(), 1990);
  AtVisible at;
  WatchVisible(*Form, at);
  ShowMainWindow();
  ASSERT_TRUE(at.Seen);
  EXPECT_EQ(at.Values,
            (std::vector<std::string>{"name Saved Chart", "month 2", "day 14", "year 1990",
                                      "time 13:45:10", "julian 2447966.07303", "sign 7", "type 0",
                                      "periods 3", "dates 2", "names 1", "bond 1"}));
  EXPECT_EQ(at.Listings, 1) << "listed before the window became visible";
  EXPECT_EQ(RowText(W<TListBox>("ListBoxOstrane"), 1).toStdString(), "Saved Chart");
}

TEST_F(OptionsStartup, AnErrorAtStartUpIsShownBeforeTheWindowWhichOpensAnyway) {
  std::vector<std::string> file = kSaved;
  file[2] = "fourteen";
  WriteBytes("OptionsFile.txt", CrLf(file));
  CreateWindows();
  bool windowVisibleAtBox = true;
  DialogInterceptor boxes([this, &windowVisibleAtBox](QDialog& dialog) {
    windowVisibleAtBox = Form->windowHandle() && Form->windowHandle()->isVisible();
    dialog.reject();
    return dialog.result();
  });
  ShowMainWindow();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "'fourteen' is not a valid integer value.");
  EXPECT_EQ(boxes.Dialogs[0].Title.toStdString(), "Ostrane");
  EXPECT_FALSE(windowVisibleAtBox);
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Form->BirthData()->EditName()->text().toStdString(), "Saved Chart") << "line 1 applied";
  EXPECT_EQ(Form->BirthData()->ComboBoxMonth()->currentIndex(), 2) << "line 2 applied";
  EXPECT_NE(Form->BirthData()->SpinEditYear()->Value(), 1990) << "line 4 not applied";
  EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")),
            std::vector<std::string>{"General and Sub Period Releasings:"})
      << "no listing";
}

TEST_F(OptionsStartup, RestoreDefaultsIsDisabledWithoutAFileAndEnabledBySaving) {
  enum class Other { None, Directory, NamedPipe };
  struct Case {
    const char* name;
    Other other;
  };
  for (const Case c :
       {Case{"no file", Other::None}, Case{"a directory named OptionsFile.txt", Other::Directory},
        Case{"a named pipe named OptionsFile.txt", Other::NamedPipe}}) {
    SCOPED_TRACE(c.name);
    QDir().rmdir("OptionsFile.txt");
    QFile::remove("OptionsFile.txt");
    if (c.other == Other::Directory) {
      ASSERT_TRUE(QDir().mkdir("OptionsFile.txt"));
    }
    std::optional<testing::NamedPipe> pipe;
    if (c.other == Other::NamedPipe) {
      pipe.emplace("OptionsFile.txt");
      ASSERT_TRUE(pipe->Made());
    }
    CreateWindows();
    EXPECT_FALSE(W<QPushButton>("BtnRestoreDefaults")->isEnabled());
    EXPECT_FALSE(W<QAction>("RestoreDefaults")->isEnabled());
    {
      DialogInterceptor boxes;
      ShowMainWindow();
      EXPECT_TRUE(boxes.Dialogs.empty()) << "no restore is tried";
    }
    if (pipe) {
      EXPECT_FALSE(pipe->BlockedAReader()) << "the start-up waited for a writer";
      pipe.reset();
    }
    if (c.other == Other::Directory) {
      ASSERT_TRUE(QDir().rmdir("OptionsFile.txt"));
    }
    DialogInterceptor boxes;
    W<QAction>("SaveSettings")->trigger();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "Default Settings Saved.");
    EXPECT_TRUE(W<QPushButton>("BtnRestoreDefaults")->isEnabled());
    EXPECT_TRUE(W<QAction>("RestoreDefaults")->isEnabled());
    Form.reset();
  }
}

}  // namespace
}  // namespace ostrane::uitest
