// The command handlers of the main window driven through its controls:
// the listing and its error, style changes, Now, Show Julian, Show Date,
// the day roll-over, the font and the help.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <string>

#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/HelpF.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

using ZodiacCommands = WindowTest;

// A click on the radio button's indicator.
void ClickItem(TRadioGroup* group, int item) {
  QRadioButton* button = group->Button(item);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TEST_F(ZodiacCommands, ListsTheWorkedExample) {
  CreateWindows();
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  const std::vector<std::string> lines = Lines(W<TListBox>("ListBoxOstrane"));
  ASSERT_GE(lines.size(), 16u);
  const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
  EXPECT_EQ(head, (std::vector<std::string>{"General and Sub Period Releasings For:", "Time Lords",
                                            " ", "Aries major and sub begin 1/1/2000",
                                            "        Taurus sub begins 3/26/2001",
                                            "        Gemini sub begins 11/21/2001"}));
  EXPECT_EQ(lines[14], "Taurus major and sub begin 10/14/2014");
  EXPECT_EQ(Form->MainListing().Lines[11].Period.Start, 2456945.0);
}

TEST_F(ZodiacCommands, TimeThatIsNoTimeStopsTheListingWithTheErrorBox) {
  CreateWindows();
  EnterWorkedExample();
  W<QLineEdit>("EditTime")->setText("abc");
  DialogInterceptor boxes;
  W<QPushButton>("BtnCalculateOstrane")->click();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Title.toStdString(), "Ostrane");
  EXPECT_EQ(boxes.Dialogs[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(boxes.Dialogs[0].Buttons, QMessageBox::Ok);
  EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "'abc' is not a valid time.");
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->count(), 3) << "only the header";
  EXPECT_TRUE(W<QPushButton>("BtnCalculateOstrane")->isEnabled()) << "enabling unchanged";
  EXPECT_FALSE(W<QPushButton>("BtnClearList")->isEnabled()) << "enabling unchanged";
  // The seven commands a listing switches stay as at start-up.
  for (const char* name : {"ListOstrane1", "ClearList1", "ListSubPeriods1", "Print1", "Print2"}) {
    const bool listing = std::string(name) == "ListOstrane1";
    EXPECT_EQ(W<QAction>(name)->isEnabled(), listing) << name << ": enabling unchanged";
  }
}

TEST_F(ZodiacCommands, StyleChangesListAgain) {
  struct Case {
    const char* name;
    std::function<void(ZodiacCommands&)> change;
    const char* firstSubLine;
    int viewChecked;  // 0 short, 1 long, -1 neither
  };
  const Case cases[] = {
      {"European date clicked",
       [](ZodiacCommands& t) { ClickItem(t.W<TRadioGroup>("RGDateStyle"), 0); },
       "        Taurus sub begins 26/3/2001", -1},
      {"Scientific date set by the program",
       [](ZodiacCommands& t) { t.W<TRadioGroup>("RGDateStyle")->SetItemIndex(2); },
       "        Taurus sub begins 2001/3/26", -1},
      {"short names clicked",
       [](ZodiacCommands& t) { ClickItem(t.W<TRadioGroup>("RGSignNames"), 0); },
       "        Ta sub begins 3/26/2001", 0},
      {"short names from the View menu",
       [](ZodiacCommands& t) { t.W<QAction>("ShortSignNames2")->trigger(); },
       "        Ta sub begins 3/26/2001", 0},
      {"long names from the View menu after short ones",
       [](ZodiacCommands& t) {
         t.W<TRadioGroup>("RGSignNames")->SetItemIndex(0);
         t.W<QAction>("ClearList1")->trigger();
         t.W<QAction>("LongSignNames2")->trigger();
       },
       "        Taurus sub begins 3/26/2001", 1},
  };
  for (const Case& c : cases) {
    CreateWindows();
    ShowMainWindow();
    EnterWorkedExample();
    auto* list = W<TListBox>("ListBoxOstrane");
    c.change(*this);
    ASSERT_GT(list->count(), 4) << c.name << ": listed from the empty list";
    EXPECT_EQ(RowText(list, 4).toStdString(), c.firstSubLine) << c.name;
    EXPECT_EQ(W<QAction>("ShortSignNames2")->isChecked(), c.viewChecked == 0) << c.name;
    EXPECT_EQ(W<QAction>("LongSignNames2")->isChecked(), c.viewChecked == 1) << c.name;
    EXPECT_FALSE(W<QPushButton>("BtnCalculateOstrane")->isEnabled()) << c.name;
  }
}

