// Save As and Open driven through the window and its two file dialogs:
// the dialogs as they open, the file written, every line as opened into its
// control, the files that fail, and the cancelled dialogs.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "tests/support/FileTestSupport.h"
#include "tests/support/NamedPipe.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

class UserDataFile : public UserHomeTest {
 protected:
  // The listing options, which a chart file leaves as they are.
  std::vector<std::string> ListingOptions() const {
    const std::vector<std::string> all = ControlValues(*Form);
    return {all.begin() + 7, all.end()};
  }
};

TEST_F(UserDataFile, SaveAsProposesTheNameAndAddsTxt) {
  for (const bool ostraneFolder : {true, false}) {
    SCOPED_TRACE(ostraneFolder ? "with an Ostrane folder" : "without an Ostrane folder");
    const QString folder = ostraneFolder ? InDocuments("Ostrane") : Documents;
    if (ostraneFolder) {
      ASSERT_TRUE(QDir().mkpath(folder));
    }
    CreateWindows();
    EnterWorkedExample();
    Form->BirthData()->EditJD()->setText("2451545");
    Form->BtnCalculateOstraneClick();
    const std::vector<std::string> list = Lines(W<TListBox>("ListBoxOstrane"));
    const QString directory = QDir::currentPath();
    QString proposed;
    DialogInterceptor boxes([&](QDialog& dialog) {
      auto& files = static_cast<QFileDialog&>(dialog);
      EXPECT_EQ(files.objectName().toStdString(), "SaveDialog1");
      EXPECT_EQ(files.nameFilters(), QStringList{"text (*.txt)"});
      EXPECT_EQ(files.defaultSuffix().toStdString(), "txt");
      EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
      EXPECT_FALSE(files.testOption(QFileDialog::DontConfirmOverwrite));
      EXPECT_EQ(files.directory().absolutePath(), QDir(folder).absolutePath());
      proposed = files.findChild<QLineEdit*>("fileNameEdit")->text();
      return ConfirmFileDialog(dialog);
    });
    W<QAction>("SaveFileAs")->trigger();
    ASSERT_EQ(boxes.Dialogs.size(), 1u) << "no message after the save";
    EXPECT_EQ(boxes.Dialogs[0].Title.toStdString(), "Save User Data");
    EXPECT_EQ(proposed.toStdString(), "Time Lords");
    const QString saved = QDir(folder).filePath("Time Lords.txt");
    EXPECT_EQ(ReadBytes(saved).toStdString(),
              "Time Lords\r\n0\r\n1\r\n2000\r\n12:00:00\r\n2451545\r\n0\r\nfortune=-1\r\n"
              "zodiac=tropical\r\nlot-formula=sect\r\nsect-horizon=geometric\r\n");
    EXPECT_EQ(Form->UserFileName(), saved.toStdString());
    EXPECT_EQ(QDir::currentPath(), directory) << "the current directory is left as it was";
    EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), list) << "the window is left as it was";
    EXPECT_FALSE(W<QPushButton>("BtnRestoreDefaults")->isEnabled());
    QDir(folder).remove("Time Lords.txt");
    QDir(InDocuments("Ostrane")).removeRecursively();
  }
}

