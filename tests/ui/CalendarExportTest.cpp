// File > "Export Calendar ...": enabled while a listing is shown; its dialog
// proposes the levels 1 and 2 and the whole listing, refuses what cannot be
// exported, and the file it writes (read back with libical) holds the
// chosen periods of the listing in the window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <optional>

#include "CalendarExportDialog.h"
#include "CalendarTestSupport.h"
#include "FileSizeLimit.h"
#include "FileTestSupport.h"
#include "PeriodSpans.h"

namespace ostrane::uitest {
namespace {

using ostrane::testing::FileSizeLimit;
using ostrane::testing::ParseCalendar;
using ostrane::testing::ReadCalendar;
using ostrane::testing::WorkedExample;

// The answers of one export: the choices typed into the calendar dialog and
// the file name given to the save dialog.
struct Answers {
  bool Levels[3] = {true, true, false};
  QString From, To;  // left as proposed when empty
  QString File;
  // What the calendar dialog proposed.
  bool Proposed[3] = {};
  QString ProposedFrom, ProposedTo;
  int ErrorBoxes = 0;
  QString LastError;
};

int Answer(QDialog& dialog, Answers& a) {
  if (auto* choice = qobject_cast<TCalendarExportDialog*>(&dialog)) {
    EXPECT_EQ(choice->objectName(), "CalendarExportDialog");
    for (int i = 0; i < 3; ++i) {
      auto* box = Find<QCheckBox>(choice, ("CalendarLevel" + std::to_string(i + 1)).c_str());
      a.Proposed[i] = box->isChecked();
      box->setChecked(a.Levels[i]);
    }
    auto* from = Find<QLineEdit>(choice, "CalendarFrom");
    auto* to = Find<QLineEdit>(choice, "CalendarTo");
    a.ProposedFrom = from->text();
    a.ProposedTo = to->text();
    if (!a.From.isEmpty()) from->setText(a.From);
    if (!a.To.isEmpty()) to->setText(a.To);
    choice->setResult(QDialog::Rejected);
    choice->accept();  // stays open on a refused choice
    if (choice->result() != QDialog::Accepted) choice->reject();
    return choice->result();
  }
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
    ++a.ErrorBoxes;
    a.LastError = box->text();
    box->reject();
    return box->result();
  }
  EXPECT_EQ(dialog.objectName(), "CalendarSaveDialog");
  return ConfirmFileDialog(dialog, a.File, QMessageBox::Yes);
}

class CalendarExport : public WindowTest {
 public:
  // Lists the worked example with Fortune in Cancer.
  void ListWorkedExample() {
    CreateWindows();
    EnterWorkedExample();
    W<QComboBox>("ComboBoxFortune")->setCurrentIndex(1 + 3);
    W<QPushButton>("BtnCalculateOstrane")->click();
  }
  void Export(Answers& a) {
    const DialogInterceptor dialogs([&a](QDialog& d) { return Answer(d, a); });
    W<QAction>("ExportCalendar1")->trigger();
  }
};

TEST_F(CalendarExport, EnabledWhileAListingIsShown) {
  CreateWindows();
  auto* item = W<QAction>("ExportCalendar1");
  EXPECT_EQ(item->text().toStdString(), "Export &Calendar ...");
  EXPECT_FALSE(item->isEnabled()) << "no listing yet";
  EnterWorkedExample();
  W<QPushButton>("BtnCalculateOstrane")->click();
  EXPECT_TRUE(item->isEnabled()) << "after a listing";
  W<QPushButton>("BtnClearList")->click();
  EXPECT_FALSE(item->isEnabled()) << "after Clear List";
}

TEST_F(CalendarExport, WritesTheChosenPeriodsOfTheListing) {
  const struct {
    const char* name;
    bool levels[3];
    const char* from;
    const char* to;
    TCalendarLevels expectedLevels;
    double expectedFrom, expectedTo;  // 0: the whole listing
  } cases[] = {
      {"as proposed", {true, true, false}, "", "", kDefaultCalendarLevels, 0, 0},
      {"level 1", {true, false, false}, "", "", CalendarLevel(1), 0, 0},
      {"all levels in July 2003",
       {true, true, true},
       "2003-07-14",
       "2003-08-01T06:00",
       kAllCalendarLevels,
       2452834.5,
       2452852.75},
  };
  ListWorkedExample();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Answers a;
    std::copy(std::begin(c.levels), std::end(c.levels), std::begin(a.Levels));
    a.From = c.from;
    a.To = c.to;
    a.File = Directory->filePath("worked");  // .ics added
    Export(a);
    EXPECT_EQ(a.ErrorBoxes, 0) << a.LastError.toStdString();
    EXPECT_TRUE(a.Proposed[0] && a.Proposed[1] && !a.Proposed[2]);
    EXPECT_EQ(a.ProposedFrom.toStdString(), "2000-01-01T12:00:00");
    EXPECT_EQ(a.ProposedTo.toStdString(), "2022-09-02T12:00:00") << "the whole listing";

    TCalendarRequest expected = WorkedExample();
    expected.Levels = c.expectedLevels;
    if (c.expectedFrom != 0) {
      expected.From = c.expectedFrom;
      expected.To = c.expectedTo;
    }
    TChronocrator chronocrator;
    std::vector<TPeriodSpan> periods;
    for (const TPeriodSpan& p : PeriodSpans(chronocrator, expected.Settings, expected.Start, 3,
                                            expected.From, expected.To))
      if (c.expectedLevels & CalendarLevel(p.Level)) periods.push_back(p);

    const ReadCalendar read =
        ParseCalendar(ReadBytes(Directory->filePath("worked.ics")).toStdString());
    ASSERT_TRUE(read.Parsed);
    ASSERT_EQ(read.Events.size(), periods.size());
    for (std::size_t i = 0; i < periods.size(); ++i) {
      SCOPED_TRACE(read.Events[i].Summary);
      EXPECT_EQ(read.Events[i].Summary, PeriodSummary(expected.Settings, periods[i]));
      EXPECT_TRUE(read.Events[i].Start == CalendarTime(periods[i].Start));
      EXPECT_EQ(read.Events[i].Uid, PeriodUid(expected, periods[i]))
          << "the same UID as ostrane-list's for the same chart";
    }
    EXPECT_EQ(W<QStatusBar>("StatusBar1")->currentMessage().toStdString(),
              "Calendar saved: " + std::to_string(periods.size()) + " periods in worked.ics");
  }
}

