#include "storage/ChartLibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>

#include "storage/ChartLibrarySchema.h"

namespace ostrane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// SQLite's primary result codes that the messages tell apart.
constexpr int kSqliteBusy = 5, kSqliteLocked = 6, kSqliteFull = 13, kSqliteNotADatabase = 26;

int PrimaryCode(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok);
  return ok ? (code & 0xFF) : -1;
}

TLibraryStatus Failure(const QSqlError& error, const char* doing) {
  const int code = PrimaryCode(error);
  if (code == kSqliteBusy || code == kSqliteLocked) return {false, kLibraryBusyMessage, true};
  if (code == kSqliteFull)
    return {false,
            "The chart library could not be written: the disk is full. Nothing was "
            "changed."};
  std::string text = error.databaseText().toStdString();
  if (text.empty()) text = error.text().toStdString();
  return {false, std::string("The chart library could not be ") + doing + ": " + text + "."};
}

// A transaction that takes the write lock at once (so that a second writer
// waits at its start, not halfway) and is rolled back unless committed.
class TTransaction {
 public:
  explicit TTransaction(QSqlDatabase& db) : FDb(db) {}
  ~TTransaction() {
    if (FBegun) QSqlQuery(FDb).exec("ROLLBACK");
  }
  std::optional<QSqlError> Begin() { return Exec("BEGIN IMMEDIATE", FBegun); }
  std::optional<QSqlError> Commit() {
    bool committed = false;
    auto error = Exec("COMMIT", committed);
    if (committed) FBegun = false;
    return error;
  }

 private:
  std::optional<QSqlError> Exec(const char* statement, bool& done) {
    QSqlQuery query(FDb);
    if (!query.exec(statement)) return query.lastError();
    done = true;
    return std::nullopt;
  }
  QSqlDatabase& FDb;
  bool FBegun = false;
};

