// The chart library: the migration from version 1, adding all or nothing,
// the search, the files it refuses untouched, and what survives a killed
// writer, a second writer and a full disk.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "storage/ChartLibrary.h"
#include "storage/ChartLibrarySchema.h"
#include "tests/support/TestFiles.h"

using namespace ostrane;
using namespace ostrane::testing;

namespace {

class CoreEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    FApplication = std::make_unique<QCoreApplication>(FArgc, FArgv);
  }
  void TearDown() override { FApplication.reset(); }

 private:
  int FArgc = 1;
  char FName[16] = "storage-tests";
  char* FArgv[2] = {FName, nullptr};
  std::unique_ptr<QCoreApplication> FApplication;
};
::testing::Environment* const kCoreEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreEnvironment);

TChartRecord Chart(const std::string& name, int year = 1970, const std::string& place = "") {
  TChartRecord r;
  r.Settings.Name = name;
  r.Settings.Year = year;
  r.Settings.MonthIndex = 4;
  r.Settings.Day = 17;
  r.Settings.TimeText = "06:30";
  r.Settings.Place.Name = place;
  if (!place.empty()) {
    r.Settings.Place.Latitude = 48.8566;
    r.Settings.Place.Longitude = 2.3522;
    r.Settings.Place.TimeZone = "Europe/Paris";
  }
  return r;
}

std::set<std::string> Names(const std::vector<TLibraryChart>& charts) {
  std::set<std::string> names;
  for (const auto& c : charts) names.insert(c.Record.Settings.Name);
  return names;
}

std::set<std::string> Stored(const std::string& path) {
  TChartLibrary library(path, false);
  EXPECT_TRUE(library.Open()) << library.Error().Message;
  std::vector<TLibraryChart> charts;
  EXPECT_TRUE(library.List(charts).Ok);
  return Names(charts);
}

// A plain SQLite connection of the test's own, beside the library's.
class RawDb {
 public:
  explicit RawDb(const std::string& path) : FName(QString("raw-%1").arg(++FCount)) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", FName);
    db.setDatabaseName(QString::fromStdString(path));
    EXPECT_TRUE(db.open());
  }
  ~RawDb() {
    QSqlDatabase::database(FName, false).close();
    QSqlDatabase::removeDatabase(FName);
  }
  void Exec(const QString& statement) {
    QSqlQuery q(QSqlDatabase::database(FName, false));
    EXPECT_TRUE(q.exec(statement))
        << statement.toStdString() << ": " << q.lastError().text().toStdString();
  }
  QVariant Value(const QString& statement) {
    QSqlQuery q(QSqlDatabase::database(FName, false));
    EXPECT_TRUE(q.exec(statement) && q.next()) << statement.toStdString();
    return q.value(0);
  }

 private:
  QString FName;
  static inline int FCount = 0;
};

TEST(ChartLibrary, MigratesVersion1AndKeepsEveryChart) {
  TempDir dir;
  const std::string path = dir.Path("charts.sqlite");
  {
    RawDb v1(path);
    for (const QString& statement : LibrarySchema(1)) v1.Exec(statement);
    v1.Exec("INSERT INTO ostrane_library (version) VALUES (1)");
    v1.Exec(QString("INSERT INTO charts (id, %1, tags) VALUES (7, 'Ann', 4, 17, 1970, '06:30', "
                    "'Paris', 48.8566, 2.3522, 'Europe/Paris', NULL, 1, 0, 2, 1, 1, 'spirit', 3, "
                    "0, 12, 0, 0, 0, 5, 1, ' client ,, 1970s, client')")
                .arg(kChartColumns));
    v1.Exec(QString("INSERT INTO charts (id, %1) VALUES (9, 'Bo', 0, 1, -44, '12:00', '', NULL, "
                    "NULL, '', 3600, 0, 0, 0, 0, 0, '', 0, 2, 6, 1, 1, 1, -1, 0)")
                .arg(kChartColumns));
  }
  const qint64 before = QDateTime::currentMSecsSinceEpoch();
  {
    TChartLibrary library(path);
    ASSERT_TRUE(library.Open()) << library.Error().Message;
    std::vector<TLibraryChart> charts;
    ASSERT_TRUE(library.List(charts).Ok);
    ASSERT_EQ(charts.size(), 2u);
    const TLibraryChart& ann = charts[0];
    EXPECT_EQ(ann.Id, 7);
    EXPECT_EQ(ann.Record.Tags, (std::vector<std::string>{"client", "1970s"}));
    EXPECT_EQ(ann.Record.Note, "");
    EXPECT_GE(ann.Added, before);
    EXPECT_EQ(ann.Added, ann.Changed);
    const ReleaseSettings& s = ann.Record.Settings;
    EXPECT_EQ(s.Place.Name, "Paris");
    EXPECT_EQ(s.Place.Latitude, 48.8566);
    EXPECT_FALSE(s.Place.UtcOffsetSeconds);
    EXPECT_EQ(s.Place.Dst, TDstChoice::Earlier);
    EXPECT_EQ(s.Place.Variants.Zodiac, TZodiac::Lahiri);
    EXPECT_EQ(s.Place.Variants.SectHorizon, TSectHorizon::Visible);
    EXPECT_EQ(ann.Record.ReleaseFrom, "spirit");
    EXPECT_EQ(s.StartSign, 3);
    EXPECT_EQ(s.ReleasingType, TReleasingType::Modern);
    EXPECT_EQ(s.GeneralPeriods, 12);
    EXPECT_EQ(s.FortuneSign, 5);
    EXPECT_EQ(s.AnglesFrom, TAnglesFrom::StartSign);
    EXPECT_EQ(charts[1].Id, 9);
    EXPECT_EQ(charts[1].Record.Settings.Year, -44);
    EXPECT_EQ(charts[1].Record.Settings.Place.UtcOffsetSeconds, 3600);
    EXPECT_TRUE(charts[1].Record.Tags.empty());
    // The migrated library takes new charts after the old ids.
    const TLibraryAddResult added = library.Add({Chart("Cy")});
    ASSERT_TRUE(added.Status.Ok) << added.Status.Message;
    EXPECT_EQ(added.Added, (std::vector<std::int64_t>{10}));
  }
  RawDb v2(path);
  EXPECT_EQ(v2.Value("SELECT version FROM ostrane_library").toInt(), 2);
  EXPECT_EQ(v2.Value("SELECT count(*) FROM chart_tags").toInt(), 2);
  EXPECT_EQ(v2.Value("PRAGMA journal_mode").toString(), "wal");
}

