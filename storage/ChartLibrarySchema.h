// The chart library's tables, version by version, and the migrations that
// bring an older library forward.  Every statement here runs inside the
// transaction of the caller (ChartLibrary.cpp).
//
// Version 1: the version table ostrane_library (one row) and charts, one
// row per chart with its tags as one comma-separated text.
// Version 2 (the present): charts without the tags but with the note and
// the times it was added and changed (milliseconds since 1970-01-01T00:00Z),
// and chart_tags, one row per tag of a chart, in the chart's order.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace ostrane {

// The version this program writes, and the first it reads.
inline constexpr int kLibraryVersion = 2;
inline constexpr int kFirstLibraryVersion = 1;

// The columns of charts that every version has, in the order in which the
// rows are written and read.
extern const char* const kChartColumns;

// The statements that create the tables of `version` (1 .. kLibraryVersion),
// without the version row.
QStringList LibrarySchema(int version);

// The tables of `version`, sorted.
QStringList LibraryTables(int version);

// What a database holds, as the opening reads it before anything is
// written.
struct TLibraryState {
  bool Empty = false;  // no tables at all: a new library
  int Version = 0;     // the version row's, when the tables are ours
  // Why the database is not a library this program may open; empty when
  // it is.
  std::string Refusal;
  // The error of a statement that failed (which the caller words).
  std::optional<QSqlError> Failure;
};

// Reads the tables and the version row.  Changes nothing.
TLibraryState ReadLibraryState(const QSqlDatabase& db, const std::string& path);

// Creates the present tables and the version row in an empty database.
std::optional<QSqlError> CreateLibrary(QSqlDatabase& db);

// Brings a library of `version` (kFirstLibraryVersion ..) to
// kLibraryVersion; `now` is the time the migrated charts are given as
// added and changed.
std::optional<QSqlError> MigrateLibrary(QSqlDatabase& db, int version, qint64 now);

}  // namespace ostrane