QVariant Optional(const std::optional<double>& value) {
  return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

void BindRecord(QSqlQuery& q, const TChartRecord& r) {
  const ReleaseSettings& s = r.Settings;
  const TBirthPlace& p = s.Place;
  for (const QVariant& value : std::initializer_list<QVariant>{
           Q(s.Name),
           s.MonthIndex,
           s.Day,
           s.Year,
           Q(s.TimeText),
           Q(p.Name),
           Optional(p.Latitude),
           Optional(p.Longitude),
           Q(p.TimeZone),
           p.UtcOffsetSeconds ? QVariant(*p.UtcOffsetSeconds) : QVariant(QMetaType(QMetaType::Int)),
           ToItemIndex(p.Dst),
           ToItemIndex(p.Sect),
           ToItemIndex(p.Variants.Zodiac),
           ToItemIndex(p.Variants.LotFormula),
           ToItemIndex(p.Variants.SectHorizon),
           Q(r.ReleaseFrom),
           s.StartSign,
           ToItemIndex(s.ReleasingType),
           s.GeneralPeriods,
           ToItemIndex(s.DateStyle),
           ToItemIndex(s.SignNameStyle),
           ToItemIndex(s.LooseBondType),
           s.FortuneSign,
           ToItemIndex(s.AnglesFrom)})
    q.addBindValue(value);
}

// A stored choice within its range (a file edited by hand may hold any
// number), else `fallback`.
template <class TChoice>
TChoice Choice(const QVariant& value, int min, int max, TChoice fallback) {
  const int index = value.toInt();
  return index >= min && index <= max ? FromItemIndex<TChoice>(index) : fallback;
}

// The columns of kChartColumns from column `first` of the row on.
TChartRecord ReadRecord(const QSqlQuery& q, int first) {
  auto v = [&](int i) { return q.value(first + i); };
  auto optionalDouble = [&](int i) {
    return v(i).isNull() ? std::nullopt : std::optional<double>(v(i).toDouble());
  };
  TChartRecord r;
  ReleaseSettings& s = r.Settings;
  TBirthPlace& p = s.Place;
  s.Name = v(0).toString().toStdString();
  s.MonthIndex = std::clamp(v(1).toInt(), 0, 11);
  s.Day = std::clamp(v(2).toInt(), kMinDay, kMaxDay);
  s.Year = std::clamp(v(3).toInt(), kMinYear, kMaxYear);
  s.TimeText = v(4).toString().toStdString();
  p.Name = v(5).toString().toStdString();
  p.Latitude = optionalDouble(6);
  p.Longitude = optionalDouble(7);
  p.TimeZone = v(8).toString().toStdString();
  if (!v(9).isNull()) p.UtcOffsetSeconds = v(9).toInt();
  p.Dst = Choice(v(10), 0, 2, TDstChoice::Ask);
  p.Sect = Choice(v(11), 0, 2, TSect::Computed);
  p.Variants.Zodiac = Choice(v(12), 0, 2, TZodiac::Tropical);
  p.Variants.LotFormula = Choice(v(13), 0, 1, TLotFormula::Sect);
  p.Variants.SectHorizon = Choice(v(14), 0, 1, TSectHorizon::Geometric);
  r.ReleaseFrom = v(15).toString().toStdString();
  s.StartSign = std::clamp(v(16).toInt(), 0, 11);
  s.ReleasingType = Choice(v(17), 0, 2, TReleasingType::Valens);
  s.GeneralPeriods = std::clamp(v(18).toInt(), kMinGeneralPeriods, kMaxGeneralPeriods);
  s.DateStyle = Choice(v(19), -1, 2, TDateStyle::American);
  s.SignNameStyle = Choice(v(20), -1, 1, TSignNameStyle::Long);
  s.LooseBondType = Choice(v(21), -1, 1, TLooseBond::Always);
  s.FortuneSign = std::clamp(v(22).toInt(), -1, 11);
  s.AnglesFrom = Choice(v(23), 0, 1, TAnglesFrom::Fortune);
  return r;
}

// The charts `where` selects (with its values bound in order), by name.
TLibraryStatus Select(const QSqlDatabase& db, const QString& where, const QVariantList& values,
                      std::vector<TLibraryChart>& charts) {
  charts.clear();
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.prepare(QString("SELECT id, note, added, changed, %1 FROM charts %2 ORDER BY name, id")
                     .arg(kChartColumns, where)))
    return Failure(q.lastError(), "read");
  for (const QVariant& value : values) q.addBindValue(value);
  if (!q.exec()) return Failure(q.lastError(), "read");
  std::map<qint64, std::size_t> index;
  while (q.next()) {
    TLibraryChart c;
    c.Id = q.value(0).toLongLong();
    c.Record = ReadRecord(q, 4);
    c.Record.Note = q.value(1).toString().toStdString();
    c.Added = q.value(2).toLongLong();
    c.Changed = q.value(3).toLongLong();
    index[c.Id] = charts.size();
    charts.push_back(std::move(c));
  }
  if (q.lastError().isValid()) return Failure(q.lastError(), "read");
  QSqlQuery t(db);
  t.setForwardOnly(true);
  if (!t.exec("SELECT chart_id, tag FROM chart_tags ORDER BY chart_id, position"))
    return Failure(t.lastError(), "read");
  while (t.next())
    if (const auto at = index.find(t.value(0).toLongLong()); at != index.end())
      charts[at->second].Record.Tags.push_back(t.value(1).toString().toStdString());
  if (t.lastError().isValid()) return Failure(t.lastError(), "read");
  return {};
}

