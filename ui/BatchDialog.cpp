#include "BatchDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "ErrorBox.h"

namespace ostrane {

TBatchOutcome RunBatchWithProgress(QWidget* parent, const QString& input, const QString& output,
                                   const TBatchDefaults& defaults, bool cancelAtOnce) {
  TBatchOutcome outcome;
  std::ifstream in(input.toStdString(), std::ios::binary);
  if (!in) {
    outcome.Error = "'" + input.toStdString() + "' cannot be read";
    return outcome;
  }
  std::ofstream out(output.toStdString(), std::ios::binary | std::ios::trunc);
  if (!out) {
    outcome.Error = "'" + output.toStdString() + "' cannot be written";
    return outcome;
  }
  in.seekg(0, std::ios::end);
  const auto size = static_cast<double>(std::max<std::streamoff>(in.tellg(), 1));
  in.seekg(0);

  QProgressDialog progress("Working through the charts ...", "Cancel", 0, 1000, parent);
  progress.setObjectName("BatchProgress");
  progress.setWindowTitle("Batch");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);

  std::atomic<bool> cancelled{false}, finished{false};
  std::atomic<double> share{0.0};
  std::ostringstream quiet;
  TBatchOptions options;
  options.Defaults = defaults;
  std::thread worker([&] {
    // Asked between chunks, on this thread, which also reads the input.
    outcome = RunBatch(in, out, quiet, options, [&] {
      const std::streampos at = in.tellg();
      share = at >= 0 ? static_cast<double>(at) / size : 1.0;
      return cancelled.load() || cancelAtOnce;
    });
    finished = true;
  });
  while (!finished) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    progress.setValue(static_cast<int>(share.load() * 999));
    if (progress.wasCanceled()) cancelled = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  worker.join();
  out.close();
  if (!out && outcome.Error.empty()) outcome.Error = "the output could not be written";
  progress.setValue(1000);
  return outcome;
}

QString BatchOutcomeText(const TBatchOutcome& o, const QString& output) {
  const QString rows = QString::number(o.Rows);
  if (o.Error == "cancelled")
    return QString("Cancelled: %1 holds the first %2 rows, complete.").arg(output, rows);
  if (!o.Error.empty())
    return QString("The batch stopped after %1 rows, which %2 holds: %3.")
        .arg(rows, output, QString::fromStdString(o.Error));
  QString text = QString("%1 rows written to %2.").arg(rows, output);
  if (o.FailedRows > 0) {
    QStringList lines;
    for (const std::int64_t line : o.FirstFailedLines) lines << QString::number(line);
    text += QString(" %1 of them failed (see their error column), the first on input lines %2.")
                .arg(QString::number(o.FailedRows), lines.join(", "));
  }
  return text;
}

void BatchClick(QWidget* parent, const TBatchDefaults& defaults) {
  QFileDialog open(parent, "Batch: Charts and Events");
  open.setObjectName("BatchInputDialog");
  open.setNameFilter("CSV files (*.csv)");
  open.setFileMode(QFileDialog::ExistingFile);
  if (RunModal(open) != QDialog::Accepted || open.selectedFiles().isEmpty()) return;
  QFileDialog save(parent, "Batch: Save the Results As");
  save.setObjectName("BatchOutputDialog");
  save.setAcceptMode(QFileDialog::AcceptSave);
  save.setNameFilter("CSV files (*.csv)");
  save.setDefaultSuffix("csv");
  if (RunModal(save) != QDialog::Accepted || save.selectedFiles().isEmpty()) return;
  const QString output = save.selectedFiles().constFirst();
  const TBatchOutcome outcome =
      RunBatchWithProgress(parent, open.selectedFiles().constFirst(), output, defaults);
  if (!outcome.Error.empty() && outcome.Error != "cancelled" && outcome.Rows == 0) {
    ShowErrorBox(parent, BatchOutcomeText(outcome, output));
    return;
  }
  QMessageBox box(QMessageBox::Information, "Batch", BatchOutcomeText(outcome, output),
                  QMessageBox::Ok, parent);
  box.setObjectName("BatchOutcomeBox");
  RunModal(box);
}

}  // namespace ostrane