TEST_F(CalendarExport, RefusedChoicesSayWhy) {
  const struct {
    const char* name;
    bool levels[3];
    const char* from;
    const char* to;
    const char* error;
  } cases[] = {
      {"no level", {false, false, false}, "", "", "Choose at least one level."},
      {"a date that does not exist", {true, true, false}, "2000-02-30", "", "'2000-02-30' is not"},
      {"a bad end", {true, true, false}, "", "2022", "'2022' is not a date for To: "},
      {"an end before the start",
       {true, true, false},
       "2010-01-01",
       "2009-12-31T23:59:59",
       "The end of the range must be later than its start."},
  };
  ListWorkedExample();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Answers a;
    std::copy(std::begin(c.levels), std::end(c.levels), std::begin(a.Levels));
    a.From = c.from;
    a.To = c.to;
    a.File = Directory->filePath("refused.ics");
    Export(a);
    EXPECT_EQ(a.ErrorBoxes, 1);
    EXPECT_EQ(a.LastError.toStdString().rfind(c.error, 0), 0u) << a.LastError.toStdString();
    EXPECT_FALSE(QFileInfo::exists(a.File)) << "no save dialog, no file";
  }
}

TEST_F(CalendarExport, AFailedWriteKeepsTheOldFile) {
  ListWorkedExample();
  const QString path = Directory->filePath("old.ics");
  const QByteArray old = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
  const struct {
    const char* name;
    const char* from;
    const char* to;
    bool limitSize;
    std::string error;
  } cases[] = {
      {"the file size limit", "", "", true,
       "Cannot save '" + path.toStdString() + "': File too large."},
      {"no period in the range", "1990-01-01", "1999-01-01", false,
       "Cannot save '" + path.toStdString() +
           "': no period of the levels 1 and 2 lies in the chosen range of dates."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(path, old);
    Answers a;
    a.From = c.from;
    a.To = c.to;
    a.File = path;
    {
      std::optional<FileSizeLimit> limit;
      if (c.limitSize) limit.emplace(512);
      Export(a);
    }
    EXPECT_EQ(a.ErrorBoxes, 1);
    EXPECT_EQ(a.LastError.toStdString(), c.error);
    EXPECT_EQ(ReadBytes(path), old);
  }
}

TEST_F(CalendarExport, ABadBirthTimeIsReported) {
  ListWorkedExample();
  W<QLineEdit>("EditTime")->setText("25:99");
  Answers a;
  Export(a);
  EXPECT_EQ(a.ErrorBoxes, 1) << "the time is read when the export runs";
  EXPECT_TRUE(a.ProposedFrom.isEmpty()) << "no calendar dialog";
}

}  // namespace
}  // namespace ostrane::uitest
