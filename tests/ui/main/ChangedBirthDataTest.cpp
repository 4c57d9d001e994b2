// The question before changed birth data are lost (closing the window, Exit,
// Open, Restore Defaults), what is asked or kept for each answer, and the
// files given to the program.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "tests/support/FileTestSupport.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using ChangedBirthData = WindowTest;

const QByteArray kOptions =
    CrLf({"Defaults", "5", "6", "1970", "08:00:00", "", "3", "2", "2", "1", "1", "1"});

// Answers the question with `button`; a file dialog is given chart.txt of
// the current folder; other dialogs are rejected.
std::function<int(QDialog&)> Answer(QMessageBox::StandardButton button) {
  return [button](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog);
        box && box->objectName() == "DiscardChangesBox") {
      box->button(button)->click();
      return box->result();
    }
    if (qobject_cast<QFileDialog*>(&dialog))
      return ConfirmFileDialog(dialog, QDir::current().absoluteFilePath("chart.txt"));
    dialog.reject();
    return dialog.result();
  };
}

TEST_F(ChangedBirthData, TheQuestionComesOnlyForChangedDataAndItsAnswerDecides) {
  const struct {
    const char* name;
    std::function<void(ChangedBirthData&)> change;
    QMessageBox::StandardButton answer;  // NoButton: no question expected
    bool closes;
    bool chartWritten;
  } cases[] = {
      {"unchanged", [](ChangedBirthData&) {}, QMessageBox::NoButton, true, false},
      {"typed and undone",
       [](ChangedBirthData& t) {
         auto* name = t.W<QLineEdit>("EditName");
         const QString before = name->text();
         QTest::keyClicks(name, "x");
         QTest::keyClick(name, Qt::Key_Backspace);
         ASSERT_EQ(name->text(), before);
       },
       QMessageBox::NoButton, true, false},
      {"a setting that is no birth data",
       [](ChangedBirthData& t) { t.W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(9); },
       QMessageBox::NoButton, true, false},
      {"changed and saved",
       [](ChangedBirthData& t) {
         t.W<QLineEdit>("EditName")->setText("Saved");
         DialogInterceptor files(Answer(QMessageBox::NoButton));
         t.W<QAction>("SaveFile")->trigger();
         ASSERT_EQ(files.Dialogs.size(), 1u) << "the file dialog";
       },
       QMessageBox::NoButton, true, true},
      {"changed, Cancel",
       [](ChangedBirthData& t) { t.W<TSpinEdit>("SpinEditYear")->SetValue(1969); },
       QMessageBox::Cancel, false, false},
      {"changed, Discard",
       [](ChangedBirthData& t) { t.W<QComboBox>("ComboBoxStartSign")->setCurrentIndex(5); },
       QMessageBox::Discard, true, false},
      {"changed, Save", [](ChangedBirthData& t) { t.W<QLineEdit>("EditTime")->setText("7:15"); },
       QMessageBox::Save, true, true},
      {"another place, Cancel",
       [](ChangedBirthData& t) {
         TBirthPlace place;
         place.Latitude = 41.9;
         place.Longitude = 12.5;
         t.Form->SetPlace(place);
       },
       QMessageBox::Cancel, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes("OptionsFile.txt", kOptions);
    QFile::remove("chart.txt");
    CreateWindows();
    ShowMainWindow();
    c.change(*this);
    const std::string fields = W<QLineEdit>("EditName")->text().toStdString() + " " +
                               W<QLineEdit>("EditTime")->text().toStdString();
    DialogInterceptor boxes(Answer(c.answer));
    // Ctrl+Q as a user presses it: Exit, through the window's closing.
    QTest::keyClick(Form.get(), Qt::Key_Q, Qt::ControlModifier);
    std::size_t questions = 0;
    for (const DialogRecord& d : boxes.Dialogs) {
      if (d.ClassName != "QMessageBox") continue;
      ++questions;
      EXPECT_EQ(d.Buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
    EXPECT_EQ(questions, c.answer == QMessageBox::NoButton ? 0u : 1u);
    EXPECT_EQ(Form->isVisible(), !c.closes);
    EXPECT_EQ(QFile::exists("chart.txt"), c.chartWritten);
    // The answer changes no field, and no other file.
    EXPECT_EQ(W<QLineEdit>("EditName")->text().toStdString() + " " +
                  W<QLineEdit>("EditTime")->text().toStdString(),
              fields);
    EXPECT_EQ(ReadBytes("OptionsFile.txt"), kOptions);
  }
}

TEST_F(ChangedBirthData, OpenAndRestoreDefaultsAskFirstAndAFailedSaveCancels) {
  WriteBytes("OptionsFile.txt", kOptions);
  WriteBytes("regular.txt", "not a folder\r\n");
  CreateWindows();
  ShowMainWindow();
  W<QLineEdit>("EditName")->setText("Changed");
  const struct {
    const char* name;
    const char* action;
    QMessageBox::StandardButton answer;
    const char* dialogs;  // as they came
    const char* nameAfter;
  } cases[] = {
      {"Open, Cancel", "Open", QMessageBox::Cancel, "QMessageBox", "Changed"},
      {"Restore Defaults, Cancel", "RestoreDefaults", QMessageBox::Cancel, "QMessageBox",
       "Changed"},
      // The save dialog is given a file under a regular file: the error box.
      {"Restore Defaults, a Save that fails", "RestoreDefaults", QMessageBox::Save,
       "QMessageBox QFileDialog QMessageBox", "Changed"},
      {"Restore Defaults, Discard", "RestoreDefaults", QMessageBox::Discard, "QMessageBox",
       "Defaults"},
      {"Open, unchanged since restored", "Open", QMessageBox::NoButton, "QFileDialog", "Defaults"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DialogInterceptor boxes([&c](QDialog& dialog) {
      if (auto* files = qobject_cast<QFileDialog*>(&dialog);
          files && files->acceptMode() == QFileDialog::AcceptSave)
        return ConfirmFileDialog(dialog, QDir::current().absoluteFilePath("regular.txt/chart.txt"));
      return Answer(c.answer)(dialog);
    });
    W<QAction>(c.action)->trigger();
    QStringList shown;
    for (const DialogRecord& d : boxes.Dialogs) shown << d.ClassName;
    EXPECT_EQ(shown.join(' ').toStdString(), c.dialogs);
    EXPECT_EQ(W<QLineEdit>("EditName")->text().toStdString(), c.nameAfter);
  }
}

TEST_F(ChangedBirthData, FilesGivenToTheProgram) {
  WriteBytes("given.txt", CrLf({"Given", "2", "3", "1980", "06:30:00", "", "4"}));
  WriteBytes("chart.aaf", "not read here\r\n");
  CreateWindows();
  const QString given = QDir::current().absoluteFilePath("given.txt");
  const struct {
    const char* name;
    QString file;
    bool import;        // an AAF import is set
    const char* error;  // the error box, or empty
    const char* nameAfter;
  } cases[] = {
      {"a chart file", "given.txt", false, "", "Given"},
      {"an AAF file", "chart.aaf", false,
       "Cannot open 'chart.aaf': this version of Ostrane cannot import AAF files; it opens the "
       "chart files (.txt) it saves.",
       "Given"},
      {"a file that does not exist", "none.txt", false,
       "Cannot open 'none.txt': there is no such file.", "Given"},
      {"an AAF file with an import", "chart.aaf", true, "", "Given"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList imported;
    Form->SetAafImport(c.import ? std::function<void(const QString&)>(
                                      [&imported](const QString& path) { imported << path; })
                                : nullptr);
    DialogInterceptor boxes;
    Form->OpenFiles({c.file});
    ASSERT_EQ(boxes.Dialogs.size(), std::string(c.error).empty() ? 0u : 1u);
    if (!boxes.Dialogs.empty()) {
      EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), c.error);
    }
    EXPECT_EQ(imported, c.import ? QStringList{c.file} : QStringList{});
    EXPECT_EQ(W<QLineEdit>("EditName")->text().toStdString(), c.nameAfter);
    EXPECT_EQ(Form->UserFileName(), given.toStdString());
    EXPECT_FALSE(Form->BirthDataChanged()) << "as opened";
  }
}

}  // namespace
}  // namespace ostrane::uitest
