// Save Settings and Restore Defaults driven through the window: the file
// they write, every line's value as restored into its control, the partial
// restore a bad number line leaves, the single listing afterwards, and the
// files that cannot be read.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "tests/support/FileTestSupport.h"
#include "tests/support/NamedPipe.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

const std::vector<std::string> kBaseFile = {
    "Base Chart", "2", "14", "1990", "13:45:10", "2447966.07303", "7", "0", "3", "2", "1", "1"};
const std::vector<std::string> kBaseValues = {
    "name Base Chart", "month 2", "day 14",    "year 1990", "time 13:45:10", "julian 2447966.07303",
    "sign 7",          "type 0",  "periods 3", "dates 2",   "names 1",       "bond 1"};

class OptionsFile : public WindowTest {
 protected:
  // The window made with an options file in place, so that Restore
  // Defaults is enabled.
  void CreateWithOptionsFile() {
    WriteBytes("OptionsFile.txt", CrLf(kBaseFile));
    CreateWindows();
  }

  // Values that differ from the base file's in every control, listed.
  void EnterPrior() {
    Form->BirthData()->EditName()->setText("Prior Chart");
    Form->BirthData()->ComboBoxMonth()->setCurrentIndex(5);
    Form->BirthData()->SpinEditDay()->SetValue(20);
    Form->BirthData()->SpinEditYear()->SetValue(1975);
    Form->BirthData()->EditTime()->setText("06:30:00");
    Form->BirthData()->EditJD()->setText("prior jd");
    Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(3);
    Form->BirthData()->RGOstraneType()->SetItemIndex(1);
    Form->BirthData()->SpinEditNumMajPeriods()->SetValue(4);
    Form->BirthData()->RGDateStyle()->SetItemIndex(0);
    Form->BirthData()->RGSignNames()->SetItemIndex(0);
    Form->BirthData()->RGLooseBondType()->SetItemIndex(0);
    FreshListing(*Form);
    // As if saved: Restore Defaults replaces them without asking.
    Form->MarkBirthDataSaved();
  }
};

TEST_F(OptionsFile, SaveThenRestoreGivesEveryControlItsValueAndOneListing) {
  CreateWindows();
  int beeps = 0;
  Form->SetBeep([&beeps] { ++beeps; });
  EnterPrior();
  const std::vector<std::string> saved = ControlValues(*Form);
  {
    DialogInterceptor boxes;
    W<QPushButton>("BtnSaveSettings")->click();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_EQ(boxes.Dialogs[0].Title.toStdString(), "Information");
    EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "Default Settings Saved.");
    EXPECT_EQ(boxes.Dialogs[0].Icon, QMessageBox::Information);
    EXPECT_EQ(boxes.Dialogs[0].Buttons, QMessageBox::Ok);
  }
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(
      ReadBytes("OptionsFile.txt").toStdString(),
      "Prior Chart\r\n5\r\n20\r\n1975\r\n06:30:00\r\nprior jd\r\n3\r\n1\r\n4\r\n0\r\n0\r\n0\r\n"
      "fortune=-1\r\nangles-from=fortune\r\n"
      "zodiac=tropical\r\nlot-formula=sect\r\nsect-horizon=geometric\r\n");
  EXPECT_TRUE(W<QPushButton>("BtnRestoreDefaults")->isEnabled()) << "enabled by the save";
  EXPECT_TRUE(W<QAction>("RestoreDefaults")->isEnabled()) << "enabled by the save";

  // Change everything, then restore through the menu item.
  Form->BirthData()->EditName()->setText("Changed");
  Form->BirthData()->ComboBoxMonth()->setCurrentIndex(11);
  Form->BirthData()->SpinEditDay()->SetValue(2);
  Form->BirthData()->SpinEditYear()->SetValue(-300);
  Form->BirthData()->EditTime()->setText("23:59:59");
  Form->BirthData()->EditJD()->setText("1");
  Form->BirthData()->ComboBoxStartSign()->setCurrentIndex(11);
  Form->BirthData()->RGOstraneType()->SetItemIndex(2);
  Form->BirthData()->SpinEditNumMajPeriods()->SetValue(200);
  Form->BirthData()->RGDateStyle()->SetItemIndex(2);
  Form->BirthData()->RGSignNames()->SetItemIndex(1);
  Form->BirthData()->RGLooseBondType()->SetItemIndex(1);
  ASSERT_NE(ControlValues(*Form), saved);
  // Asked about the changed birth data, the user gives them up.
  {
    DialogInterceptor question([](QDialog& box) {
      static_cast<QMessageBox&>(box).button(QMessageBox::Discard)->click();
      return box.result();
    });
    W<QAction>("RestoreDefaults")->trigger();
    EXPECT_EQ(question.Dialogs.size(), 1u);
  }

  EXPECT_EQ(ControlValues(*Form), saved);
  EXPECT_TRUE(W<QAction>("ShortSignNames2")->isChecked()) << "the sign-name handler ran";
  const std::vector<std::string> restored = Lines(W<TListBox>("ListBoxOstrane"));
  EXPECT_EQ(ListingCount(*Form), 1);
  EXPECT_FALSE(W<QPushButton>("BtnCalculateOstrane")->isEnabled()) << "enabling after a listing";
  EXPECT_EQ(restored, FreshListing(*Form)) << "one listing of the restored values";
}

