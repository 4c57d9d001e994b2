#include "batch/ChartImport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/BatchRows.h"
#include "chart/BirthChart.h"
#include "chart/PlaceFields.h"
#include "core/ChoiceText.h"
#include "core/Coordinates.h"
#include "core/CsvText.h"
#include "core/IntegerText.h"
#include "core/Planets.h"
#include "core/PrintableText.h"
#include "storage/Aaf.h"
#include "storage/ChartLibrary.h"
#include "storage/SettingsFiles.h"
#include "storage/TextEncoding.h"

namespace ostrane {
namespace {

TChartImport Refuse(TChartImport import, std::string why) {
  import.Records.clear();
  import.Lines.clear();
  import.Refused = true;
  import.Refusals.push_back(std::move(why));
  return import;
}

TChartImport ImportAaf(std::string_view bytes, const ReleaseSettings& base) {
  TChartImport import;
  import.Kind = TChartFileKind::Aaf;
  for (TAafRecord& record : ReadAaf(bytes, base)) {
    if (record.Chart) {
      // AAF names no starting sign: the chart is released from Spirit, as
      // the batch releases a row that names none.
      if (record.Chart->ReleaseFrom.empty()) record.Chart->ReleaseFrom = "spirit";
      import.Records.push_back(std::move(*record.Chart));
      import.Lines.push_back(record.Line);
    } else {
      import.Refusals.push_back(std::move(record.Refusal));
    }
  }
  if (import.Records.empty() && import.Refusals.empty())
    return Refuse(std::move(import), "the file holds no #A93 record");
  if (!import.Refusals.empty()) {
    import.Records.clear();
    import.Lines.clear();
    import.Refused = true;
  }
  return import;
}

int ColumnOf(const std::vector<std::string>& header, const char* name) {
  for (std::size_t i = 0; i < header.size(); ++i)
    if (header[i] == name) return static_cast<int>(i);
  return -1;
}

std::string FieldAt(const std::vector<std::string>& fields, int column) {
  return column >= 0 && static_cast<std::size_t>(column) < fields.size()
             ? fields[static_cast<std::size_t>(column)]
             : std::string();
}

// The record of a CSV row, or its error message.
std::string ReadCsvRow(const TBatchColumns& columns, int tagsColumn, int noteColumn,
                       const std::vector<std::string>& fields, const TBatchDefaults& defaults,
                       TChartCache& cache, TChartRecord& record) {
  // A place given by its coordinates keeps its name: it is not looked up.
  TBatchColumns c = columns;
  const bool byCoordinates =
      !FieldAt(fields, c.Latitude).empty() && !FieldAt(fields, c.Longitude).empty();
  if (byCoordinates) c.Place = -1;
  if (const auto error = ReadBatchRowSettings(c, fields, defaults, cache, record.Settings))
    return *error;
  if (byCoordinates) record.Settings.Place.Name = PlainText(FieldAt(fields, columns.Place));

  const std::string from = LowerAscii(FieldAt(fields, columns.ReleaseFrom));
  if (!from.empty()) {
    bool lot = false;
    for (const TLot each : kLots) lot = lot || from == LotKey(each);
    if (lot) {
      record.ReleaseFrom = from;
    } else if (const auto sign = ChoiceIndex(from, SignKeys(), true)) {
      record.ReleaseFrom = SignKeys()[static_cast<std::size_t>(*sign)];
    } else {
      return "release_from is a lot (fortune .. nemesis) or a sign, not '" + EchoedText(from) + "'";
    }
  }
  const std::string tagsField = FieldAt(fields, tagsColumn);
  std::string_view tags = tagsField;
  while (!tags.empty()) {
    const auto comma = tags.find(',');
    std::string tag = PlainText(tags.substr(0, comma));
    const auto first = tag.find_first_not_of(' ');
    if (first != std::string::npos)
      record.Tags.push_back(tag.substr(first, tag.find_last_not_of(' ') - first + 1));
    if (comma == std::string_view::npos) break;
    tags.remove_prefix(comma + 1);
  }
  record.Note = FieldAt(fields, noteColumn);
  return {};
}

TChartImport ImportCsv(std::string_view bytes, const ReleaseSettings& base) {
  TChartImport import;
  import.Kind = TChartFileKind::Csv;
  std::istringstream in(IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes));
  TCsvReader reader(in);
  std::vector<std::string> header, fields;
  if (!reader.Next(header))
    return Refuse(std::move(import),
                  reader.Error() ? *reader.Error() : "the file is empty: a header row is needed");
  TBatchColumns columns;
  if (const auto problem = ReadBatchHeader(header, columns))
    return Refuse(std::move(import), "Line 1: " + *problem);
  const int tags = ColumnOf(header, "tags"), note = ColumnOf(header, "note");
  TBatchDefaults defaults;
  defaults.Settings = base;
  TChartCache cache;
  while (reader.Next(fields)) {
    TChartRecord record;
    const std::string error = ReadCsvRow(columns, tags, note, fields, defaults, cache, record);
    if (!error.empty())
      import.Refusals.push_back("Line " + std::to_string(reader.RecordLine()) + ": " + error);
    else if (import.Refusals.empty()) {
      import.Records.push_back(std::move(record));
      import.Lines.push_back(reader.RecordLine());
    }
  }
  if (reader.Error()) import.Refusals.push_back(*reader.Error());
  if (!import.Refusals.empty()) {
    import.Records.clear();
    import.Lines.clear();
    import.Refused = true;
  }
  return import;
}

}  // namespace