// Duplicates are skipped, of the stored and within the records given; a
// change that fails (the disk full halfway) leaves nothing of it.
TEST(ChartLibrary, AddsAllOrNothingAndSkipsDuplicates) {
  TempDir dir;
  const std::string path = dir.Path("charts.sqlite");
  TChartLibrary library(path);
  ASSERT_TRUE(library.Open()) << library.Error().Message;
  ASSERT_TRUE(library.Add({Chart("Ann", 1970, "Paris")}).Status.Ok);

  TChartRecord annAgain = Chart("Ann", 1970, "Paris");
  annAgain.Tags = {"other tags"};  // tags, note and settings do not count
  annAgain.Settings.GeneralPeriods = 20;
  TChartRecord annElsewhere = Chart("Ann", 1970, "Lyon");
  const TLibraryAddResult r =
      library.Add({Chart("Bo"), annAgain, annElsewhere, Chart("Bo"), Chart("Bo", 1971)});
  ASSERT_TRUE(r.Status.Ok) << r.Status.Message;
  EXPECT_EQ(r.Added.size(), 3u);
  EXPECT_EQ(r.Duplicates, (std::vector<std::size_t>{1, 3}));

  // The disk "full" after one more page: the first records of the batch
  // fit, a later one does not, and none of them stays.
  std::vector<TLibraryChart> before, after;
  ASSERT_TRUE(library.List(before).Ok);
  // A row refused after others of the batch were written (a statement
  // error, which leaves SQLite's transaction open).
  RawDb(path).Exec(
      "CREATE TRIGGER refuse BEFORE INSERT ON charts WHEN NEW.name = 'Bad' BEGIN SELECT "
      "RAISE(ABORT, 'refused'); END");
  const TLibraryAddResult bad = library.Add({Chart("Cy"), Chart("Di"), Chart("Bad")});
  EXPECT_FALSE(bad.Status.Ok);
  EXPECT_NE(bad.Status.Message.find("refused"), std::string::npos) << bad.Status.Message;
  EXPECT_TRUE(bad.Added.empty());
  ASSERT_TRUE(library.List(after).Ok);
  EXPECT_EQ(Names(after), Names(before));
  {
    QSqlQuery q(QSqlDatabase::database(QString::fromStdString(library.ConnectionName()), false));
    ASSERT_TRUE(q.exec("PRAGMA page_count") && q.next());
    const int pages = q.value(0).toInt();
    ASSERT_TRUE(q.exec(QString("PRAGMA max_page_count = %1").arg(pages + 1)));
  }
  std::vector<TChartRecord> many;
  for (int i = 0; i < 20; ++i) {
    many.push_back(Chart("Full " + std::to_string(i)));
    many.back().Note = std::string(1500, 'n');
  }
  const TLibraryAddResult full = library.Add(many);
  EXPECT_FALSE(full.Status.Ok);
  EXPECT_NE(full.Status.Message.find("the disk is full"), std::string::npos) << full.Status.Message;
  EXPECT_TRUE(full.Added.empty());
  ASSERT_TRUE(library.List(after).Ok);
  EXPECT_EQ(Names(after), Names(before));
  EXPECT_EQ(after.size(), 4u);
  // An update that does not fit is refused whole as well.
  TChartRecord bigger = before[0].Record;
  bigger.Note = std::string(20000, 'x');
  bigger.Tags = {"a", "b"};
  EXPECT_FALSE(library.Update(before[0].Id, bigger).Ok);
  std::optional<TLibraryChart> same;
  ASSERT_TRUE(library.Get(before[0].Id, same).Ok && same);
  EXPECT_EQ(same->Record.Note, before[0].Record.Note);
  EXPECT_EQ(same->Record.Tags, before[0].Record.Tags);
}

