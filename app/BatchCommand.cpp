#include "BatchCommand.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>

#include "PrintableText.h"

namespace ostrane {
int RunBatchCommand(const std::string& input, const std::string& output,
                    const TBatchOptions& givenOptions, std::ostream& out, std::ostream& err) {
  TBatchOptions options = givenOptions;
  std::ifstream inFile;
  std::istream* in = &std::cin;
  if (!input.empty() && input != "-") {
    inFile.open(input, std::ios::binary);
    if (!inFile) {
      err << "ostrane-list: cannot read '" << PrintableText(input) << "'\n";
      return 1;
    }
    inFile.seekg(0, std::ios::end);
    options.InputBytes = static_cast<std::uintmax_t>(std::max<std::streamoff>(inFile.tellg(), 0));
    inFile.seekg(0);
    in = &inFile;
  }
  std::ofstream outFile;
  std::ostream* sink = &out;
  if (!output.empty() && output != "-") {
    outFile.open(output, std::ios::binary | std::ios::trunc);
    if (!outFile) {
      err << "ostrane-list: cannot write '" << PrintableText(output) << "'\n";
      return 1;
    }
    sink = &outFile;
  }
  const TBatchOutcome outcome = RunBatch(*in, *sink, err, options);
  if (outFile.is_open()) {
    outFile.close();
    if (!outFile && outcome.Error.empty()) {
      err << "ostrane-list: cannot write the output: '" << PrintableText(output) << "'\n";
      return 1;
    }
  }
  if (!outcome.Error.empty()) {
    err << "ostrane-list: --batch stopped after " << outcome.Rows
        << " rows: " << PrintableText(outcome.Error) << "\n";
    return 1;
  }
  if (outcome.FailedRows > 0) {
    err << "ostrane-list: " << outcome.FailedRows << " of " << outcome.Rows
        << " rows failed (see the error column), on input line";
    err << (outcome.FirstFailedLines.size() > 1 ? "s " : " ");
    for (std::size_t i = 0; i < outcome.FirstFailedLines.size(); ++i)
      err << (i ? ", " : "") << outcome.FirstFailedLines[i];
    err << (outcome.FailedRows > static_cast<std::int64_t>(outcome.FirstFailedLines.size())
                ? ", ...\n"
                : "\n");
    return 1;
  }
  return 0;
}

}  // namespace ostrane
