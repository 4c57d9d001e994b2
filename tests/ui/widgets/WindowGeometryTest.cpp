// The sizes and places of the windows, remembered from one run to the next.
#include <QTest>
#include <QTextBrowser>

#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/HelpF.h"

namespace ostrane::uitest {
namespace {

using WindowGeometry = WindowTest;

TEST_F(WindowGeometry, TheWindowsOpenAsTheyWereLeft) {
  const QRect main(40, 30, 930, 610);
  const QRect help(300, 200, 500, 400);
  CreateWindows();
  ShowMainWindow();
  Form->setGeometry(main);
  Form->Contents1Click();
  THelpWindow* helpWindow = Form->HelpWindow();
  // The help window's own placement, then the (absent) saved one.
  QTest::qWait(20);
  helpWindow->setGeometry(help);
  helpWindow->close();
  ASSERT_TRUE(Form->close()) << "unchanged birth data: no question";

  Form.reset();
  CreateWindows();
  EXPECT_EQ(Form->geometry(), main) << "before it is shown";
  ShowMainWindow();
  Form->Contents1Click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->HelpWindow()->geometry() == help; }, 1000))
      << "the help window at " << Form->HelpWindow()->geometry().x() << ", "
      << Form->HelpWindow()->geometry().y() << " size " << Form->HelpWindow()->width() << " x "
      << Form->HelpWindow()->height();
}

}  // namespace
}  // namespace ostrane::uitest
