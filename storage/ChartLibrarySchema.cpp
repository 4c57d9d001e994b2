#include "storage/ChartLibrarySchema.h"

#include <QSqlQuery>
#include <QVariant>
#include <vector>

#include "storage/ChartLibrary.h"

namespace ostrane {

const char* const kChartColumns =
    "name, month, day, year, time, place, latitude, longitude, time_zone, utc_offset, dst, sect, "
    "zodiac, lot_formula, sect_horizon, release_from, start_sign, type, periods, date_style, "
    "sign_names, loose_bond, fortune_sign, angles_from";

namespace {

// The columns of charts both versions have; the defaults are the program's.
const char* const kChartColumnTypes =
    "id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "name TEXT NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL, year INTEGER NOT NULL, "
    "time TEXT NOT NULL, place TEXT NOT NULL DEFAULT '', latitude REAL, longitude REAL, "
    "time_zone TEXT NOT NULL DEFAULT '', utc_offset INTEGER, dst INTEGER NOT NULL DEFAULT 0, "
    "sect INTEGER NOT NULL DEFAULT 0, zodiac INTEGER NOT NULL DEFAULT 0, "
    "lot_formula INTEGER NOT NULL DEFAULT 0, sect_horizon INTEGER NOT NULL DEFAULT 0, "
    "release_from TEXT NOT NULL DEFAULT '', start_sign INTEGER NOT NULL DEFAULT 0, "
    "type INTEGER NOT NULL DEFAULT 2, periods INTEGER NOT NULL DEFAULT 6, "
    "date_style INTEGER NOT NULL DEFAULT 1, sign_names INTEGER NOT NULL DEFAULT 1, "
    "loose_bond INTEGER NOT NULL DEFAULT 1, fortune_sign INTEGER NOT NULL DEFAULT -1, "
    "angles_from INTEGER NOT NULL DEFAULT 0";

QString ChartsTable(const QString& name, int version) {
  return QString("CREATE TABLE %1 (%2, %3)")
      .arg(name, kChartColumnTypes,
           version == 1 ? "tags TEXT NOT NULL DEFAULT ''"
                        : "note TEXT NOT NULL DEFAULT '', added INTEGER NOT NULL, "
                          "changed INTEGER NOT NULL");
}

const char* const kTagsTable =
    "CREATE TABLE chart_tags (chart_id INTEGER NOT NULL REFERENCES charts(id) ON DELETE "
    "CASCADE, position INTEGER NOT NULL, tag TEXT NOT NULL, PRIMARY KEY (chart_id, position))";

// Runs the statements in order; the first error, or nothing.
std::optional<QSqlError> Run(QSqlDatabase& db, const QStringList& statements) {
  for (const QString& statement : statements) {
    QSqlQuery query(db);
    if (!query.exec(statement)) return query.lastError();
  }
  return std::nullopt;
}

// Version 1 to 2: the tags into their own table, the note empty, the
// times those of the migration.
std::optional<QSqlError> Migrate1To2(QSqlDatabase& db, qint64 now) {
  std::vector<std::pair<qint64, QString>> tags;
  {
    QSqlQuery query(db);
    if (!query.exec("SELECT id, tags FROM charts")) return query.lastError();
    while (query.next()) tags.emplace_back(query.value(0).toLongLong(), query.value(1).toString());
    if (query.lastError().isValid()) return query.lastError();
  }
  const QString columns = QString("id, ") + kChartColumns;
  if (auto error = Run(db, {ChartsTable("charts_2", 2),
                            QString("INSERT INTO charts_2 (%1, note, added, changed) SELECT %1, "
                                    "'', %2, %2 FROM charts")
                                .arg(columns)
                                .arg(now),
                            "DROP TABLE charts", "ALTER TABLE charts_2 RENAME TO charts",
                            kTagsTable, "CREATE INDEX charts_name ON charts (name)"}))
    return error;
  QSqlQuery insert(db);
  if (!insert.prepare("INSERT INTO chart_tags (chart_id, position, tag) VALUES (?, ?, ?)"))
    return insert.lastError();
  for (const auto& [id, text] : tags) {
    const std::vector<std::string> split = SplitTags(text.toStdString());
    for (std::size_t i = 0; i < split.size(); ++i) {
      insert.addBindValue(id);
      insert.addBindValue(static_cast<qint64>(i));
      insert.addBindValue(QString::fromStdString(split[i]));
      if (!insert.exec()) return insert.lastError();
    }
  }
  return Run(db, {"UPDATE ostrane_library SET version = 2"});
}

}  // namespace

QStringList LibrarySchema(int version) {
  QStringList statements = {"CREATE TABLE ostrane_library (version INTEGER NOT NULL)",
                            ChartsTable("charts", version)};
  if (version >= 2) statements << kTagsTable << "CREATE INDEX charts_name ON charts (name)";
  return statements;
}

QStringList LibraryTables(int version) {
  QStringList tables = {"charts", "ostrane_library"};
  if (version >= 2) tables.prepend("chart_tags");
  return tables;
}

TLibraryState ReadLibraryState(const QSqlDatabase& db, const std::string& path) {
  TLibraryState state;
  const std::string named = "'" + path + "'";
  QSqlQuery query(db);
  if (!query.exec("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                  "'sqlite\\_%' ESCAPE '\\' ORDER BY name")) {
    state.Failure = query.lastError();
    return state;
  }
  QStringList tables;
  while (query.next()) tables << query.value(0).toString();
  if (tables.isEmpty()) {
    state.Empty = true;
    return state;
  }
  if (!tables.contains("ostrane_library")) {
    state.Refusal = named + " is not an Ostrane chart library: it holds another program's tables.";
    return state;
  }
  QSqlQuery version(db);
  if (!version.exec("SELECT version FROM ostrane_library")) {
    state.Failure = version.lastError();
    return state;
  }
  bool ok = version.next();
  const int number = ok ? version.value(0).toInt(&ok) : 0;
  if (!ok || version.next() || number < kFirstLibraryVersion) {
    state.Refusal = named + " is not an Ostrane chart library: its version table is not one.";
    return state;
  }
  if (number > kLibraryVersion) {
    state.Refusal = named + " was written by a newer version of Ostrane (library version " +
                    std::to_string(number) + "; this version reads up to " +
                    std::to_string(kLibraryVersion) + ").";
    return state;
  }
  if (tables != LibraryTables(number)) {
    state.Refusal =
        named + " is not an Ostrane chart library: its tables are not a chart library's.";
    return state;
  }
  state.Version = number;
  return state;
}

std::optional<QSqlError> CreateLibrary(QSqlDatabase& db) {
  return Run(
      db,
      LibrarySchema(kLibraryVersion) +
          QStringList{
              QString("INSERT INTO ostrane_library (version) VALUES (%1)").arg(kLibraryVersion)});
}

std::optional<QSqlError> MigrateLibrary(QSqlDatabase& db, int version, qint64 now) {
  if (version == 1)
    if (auto error = Migrate1To2(db, now)) return error;
  return std::nullopt;
}

}  // namespace ostrane
