// The periods in force in the window: the line under the list after every
// listing (by the window's clock), and "Go to Date", which selects the sub
// period in force, lists its level 3 and 4 periods and marks every period in
// force, before and after the calendar reform and outside the listing.
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "tests/support/UiTestSupport.h"
#include "ui/dialogs/GoToDate.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane::uitest {
namespace {

constexpr int kCancer = 3;
const QDateTime kJune2001(QDate(2001, 6, 1), QTime(12, 0));

struct Moment {
  int year, monthIndex, day;
  const char* time;
};

std::vector<int> InForceRows(const QListView* list) {
  std::vector<int> rows;
  for (int row = 0; row < RowCount(list); ++row)
    if (RowData(list, row, kPeriodInForceRole).toBool()) rows.push_back(row);
  return rows;
}

class GoToDate : public WindowTest {
 public:
  void ListWorkedExample(const QDateTime& now) {
    CreateWindows();
    Form->SetClock([now] { return now; });
    EnterWorkedExample();
    SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), kCancer);
    W<QPushButton>("BtnCalculateOstrane")->click();
    List = W<TListBox>("ListBoxOstrane");
    Level3List = Find<QListView>(Level3.get(), "ListBoxLevel3");
    Label = W<QLabel>("LabelInForce");
  }

  // Runs Go to Date, answering the dialog with the moment.
  void GoTo(const Moment& m) {
    DialogInterceptor dialogs([&m](QDialog& dialog) {
      auto* go = dynamic_cast<TGoToDateDialog*>(&dialog);
      if (go == nullptr) return dialog.result();
      go->ComboBoxGoMonth->setCurrentIndex(m.monthIndex);
      go->SpinEditGoDay->SetValue(m.day);
      go->SpinEditGoYear->SetValue(m.year);
      go->EditGoTime->setText(QString::fromUtf8(m.time));
      go->accept();
      return go->result();
    });
    W<QAction>("GoToDate1")->trigger();
    ASSERT_EQ(dialogs.Dialogs.size(), 1u);
  }

  void DoubleClick(int row) {
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, RowRect(List, row).center());
  }

  TListBox* List = nullptr;
  QListView* Level3List = nullptr;
  QLabel* Label = nullptr;
};