std::optional<QSqlError> WriteTags(QSqlDatabase& db, qint64 id,
                                   const std::vector<std::string>& tags) {
  QSqlQuery remove(db);
  remove.prepare("DELETE FROM chart_tags WHERE chart_id = ?");
  remove.addBindValue(id);
  if (!remove.exec()) return remove.lastError();
  QSqlQuery insert(db);
  insert.prepare("INSERT INTO chart_tags (chart_id, position, tag) VALUES (?, ?, ?)");
  const std::vector<std::string> clean = SplitTags(JoinTags(tags));
  for (std::size_t i = 0; i < clean.size(); ++i) {
    insert.addBindValue(id);
    insert.addBindValue(static_cast<qint64>(i));
    insert.addBindValue(Q(clean[i]));
    if (!insert.exec()) return insert.lastError();
  }
  return std::nullopt;
}

std::optional<QSqlError> InsertChart(QSqlDatabase& db, const TChartRecord& r, qint64 now,
                                     qint64& id) {
  QSqlQuery q(db);
  q.prepare(QString("INSERT INTO charts (%1, note, added, changed) VALUES (%2?, ?, ?)")
                .arg(kChartColumns, QString("?, ").repeated(24)));
  BindRecord(q, r);
  q.addBindValue(Q(r.Note));
  q.addBindValue(now);
  q.addBindValue(now);
  if (!q.exec()) return q.lastError();
  id = q.lastInsertId().toLongLong();
  return WriteTags(db, id, r.Tags);
}

std::atomic<int> gConnections{0};

}  // namespace

std::string TChartLibrary::DefaultPath() {
  return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/charts.sqlite")
      .toStdString();
}

TChartLibrary::TChartLibrary(const std::string& path, bool create, int busyTimeoutMs)
    : FPath(path), FConnection("ostrane-library-" + std::to_string(++gConnections)) {
  FOpen = OpenFile(create, busyTimeoutMs);
  if (!FOpen && QSqlDatabase::contains(Q(FConnection))) {
    QSqlDatabase::database(Q(FConnection), false).close();
    QSqlDatabase::removeDatabase(Q(FConnection));
  }
}

TChartLibrary::~TChartLibrary() {
  if (!QSqlDatabase::contains(Q(FConnection))) return;
  QSqlDatabase::database(Q(FConnection), false).close();
  QSqlDatabase::removeDatabase(Q(FConnection));
}

void TChartLibrary::Refuse(const std::string& message, bool busy) {
  FError = {false, message, busy};
}

