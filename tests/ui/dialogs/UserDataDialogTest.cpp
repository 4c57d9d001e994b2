// The two file dialogs beyond a plain confirmation: cancelling either, the
// name the open dialog shows again, the overwrite question, a save without
// a file name, and a chosen file that cannot be read.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "tests/support/FileTestSupport.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"

namespace ostrane::uitest {
namespace {

using UserDataDialog = UserHomeTest;

const QByteArray kChart = "Chart\r\n3\r\n9\r\n1984\r\n08:15:00\r\n2445768.84\r\n5\r\n";

TEST_F(UserDataDialog, CancellingEitherDialogChangesNothing) {
  WriteBytes(InDocuments("first.txt"), kChart);
  CreateWindows();
  EnterWorkedExample();
  Form->MarkBirthDataSaved();  // no question before Open
  for (const bool withFile : {false, true}) {
    SCOPED_TRACE(withFile ? "after a chart file was opened" : "before any chart file");
    if (withFile) {
      DialogInterceptor open(
          [this](QDialog& dialog) { return ConfirmFileDialog(dialog, InDocuments("first.txt")); });
      W<QAction>("Open")->trigger();
      ASSERT_EQ(Form->UserFileName(), InDocuments("first.txt").toStdString());
    }
    const std::string fileName = Form->UserFileName();
    const std::vector<std::string> values = ControlValues(*Form);
    const std::vector<std::string> list = Lines(W<TListBox>("ListBoxOstrane"));
    const QStringList files = QDir(Documents).entryList(QDir::Files);

    DialogInterceptor boxes;  // rejects every dialog
    W<QAction>("Open")->trigger();
    W<QAction>("SaveFileAs")->trigger();
    EXPECT_FALSE(Form->SaveUserDataAs());
    ASSERT_EQ(boxes.Dialogs.size(), 3u);
    EXPECT_EQ(Form->UserFileName(), fileName);
    EXPECT_EQ(ControlValues(*Form), values);
    EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), list);
    EXPECT_EQ(QDir(Documents).entryList(QDir::Files), files) << "no file written";
    EXPECT_EQ(ReadBytes(InDocuments("first.txt")), kChart);
  }
}

TEST_F(UserDataDialog, TheOpenDialogShowsTheNameLastChosenInIt) {
  ASSERT_TRUE(QDir(Documents).mkdir("charts"));
  WriteBytes(InDocuments("charts/first.txt"), kChart);
  CreateWindows();
  {
    DialogInterceptor open([this](QDialog& dialog) {
      return ConfirmFileDialog(dialog, InDocuments("charts/first.txt"));
    });
    W<QAction>("Open")->trigger();
  }
  // A Save As in between changes the file name, not what the open dialog shows.
  {
    DialogInterceptor save(
        [this](QDialog& dialog) { return ConfirmFileDialog(dialog, InDocuments("saved.txt")); });
    W<QAction>("SaveFileAs")->trigger();
    ASSERT_EQ(Form->UserFileName(), InDocuments("saved.txt").toStdString());
  }
  QString shownName;
  QString shownDirectory;
  DialogInterceptor again([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    shownName = files.findChild<QLineEdit*>("fileNameEdit")->text();
    shownDirectory = files.directory().absolutePath();
    dialog.reject();
    return dialog.result();
  });
  W<QAction>("Open")->trigger();
  EXPECT_EQ(shownName.toStdString(), "first.txt");
  EXPECT_EQ(shownDirectory, InDocuments("charts"));
  EXPECT_EQ(Form->UserFileName(), InDocuments("saved.txt").toStdString()) << "cancelled";
}

TEST_F(UserDataDialog, SaveAsProposesTheNameFieldAnewEachTime) {
  CreateWindows();
  for (const char* name : {"First", "", "Second"}) {
    SCOPED_TRACE(std::string("name field \"") + name + "\"");
    Form->BirthData()->EditName()->setText(name);
    QString proposed = "not asked";
    DialogInterceptor boxes([&proposed](QDialog& dialog) {
      proposed = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
      dialog.reject();
      return dialog.result();
    });
    W<QAction>("SaveFileAs")->trigger();
    EXPECT_EQ(proposed.toStdString(), name);
  }
}

