#include "ui/dialogs/BatchDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>

#include "batch/BatchFiles.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {

TBatchOutcome RunBatchWithProgress(QWidget* parent, const QString& input, const QString& output,
                                   const TBatchDefaults& defaults, bool cancelAtOnce) {
  TBatchOutcome outcome;
  // Only a regular file, opened without waiting: a named pipe would hold
  // the window before any Cancel could be pressed.
  TBatchInput in;
  if (const std::string why = in.Open(input.toStdString(), true); !why.empty()) {
    outcome.Error = "'" + input.toStdString() + "' cannot be read: " + why;
    return outcome;
  }
  if (in.IsFile(output.toStdString())) {
    outcome.Error = "'" + output.toStdString() +
                    "' is the file the charts are read from: the results would replace it; "
                    "save them to another file";
    return outcome;
  }
  const double size = static_cast<double>(std::max<std::uintmax_t>(in.Size(), 1));

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
  // Written to a temporary file that replaces the old output at the end.
  TBatchOutput out(output.toStdString());
  std::thread worker([&] {
    try {
      // Asked between chunks, on this thread, which also reads the input.
      outcome = RunBatch(
          in.Stream(),
          [&](std::string& error) -> std::ostream* {
            if (out.Open()) return &out.Stream();
            error = "'" + output.toStdString() + "' cannot be written: " + out.ErrorString();
            return nullptr;
          },
          quiet, options,
          [&] {
            share = static_cast<double>(in.Position()) / size;
            return cancelled.load() || cancelAtOnce;
          });
    } catch (const std::exception& e) {  // the memory running out where the run cannot see it
      outcome.Error = e.what();
    }
    finished = true;
  });
  while (!finished) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    progress.setValue(static_cast<int>(std::min(share.load(), 1.0) * 999));
    if (progress.wasCanceled()) cancelled = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  worker.join();
  // A whole run, or the whole rows before a Cancel, replace the old output;
  // after an error it stays as it was.
  if (outcome.Error.empty() || outcome.Error == "cancelled") {
    if (!out.Commit()) outcome.Error = "the output could not be written: " + out.ErrorString();
  } else {
    out.Rollback();
  }
  progress.setValue(1000);
  return outcome;
}

QString BatchOutcomeText(const TBatchOutcome& o, const QString& output) {
  const QString rows = QString::number(o.Rows);
  if (o.Error == "cancelled")
    return QString("Cancelled: %1 holds the first %2 rows, complete.").arg(output, rows);
  if (!o.Error.empty() && o.Rows == 0)
    return QString("The batch did not run: %1. %2 was left as it was.")
        .arg(QString::fromStdString(o.Error), output);
  if (!o.Error.empty())
    return QString("The batch stopped after %1 rows: %2. %3 was left as it was.")
        .arg(rows, QString::fromStdString(o.Error), output);
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
  // A file that cannot be read is refused before the results are asked for.
  const QString input = open.selectedFiles().constFirst();
  if (const std::string why = TBatchInput().Open(input.toStdString(), true); !why.empty()) {
    ShowErrorBox(parent,
                 QString("'%1' cannot be read: %2.").arg(input, QString::fromStdString(why)));
    return;
  }
  QFileDialog save(parent, "Batch: Save the Results As");
  save.setObjectName("BatchOutputDialog");
  save.setAcceptMode(QFileDialog::AcceptSave);
  save.setNameFilter("CSV files (*.csv)");
  save.setDefaultSuffix("csv");
  if (RunModal(save) != QDialog::Accepted || save.selectedFiles().isEmpty()) return;
  const QString output = save.selectedFiles().constFirst();
  const TBatchOutcome outcome = RunBatchWithProgress(parent, input, output, defaults);
  if (!outcome.Error.empty() && outcome.Error != "cancelled") {
    ShowErrorBox(parent, BatchOutcomeText(outcome, output));
    return;
  }
  QMessageBox box(QMessageBox::Information, "Batch", BatchOutcomeText(outcome, output),
                  QMessageBox::Ok, parent);
  box.setObjectName("BatchOutcomeBox");
  RunModal(box);
}

}  // namespace ostrane
