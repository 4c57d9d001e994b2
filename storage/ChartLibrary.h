// The chart library: the astrologer's charts in one SQLite file, read and
// written through Qt SQL.
//
// The file is by default "charts.sqlite" in the user's application data
// folder (QStandardPaths::AppDataLocation).  It holds a version table
// (ostrane_library, one row) and the tables of that version; the program
// migrates an older library forward when it opens it (ChartLibrarySchema.h),
// and refuses, without writing a byte, a file that is not a database, is
// damaged (PRAGMA quick_check), is another program's (no version table, or
// tables the library does not have) or was written by a newer version.
//
// Every change runs in one transaction (BEGIN IMMEDIATE), in WAL mode, so
// that a program killed while it writes leaves every committed chart and
// nothing of the change it was making.  A second program that writes at the
// same moment waits up to the busy timeout and is then told that the
// library is busy; the change is refused whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/ChartRecord.h"

namespace ostrane {

// One chart as the library keeps it.
struct TLibraryChart {
  std::int64_t Id = 0;  // the library's own, from 1; never reused
  TChartRecord Record;
  // When the chart was added and last changed: milliseconds since
  // 1970-01-01T00:00Z.  A chart migrated from version 1 was added at the
  // migration.
  std::int64_t Added = 0, Changed = 0;
};

// The outcome of an operation: Ok, or the message the user is shown.
struct TLibraryStatus {
  bool Ok = true;
  std::string Message;
  bool Busy = false;  // another program held the library past the timeout
};

// The outcome of adding charts: the ids of those added, in the order given,
// and the indices (into the records given) of those skipped as duplicates.
struct TLibraryAddResult {
  TLibraryStatus Status;
  std::vector<std::int64_t> Added;
  std::vector<std::size_t> Duplicates;
};

// The message of a change refused because another program held the library.
inline constexpr const char* kLibraryBusyMessage =
    "The chart library is busy: another program is writing to it. Nothing was changed; try "
    "again in a moment.";

// How long a change waits for another program's, by default: milliseconds.
inline constexpr int kLibraryBusyTimeoutMs = 5000;

class TChartLibrary {
 public:
  // "charts.sqlite" in the application data folder.
  static std::string DefaultPath();

  // Opens the library in `path`.  A missing (or empty) file is created with
  // the present schema unless `create` is false; the folder is made when
  // missing.  A file that cannot serve is refused (Open() false, Error()
  // tells why) and left as it was.
  explicit TChartLibrary(const std::string& path, bool create = true,
                         int busyTimeoutMs = kLibraryBusyTimeoutMs);
  ~TChartLibrary();
  TChartLibrary(const TChartLibrary&) = delete;
  TChartLibrary& operator=(const TChartLibrary&) = delete;

  bool Open() const { return FOpen; }
  const TLibraryStatus& Error() const { return FError; }
  const std::string& Path() const { return FPath; }
  // The Qt SQL connection's name, unique to this object.
  const std::string& ConnectionName() const { return FConnection; }

  // Every chart, by name (then by id).
  TLibraryStatus List(std::vector<TLibraryChart>& charts) const;
  // The charts whose name, place name, tags or note hold `text`, letter
  // case aside (Unicode case folding); every chart for an empty text.
  TLibraryStatus Search(const std::string& text, std::vector<TLibraryChart>& charts) const;
  // The chart `id`; nothing (and Ok) when there is none.
  TLibraryStatus Get(std::int64_t id, std::optional<TLibraryChart>& chart) const;

  // Adds the records in one transaction: all of them or, on any failure,
  // none.  A record that is SameChart as a stored one, or as one before it
  // in `records`, is skipped and reported as a duplicate.
  TLibraryAddResult Add(const std::vector<TChartRecord>& records);
  // Replaces chart `id` with `record` (its added time kept).  Refused when
  // there is no such chart.
  TLibraryStatus Update(std::int64_t id, const TChartRecord& record);
  TLibraryStatus Remove(std::int64_t id);
  // Sets the tags (trimmed, empty ones and repeats dropped) and the note.
  TLibraryStatus SetTagsAndNote(std::int64_t id, const std::vector<std::string>& tags,
                                const std::string& note);

 private:
  bool OpenFile(bool create, int busyTimeoutMs);
  void Refuse(const std::string& message, bool busy = false);

  std::string FPath;
  std::string FConnection;
  bool FOpen = false;
  TLibraryStatus FError;
};

// Tags as one text, "a, b", and back: split at commas, trimmed, empty ones
// and repeats dropped.
std::string JoinTags(const std::vector<std::string>& tags);
std::vector<std::string> SplitTags(const std::string& text);

}  // namespace ostrane