TEST_F(ZodiacCommands, StyleChangesListAgainAlsoAfterAListing) {
  CreateWindows();
  EnterWorkedExample();
  auto* list = W<TListBox>("ListBoxOstrane");
  W<QPushButton>("BtnCalculateOstrane")->click();
  W<TRadioGroup>("RGDateStyle")->SetItemIndex(0);
  EXPECT_EQ(RowText(list, 4).toStdString(), "        Taurus sub begins 26/3/2001");
  W<QAction>("ShortSignNames2")->trigger();
  EXPECT_EQ(RowText(list, 4).toStdString(), "        Ta sub begins 26/3/2001");

  W<QAction>("ClearList1")->trigger();
  W<TRadioGroup>("RGDateStyle")->SetItemIndex(-1);
  W<TRadioGroup>("RGSignNames")->SetItemIndex(-1);
  EXPECT_EQ(list->count(), 0) << "no selection lists nothing";
}

TEST_F(ZodiacCommands, NowTakesDateAndTimeFromOneReadingOfTheClock) {
  CreateWindows();
  int readings = 0;
  Form->SetClock([&readings] {
    ++readings;
    return QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 600));
  });
  const QString julian = W<QLineEdit>("EditJD")->text();
  W<QPushButton>("BtnNow")->click();
  EXPECT_EQ(readings, 1);
  EXPECT_EQ(W<TSpinEdit>("SpinEditYear")->Value(), 2024);
  EXPECT_EQ(W<QComboBox>("ComboBoxMonth")->currentText().toStdString(), "February");
  EXPECT_EQ(W<TSpinEdit>("SpinEditDay")->Value(), 29);
  EXPECT_EQ(W<QLineEdit>("EditTime")->text().toStdString(), "23:59:59");
  EXPECT_EQ(W<QLineEdit>("EditJD")->text(), julian) << "the Julian Date is not changed";
}

void EnterDate(ZodiacCommands& t, int year, int monthIndex, int day, const char* time) {
  t.W<TSpinEdit>("SpinEditYear")->SetValue(year);
  t.W<QComboBox>("ComboBoxMonth")->setCurrentIndex(monthIndex);
  t.W<TSpinEdit>("SpinEditDay")->SetValue(day);
  t.W<QLineEdit>("EditTime")->setText(QString::fromUtf8(time));
}

TEST_F(ZodiacCommands, ShowJulianInTwoLocales) {
  struct Case {
    const char* locale;
    int year, monthIndex, day;
    const char* time;
    const char* julian;
  };
  const Case cases[] = {
      {"C", 2000, 0, 1, "12:00:00", "2451545"},
      {"C", 2000, 0, 1, "00:00:00", "2451544.5"},
      {"C", 2000, 0, 1, "18:00", "2451545.25"},
      {"en_US", 2000, 0, 1, "6:00:00 PM", "2451545.25"},
      {"de_DE", 2000, 0, 1, "12:00:00", "2451545"},
      {"de_DE", 2000, 0, 1, "00:00:00", "2451544,5"},
      {"de_DE", 1582, 9, 15, "0:00", "2299160,5"},
  };
  for (const Case& c : cases) {
    LocaleScope locale(c.locale);
    CreateWindows();
    EnterDate(*this, c.year, c.monthIndex, c.day, c.time);
    W<QPushButton>("BtnShowJulian")->click();
    EXPECT_EQ(W<QLineEdit>("EditJD")->text().toStdString(), c.julian) << c.locale << " " << c.time;
  }
}

TEST_F(ZodiacCommands, ShowJulianWithNoTimeShowsTheErrorAndKeepsTheField) {
  CreateWindows();
  EnterDate(*this, 2000, 0, 1, "25:00");
  W<QLineEdit>("EditJD")->setText("123");
  DialogInterceptor boxes;
  W<QPushButton>("BtnShowJulian")->click();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), "'25:00' is not a valid time.");
  EXPECT_EQ(W<QLineEdit>("EditJD")->text().toStdString(), "123");
}