TEST_F(UserDataDialog, SavingOverAnExistingFileAsksFirst) {
  WriteBytes(InDocuments("chart.txt"), kChart);
  CreateWindows();
  EnterWorkedExample();
  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    const bool replace = answer == QMessageBox::Yes;
    SCOPED_TRACE(replace ? "answered Yes" : "answered No");
    QString question;
    DialogInterceptor boxes(
        [&](QDialog& dialog) { return ConfirmFileDialog(dialog, "chart", answer, &question); });
    W<QAction>("SaveFileAs")->trigger();
    EXPECT_TRUE(question.contains("chart.txt already exists")) << question.toStdString();
    if (replace) {
      EXPECT_EQ(ReadBytes(InDocuments("chart.txt")).left(12), "Time Lords\r\n");
      EXPECT_EQ(Form->UserFileName(), InDocuments("chart.txt").toStdString());
    } else {
      EXPECT_EQ(ReadBytes(InDocuments("chart.txt")), kChart);
      EXPECT_TRUE(Form->UserFileName().empty());
    }
  }
}

TEST_F(UserDataDialog, SaveUserDataAsksForANameOnlyWhenThereIsNone) {
  CreateWindows();
  EnterWorkedExample();
  {
    DialogInterceptor cancel;
    EXPECT_FALSE(Form->SaveUserData()) << "the dialog was cancelled";
    EXPECT_EQ(cancel.Dialogs.size(), 1u);
    EXPECT_TRUE(QDir(Documents).entryList(QDir::Files).isEmpty());
  }
  {
    DialogInterceptor confirm(
        [this](QDialog& dialog) { return ConfirmFileDialog(dialog, InDocuments("named.txt")); });
    EXPECT_TRUE(Form->SaveUserData());
    EXPECT_EQ(confirm.Dialogs.size(), 1u);
  }
  Form->BirthData()->EditName()->setText("Second Save");
  DialogInterceptor none;
  EXPECT_TRUE(Form->SaveUserData());
  EXPECT_TRUE(none.Dialogs.empty()) << "saved under the name it has";
  EXPECT_EQ(ReadBytes(InDocuments("named.txt")).left(13), "Second Save\r\n");
}

TEST_F(UserDataDialog, AChosenFileThatCannotBeReadChangesNothingButTheFileName) {
  WriteBytes(InDocuments("chart.txt"), kChart);
  CreateWindows();
  EnterWorkedExample();
  Form->BtnCalculateOstraneClick();
  Form->MarkBirthDataSaved();  // no question before Open
  const std::vector<std::string> values = ControlValues(*Form);
  const std::vector<std::string> list = Lines(W<TListBox>("ListBoxOstrane"));
  // The dialog takes the file; it is a directory by the time it is read.
  DialogInterceptor boxes([this](QDialog& dialog) {
    if (!qobject_cast<QFileDialog*>(&dialog)) return ConfirmFileDialog(dialog);
    const int result = ConfirmFileDialog(dialog, InDocuments("chart.txt"));
    QFile::remove(InDocuments("chart.txt"));
    QDir().mkdir(InDocuments("chart.txt"));
    return result;
  });
  W<QAction>("Open")->trigger();
  ASSERT_EQ(boxes.Dialogs.size(), 2u);
  EXPECT_EQ(boxes.Dialogs[1].Text.toStdString(),
            "Cannot open '" + InDocuments("chart.txt").toStdString() + "': Is a directory.");
  EXPECT_EQ(ControlValues(*Form), values);
  EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), list);
  EXPECT_EQ(Form->UserFileName(), InDocuments("chart.txt").toStdString());
}

}  // namespace
}  // namespace ostrane::uitest
