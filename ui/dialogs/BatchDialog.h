// File > Batch ...: a whole collection of charts run from the window, with a
// progress dialog that can be cancelled.  The run itself is the command
// line's (BatchRun.h); the rows take the window's settings as defaults.
#pragma once

#include <QString>
#include <functional>

#include "batch/BatchRun.h"

class QWidget;

namespace ostrane {

// Runs the collection in `input` into `output` on a worker thread while a
// progress dialog (objectName BatchProgress) shows the rows done; its Cancel
// button stops the run between chunks, leaving the rows before in the output.
// The output is written to a temporary file that replaces it at the end; a
// run that fails leaves the old output as it was.  Only a regular file is
// read, and never the output itself.  `cancelAtOnce` cancels after the
// first chunk, as a Cancel would (for tests).  Returns the outcome; a file
// that cannot be opened is an outcome with Error set.
TBatchOutcome RunBatchWithProgress(QWidget* parent, const QString& input, const QString& output,
                                   const TBatchDefaults& defaults, bool cancelAtOnce = false);

// The outcome in a sentence for the window: how many rows were written, how
// many failed and where, or why the run stopped and what the output holds.
QString BatchOutcomeText(const TBatchOutcome& outcome, const QString& output);

// The whole command: asks for the input and the output file, runs, and
// tells the outcome in a message box (errors in the error box).
void BatchClick(QWidget* parent, const TBatchDefaults& defaults);

}  // namespace ostrane