TEST_F(ZodiacCommands, ShowDateInTwoLocales) {
  struct Case {
    const char* locale;
    const char* julian;
    int year;
    const char* month;
    int day;
    const char* time;
  };
  const Case cases[] = {
      {"C", "2451545.25", 2000, "January", 1, "18:00:00"},
      {"en_US", "2451545.25", 2000, "January", 1, "6:00:00 PM"},
      {"de_DE", "2451545,25", 2000, "January", 1, "18:00:00"},
      {"C", "2299160.5", 1582, "October", 15, "00:00:00"},
      {"de_DE", "2299159,5", 1582, "October", 4, "00:00:00"},
      {"C", "-1000", -4712, "April", 6, "12:00:00"},
      {"en_US", "2451545.499999999", 2000, "January", 1, "11:59:59 PM"},
  };
  for (const Case& c : cases) {
    LocaleScope locale(c.locale);
    CreateWindows();
    W<QLineEdit>("EditJD")->setText(c.julian);
    W<QPushButton>("BtnShowDate")->click();
    EXPECT_EQ(W<TSpinEdit>("SpinEditYear")->Value(), c.year) << c.locale << " " << c.julian;
    EXPECT_EQ(W<QComboBox>("ComboBoxMonth")->currentText().toStdString(), c.month)
        << c.locale << " " << c.julian;
    EXPECT_EQ(W<TSpinEdit>("SpinEditDay")->Value(), c.day) << c.locale << " " << c.julian;
    EXPECT_EQ(W<QLineEdit>("EditTime")->text().toStdString(), c.time)
        << c.locale << " " << c.julian;
  }
}

TEST_F(ZodiacCommands, ShowDateThenShowJulianGivesTheJulianDateBack) {
  for (const char* name : {"C", "en_US", "de_DE"}) {
    LocaleScope locale(name);
    CreateWindows();
    const QString julian = "2451545" + QLocale().decimalPoint() + "25";
    W<QLineEdit>("EditJD")->setText(julian);
    W<QPushButton>("BtnShowDate")->click();
    W<QLineEdit>("EditJD")->clear();
    W<QPushButton>("BtnShowJulian")->click();
    EXPECT_EQ(W<QLineEdit>("EditJD")->text(), julian) << name;
  }
}

TEST_F(ZodiacCommands, ShowDateErrorsChangeNothing) {
  struct Case {
    const char* locale;
    const char* julian;
    const char* message;
  };
  const Case cases[] = {
      {"C", "abc", "'abc' is not a valid floating point value."},
      {"C", "nan", "'nan' is not a valid floating point value."},
      {"C", "inf", "'inf' is not a valid floating point value."},
      {"de_DE", "2451545.25", "'2451545.25' is not a valid floating point value."},
      {"C", "1e10", "'1e10' lies outside the supported range of Julian Dates."},
      {"de_DE", "-2000000000", "'-2000000000' lies outside the supported range of Julian Dates."},
  };
  for (const Case& c : cases) {
    LocaleScope locale(c.locale);
    CreateWindows();
    EnterDate(*this, 2000, 0, 1, "12:00:00");
    W<QLineEdit>("EditJD")->setText(c.julian);
    DialogInterceptor boxes;
    W<QPushButton>("BtnShowDate")->click();
    ASSERT_EQ(boxes.Dialogs.size(), 1u) << c.julian;
    EXPECT_EQ(boxes.Dialogs[0].Text.toStdString(), c.message);
    EXPECT_EQ(W<TSpinEdit>("SpinEditYear")->Value(), 2000) << c.julian;
    EXPECT_EQ(W<QComboBox>("ComboBoxMonth")->currentIndex(), 0) << c.julian;
    EXPECT_EQ(W<TSpinEdit>("SpinEditDay")->Value(), 1) << c.julian;
    EXPECT_EQ(W<QLineEdit>("EditTime")->text().toStdString(), "12:00:00") << c.julian;
  }
}

