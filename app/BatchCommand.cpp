#include "app/BatchCommand.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <sstream>

#include "batch/BatchFiles.h"
#include "batch/ChartImport.h"
#include "core/PrintableText.h"

namespace ostrane {
namespace {

// The signal that asked the run to stop (SIGINT, SIGTERM), or 0.  The
// handler only sets it; the run looks at it between chunks.
std::atomic<int> gStopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void StopOnSignal(int signal) {
  gStopSignal = signal;
}

// SIGINT and SIGTERM stop the run instead of the process while it lives,
// interrupting a read that waits, so that the old output can be kept.
class TStopSignals {
 public:
  TStopSignals() {
    gStopSignal = 0;
    struct sigaction action {};
    action.sa_handler = StopOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a waiting read returns
    sigaction(SIGINT, &action, &FOldInt);
    sigaction(SIGTERM, &action, &FOldTerm);
  }
  ~TStopSignals() {
    sigaction(SIGINT, &FOldInt, nullptr);
    sigaction(SIGTERM, &FOldTerm, nullptr);
  }
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

 private:
  struct sigaction FOldInt {
  }, FOldTerm{};
};

void FailedRowsSummary(const TBatchOutcome& outcome, std::ostream& err) {
  err << "ostrane-list: " << outcome.FailedRows << " of " << outcome.Rows
      << " rows failed (see the error column), on input line";
  err << (outcome.FirstFailedLines.size() > 1 ? "s " : " ");
  for (std::size_t i = 0; i < outcome.FirstFailedLines.size(); ++i)
    err << (i ? ", " : "") << outcome.FirstFailedLines[i];
  err << (outcome.FailedRows > static_cast<std::int64_t>(outcome.FirstFailedLines.size())
              ? ", ...\n"
              : "\n");
}

}  // namespace

int RunBatchCommand(const std::string& input, const std::string& output,
                    const TBatchOptions& givenOptions, std::ostream& out, std::ostream& err) {
  TBatchOptions options = givenOptions;
  const bool toFile = !output.empty() && output != "-";
  std::unique_ptr<TStopSignals> stopSignals;
  if (toFile) stopSignals = std::make_unique<TStopSignals>();
  TBatchInput in;
  if (!in.Open(input.empty() ? "-" : input, false, &gStopSignal).empty()) {
    err << "ostrane-list: cannot read '" << PrintableText(input) << "'\n";
    return 1;
  }
  // Before anything is opened for writing: replacing the input with the
  // results would lose it.
  if (toFile && in.IsFile(output)) {
    err << "ostrane-list: --output '" << PrintableText(output) << "' is the input of --batch"
        << (input.empty() || input == "-" ? " (standard input)" : "")
        << ": the results would replace it; write them to another file\n";
    return 1;
  }
  options.InputBytes = in.Size();
  // An AAF input is read whole, its records turned into the batch's rows.
  std::istringstream aafRows;
  std::vector<std::int64_t> aafLines;  // the AAF line of each row, one line a row
  std::istream* rows = &in.Stream();
  if (in.IsAaf()) {
    std::string bytes;
    if (!in.ReadAll(bytes, kMaxImportBytes)) {
      err << "ostrane-list: cannot read '" << PrintableText(input)
          << "' (an AAF input is read whole, at most " << kMaxImportBytes / (1024 * 1024)
          << " MB)\n";
      return 1;
    }
    const TChartImport import = ImportChartText(bytes, options.Defaults.Settings);
    if (import.Refused) {
      err << "ostrane-list: the AAF input '" << PrintableText(input)
          << "' was refused; nothing was written:\n";
      for (const std::string& refusal : import.Refusals)
        err << "  " << PrintableText(refusal) << "\n";
      return 1;
    }
    aafRows.str(ChartRecordsCsv(import.Records, TRecordsCsv::BatchRows));
    aafLines = import.Lines;
    rows = &aafRows;
    options.InputBytes = aafRows.str().size();
  }

  std::unique_ptr<TBatchOutput> file;
  if (toFile) file = std::make_unique<TBatchOutput>(output);
  bool notOpened = false;
  const TBatchOutcome outcome = RunBatch(
      *rows,
      [&](std::string& error) -> std::ostream* {
        if (!file) return &out;
        if (file->Open()) return &file->Stream();
        notOpened = true;
        error = file->ErrorString();
        return nullptr;
      },
      err, options, [] { return gStopSignal != 0; });
  const std::string shown = PrintableText(output);
  if (notOpened) {
    err << "ostrane-list: cannot write the output: " << shown << ": "
        << PrintableText(outcome.Error) << "\n";
    return 1;
  }
  if (const int signal = gStopSignal) {
    if (file) file->Rollback();
    err << "ostrane-list: --batch interrupted by " << (signal == SIGINT ? "SIGINT" : "SIGTERM")
        << " after " << outcome.Rows << " rows; '" << shown << "' was left as it was\n";
    return 128 + signal;
  }
  // A file is put in place only when the whole run went through.
  const std::string kept = toFile ? "; '" + shown + "' was left as it was" : "";
  if (!outcome.Error.empty()) {
    const std::string reason =
        file && !file->ErrorString().empty() ? " (" + PrintableText(file->ErrorString()) + ")" : "";
    if (file) file->Rollback();
    err << "ostrane-list: --batch stopped after " << outcome.Rows
        << " rows: " << PrintableText(outcome.Error) << reason << kept << "\n";
    return 1;
  }
  if (file && !file->Commit()) {
    err << "ostrane-list: cannot write the output: " << shown << ": "
        << PrintableText(file->ErrorString()) << kept << "\n";
    return 1;
  }
  if (outcome.FailedRows > 0) {
    TBatchOutcome named = outcome;  // the rows of an AAF input named by its lines
    for (std::int64_t& line : named.FirstFailedLines)
      if (line >= 2 && static_cast<std::size_t>(line - 2) < aafLines.size())
        line = aafLines[static_cast<std::size_t>(line - 2)];
    FailedRowsSummary(named, err);
    return 1;
  }
  return 0;
}

}  // namespace ostrane
