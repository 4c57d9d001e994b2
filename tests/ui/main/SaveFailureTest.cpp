// Saving that fails, for the options file and for chart files: the error
// box names the file and the reason, the old content stays byte for byte,
// and nothing of a successful save follows.  The failures are ones that
// hold for root too: a directory where the file should be, a path under a
// regular file, and a file size limit (RLIMIT_FSIZE) below the file's size.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "tests/support/FileSizeLimit.h"
#include "tests/support/FileTestSupport.h"
#include "ui/main/BirthDataPanel.h"

namespace ostrane::uitest {
namespace {

using SaveFailure = WindowTest;

using testing::FileSizeLimit;

void ExpectSaveError(const DialogInterceptor& boxes, const std::string& fileName,
                     const char* reason) {
  ASSERT_EQ(boxes.Dialogs.size(), 1u) << "one box: the error, no \"Default Settings Saved.\"";
  EXPECT_EQ(boxes.Dialogs[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "Cannot save '" + fileName + "': " + reason + ".");
}

TEST_F(SaveFailure, OptionsFileWhereADirectoryOfThatNameIs) {
  ASSERT_TRUE(QDir().mkdir("OptionsFile.txt"));
  WriteBytes("OptionsFile.txt/inside.txt", "kept\r\n");
  CreateWindows();
  int beeps = 0;
  Form->SetBeep([&beeps] { ++beeps; });
  DialogInterceptor boxes;
  W<QPushButton>("BtnSaveSettings")->click();
  ExpectSaveError(boxes, "OptionsFile.txt", "Filename refers to a directory");
  EXPECT_EQ(beeps, 0);
  EXPECT_FALSE(W<QPushButton>("BtnRestoreDefaults")->isEnabled()) << "not enabled by a failed save";
  EXPECT_FALSE(W<QAction>("RestoreDefaults")->isEnabled()) << "not enabled by a failed save";
  EXPECT_TRUE(QFileInfo("OptionsFile.txt").isDir());
  EXPECT_EQ(ReadBytes("OptionsFile.txt/inside.txt"), "kept\r\n");
  EXPECT_EQ(QDir("OptionsFile.txt").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{"inside.txt"});
}

TEST_F(SaveFailure, AWriteErrorLeavesTheOldFileAsItWas) {
  const QByteArray old =
      "Old Chart\r\n0\r\n1\r\n2000\r\n12:00:00\r\n2451545\r\n0\r\n2\r\n6\r\n1\r\n1\r\n1\r\n";
  WriteBytes("OptionsFile.txt", old);
  WriteBytes("chart.txt", old.left(40));
  CreateWindows();
  int beeps = 0;
  Form->SetBeep([&beeps] { ++beeps; });
  Form->BirthData()->EditName()->setText("A name long enough to pass the limit of sixteen bytes");
  const QStringList before = QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
  {
    DialogInterceptor boxes;
    FileSizeLimit limit(16);
    ASSERT_TRUE(limit.Active());
    W<QAction>("SaveSettings")->trigger();
    ExpectSaveError(boxes, "OptionsFile.txt", "File too large");
  }
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(ReadBytes("OptionsFile.txt"), old);

  // A chart file chosen in the dialog, saved again under the same limit.
  const QString chart = QDir::current().absoluteFilePath("chart.txt");
  {
    DialogInterceptor boxes(
        [&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart, QMessageBox::Yes); });
    FileSizeLimit limit(16);
    EXPECT_TRUE(Form->SaveUserDataAs()) << "the dialog was confirmed";
    ASSERT_EQ(boxes.Dialogs.size(), 2u);
    EXPECT_EQ(boxes.Dialogs[1].Text.toStdString(),
              "Cannot save '" + chart.toStdString() + "': File too large.");
    EXPECT_FALSE(Form->SaveUserData());
    EXPECT_EQ(boxes.Dialogs.size(), 3u) << "the error again";
  }
  EXPECT_EQ(ReadBytes("chart.txt"), old.left(40));
  EXPECT_EQ(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before)
      << "no temporary file left";
}

TEST_F(SaveFailure, AChartFileUnderARegularFile) {
  WriteBytes("regular.txt", "not a folder\r\n");
  const QString path = QDir::current().absoluteFilePath("regular.txt/chart.txt");
  CreateWindows();
  DialogInterceptor boxes([&path](QDialog& dialog) { return ConfirmFileDialog(dialog, path); });
  EXPECT_TRUE(Form->SaveUserDataAs());
  ASSERT_EQ(boxes.Dialogs.size(), 2u);
  EXPECT_EQ(boxes.Dialogs[0].ClassName.toStdString(), "QFileDialog");
  EXPECT_EQ(boxes.Dialogs[1].Icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Dialogs[1].Text.startsWith("Cannot save '" + path + "': "))
      << boxes.Dialogs[1].Text.toStdString();
  EXPECT_EQ(Form->UserFileName(), path.toStdString()) << "the chosen path is kept";
  EXPECT_FALSE(Form->SaveUserData());
  EXPECT_EQ(boxes.Dialogs.size(), 3u);
  EXPECT_EQ(ReadBytes("regular.txt"), "not a folder\r\n");
}

}  // namespace
}  // namespace ostrane::uitest
