// Behaviour of the windows around the listings: dialogs above the level 3/4
// window.
#include <QAction>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "FileTestSupport.h"
#include "ListBox.h"
#include "SpinEdit.h"

namespace ostrane::uitest {
namespace {

using WindowBehaviour = WindowTest;

TEST_F(WindowBehaviour, EveryDialogStaysAboveTheLevel34Window) {
  struct Case {
    const char* name;
    std::function<void(WindowBehaviour&)> open;
    const char* dialogClass;
  };
  const Case cases[] = {
      {"Default Settings Saved.",
       [](WindowBehaviour& t) { t.W<QAction>("SaveSettings")->trigger(); }, "QMessageBox"},
      {"the error box",
       [](WindowBehaviour& t) {
         t.W<QLineEdit>("EditTime")->setText("noon");
         t.W<QPushButton>("BtnShowJulian")->click();
       },
       "QMessageBox"},
      {"the font dialog", [](WindowBehaviour& t) { t.W<QAction>("Font1")->trigger(); },
       "QFontDialog"},
      {"Go to Date", [](WindowBehaviour& t) { t.W<QAction>("GoToDate1")->trigger(); },
       "ostrane::TGoToDateDialog"},
  };
  CreateWindows();
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  for (const bool level3Shown : {false, true}) {
    for (const Case& c : cases) {
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
      c.open(*this);
      ASSERT_EQ(dialogs.Dialogs.size(), 1u) << c.name;
      EXPECT_EQ(dialogs.Dialogs[0].ClassName.toStdString(), c.dialogClass) << c.name;
      EXPECT_EQ(onTop, std::vector<bool>{level3Shown})
          << c.name << (level3Shown ? ": above the level 3/4 window" : ": an ordinary dialog");
    }
  }
  // The flag is the dialog's only while it runs.
  EXPECT_FALSE(W<QFontDialog>("FontDialog1")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace ostrane::uitest