TChartFileKind ChartFileKindOf(std::string_view bytes) {
  if (LooksLikeAaf(bytes)) return TChartFileKind::Aaf;
  std::vector<std::string> lines;
  while (lines.size() < kUserDataLineCount && !bytes.empty()) {
    const auto end = bytes.find('\n');
    std::string line(bytes.substr(0, end));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  }
  if (lines.size() < kUserDataLineCount) return TChartFileKind::Csv;
  for (const int line : {kMonthLine, kDayLine, kYearLine, kStartSignLine})
    if (!TryStrToInt(lines[static_cast<std::size_t>(line - 1)])) return TChartFileKind::Csv;
  return TChartFileKind::ChartFile;
}

TChartImport ImportChartText(std::string_view bytes, const ReleaseSettings& base) {
  if (ChartFileKindOf(bytes) == TChartFileKind::Aaf) return ImportAaf(bytes, base);
  return ImportCsv(bytes, base);
}

TChartImport ImportChartFile(const std::string& path, const ReleaseSettings& base) {
  TChartImport import;
  import.Path = path;
  std::error_code error;
  const std::string shown = "'" + PrintableText(path) + "'";
  if (!std::filesystem::is_regular_file(path, error))
    return Refuse(std::move(import), shown + " is not a file that can be read");
  const auto size = std::filesystem::file_size(path, error);
  if (error) return Refuse(std::move(import), shown + " cannot be read");
  if (size > kMaxImportBytes)
    return Refuse(std::move(import), shown + " is larger than " +
                                         std::to_string(kMaxImportBytes / (1024 * 1024)) + " MB");
  std::ifstream file(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
    return Refuse(std::move(import), shown + " cannot be read");

  if (ChartFileKindOf(bytes) == TChartFileKind::ChartFile) {
    import.Kind = TChartFileKind::ChartFile;
    TChartRecord record;
    record.Settings = base;
    try {
      LoadSettingsFile(path, kUserDataLineCount, record.Settings);
    } catch (const EFileLineError& e) {
      return Refuse(std::move(import), e.Located());
    } catch (const std::exception& e) {  // EInOutError, EConvertError
      return Refuse(std::move(import), e.what());
    }
    import.Records.push_back(std::move(record));
    import.Lines.push_back(1);
    return import;
  }
  TChartImport read = ImportChartText(bytes, base);
  read.Path = path;
  return read;
}

std::vector<TChartImport> ImportChartFiles(const std::vector<std::string>& paths,
                                           const ReleaseSettings& base) {
  std::vector<TChartImport> imports;
  imports.reserve(paths.size());
  for (const std::string& path : paths) imports.push_back(ImportChartFile(path, base));
  return imports;
}

const std::vector<std::string>& ChartRecordColumns() {
  static const std::vector<std::string> columns = {
      "name",      "date",        "time",         "place", "latitude",   "longitude",
      "time_zone", "utc_offset",  "release_from", "type",  "loose_bond", "periods",
      "zodiac",    "lot_formula", "sect_horizon", "tags",  "note"};
  return columns;
}

std::vector<std::string> ChartRecordFields(const TChartRecord& record) {
  const ReleaseSettings& s = record.Settings;
  const TBirthPlace& p = s.Place;
  const TChartVariants& v = p.Variants;
  const auto choice = [](const std::vector<std::string>& names, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : std::string();
  };
  char date[32];
  std::snprintf(date, sizeof date, "%s%04d-%02d-%02d", s.Year < 0 ? "-" : "",
                s.Year < 0 ? -s.Year : s.Year, s.MonthIndex + 1, s.Day);
  return {s.Name,
          date,
          s.TimeText,
          p.Name,
          p.Latitude ? DegreesText(*p.Latitude) : "",
          p.Longitude ? DegreesText(*p.Longitude) : "",
          p.TimeZone,
          p.UtcOffsetSeconds ? FormatUtcOffset(*p.UtcOffsetSeconds) : "",
          record.ReleaseFrom.empty() ? choice(SignKeys(), s.StartSign) : record.ReleaseFrom,
          choice({"modern", "egyptian", "valens"}, ToItemIndex(s.ReleasingType)),
          choice({"never", "always"}, ToItemIndex(s.LooseBondType)),
          std::to_string(s.GeneralPeriods),
          choice(ZodiacKeys(), ToItemIndex(v.Zodiac)),
          choice(LotFormulaKeys(), ToItemIndex(v.LotFormula)),
          choice(SectHorizonKeys(), ToItemIndex(v.SectHorizon)),
          JoinTags(record.Tags),
          record.Note};
}

std::string ChartRecordsCsv(const std::vector<TChartRecord>& records, TRecordsCsv kind) {
  const bool batch = kind == TRecordsCsv::BatchRows;
  std::vector<std::string> header = ChartRecordColumns();
  if (batch) {
    header[3] = "place_name";
    header.resize(header.size() - 2);
  }
  std::string out = CsvRecord(header) + "\r\n";
  for (const TChartRecord& record : records) {
    std::vector<std::string> fields = ChartRecordFields(record);
    if (batch) {
      // The rows of a batch: plain one-line names, no tags and note, and
      // the batch's own default where the record names no lot or sign.
      fields[0] = PlainText(fields[0]);
      fields[3] = PlainText(fields[3]);
      fields[8] = record.ReleaseFrom;
      fields.resize(fields.size() - 2);
    }
    out += CsvRecord(fields) + "\r\n";
  }
  return out;
}

TWriteResult ExportChartRecords(const std::string& path, const std::vector<TChartRecord>& records) {
  std::string extension = path.size() >= 4 ? LowerAscii(path.substr(path.size() - 4)) : "";
  if (extension == ".aaf") return WriteFileBytes(path, WriteAaf(records));
  if (extension == ".csv") return WriteFileBytes(path, ChartRecordsCsv(records));
  TWriteResult result;
  result.Ok = false;
  result.Reason = "the name ends neither in .aaf nor in .csv";
  result.Message = "'" + PrintableText(path) + "': " + result.Reason;
  return result;
}

}  // namespace ostrane