bool TChartLibrary::OpenFile(bool create, int busyTimeoutMs) {
  const QFileInfo info(Q(FPath));
  const std::string named = "'" + FPath + "'";
  if (info.isDir()) return Refuse(named + " is a folder, not a chart library."), false;
  const bool isNew = !info.exists() || info.size() == 0;
  if (isNew && !create) return Refuse("There is no chart library at " + named + "."), false;
  if (isNew && !QDir().mkpath(info.absolutePath()))
    return Refuse("The folder of the chart library " + named + " cannot be made."), false;
  if (!QSqlDatabase::isDriverAvailable("QSQLITE"))
    return Refuse(
               "The chart library needs Qt's SQLite driver (libqt6sql6-sqlite), which is "
               "not installed."),
           false;
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", Q(FConnection));
  db.setDatabaseName(Q(FPath));
  db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
  if (!db.open())
    return Refuse("The chart library " + named +
                  " cannot be opened: " + db.lastError().text().toStdString() + "."),
           false;

  // Nothing is written before the file is known to be a sound library of
  // ours, or a new one.
  TLibraryState state;
  if (!isNew) {
    QSqlQuery check(db);
    if (!check.exec("PRAGMA quick_check")) {
      const int code = PrimaryCode(check.lastError());
      if (code == kSqliteBusy || code == kSqliteLocked)
        return Refuse(kLibraryBusyMessage, true), false;
      if (code == kSqliteNotADatabase)
        return Refuse(named + " is not a chart library: it is not a database at all."), false;
      return Refuse(named + " is damaged (" + check.lastError().databaseText().toStdString() +
                    ") and is left as it is."),
             false;
    }
    if (!check.next() || check.value(0).toString() != "ok")
      return Refuse(named + " is damaged (the database's own check failed) and is left as it is."),
             false;
    check.finish();
    state = ReadLibraryState(db, FPath);
    if (state.Failure) {
      const TLibraryStatus failed = Failure(*state.Failure, "read");
      return Refuse(failed.Message, failed.Busy), false;
    }
    if (!state.Refusal.empty()) return Refuse(state.Refusal + " It is left unchanged."), false;
  }

  for (const char* pragma :
       {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"}) {
    QSqlQuery q(db);
    if (!q.exec(pragma)) {
      const TLibraryStatus failed = Failure(q.lastError(), "opened");
      return Refuse(failed.Message, failed.Busy), false;
    }
  }
  if (!isNew && !state.Empty && state.Version == kLibraryVersion) return true;

  // A new library or an older one: created or migrated under the write
  // lock, after a second look (another program may have done it meanwhile).
  TTransaction transaction(db);
  std::optional<QSqlError> error = transaction.Begin();
  if (!error) {
    state = ReadLibraryState(db, FPath);
    if (state.Failure) error = state.Failure;
  }
  if (!error && !state.Refusal.empty())
    return Refuse(state.Refusal + " It is left unchanged."), false;
  if (!error && state.Empty) error = CreateLibrary(db);
  if (!error && !state.Empty && state.Version < kLibraryVersion)
    error = MigrateLibrary(db, state.Version, QDateTime::currentMSecsSinceEpoch());
  if (!error) error = transaction.Commit();
  if (error) {
    const TLibraryStatus failed = Failure(*error, "prepared");
    return Refuse(failed.Message, failed.Busy), false;
  }
  return true;
}

TLibraryStatus TChartLibrary::List(std::vector<TLibraryChart>& charts) const {
  if (!FOpen) return FError;
  return Select(QSqlDatabase::database(Q(FConnection), false), "", {}, charts);
}

TLibraryStatus TChartLibrary::Search(const std::string& text,
                                     std::vector<TLibraryChart>& charts) const {
  TLibraryStatus status = List(charts);
  const QString wanted = Q(text).toCaseFolded();
  if (!status.Ok || wanted.isEmpty()) return status;
  const auto holds = [&](const std::string& field) {
    return Q(field).toCaseFolded().contains(wanted);
  };
  const auto matches = [&](const TLibraryChart& c) {
    const TChartRecord& r = c.Record;
    return holds(r.Settings.Name) || holds(r.Settings.Place.Name) || holds(r.Note) ||
           std::any_of(r.Tags.begin(), r.Tags.end(), holds);
  };
  charts.erase(std::remove_if(charts.begin(), charts.end(),
                              [&](const TLibraryChart& c) { return !matches(c); }),
               charts.end());
  return status;
}

TLibraryStatus TChartLibrary::Get(std::int64_t id, std::optional<TLibraryChart>& chart) const {
  chart.reset();
  if (!FOpen) return FError;
  std::vector<TLibraryChart> found;
  TLibraryStatus status = Select(QSqlDatabase::database(Q(FConnection), false), "WHERE id = ?",
                                 {QVariant(qint64(id))}, found);
  if (status.Ok && !found.empty()) chart = std::move(found.front());
  return status;
}

TLibraryAddResult TChartLibrary::Add(const std::vector<TChartRecord>& records) {
  TLibraryAddResult result;
  if (!FOpen) return result.Status = FError, result;
  QSqlDatabase db = QSqlDatabase::database(Q(FConnection), false);
  TTransaction transaction(db);
  if (auto error = transaction.Begin()) return result.Status = Failure(*error, "written"), result;
  std::vector<TLibraryChart> stored;
  result.Status = Select(db, "", {}, stored);
  if (!result.Status.Ok) return result;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  std::vector<const TChartRecord*> kept;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TChartRecord& r = records[i];
    const auto same = [&](const TChartRecord& other) { return SameChart(r, other); };
    if (std::any_of(stored.begin(), stored.end(),
                    [&](const TLibraryChart& c) { return same(c.Record); }) ||
        std::any_of(kept.begin(), kept.end(), [&](const TChartRecord* k) { return same(*k); })) {
      result.Duplicates.push_back(i);
      continue;
    }
    qint64 id = 0;
    if (auto error = InsertChart(db, r, now, id)) {
      result.Added.clear();
      result.Status = Failure(*error, "written");
      return result;
    }
    result.Added.push_back(id);
    kept.push_back(&r);
  }
  if (auto error = transaction.Commit()) {
    result.Added.clear();
    result.Status = Failure(*error, "written");
  }
  return result;
}

