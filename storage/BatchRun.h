// A batch run: the lots and the periods in force for a whole collection of
// charts and events, CSV in and CSV out (BatchRows.h), the rows worked on by
// all cores and written in input order as they are done, in constant memory.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "BatchRows.h"

namespace ostrane {

struct TBatchOptions {
  TBatchDefaults Defaults;
  bool Progress = false;          // a progress line on `err`
  std::uintmax_t InputBytes = 0;  // the input's size when known, for the time left
  unsigned Threads = 0;           // 0: as many as the machine has
};

// What became of a run.
struct TBatchOutcome {
  std::int64_t Rows = 0;                       // rows written
  std::int64_t FailedRows = 0;                 // of them, rows with an error
  std::vector<std::int64_t> FirstFailedLines;  // the input lines of the first few
  std::string Error;                           // why the run stopped early, or empty
};

// Reads the CSV from `in` and writes the result to `out` as it goes.  A
// malformed input stops the run with Error set, after the rows before it
// have been written.  `cancel`, when given, is asked between chunks.
TBatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel = {});

}  // namespace ostrane
