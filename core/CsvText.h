// CSV as RFC 4180 writes it: fields separated by commas, records ended by
// CR LF, LF or a lone CR (old Mac files), a field quoted when it holds a comma, a quote or a line
// end, a quote inside a quoted field doubled.  Read record by record from a stream, so that a file
// of any size takes constant memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace ostrane {

// The most bytes one record may hold, line ends inside quotes included.
inline constexpr std::size_t kMaxCsvRecordBytes = 1024 * 1024;
// The most fields one record may hold.  Each field costs memory of its own,
// so a record of a million empty fields weighs far more than its bytes.
inline constexpr std::size_t kMaxCsvFields = 10000;

class TCsvReader {
 public:
  explicit TCsvReader(std::istream& in) : FIn(in) {}

  // Reads the next record into `fields`.  Returns false at the end of the
  // input (and on an error, which Error() then tells).  A UTF-8 byte order
  // mark at the very start is dropped.  An empty line is a record of one
  // empty field.
  bool Next(std::vector<std::string>& fields);

  // The line on which the last record read began (1 for the first).
  std::int64_t RecordLine() const { return FRecordLine; }
  // Why reading stopped before the end, or nothing: a quoted field left
  // open at the end of the input, a quote inside an unquoted field, text
  // after a closing quote, a record longer than kMaxCsvRecordBytes or with
  // more than kMaxCsvFields fields, or the stream failing.  Names the line.
  const std::optional<std::string>& Error() const { return FError; }

 private:
  bool Fail(const std::string& message);
  int Get();
  int Peek();

  std::istream& FIn;
  std::string FPending;  // bytes read ahead at the start
  std::int64_t FLine = 1, FRecordLine = 0;
  bool FStarted = false;
  std::optional<std::string> FError;
};

// The field as a CSV field: quoted when it holds a comma, a quote, CR or LF
// or begins or ends with a space.
std::string CsvField(const std::string& text);

// The fields joined by commas, each written by CsvField, without a line end.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace ostrane
