#include "batch/BatchRun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <new>
#include <thread>

#include "batch/OrderedPool.h"
#include "core/CsvText.h"

namespace ostrane {
namespace {

constexpr std::size_t kChunkRows = 256;
// What the rows read and not yet written may hold together, their results
// included: with the reader's record, the workers' rows at hand and their
// caches, the run stays far below 300 MB whatever the input.
constexpr std::size_t kMaxBytesInFlight = 48 * 1024 * 1024;
constexpr std::size_t kMaxCacheBytes = 32 * 1024 * 1024;  // all workers' together

struct TRow {
  std::int64_t Line = 0;
  std::vector<std::string> Fields;
};

struct TRowOut {
  std::int64_t Line = 0;
  std::string Text;  // the output record, line end included
  bool Failed = false;
};

std::string Duration(double seconds) {
  const long long s = std::llround(seconds);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return buffer;
}

}  // namespace

namespace {

void RunBatchRows(std::istream& in, const TBatchOutputOpener& openOutput, std::ostream& err,
                  const TBatchOptions& options, const std::function<bool()>& cancel,
                  TBatchOutcome& outcome) {
  TCsvReader reader(in);
  std::vector<std::string> header;
  if (!reader.Next(header)) {
    outcome.Error = reader.Error() ? *reader.Error() : "the input is empty: a header row is needed";
    return;
  }
  TBatchColumns columns;
  if (const auto problem = ReadBatchHeader(header, columns)) {
    outcome.Error = "Line 1: " + *problem;
    return;
  }
  std::ostream* const sink = openOutput(outcome.Error);
  if (!sink) return;
  std::ostream& out = *sink;
  std::vector<std::string> outHeader = header;
  for (const auto& name : BatchComputedColumns()) outHeader.push_back(name);
  out << CsvRecord(outHeader) << "\r\n";

  const unsigned threads =
      options.Threads > 0 ? options.Threads : std::max(1u, std::thread::hardware_concurrency());
  // The caches share kMaxCacheBytes, however many workers there are.
  std::vector<TChartCache> caches(
      threads, TChartCache(std::max<std::size_t>(kMaxCacheBytes / threads, 256 * 1024)));
  // A row's weight: its fields, and its output record (the fields quoted,
  // padded to the header's width, the computed columns, an error that
  // quotes a field).
  const auto weigh = [&](const TRow& row) {
    std::size_t bytes = sizeof row + row.Fields.capacity() * sizeof(std::string);
    for (const std::string& field : row.Fields) bytes += field.capacity() + 3 * field.size();
    return bytes + 2 * header.size() + 2048;
  };
  TOrderedPool<TRow, TRowOut> pool(threads, kChunkRows, 4 * threads, kMaxBytesInFlight, weigh);
  const auto started = std::chrono::steady_clock::now();
  auto lastProgress = started;

  pool.Run(
      [&](TRow& row) {
        if (!reader.Next(row.Fields)) return false;
        row.Line = reader.RecordLine();
        return true;
      },
      [&](const TRow& row, unsigned worker) {
        std::vector<std::string> computed =
            ComputeBatchRow(columns, row.Fields, options.Defaults, caches[worker]);
        const bool failed = !computed.back().empty();
        // A short row is padded, a long one cut, without copying its fields.
        std::string text;
        for (std::size_t i = 0; i < header.size(); ++i) {
          if (i > 0) text.push_back(',');
          if (i < row.Fields.size()) text += CsvField(row.Fields[i]);
        }
        for (const std::string& value : computed) text += "," + CsvField(value);
        text += "\r\n";
        return TRowOut{row.Line, std::move(text), failed};
      },
      [&](std::vector<TRowOut>& rows) {
        // Only a row the output took whole is counted: each is passed on
        // (a buffered standard output flushed), so that on a full disk the
        // count is what reached the output.
        for (const TRowOut& row : rows) {
          if (!out.write(row.Text.data(), static_cast<std::streamsize>(row.Text.size())) ||
              !out.flush()) {
            outcome.Error = "the output could not be written";
            return false;
          }
          ++outcome.Rows;
          if (row.Failed) {
            ++outcome.FailedRows;
            if (outcome.FirstFailedLines.size() < 5) outcome.FirstFailedLines.push_back(row.Line);
          }
        }
        const auto now = std::chrono::steady_clock::now();
        if (options.Progress && now - lastProgress > std::chrono::milliseconds(500)) {
          lastProgress = now;
          const double seconds = std::chrono::duration<double>(now - started).count();
          const double rate = outcome.Rows / std::max(seconds, 1e-9);
          err << "\r" << outcome.Rows << " rows, " << static_cast<long long>(rate) << " rows/s";
          const std::streampos at = in.tellg();
          if (options.InputBytes > 0 && at > 0) {
            const double done = static_cast<double>(at) / static_cast<double>(options.InputBytes);
            if (done > 0) err << ", " << Duration(seconds * (1 - done) / done) << " left";
          }
          err << "   " << std::flush;
        }
        if (cancel && cancel()) {
          outcome.Error = "cancelled";
          return false;
        }
        return true;
      });
  if (options.Progress) err << "\r" << std::string(60, ' ') << "\r" << std::flush;
  if (outcome.Error.empty() && reader.Error()) outcome.Error = *reader.Error();
  out.flush();
  if (outcome.Error.empty() && !out) outcome.Error = "the output could not be written";
}

}  // namespace

TBatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel) {
  return RunBatch(
      in, [&](std::string&) { return &out; }, err, options, cancel);
}

TBatchOutcome RunBatch(std::istream& in, const TBatchOutputOpener& openOutput, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel) {
  TBatchOutcome outcome;
  try {
    RunBatchRows(in, openOutput, err, options, cancel, outcome);
  } catch (const std::bad_alloc&) {
    outcome.Error = "not enough memory to go on";
  }
  return outcome;
}

}  // namespace ostrane
