// ostrane-list --options lists exactly what the window shows after
// restoring the same options file.
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>

#include "tests/support/FileTestSupport.h"
#include "ui/main/BirthDataPanel.h"

namespace ostrane::uitest {
namespace {

class CommandMatchesWindow : public WindowTest {};

// The lines of ostrane-list --options OptionsFile.txt, under the locale
// `lcAll` when one is given.
std::vector<std::string> Listed(const char* lcAll = nullptr) {
  QProcess command;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (lcAll) environment.insert("LC_ALL", lcAll);
  command.setProcessEnvironment(environment);
  command.start(OSTRANE_LIST_PATH, {"--options", "OptionsFile.txt"});
  EXPECT_TRUE(command.waitForFinished(30000));
  EXPECT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
  std::vector<std::string> listed;
  for (const QByteArray& line : command.readAllStandardOutput().split('\n'))
    listed.push_back(line.toStdString());
  EXPECT_EQ(listed.back(), "") << "every line ends with a line end";
  listed.pop_back();
  return listed;
}

TEST_F(CommandMatchesWindow, OptionsFileListsTheSameInBoth) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
  } cases[] = {
      {"worked example",
       {"Time Lords", "0", "1", "2000", "12:00", "2451545", "0", "2", "2", "1", "1", "1"}},
      {"Modern, European, short names, never loosed",
       {"Ren\xC3\xA9" + std::string("e"), "6", "21", "1961", "3:45:10 PM", "", "10", "0", "14", "0",
        "0", "0"}},
      {"values limited on the way in",
       {"Limits", "$B", "45", "-9999", "23:59", "x", "3", "7", "500", "2", "1", "1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(QDir::current().filePath("OptionsFile.txt"), CrLf(c.lines));
    CreateWindows();  // restores the file when the window is first shown
    ShowMainWindow();
    const std::vector<std::string> window = Lines(W<QListView>("ListBoxOstrane"));
    ASSERT_GT(window.size(), 3u);
    EXPECT_EQ(Listed(), window);
    Form.reset();
    Level3.reset();
  }
}

// Under a Finnish locale the window writes the time as "9.01.16" and the
// Julian Date with a decimal comma; ostrane-list reads the file under that
// locale as the window does.
TEST_F(CommandMatchesWindow, AFileSavedUnderAFinnishLocaleListsTheSame) {
  LocaleScope finnish("fi_FI");
  CreateWindows();
  Form->SetClock([] { return QDateTime(QDate(2027, 12, 17), QTime(9, 1, 16)); });
  Form->SetBeep([] {});
  W<QPushButton>("BtnNow")->click();
  W<QPushButton>("BtnShowJulian")->click();
  ASSERT_EQ(Form->BirthData()->EditTime()->text().toStdString(), "9.01.16");
  ASSERT_TRUE(Form->BirthData()->EditJD()->text().contains(','))
      << Form->BirthData()->EditJD()->text().toStdString();
  {
    DialogInterceptor saved;
    W<QPushButton>("BtnSaveSettings")->click();
    ASSERT_EQ(saved.Dialogs.size(), 1u);
  }
  EXPECT_EQ(Listed("fi_FI.UTF-8"), FreshListing(*Form));
}

}  // namespace
}  // namespace ostrane::uitest
