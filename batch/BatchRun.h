// A batch run: the lots and the periods in force for a whole collection of
// charts and events, CSV in and CSV out (BatchRows.h), the rows worked on by
// all cores and written in input order as they are done, in constant memory:
// the rows in flight are bounded by their bytes, the records by
// kMaxCsvRecordBytes and kMaxCsvFields (10,000 columns), the caches by
// bytes, so that any input runs in well under 300 MB; a run that still finds
// no memory stops with a message.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchRows.h"

namespace ostrane {

struct TBatchOptions {
  TBatchDefaults Defaults;
  bool Progress = false;          // a progress line on `err`
  std::uintmax_t InputBytes = 0;  // the input's size when known, for the time left
  unsigned Threads = 0;           // 0: as many as the machine has
};

// What became of a run.
struct TBatchOutcome {
  std::int64_t Rows = 0;                       // rows the output took whole
  std::int64_t FailedRows = 0;                 // of them, rows with an error
  std::vector<std::int64_t> FirstFailedLines;  // the input lines of the first few
  std::string Error;                           // why the run stopped early, or empty
};

// Reads the CSV from `in` and writes the result to `out` as it goes.  A
// malformed input stops the run with Error set, after the rows before it
// have been written; so does a write that fails, or the memory running out.
// `cancel`, when given, is asked between chunks.
TBatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel = {});

// Opens the output once the header has been read and found good: the stream
// to write to, or nullptr with `error` set to why it could not be opened.
using TBatchOutputOpener = std::function<std::ostream*(std::string& error)>;

// As above, the output opened by `openOutput` only after the header: an
// empty input or a bad header opens nothing.
TBatchOutcome RunBatch(std::istream& in, const TBatchOutputOpener& openOutput, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel = {});

}  // namespace ostrane
