// File > "Export Calendar ...": enabled while a listing is shown; its dialog
// proposes levels 1 and 2 over the whole listing and refuses what cannot be
// exported; the file (read back with libical) holds the chosen periods.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <optional>

#include "tests/support/CalendarTestSupport.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FileTestSupport.h"
#include "ui/dialogs/CalendarExportDialog.h"

namespace ostrane::uitest {
namespace {

// The answers of one export, and what the calendar dialog proposed.
struct Answers {
  QString Levels, From, To;  // a check per level; dates left as proposed when empty
  QString File;
  QString Proposed;  // "checks from to"
  QStringList Errors;
  // The other choices: from today, "Begins" events, the reminder's days
  // and the lot released from (left as proposed when empty).
  bool FromToday = false;
  bool Begins = false;
  int RemindDays = 0;
  QString Lot = {};
  QString ProposedLots = {};  // the lots offered, joined by spaces
};

int Answer(QDialog& dialog, Answers& a) {
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
    a.Errors << box->text();
    box->reject();
    return box->result();
  }
  if (dialog.objectName() != "CalendarExportDialog")
    return ConfirmFileDialog(dialog, a.File, QMessageBox::Yes);
  QString checks;
  for (int i = 0; i < 3; ++i) {
    auto* box = Find<QCheckBox>(&dialog, ("CalendarLevel" + std::to_string(i + 1)).c_str());
    checks += box->isChecked() ? "1" : "0";
    box->setChecked(a.Levels[i] == '1');
  }
  auto* from = Find<QLineEdit>(&dialog, "CalendarFrom");
  auto* to = Find<QLineEdit>(&dialog, "CalendarTo");
  a.Proposed = checks + " " + from->text() + " " + to->text();
  if (!a.From.isEmpty()) from->setText(a.From);
  if (!a.To.isEmpty()) to->setText(a.To);
  Find<QCheckBox>(&dialog, "CalendarFromToday")->setChecked(a.FromToday);
  EXPECT_EQ(from->isEnabled(), !a.FromToday);
  Find<QComboBox>(&dialog, "CalendarEvents")->setCurrentText(a.Begins ? "Begins" : "Spans");
  Find<QSpinBox>(&dialog, "CalendarRemind")->setValue(a.RemindDays);
  auto* lots = Find<QComboBox>(&dialog, "CalendarReleasedFrom");
  for (int i = 0; i < lots->count(); ++i) a.ProposedLots += (i ? " " : "") + lots->itemText(i);
  if (!a.Lot.isEmpty()) lots->setCurrentText(a.Lot);
  dialog.accept();  // stays open on a refused choice
  if (dialog.result() != QDialog::Accepted) dialog.reject();
  return dialog.result();
}

class CalendarExportWindow : public WindowTest {
 public:
  void SetUp() override {
    WindowTest::SetUp();
    CreateWindows();
    EnterWorkedExample();
    W<QComboBox>("ComboBoxFortune")->setCurrentIndex(1 + 3);  // Cancer
    W<QPushButton>("BtnCalculateOstrane")->click();
  }
  void Export(Answers& a) {
    const DialogInterceptor dialogs([&a](QDialog& d) { return Answer(d, a); });
    W<QAction>("ExportCalendar1")->trigger();
  }
};

TEST_F(CalendarExportWindow, WritesTheChosenPeriods) {
  const struct {
    const char *checks, *from, *to;
    TCalendarLevels levels;
    double fromDay, toDay;  // 0: the whole listing
  } cases[] = {
      {"110", "", "", kDefaultCalendarLevels, 0, 0},
      {"011", "2003-07-14", "2003-08-01T06:00", CalendarLevel(2) | CalendarLevel(3), 2452834.5,
       2452852.75},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.checks);
    Answers a{c.checks, c.from, c.to, Directory->filePath("worked"), {}, {}};  // .ics added
    Export(a);
    EXPECT_TRUE(a.Errors.isEmpty()) << a.Errors.join(' ').toStdString();
    EXPECT_EQ(a.Proposed.toStdString(), "110 2000-01-01T12:00:00 2022-09-02T12:00:00");
    TCalendarRequest expected = ostrane::testing::WorkedExample();
    expected.Levels = c.levels;
    if (c.fromDay != 0) {
      expected.From = c.fromDay;
      expected.To = c.toDay;
    }
    const auto read =
        ostrane::testing::ParseCalendar(ReadBytes(Directory->filePath("worked.ics")).toStdString());
    ostrane::testing::ExpectEventsArePeriods(read, expected);
    EXPECT_EQ(W<QStatusBar>("StatusBar1")->currentMessage().toStdString(),
              "Calendar saved: " + std::to_string(read.Events.size()) + " periods in worked.ics");
  }
  EXPECT_TRUE(W<QAction>("ExportCalendar1")->isEnabled());
  W<QPushButton>("BtnClearList")->click();
  EXPECT_FALSE(W<QAction>("ExportCalendar1")->isEnabled()) << "only while a listing is shown";
}