TEST(ChartLibrary, SearchesNamePlaceTagsAndNoteInAnyCase) {
  TempDir dir;
  TChartLibrary library(dir.Path("charts.sqlite"));
  ASSERT_TRUE(library.Open()) << library.Error().Message;
  TChartRecord muller = Chart("Jürgen MÜLLER", 1960, "Köln");
  muller.Tags = {"Family"};
  TChartRecord ann = Chart("Ann", 1970, "Paris");
  ann.Note = "Consultation in May;\nfollow-up about the Peak";
  TChartRecord bo = Chart("Bo");
  bo.Tags = {"client", "1970s"};
  ASSERT_TRUE(library.Add({muller, ann, bo}).Status.Ok);
  ASSERT_TRUE(
      library.SetTagsAndNote(library.Add({Chart("Cy")}).Added.at(0), {" vip ", ""}, "ANN's friend")
          .Ok);
  const struct {
    const char* text;
    std::set<std::string> names;
  } cases[] = {
      {"müller", {"Jürgen MÜLLER"}},
      {"KÖLN", {"Jürgen MÜLLER"}},
      {"paris", {"Ann"}},
      {"ann", {"Ann", "Cy"}},  // Cy's note
      {"the peak", {"Ann"}},
      {"family", {"Jürgen MÜLLER"}},
      {"70s", {"Bo"}},
      {"VIP", {"Cy"}},
      {"", {"Jürgen MÜLLER", "Ann", "Bo", "Cy"}},
      {"nobody", {}},
  };
  for (const auto& c : cases) {
    std::vector<TLibraryChart> found;
    ASSERT_TRUE(library.Search(c.text, found).Ok);
    EXPECT_EQ(Names(found), c.names) << "search '" << c.text << "'";
  }
}

// A file the library does not own, cannot read or is too new for it is
// refused with a message and left byte for byte.
TEST(ChartLibrary, RefusesForeignNewerAndDamagedFilesUntouched) {
  TempDir dir;
  const auto makeOurs = [](const std::string& path, int charts) {
    TChartLibrary library(path);
    std::vector<TChartRecord> records;
    for (int i = 0; i < charts; ++i) {
      records.push_back(Chart("Chart " + std::to_string(i), 1900 + i));
      records.back().Note = std::string(300, 'n');
    }
    EXPECT_TRUE(library.Add(records).Status.Ok);
  };
  const struct {
    const char* what;
    std::function<void(const std::string&)> make;
    const char* message;
  } cases[] = {
      {"another program's database",
       [](const std::string& p) {
         RawDb db(p);
         db.Exec("CREATE TABLE people (name TEXT)");
         db.Exec("INSERT INTO people VALUES ('x')");
       },
       "holds another program's tables"},
      {"ours with a table of another's",
       [&](const std::string& p) {
         makeOurs(p, 1);
         RawDb(p).Exec("CREATE TABLE extra (x)");
       },
       "its tables are not a chart library's"},
      {"a newer version",
       [&](const std::string& p) {
         makeOurs(p, 1);
         RawDb(p).Exec("UPDATE ostrane_library SET version = 3");
       },
       "newer version of Ostrane (library version 3"},
      {"damaged pages",
       [&](const std::string& p) {
         makeOurs(p, 60);
         std::string bytes = ReadBytes(p);
         ASSERT_GT(bytes.size(), 8u * 4096);
         for (std::size_t i = 2 * 4096; i < bytes.size() - 4096; ++i) bytes[i] = '\x55';
         WriteBytes(p, bytes);
       },
       "is damaged"},
      {"not a database", [](const std::string& p) { WriteBytes(p, "name,date\nAnn,1970-05-17\n"); },
       "not a database"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = dir.Path(std::string(c.what) + ".sqlite");
    c.make(path);
    const std::string bytes = ReadBytes(path);
    {
      TChartLibrary library(path);
      EXPECT_FALSE(library.Open());
      EXPECT_NE(library.Error().Message.find(c.message), std::string::npos)
          << library.Error().Message;
      std::vector<TLibraryChart> charts;
      EXPECT_FALSE(library.List(charts).Ok);
      EXPECT_FALSE(library.Add({Chart("New")}).Status.Ok);
    }
    EXPECT_EQ(ReadBytes(path), bytes);
  }
  TChartLibrary missing(dir.Path("none.sqlite"), false);
  EXPECT_FALSE(missing.Open());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.Path("none.sqlite"))));
}

