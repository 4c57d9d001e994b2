// File > Batch ... run with its progress dialog: the whole collection, and a
// cancelled run that leaves a whole-row prefix of the output.
#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include <gtest/gtest.h>

#include "core/CsvText.h"
#include "ui/dialogs/BatchDialog.h"

using namespace ostrane;

namespace {

std::string Bytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

// The number of CSV records, header included; -1 when a record is cut or of
// another width than the header.
int Records(const std::string& text) {
  std::istringstream in(text);
  TCsvReader reader(in);
  std::vector<std::string> fields;
  std::size_t width = 0;
  int count = 0;
  for (; reader.Next(fields); ++count) {
    if (count == 0) width = fields.size();
    if (fields.size() != width) return -1;
  }
  return reader.Error() ? -1 : count;
}

TEST(BatchDialog, WholeRunAndCancelledPrefix) {
  int argc = 1;
  char name[] = "ui_batch_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QTemporaryDir dir;
  // A collection long enough to take more than one chunk: the sample, five times.
  const std::string sample = Bytes(OSTRANE_SAMPLE_PATH);
  const std::string body = sample.substr(sample.find('\n') + 1);
  const QString in = dir.filePath("in.csv"), whole = dir.filePath("whole.csv"),
                part = dir.filePath("part.csv");
  QFile file(in);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(sample + body + body + body + body));
  file.close();

  TBatchDefaults defaults;
  defaults.Settings.TimeText = "12:00";
  const TBatchOutcome done = RunBatchWithProgress(nullptr, in, whole, defaults);
  EXPECT_TRUE(done.Error.empty()) << done.Error;
  EXPECT_EQ(done.Rows, 5 * 95);
  EXPECT_EQ(done.FailedRows, 0);
  EXPECT_EQ(Records(Bytes(whole)), 5 * 95 + 1);
  EXPECT_EQ(BatchOutcomeText(done, "whole.csv").toStdString(), "475 rows written to whole.csv.");

  const TBatchOutcome cancelled = RunBatchWithProgress(nullptr, in, part, defaults, true);
  EXPECT_EQ(cancelled.Error, "cancelled");
  EXPECT_GT(cancelled.Rows, 0);
  EXPECT_LT(cancelled.Rows, done.Rows);
  const std::string prefix = Bytes(part);
  EXPECT_EQ(Bytes(whole).compare(0, prefix.size(), prefix), 0) << "a prefix of the whole run";
  EXPECT_EQ(Records(prefix), cancelled.Rows + 1);
  EXPECT_NE(BatchOutcomeText(cancelled, "part.csv").toStdString().find("Cancelled: part.csv"),
            std::string::npos);

  const TBatchOutcome missing =
      RunBatchWithProgress(nullptr, dir.filePath("none.csv"), part, defaults);
  EXPECT_NE(missing.Error.find("cannot be read"), std::string::npos);

  // Refused at once, the files as they were: a named pipe (which would
  // hold the window), the input chosen as the output, a bad header.
  const QString fifo = dir.filePath("fifo"), bad = dir.filePath("bad.csv");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  QFile badFile(bad);
  ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
  badFile.write("name,place\nx,Paris\n");
  badFile.close();
  const struct {
    const char* name;
    QString input, output;
    const char* error;
  } refused[] = {
      {"named pipe", fifo, part, "not a regular file"},
      {"the input as the output", in, in, "is the file the charts are read from"},
      {"bad header", bad, whole, "Line 1: there is no 'date' column"},
  };
  const std::string wholeBefore = Bytes(whole), inBefore = Bytes(in);
  for (const auto& c : refused) {
    const TBatchOutcome outcome = RunBatchWithProgress(nullptr, c.input, c.output, defaults);
    EXPECT_NE(outcome.Error.find(c.error), std::string::npos) << c.name << ": " << outcome.Error;
    EXPECT_EQ(BatchOutcomeText(outcome, "x.csv").toStdString(),
              "The batch did not run: " + outcome.Error + ". x.csv was left as it was.")
        << c.name;
  }
  EXPECT_EQ(Bytes(whole), wholeBefore);
  EXPECT_EQ(Bytes(in), inBefore);
}

}  // namespace