// A name that would reach outside the folder is proposed as a file of it.
TEST_F(UserDataFile, SaveAsProposesAFileInTheFolderShown) {
  const struct {
    const char* name;
    const char* proposed;
  } cases[] = {
      {"AC/DC", "AC-DC"}, {"../../escape", "__-__-escape"}, {"/tmp/x", "-tmp-x"}, {"~", "_"},
      {"..", "__"},
  };
  CreateWindows();
  EnterWorkedExample();
  const QStringList homeBefore =
      QDir(Home->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form->BirthData()->EditName()->setText(c.name);
    QString proposed;
    DialogInterceptor boxes([&](QDialog& dialog) {
      if (auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit")) proposed = edit->text();
      return ConfirmFileDialog(dialog);
    });
    EXPECT_TRUE(Form->SaveUserDataAs());
    EXPECT_EQ(proposed.toStdString(), c.proposed);
    ASSERT_EQ(boxes.Dialogs.size(), 1u) << "no error box after the dialog";
    const QString saved = InDocuments(QString(c.proposed) + ".txt");
    EXPECT_EQ(Form->UserFileName(), saved.toStdString());
    EXPECT_EQ(ReadBytes(saved).left(QByteArray(c.name).size() + 2), QByteArray(c.name) + "\r\n")
        << "the name inside the file is the chart's";
  }
  EXPECT_EQ(QDir(Documents).entryList(QDir::Files).size(), std::size(cases));
  EXPECT_EQ(QDir(Home->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), homeBefore)
      << "nothing saved beside the documents folder";
}

TEST_F(UserDataFile, SavedThenOpenedGivesTheSevenValuesBackAndOneListing) {
  CreateWindows();
  EnterWorkedExample();
  Form->BirthData()->EditName()->setText("Round Trip");
  Form->BirthData()->ComboBoxMonth()->setCurrentIndex(8);
  Form->BirthData()->SpinEditDay()->SetValue(23);
  Form->BirthData()->SpinEditYear()->SetValue(-44);
  Form->BirthData()->EditTime()->setText("03:04:05");
  Form->BirthData()->EditJD()->setText("1705426.6");
  Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(10);
  const std::vector<std::string> saved = ControlValues(*Form);
  const QString chart = InDocuments("round.txt");
  {
    DialogInterceptor boxes([&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart); });
    W<QAction>("SaveFileAs")->trigger();
  }
  // Another chart and other listing options in the window.
  Form->BirthData()->EditName()->setText("Other");
  Form->BirthData()->ComboBoxMonth()->setCurrentIndex(1);
  Form->BirthData()->SpinEditDay()->SetValue(2);
  Form->BirthData()->SpinEditYear()->SetValue(2020);
  Form->BirthData()->EditTime()->setText("22:00:00");
  Form->BirthData()->EditJD()->setText("0");
  Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(4);
  Form->BirthData()->RGOstraneType()->SetItemIndex(0);
  Form->BirthData()->SpinEditNumMajPeriods()->SetValue(3);
  Form->BirthData()->RGDateStyle()->SetItemIndex(0);
  Form->BirthData()->RGSignNames()->SetItemIndex(0);
  Form->BirthData()->RGLooseBondType()->SetItemIndex(0);
  const std::vector<std::string> options = ListingOptions();
  Form->MarkBirthDataSaved();  // no question before Open

  DialogInterceptor boxes([&chart](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    EXPECT_EQ(files.objectName().toStdString(), "OpenDialog1");
    EXPECT_EQ(files.nameFilters(), QStringList{"text (*.txt)"});
    EXPECT_EQ(files.defaultSuffix().toStdString(), "txt");
    EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFile);
    return ConfirmFileDialog(dialog, chart);
  });
  W<QAction>("Open")->trigger();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Title.toStdString(), "Open User Data");
  std::vector<std::string> expected(saved.begin(), saved.begin() + 7);
  expected.insert(expected.end(), options.begin(), options.end());
  EXPECT_EQ(ControlValues(*Form), expected) << "seven values opened, the listing options kept";
  EXPECT_EQ(Form->UserFileName(), chart.toStdString());
  EXPECT_EQ(ListingCount(*Form), 1);
  const std::vector<std::string> opened = Lines(W<TListBox>("ListBoxOstrane"));
  EXPECT_EQ(opened, FreshListing(*Form));
}