// A writer killed at any moment (here: at a random point of a loop of
// single-chart commits) leaves a sound library holding every chart whose
// commit returned.
TEST(ChartLibrary, KilledWriterLosesNoCommittedChart) {
  TempDir dir;
  const std::string path = dir.Path("charts.sqlite");
  { ASSERT_TRUE(TChartLibrary(path).Open()); }
  std::srand(12345);
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeEnds[0]);
      TChartLibrary library(path);
      for (int i = 0; library.Open(); ++i) {
        TChartRecord r = Chart("Round " + std::to_string(round) + " chart " + std::to_string(i));
        r.Tags = {"t" + std::to_string(i)};
        r.Note = std::string(static_cast<std::size_t>(i % 7) * 500, 'n');
        if (!library.Add({r}).Status.Ok) break;
        const std::int32_t committed = i;
        if (write(pipeEnds[1], &committed, sizeof committed) != sizeof committed) break;
      }
      _exit(1);
    }
    close(pipeEnds[1]);
    std::int32_t last = -1, value = 0;
    const int killAfter = 3 + std::rand() % 20;
    while (last < killAfter && read(pipeEnds[0], &value, sizeof value) == sizeof value)
      last = value;
    std::this_thread::sleep_for(std::chrono::microseconds(std::rand() % 3000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    while (read(pipeEnds[0], &value, sizeof value) == sizeof value) last = value;
    close(pipeEnds[0]);
    ASSERT_GE(last, killAfter);

    const std::set<std::string> stored = Stored(path);  // opens: passes quick_check
    for (int i = 0; i <= last; ++i)
      EXPECT_TRUE(stored.count("Round " + std::to_string(round) + " chart " + std::to_string(i)))
          << "chart " << i << " of " << last << " committed";
  }
}

// A second writer waits for the first; past its timeout it is told the
// library is busy and nothing of its change is made.
TEST(ChartLibrary, SecondWriterWaitsOrIsToldBusy) {
  TempDir dir;
  const std::string path = dir.Path("charts.sqlite");
  { ASSERT_TRUE(TChartLibrary(path).Open()); }
  // Another program holds the write lock for `holdMs` while adding a chart.
  const auto holdLock = [&](int holdMs, int ready[2]) {
    const pid_t child = fork();
    if (child == 0) {
      close(ready[0]);
      {
        RawDb other(path);
        other.Exec("BEGIN IMMEDIATE");
        other.Exec(QString("INSERT INTO charts (%1, note, added, changed) VALUES ('Other', 0, "
                           "1, 2000, '12:00', '', NULL, NULL, '', NULL, 0, 0, 0, 0, 0, '', 0, 2, "
                           "6, 1, 1, 1, -1, 0, '', 0, 0)")
                       .arg(kChartColumns));
        const char byte = 1;
        if (write(ready[1], &byte, 1) != 1) _exit(2);
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        other.Exec("COMMIT");
      }
      _exit(0);
    }
    close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    return child;
  };
  int ready[2];
  {
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = holdLock(400, ready);
    TChartLibrary library(path, true, 5000);
    ASSERT_TRUE(library.Open()) << library.Error().Message;
    const auto start = std::chrono::steady_clock::now();
    const TLibraryAddResult r = library.Add({Chart("Waited")});
    EXPECT_TRUE(r.Status.Ok) << r.Status.Message;
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    waitpid(child, nullptr, 0);
  }
  {
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = holdLock(1500, ready);
    TChartLibrary library(path, true, 200);
    ASSERT_TRUE(library.Open()) << library.Error().Message;
    const TLibraryAddResult r = library.Add({Chart("Refused")});
    EXPECT_FALSE(r.Status.Ok);
    EXPECT_TRUE(r.Status.Busy);
    EXPECT_EQ(r.Status.Message, kLibraryBusyMessage);
    EXPECT_TRUE(r.Added.empty());
    waitpid(child, nullptr, 0);
  }
  EXPECT_EQ(Stored(path), (std::set<std::string>{"Other", "Waited"}));
}

}  // namespace
