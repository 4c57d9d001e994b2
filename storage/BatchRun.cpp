#include "BatchRun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "CsvText.h"
#include "OrderedPool.h"

namespace ostrane {
namespace {

constexpr std::size_t kChunkRows = 256;

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

TBatchOutcome RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
                       const TBatchOptions& options, const std::function<bool()>& cancel) {
  TBatchOutcome outcome;
  TCsvReader reader(in);
  std::vector<std::string> header;
  if (!reader.Next(header)) {
    outcome.Error = reader.Error() ? *reader.Error() : "the input is empty: a header row is needed";
    return outcome;
  }
  TBatchColumns columns;
  if (const auto problem = ReadBatchHeader(header, columns)) {
    outcome.Error = "Line 1: " + *problem;
    return outcome;
  }
  std::vector<std::string> outHeader = header;
  for (const auto& name : BatchComputedColumns()) outHeader.push_back(name);
  out << CsvRecord(outHeader) << "\r\n";

  const unsigned threads =
      options.Threads > 0 ? options.Threads : std::max(1u, std::thread::hardware_concurrency());
  std::vector<TChartCache> caches(threads);
  TOrderedPool<TRow, TRowOut> pool(threads, kChunkRows, 4 * threads);
  const auto started = std::chrono::steady_clock::now();
  auto lastProgress = started;

  pool.Run(
      [&](std::vector<TRow>& chunk) {
        std::vector<std::string> fields;
        while (chunk.size() < kChunkRows) {
          if (!reader.Next(fields)) return false;
          chunk.push_back(TRow{reader.RecordLine(), fields});
        }
        return true;
      },
      [&](const TRow& row, unsigned worker) {
        std::vector<std::string> computed =
            ComputeBatchRow(columns, row.Fields, options.Defaults, caches[worker]);
        const bool failed = !computed.back().empty();
        std::vector<std::string> record = row.Fields;
        record.resize(header.size());  // a short row is padded, a long one cut
        for (auto& value : computed) record.push_back(std::move(value));
        return TRowOut{row.Line, CsvRecord(record) + "\r\n", failed};
      },
      [&](std::vector<TRowOut>& rows) {
        for (const TRowOut& row : rows) {
          out << row.Text;
          ++outcome.Rows;
          if (row.Failed) {
            ++outcome.FailedRows;
            if (outcome.FirstFailedLines.size() < 5) outcome.FirstFailedLines.push_back(row.Line);
          }
        }
        if (!out) {
          outcome.Error = "the output could not be written";
          return false;
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
  return outcome;
}

}  // namespace ostrane
