// ostrane-list --batch: the batch run (batch/BatchRun.h) between files or
// the standard streams, with its summary.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchRun.h"

namespace ostrane {

// The command: the input and output files ("-" or empty for standard input
// and output), the summary on `err`; returns the exit status.
int RunBatchCommand(const std::string& input, const std::string& output,
                    const TBatchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ostrane
