// The report for a client from the main window: written as a PDF file or
// printed, the pages of report/ReportPages.h either way.  The dialogs and
// the error box go through the print hooks (ListPrinting.h).
#pragma once

#include <QString>

#include "report/ReportContent.h"

class QPrintDialog;
class QWidget;

namespace ostrane {

// "Report ...": asks for a PDF file name, proposing "NAME report.pdf", and
// writes the report there.  Returns what to tell in the status bar ("Report
// saved to <file>"), or empty text when cancelled or when it failed (the
// error is shown in the error box).  Throws EConvertError when the time
// text is not a time of day.
QString SaveReport(QWidget* parent, const TReportInput& input);

// "Print Report ...": runs `dialog` (page range, selection and printing to
// a file switched off); when the user confirms, prints the report on the
// chosen printer.  Errors are shown in the error box.  Throws EConvertError
// as SaveReport does.
void PrintReport(QWidget* parent, QPrintDialog* dialog, const TReportInput& input);

}  // namespace ostrane
