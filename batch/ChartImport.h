// Charts brought in from files and sent out to them: AAF files (storage/
// Aaf.h), CSV files with the batch's input columns (BatchRows.h) and the
// program's own chart files (storage/SettingsFiles.h), each told by its
// content, not its name.
//
// A file is taken whole or not at all: one record that cannot be read
// refuses the file, and the refusal lists every bad record with its line.
//
// The CSV written and read has the batch's input columns
//   name, date, time, place, latitude, longitude, time_zone, utc_offset,
//   release_from, type, loose_bond, periods, zodiac, lot_formula,
//   sect_horizon
// then tags (joined by commas) and note.  A row that gives both coordinates
// keeps its place name as it is; one without them has the name looked up
// in the built-in table, as the batch does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ReleaseSettings.h"
#include "storage/ChartRecord.h"
#include "storage/LineFile.h"

namespace ostrane {

enum class TChartFileKind { Aaf, Csv, ChartFile };

// The largest file read, in bytes.
inline constexpr std::size_t kMaxImportBytes = 64 * 1024 * 1024;

struct TChartImport {
  std::string Path;
  TChartFileKind Kind = TChartFileKind::Csv;
  std::vector<TChartRecord> Records;  // the file's records; empty when refused
  std::vector<std::int64_t> Lines;    // the line each record begins on, from 1
  bool Refused = false;
  // Why: each bad record as "Line 7: ...", or one message for a file that
  // cannot be read at all.
  std::vector<std::string> Refusals;
};

// What kind of file the bytes are: AAF when the first line is an AAF chunk,
// a chart file when the lines 2, 3, 4 and 7 are whole numbers, else CSV.
TChartFileKind ChartFileKindOf(std::string_view bytes);

// The records of AAF or CSV text (a chart file needs its path: see
// ImportChartFile).  Each record's settings start from `base`.
TChartImport ImportChartText(std::string_view bytes, const ReleaseSettings& base = {});

// Reads the file at `path` by its content.
TChartImport ImportChartFile(const std::string& path, const ReleaseSettings& base = {});

// Reads each of the files; each is taken whole or refused on its own.
std::vector<TChartImport> ImportChartFiles(const std::vector<std::string>& paths,
                                           const ReleaseSettings& base = {});

// What the CSV text is for: an export (the columns above), or the rows of
// a batch: the place column named place_name, which the batch carries
// through without looking it up, no tags and note, one line a record.
enum class TRecordsCsv { Export, BatchRows };

// The columns of a chart record as CSV: the batch's input columns
// (BatchRows.h), so that the rows serve as a batch's input, then tags and
// note.
const std::vector<std::string>& ChartRecordColumns();

// The fields of one record in the order of ChartRecordColumns: the date as
// [-]YYYY-MM-DD, the coordinates as DegreesText, the offset as
// FormatUtcOffset, the choices by the names the batch takes, release_from
// the record's (or the start sign's name when it has none), the tags joined
// by ", ".
std::vector<std::string> ChartRecordFields(const TChartRecord& record);

// The CSV text of the records (header first, CR LF line ends).
std::string ChartRecordsCsv(const std::vector<TChartRecord>& records,
                            TRecordsCsv kind = TRecordsCsv::Export);

// Writes the records to `path`, as AAF when it ends in ".aaf" and as CSV
// when it ends in ".csv" (either case); any other name is refused.
TWriteResult ExportChartRecords(const std::string& path, const std::vector<TChartRecord>& records);

}  // namespace ostrane