TEST_F(OptionsFile, EveryLineIsRestoredIntoItsControlAndABadNumberStopsThere) {
  struct Case {
    const char* name;
    int line;              // the line that differs from the base file
    std::string text;      // its text
    const char* expected;  // its control's value, or the error shown
    bool fails = false;
    int fileLines = 12;      // lines kept in the file
    bool extraLine = false;  // a thirteenth line of garbage
  };
  const std::string longName(60, 'N');
  const Case cases[] = {
      {"day 45 is limited to 31", 3, "45", "day 31"},
      {"day 0 is limited to 1", 3, "0", "day 1"},
      {"year below the range", 4, "-5000", "year -4712"},
      {"year above the range", 4, "20000", "year 10000"},
      {"general periods 0 become 1", 9, "0", "periods 1"},
      {"general periods 500 become 200", 9, "500", "periods 200"},
      {"releasing type 7 selects the last", 8, "7", "type 2"},
      {"releasing type -5 selects none", 8, "-5", "type -1"},
      {"month 12 selects no month", 2, "12", "month -1"},
      {"month -1 selects no month", 2, "-1", "month -1"},
      {"start sign 12 selects no sign", 7, "12", "sign -1"},
      {"sign names -3 select none", 11, "-3", "names -1"},
      {"loose bond 5 selects the last", 12, "5", "bond 1"},
      {"a space before the number", 9, " 5", "periods 5"},
      {"a plus sign", 9, "+5", "periods 5"},
      {"a hexadecimal number", 9, "$A", "periods 10"},
      {"a name longer than the typing limit is shown whole", 1, longName, nullptr},
      {"lines after the twelfth are ignored", 12, "1", "bond 1", false, 12, true},
      {"a file holding only the name line fails on line 2", 2, "",
       "'' is not a valid integer value.", true, 1},
      {"a space after the number", 9, "5 ", "'5 ' is not a valid integer value.", true},
      {"a letter after the number", 3, "5x", "'5x' is not a valid integer value.", true},
      {"a tab is no space", 7, "\t5", "'\t5' is not a valid integer value.", true},
      {"beyond 32 bits", 4, "2147483648", "'2147483648' is not a valid integer value.", true},
      {"an empty date style", 10, "", "'' is not a valid integer value.", true},
  };
  CreateWithOptionsFile();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> file = kBaseFile;
    file[static_cast<std::size_t>(c.line - 1)] = c.text;
    file.resize(static_cast<std::size_t>(c.fileLines));
    if (c.extraLine) file.push_back("not a number");
    WriteBytes("OptionsFile.txt", CrLf(file));
    EnterPrior();
    const std::vector<std::string> prior = ControlValues(*Form);
    const std::vector<std::string> priorList = Lines(W<TListBox>("ListBoxOstrane"));

    DialogInterceptor boxes;
    W<QPushButton>("BtnRestoreDefaults")->click();

    std::vector<std::string> expected = kBaseValues;
    if (c.fails) {
      ASSERT_EQ(boxes.Dialogs.size(), 1u);
      EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), c.expected);
      EXPECT_EQ(boxes.Dialogs[0].Icon, QMessageBox::Critical);
      // Earlier lines keep their new values, this and later ones the old.
      std::copy(prior.begin() + (c.line - 1), prior.end(), expected.begin() + (c.line - 1));
      EXPECT_EQ(ControlValues(*Form), expected);
      EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), priorList) << "neither cleared nor listed";
      continue;
    }
    EXPECT_TRUE(boxes.Dialogs.empty());
    if (c.expected)
      expected[static_cast<std::size_t>(c.line - 1)] = c.expected;
    else
      expected[0] = "name " + longName;
    EXPECT_EQ(ControlValues(*Form), expected);
    const std::vector<std::string> restored = Lines(W<TListBox>("ListBoxOstrane"));
    EXPECT_EQ(ListingCount(*Form), 1);
    EXPECT_EQ(restored, FreshListing(*Form));
  }
}

TEST_F(OptionsFile, MonthWithoutSelectionIsSavedAsMinusOne) {
  std::vector<std::string> file = kBaseFile;
  file[1] = "12";
  WriteBytes("OptionsFile.txt", CrLf(file));
  CreateWindows();
  W<QPushButton>("BtnRestoreDefaults")->click();
  ASSERT_EQ(Form->BirthData()->ComboBoxMonth()->currentIndex(), -1);
  EXPECT_TRUE(Form->BirthData()->ComboBoxMonth()->currentText().isEmpty()) << "the field is blank";
  DialogInterceptor boxes;
  W<QPushButton>("BtnSaveSettings")->click();
  file[1] = "-1";
  file.emplace_back("fortune=-1");
  file.emplace_back("angles-from=fortune");
  file.insert(file.end(), {"zodiac=tropical", "lot-formula=sect", "sect-horizon=geometric"});
  EXPECT_EQ(ReadBytes("OptionsFile.txt"), CrLf(file));
}