TEST_F(CalendarExportWindow, TheOtherChoicesReachTheFile) {
  Answers a{"110", "", "", Directory->filePath("worked.ics"), {}, {}};
  a.Begins = true;
  a.RemindDays = 7;
  a.Lot = "Spirit";
  Export(a);
  EXPECT_TRUE(a.Errors.isEmpty()) << a.Errors.join(' ').toStdString();
  // Without a place no chart tells which lots lie in the start sign.
  EXPECT_EQ(a.ProposedLots.toStdString(),
            "Start sign Fortune Spirit Eros Necessity Courage Victory Nemesis");
  const auto read =
      ostrane::testing::ParseCalendar(ReadBytes(Directory->filePath("worked.ics")).toStdString());
  ASSERT_EQ(read.Events.size(), 19u);
  for (const auto& e : read.Events) {
    EXPECT_TRUE(e.AllDay) << e.Summary;
    EXPECT_EQ(e.Alarms, std::vector<std::string>{"DISPLAY -P7D"}) << e.Summary;
  }
  EXPECT_EQ(read.Events[0].Summary, "Time Lords \u00B7 Spirit \u00B7 L1 Aries");

  // From today: the listing ended in 2022, so nothing is left to write.
  a = Answers{"110", "", "", Directory->filePath("today.ics"), {}, {}};
  a.FromToday = true;
  Export(a);
  ASSERT_EQ(a.Errors.size(), 1);
  EXPECT_TRUE(a.Errors[0].contains("no period of the levels 1 and 2 lies in the chosen range"))
      << a.Errors[0].toStdString();
}

TEST_F(CalendarExportWindow, RefusalsAndFailuresSayWhy) {
  const QString path = Directory->filePath("old.ics");
  const QByteArray old = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const struct {
    const char *levels, *from, *to;
    bool limitSize;
    QString error;
  } cases[] = {
      {"000", "", "", false, "Choose at least one level."},
      {"110", "2000-02-30", "", false, "'2000-02-30' is not a date for From: "},
      {"110", "2010-01-01", "2009-12-31", false,
       "The end of the range must be later than its start."},
      {"110", "", "", true, "Cannot save '" + path + "': File too large."},
      {"110", "1990-01-01", "1999-01-01", false,
       "Cannot save '" + path + "': no period of the levels 1 and 2 lies in the chosen range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error.toStdString());
    WriteBytes(path, old);
    Answers a{c.levels, c.from, c.to, path, {}, {}};
    {
      std::optional<ostrane::testing::FileSizeLimit> limit;
      if (c.limitSize) limit.emplace(512);
      Export(a);
    }
    ASSERT_EQ(a.Errors.size(), 1);
    EXPECT_TRUE(a.Errors[0].startsWith(c.error)) << a.Errors[0].toStdString();
    EXPECT_EQ(ReadBytes(path), old);
  }
}

}  // namespace
}  // namespace ostrane::uitest