TEST_F(GoToDate, SelectsTheSubPeriodAndMarksEveryLevel) {
  const struct {
    const char* name;
    const char* at;       // the moment gone to; nullptr: the listing by the clock
    const char* main;     // the row selected, the rows in force
    const char* level34;  // the level 3 and 4 lines in force, each ended by "|"
    const char* label;
  } cases[] = {
      {"the listing by the window's clock", nullptr, "row -1, in force 3 4", "",
       "On 6/1/2001: Aries general (10th from Fortune: the peak), Taurus sub, Gemini L3, Capricorn "
       "L4 (7th from Fortune: angular) \u2014 ruled by Mars, Venus, Mercury and Saturn, next: "
       "Cancer L3 on "
       "6/4/2001, at 1"},
      {"half a day after the birth", "2000-01-02 00:00", "row 3, in force 3",
       "Aries L3 begins 1/1/2000, 12:00 pm|     Aries L4 begins 1/1/2000, 12:00 pm|",
       "On 1/2/2000: Aries general (10th from Fortune: the peak), Aries sub (10th from Fortune: "
       "the peak), Aries L3 "
       "(10th from Fortune: the peak), Aries L4 (10th from Fortune: the peak) \u2014 ruled by "
       "Mars, Mars, Mars and "
       "Mars, next: Taurus L4 on 1/4/2000, at 0"},
      {"the Taurus sub period, after the 13th level 4 period", "2001-06-01 12:00",
       "row 4, in force 3 4",
       "Gemini L3 begins 4/15/2001, 12:00 pm|     Capricorn L4 begins 5/31/2001, 11:00 pm|",
       "On 6/1/2001: Aries general (10th from Fortune: the peak), Taurus sub, Gemini L3, Capricorn "
       "L4 (7th from Fortune: angular) \u2014 ruled by Mars, Venus, Mercury and Saturn, next: "
       "Cancer L3 on "
       "6/4/2001, at 1"},
      {"the Taurus general period", "2015-01-01 6:00", "row 14, in force 14",
       "Cancer L3 begins 12/23/2014, 12:00 pm|     Leo L4 begins 12/28/2014, 05:00 pm|",
       "On 1/1/2015: Taurus general, Taurus sub, Cancer L3 (1st from Fortune: angular), Leo L4 "
       "\u2014 ruled "
       "by "
       "Venus, Venus, Moon and Sun, next: Virgo L4 on 1/1/2015, at 15"},
      {"before the birth", "1999-12-31 12:00", "row -1, in force", "",
       "On 12/31/1999: before the first period, next: Aries general on 1/1/2000, at 0"},
      {"after the last listed period", "2030-01-01 12:00", "row -1, in force", "",
       "On 1/1/2030: after the last listed general period: list more general periods"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ListWorkedExample(kJune2001);
    if (c.at) {
      const QStringList at = QString(c.at).split(' ');
      const QDate day = QDate::fromString(at[0], Qt::ISODate);
      GoTo({day.year(), day.month() - 1, day.day(), qPrintable(at[1])});
    }
    std::string main = "row " + std::to_string(List->ItemIndex()) + ", in force", level34;
    for (const int row : InForceRows(List)) main += " " + std::to_string(row);
    for (const int row : InForceRows(Level3List))
      level34 += RowText(Level3List, row).toStdString() + "|";
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(level34, c.level34);
    EXPECT_EQ(Level3->isVisible(), *c.level34 != '\0');
    EXPECT_EQ(Label->text().toStdString(), c.label);
    if (*c.level34 == '\0') continue;
    EXPECT_LT(RowRect(Level3List, InForceRows(Level3List).back()).top(),
              Level3List->viewport()->height())
        << "the level 4 line is scrolled into view";
  }
}

// The date of a data line as the American style writes it (a Julian
// calendar date may be no Gregorian one, so no QDate).
Moment LineDate(const QString& text, const char* time) {
  static const QRegularExpression date(QStringLiteral("(\\d+)/(\\d+)/(-?\\d+)$"));
  const QRegularExpressionMatch m = date.match(text);
  EXPECT_TRUE(m.hasMatch()) << text.toStdString();
  return {m.captured(3).toInt(), m.captured(1).toInt() - 1, m.captured(2).toInt(), time};
}

TEST_F(GoToDate, TheDateOfEveryLineSelectsThatLineInEitherCalendar) {
  // A line's date is the day its period begins, at the birth time of day:
  // that moment selects the line, the day before the line above it.  The
  // dates are the listing's own, Julian before the reform.
  for (const int birthYear : {2000, 1500, -100}) {
    ListWorkedExample(kJune2001);
    W<TSpinEdit>("SpinEditYear")->SetValue(birthYear);
    W<QAction>("ClearList1")->trigger();
    W<QAction>("ListOstrane1")->trigger();
    for (int row = 4; row < RowCount(List); ++row) {
      GoTo(LineDate(RowText(List, row), "12:00"));
      EXPECT_EQ(List->ItemIndex(), row) << birthYear << ", row " << row;
      GoTo(LineDate(RowText(List, row), "11:59:59"));
      EXPECT_EQ(List->ItemIndex(), row - 1) << birthYear << ", row " << row << ", the day before";
    }
  }
}

TEST_F(GoToDate, TheLineUnderTheListFollowsTheSettings) {
  ListWorkedExample(kJune2001);
  // The places follow the Fortune field and the angle choice.
  SetFortuneSign(*W<QComboBox>("ComboBoxFortune"), -1);
  EXPECT_EQ(Label->text().toStdString(),
            "On 6/1/2001: Aries general, Taurus sub, Gemini L3, Capricorn L4 \u2014 ruled by Mars, "
            "Venus, "
            "Mercury and Saturn, next: Cancer L3 on 6/4/2001, at 1");
  W<QAction>("AnglesFromStartSign1")->trigger();
  EXPECT_EQ(Label->text().toStdString(),
            "On 6/1/2001: Aries general (1st from the start sign: angular), Taurus sub, Gemini L3, "
            "Capricorn L4 (10th from the start sign: the peak) \u2014 ruled by Mars, Venus, "
            "Mercury and Saturn, "
            "next: Cancer L3 on 6/4/2001, at 1");

  // A double click on the line in force marks its level 3 and 4 periods.
  DoubleClick(4);
  EXPECT_EQ(InForceRows(Level3List).size(), 2u);
  DoubleClick(5);
  EXPECT_TRUE(InForceRows(Level3List).empty()) << "a sub period not in force";

  // Another date style lists again, with the line of the clock's moment.
  Form->SetClock([] { return QDateTime(QDate(2014, 10, 14), QTime(12, 0)); });
  W<TRadioGroup>("RGDateStyle")->SetItemIndex(0);
  EXPECT_EQ(Label->text().toStdString(),
            "On 14/10/2014: Taurus general, Taurus sub, Taurus L3, Taurus L4 \u2014 ruled by "
            "Venus, Venus, "
            "Venus and Venus, next: Gemini L4 on 16/10/2014, at 14");
  EXPECT_EQ(InForceRows(List), std::vector<int>{14});

  W<QAction>("ClearList1")->trigger();
  EXPECT_TRUE(Label->text().isEmpty()) << "after Clear List";
  W<QLineEdit>("EditTime")->setText("noon");
  DialogInterceptor boxes;
  W<QPushButton>("BtnCalculateOstrane")->click();
  ASSERT_EQ(boxes.Dialogs.size(), 1u);
  EXPECT_TRUE(Label->text().isEmpty()) << "after a listing that failed";
}

TEST_F(GoToDate, TheSubPeriodInForceComesIntoViewAfterAListing) {
  CreateWindows();
  ShowMainWindow();
  Form->SetClock([] { return QDateTime(QDate(2150, 1, 1), QTime(12, 0)); });
  EnterWorkedExample();
  W<TSpinEdit>("SpinEditNumMajPeriods")->SetValue(20);
  W<QPushButton>("BtnCalculateOstrane")->click();
  List = W<TListBox>("ListBoxOstrane");
  const std::vector<int> rows = InForceRows(List);
  ASSERT_FALSE(rows.empty());
  ASSERT_GT(rows.back(), 100) << "far down the listing";
  // The line's beginning: the line runs on past the view to its end and age.
  const QRect shown = RowRect(List, rows.back());
  EXPECT_TRUE(List->viewport()->rect().contains(QPoint(shown.left() + 1, shown.center().y())))
      << "row " << rows.back() << " is in view";
  EXPECT_EQ(List->ItemIndex(), -1) << "and not selected";
}

TEST_F(GoToDate, TheDialogStartsAtTheClockAndKeepsATimeThatIsNone) {
  ListWorkedExample(QDateTime(QDate(2001, 6, 1), QTime(14, 5, 9)));
  List->SetItemIndex(5);
  QString error;
  DialogInterceptor dialogs([&](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      error = box->text();
      return dialog.result();
    }
    auto* go = dynamic_cast<TGoToDateDialog*>(&dialog);
    if (go == nullptr) return dialog.result();
    EXPECT_EQ(go->ComboBoxGoMonth->currentText().toStdString(), "June");
    EXPECT_EQ(go->SpinEditGoDay->Value(), 1);
    EXPECT_EQ(go->SpinEditGoYear->Value(), 2001);
    EXPECT_EQ(go->EditGoTime->text().toStdString(), "14:05:09");
    go->EditGoTime->setText("25:00");
    go->accept();
    EXPECT_TRUE(go->isVisible() || go->result() != QDialog::Accepted) << "the dialog stays";
    return go->result();
  });
  W<QAction>("GoToDate1")->trigger();
  ASSERT_EQ(dialogs.Dialogs.size(), 2u) << "Go to Date and the error box";
  EXPECT_EQ(error.toStdString(), "'25:00' is not a valid time.");
  EXPECT_EQ(List->ItemIndex(), 5) << "nothing gone to";
  EXPECT_FALSE(Level3->isVisible());
}

}  // namespace
}  // namespace ostrane::uitest