TEST_F(OptionsFile, ADayTypedAs45IsSavedAsTypedThroughTheMenu) {
  CreateWindows();
  ShowMainWindow();
  auto* day = W<TSpinEdit>("SpinEditDay");
  day->setFocus();
  ASSERT_TRUE(day->hasFocus());
  day->selectAll();
  QTest::keyClicks(day, "45");
  ASSERT_EQ(day->text().toStdString(), "45");
  {
    DialogInterceptor boxes;
    W<QAction>("SaveSettings")->trigger();
  }
  EXPECT_EQ(ReadBytes("OptionsFile.txt").split('\r').value(2).toStdString(), "\n45")
      << "the field kept the focus, so the value is written as typed";
  Form->MarkBirthDataSaved();  // as it was just saved with the settings
  W<QAction>("RestoreDefaults")->trigger();
  EXPECT_EQ(day->text().toStdString(), "31");

  // The button takes the focus, and leaving the field puts the day back
  // into range before the save.
  day->setFocus();
  day->selectAll();
  QTest::keyClicks(day, "45");
  {
    DialogInterceptor boxes;
    auto* button = W<QPushButton>("BtnSaveSettings");
    QTest::mouseClick(button, Qt::LeftButton);
  }
  EXPECT_EQ(ReadBytes("OptionsFile.txt").split('\r').value(2).toStdString(), "\n31");
}

TEST_F(OptionsFile, ANewDateStyleListsOnceAndAnErrorThereEndsTheRestore) {
  CreateWithOptionsFile();
  EnterPrior();  // European dates, short names: lines 10 and 11 change both
  W<QPushButton>("BtnRestoreDefaults")->click();
  EXPECT_EQ(ListingCount(*Form), 1);
  const std::vector<std::string> restored = Lines(W<TListBox>("ListBoxOstrane"));
  EXPECT_EQ(restored, FreshListing(*Form));

  // The listing the new date style runs fails on the time of line 5: the
  // restore ends there, with that one error.
  std::vector<std::string> file = kBaseFile;
  file[4] = "abc";
  WriteBytes("OptionsFile.txt", CrLf(file));
  EnterPrior();
  const std::vector<std::string> prior = ControlValues(*Form);
  DialogInterceptor boxes;
  W<QPushButton>("BtnRestoreDefaults")->click();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "'abc' is not a valid time.");
  std::vector<std::string> expected = kBaseValues;
  expected[4] = "time abc";
  expected[10] = prior[10];
  expected[11] = prior[11];
  EXPECT_EQ(ControlValues(*Form), expected) << "lines 11 and 12 are not applied";
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->count(), 3) << "the header of the failed listing only";
}

TEST_F(OptionsFile, AFileThatCannotBeReadChangesNothing) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    const char* message;
  };
  const std::string longLine(70000, '7');
  std::unique_ptr<testing::NamedPipe> pipe;
  const Case cases[] = {
      {"removed since start-up", [] { QFile::remove("OptionsFile.txt"); },
       "Cannot open 'OptionsFile.txt': No such file or directory."},
      {"a directory of that name",
       [] {
         QFile::remove("OptionsFile.txt");
         QDir().mkdir("OptionsFile.txt");
       },
       "Cannot open 'OptionsFile.txt': Is a directory."},
      {"a line too long",
       [&] {
         std::vector<std::string> file = kBaseFile;
         file[1] = longLine;
         WriteBytes("OptionsFile.txt", CrLf(file));
       },
       "Line 2 of 'OptionsFile.txt' is too long."},
      {"a named pipe of that name",
       [&pipe] {
         QFile::remove("OptionsFile.txt");
         pipe = std::make_unique<testing::NamedPipe>("OptionsFile.txt");
         ASSERT_TRUE(pipe->Made());
       },
       "Cannot open 'OptionsFile.txt': Not a regular file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir().rmdir("OptionsFile.txt");
    pipe.reset();
    CreateWithOptionsFile();
    EnterPrior();
    const std::vector<std::string> prior = ControlValues(*Form);
    const std::vector<std::string> priorList = Lines(W<TListBox>("ListBoxOstrane"));
    c.spoil();
    DialogInterceptor boxes;
    W<QPushButton>("BtnRestoreDefaults")->click();
    ASSERT_EQ(boxes.Dialogs.size(), 1u);
    EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), c.message);
    EXPECT_EQ(ControlValues(*Form), prior) << "not even the name line is applied";
    EXPECT_EQ(Lines(W<TListBox>("ListBoxOstrane")), priorList);
    EXPECT_FALSE(pipe && pipe->BlockedAReader()) << "the restore waited for a writer";
  }
}

}  // namespace
}  // namespace ostrane::uitest