namespace {

// Runs `change` on chart `id` in a transaction; refused when there is no
// such chart.
template <class Change>
TLibraryStatus ChangeChart(const std::string& connection, std::int64_t id, Change change) {
  QSqlDatabase db = QSqlDatabase::database(Q(connection), false);
  TTransaction transaction(db);
  if (auto error = transaction.Begin()) return Failure(*error, "written");
  {
    QSqlQuery exists(db);
    exists.prepare("SELECT 1 FROM charts WHERE id = ?");
    exists.addBindValue(qint64(id));
    if (!exists.exec()) return Failure(exists.lastError(), "read");
    if (!exists.next())
      return {false,
              "The chart is no longer in the library: another window or program "
              "deleted it."};
  }
  if (auto error = change(db)) return Failure(*error, "written");
  if (auto error = transaction.Commit()) return Failure(*error, "written");
  return {};
}

}  // namespace

TLibraryStatus TChartLibrary::Update(std::int64_t id, const TChartRecord& record) {
  if (!FOpen) return FError;
  return ChangeChart(FConnection, id, [&](QSqlDatabase& db) -> std::optional<QSqlError> {
    QString assignments = QString(kChartColumns).replace(", ", " = ?, ") + " = ?";
    QSqlQuery q(db);
    q.prepare(QString("UPDATE charts SET %1, note = ?, changed = ? WHERE id = ?").arg(assignments));
    BindRecord(q, record);
    q.addBindValue(Q(record.Note));
    q.addBindValue(QDateTime::currentMSecsSinceEpoch());
    q.addBindValue(qint64(id));
    if (!q.exec()) return q.lastError();
    return WriteTags(db, id, record.Tags);
  });
}

TLibraryStatus TChartLibrary::Remove(std::int64_t id) {
  if (!FOpen) return FError;
  return ChangeChart(FConnection, id, [&](QSqlDatabase& db) -> std::optional<QSqlError> {
    QSqlQuery q(db);
    q.prepare("DELETE FROM charts WHERE id = ?");
    q.addBindValue(qint64(id));
    if (!q.exec()) return q.lastError();
    return std::nullopt;
  });
}

TLibraryStatus TChartLibrary::SetTagsAndNote(std::int64_t id, const std::vector<std::string>& tags,
                                             const std::string& note) {
  if (!FOpen) return FError;
  return ChangeChart(FConnection, id, [&](QSqlDatabase& db) -> std::optional<QSqlError> {
    QSqlQuery q(db);
    q.prepare("UPDATE charts SET note = ?, changed = ? WHERE id = ?");
    q.addBindValue(Q(note));
    q.addBindValue(QDateTime::currentMSecsSinceEpoch());
    q.addBindValue(qint64(id));
    if (!q.exec()) return q.lastError();
    return WriteTags(db, id, tags);
  });
}

std::string JoinTags(const std::vector<std::string>& tags) {
  std::string text;
  for (const std::string& tag : tags) text += (text.empty() ? "" : ", ") + tag;
  return text;
}

std::vector<std::string> SplitTags(const std::string& text) {
  std::vector<std::string> tags;
  for (const QString& part : Q(text).split(',')) {
    const std::string tag = part.trimmed().toStdString();
    if (!tag.empty() && std::find(tags.begin(), tags.end(), tag) == tags.end()) tags.push_back(tag);
  }
  return tags;
}

}  // namespace ostrane