TEST_F(UserDataFile, EveryLineIsOpenedIntoItsControlAndABadNumberStopsThere) {
  struct Case {
    const char* name;
    QByteArray file;
    std::vector<std::string> opened;  // the values of lines 1 to 7 afterwards
    const char* error = nullptr;
  };
  const Case cases[] = {
      {"an options file opens as a chart file",
       "Options\r\n2\r\n14\r\n1990\r\n13:45:10\r\n2447966\r\n7\r\n0\r\n3\r\n0\r\n0\r\n0\r\n",
       {"name Options", "month 2", "day 14", "year 1990", "time 13:45:10", "julian 2447966",
        "sign 7"}},
      {"six lines fail on the seventh",
       "Six\r\n2\r\n14\r\n1990\r\n13:45:10\r\n2447966\r\n",
       {"name Six", "month 2", "day 14", "year 1990", "time 13:45:10", "julian 2447966", "sign 3"},
       "'' is not a valid integer value."},
      {"day 0 becomes 1 and month -1 selects none",
       "Zero\r\n-1\r\n0\r\n1990\r\n13:45:10\r\n1\r\n7\r\n",
       {"name Zero", "month -1", "day 1", "year 1990", "time 13:45:10", "julian 1", "sign 7"}},
      {"a letter after the year",
       "Bad\r\n2\r\n14\r\n1990x\r\n13:45:10\r\n1\r\n7\r\n",
       {"name Bad", "month 2", "day 14", "year 1975", "time 06:30:00", "julian prior", "sign 3"},
       "'1990x' is not a valid integer value."},
      {"Windows-1252 with CR LF",
       "Jos\xE9 M\xFCller \x80\r\n0\r\n1\r\n2000\r\n12:00:00\r\n2451545\r\n0\r\n",
       {"name Jos\u00E9 M\u00FCller \u20AC", "month 0", "day 1", "year 2000", "time 12:00:00",
        "julian 2451545", "sign 0"}},
      {"UTF-8 with LF alone",
       "Jos\xC3\xA9\n0\n1\n2000\n12:00:00\n2451545\n0\n",
       {"name Jos\u00E9", "month 0", "day 1", "year 2000", "time 12:00:00", "julian 2451545",
        "sign 0"}},
  };
  CreateWindows();
  EnterWorkedExample();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString chart = InDocuments("case.txt");
    WriteBytes(chart, c.file);
    Form->BirthData()->EditName()->setText("Prior");
    Form->BirthData()->ComboBoxMonth()->setCurrentIndex(5);
    Form->BirthData()->SpinEditDay()->SetValue(20);
    Form->BirthData()->SpinEditYear()->SetValue(1975);
    Form->BirthData()->EditTime()->setText("06:30:00");
    Form->BirthData()->EditJD()->setText("prior");
    Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(3);
    const std::vector<std::string> options = ListingOptions();
    const std::vector<std::string> priorList = FreshListing(*Form);
    Form->MarkBirthDataSaved();  // no question before Open

    DialogInterceptor boxes([&chart](QDialog& dialog) { return ConfirmFileDialog(dialog, chart); });
    W<QAction>("Open")->trigger();
    std::vector<std::string> expected = c.opened;
    expected.insert(expected.end(), options.begin(), options.end());
    EXPECT_EQ(ControlValues(*Form), expected);
    EXPECT_EQ(Form->UserFileName(), chart.toStdString()) << "set before the file is read";
    if (c.error) {
      ASSERT_EQ(boxes.Dialogs.size(), 2u);
      EXPECT_EQ(boxes.Dialogs[1].Text.toStdString(), c.error);
      EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), priorList) << "neither cleared nor listed";
      continue;
    }
    EXPECT_EQ(boxes.Dialogs.size(), 1u) << "the dialog only";
    const std::vector<std::string> opened = Lines(W<TListBox>("ListBoxOstrane"));
    EXPECT_EQ(ListingCount(*Form), 1);
    EXPECT_EQ(opened, FreshListing(*Form));
  }
}

// Open of a named pipe: refused at once with the message of a file that
// cannot be opened, and the window is left as it was.
TEST_F(UserDataFile, OpenOfANamedPipeIsRefusedWithoutWaiting) {
  CreateWindows();
  EnterWorkedExample();
  Form->MarkBirthDataSaved();  // no question before Open
  const std::vector<std::string> prior = ControlValues(*Form);
  const std::vector<std::string> priorList = FreshListing(*Form);
  testing::NamedPipe pipe(InDocuments("pipe.txt").toStdString());
  ASSERT_TRUE(pipe.Made());
  const QString path = QString::fromStdString(pipe.Path());
  DialogInterceptor boxes([&path](QDialog& dialog) { return ConfirmFileDialog(dialog, path); });
  W<QAction>("Open")->trigger();
  EXPECT_FALSE(pipe.BlockedAReader()) << "Open waited for a writer";
  ASSERT_EQ(boxes.Dialogs.size(), 2u);
  EXPECT_EQ(boxes.Dialogs[1].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Dialogs[1].Text.toStdString(),
            "Cannot open '" + pipe.Path() + "': Not a regular file.");
  EXPECT_EQ(ControlValues(*Form), prior);
  EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), priorList);
}

}  // namespace
}  // namespace ostrane::uitest