TEST_F(ZodiacCommands, EnteringTheDayFieldRollsTheDayOver) {
  struct Case {
    const char* name;
    int year, monthIndex, day;
    const char* month;
    int newDay;
  };
  const Case cases[] = {
      {"31 April", 2024, 3, 31, "May", 1},
      {"30 February", 2023, 1, 30, "March", 1},
      {"29 February 2023", 2023, 1, 29, "March", 1},
      {"29 February 2024", 2024, 1, 29, "February", 29},
      {"29 February 1500, Julian calendar", 1500, 1, 29, "February", 29},
      {"29 February 1900", 1900, 1, 29, "March", 1},
      {"31 December", 2024, 11, 31, "December", 31},
  };
  CreateWindows();
  ShowMainWindow();
  for (const Case& c : cases) {
    W<QLineEdit>("EditName")->setFocus(Qt::TabFocusReason);
    EnterDate(*this, c.year, c.monthIndex, c.day, "12:00:00");
    QTest::keyClick(Form.get(), Qt::Key_D, Qt::AltModifier);  // "&Day:"
    ASSERT_TRUE(W<TSpinEdit>("SpinEditDay")->hasFocus()) << c.name;
    EXPECT_EQ(W<QComboBox>("ComboBoxMonth")->currentText().toStdString(), c.month) << c.name;
    EXPECT_EQ(W<TSpinEdit>("SpinEditDay")->text().toInt(), c.newDay) << c.name;
  }
}

TEST_F(ZodiacCommands, FontGoesToBothLists) {
  CreateWindows();
  QFont chosen("DejaVu Serif", 14);
  QFont preset;
  DialogInterceptor dialogs([&](QDialog& dialog) {
    auto& fonts = dynamic_cast<QFontDialog&>(dialog);
    preset = fonts.currentFont();
    fonts.setCurrentFont(chosen);
    fonts.accept();
    return dialog.result();
  });
  const QFont before = W<TListBox>("ListBoxOstrane")->font();
  W<QAction>("Font1")->trigger();
  ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  EXPECT_EQ(QFontInfo(preset).family(), QFontInfo(before).family())
      << "preset with the main list's font";
  EXPECT_EQ(preset.pointSize(), 10);
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->font().pointSize(), 14);
  EXPECT_EQ(Find<QListView>(Level3.get(), "ListBoxLevel3")->font().pointSize(), 14);
}

TEST_F(ZodiacCommands, FontDialogCancelledChangesNothing) {
  CreateWindows();
  DialogInterceptor dialogs;  // rejects
  W<QAction>("Font1")->trigger();
  ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  EXPECT_EQ(W<TListBox>("ListBoxOstrane")->font().pointSize(), 10);
  EXPECT_EQ(Find<QListView>(Level3.get(), "ListBoxLevel3")->font().pointSize(), 10);
}

TEST_F(ZodiacCommands, ContentsOpensTheHelpAtItsFirstTopic) {
  CreateWindows();
  W<QAction>("Contents1")->trigger();
  THelpWindow* help = Form->HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  QTextBrowser* browser = Find<QTextBrowser>(help, "HelpBrowser");
  EXPECT_EQ(browser->source().fileName().toStdString(), "Ostrane.hlp");
  EXPECT_EQ(browser->documentTitle().toStdString(), "Ostrane Help: Contents");
  EXPECT_TRUE(browser->toPlainText().contains("releasing"));

  // Every topic is there, and each links back to the contents.
  for (int context : {2, 3}) {
    browser->setSource(HelpTopicUrl(context));
    EXPECT_TRUE(browser->documentTitle().startsWith("Ostrane Help: ")) << "context " << context;
    EXPECT_GT(browser->toPlainText().size(), 1000) << "context " << context;
    EXPECT_TRUE(browser->toHtml().contains("Ostrane.hlp")) << "context " << context;
  }
  browser->setSource(QUrl("Ostrane.hlp"));
  EXPECT_EQ(browser->documentTitle().toStdString(), "Ostrane Help: Contents") << "the link back";
}

TEST_F(ZodiacCommands, AboutShowsTheAboutWindow) {
  CreateWindows();
  QWidget about;
  Form->SetAboutWindow(&about);
  W<QAction>("About1")->trigger();
  EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace ostrane::uitest
