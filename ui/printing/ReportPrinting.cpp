#include "ui/printing/ReportPrinting.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "report/ReportPdf.h"
#include "ui/printing/ListPrinting.h"

namespace ostrane {

QString SaveReport(QWidget* parent, const TReportInput& input) {
  const TReportContent content = BuildReport(input);
  const TPrintHooks& hooks = PrintHooks();
  const QString path = hooks.AskSaveFileName(parent, ReportFileName(content.Name));
  if (path.isEmpty()) return {};
  try {
    WriteReportPdf(path, content);
  } catch (const EReportError& error) {
    hooks.ShowError(parent, QString::fromStdString(error.what()));
    return {};
  }
  return "Report saved to " + QDir::toNativeSeparators(path);
}

void PrintReport(QWidget* parent, QPrintDialog* dialog, const TReportInput& input) {
  if (dialog == nullptr) return;
  const TReportContent content = BuildReport(input);
  const TPrintHooks& hooks = PrintHooks();
  if (!hooks.PrinterInstalled()) {
    hooks.ShowError(parent, QString::fromLatin1(kNoPrinterMessage));
    return;
  }
  if (!AskToPrintAll(*dialog)) return;
  // The report wants 15 mm clear of the paper's edges: narrower margins the
  // printer was left with are widened for it, and given back after it.
  QPrinter& printer = *dialog->printer();
  const QPageLayout layout = printer.pageLayout();
  const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
  if (std::min({margins.left(), margins.top(), margins.right(), margins.bottom()}) < 15.0)
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  try {
    PaintReport(printer, content);
  } catch (const EReportError& error) {
    hooks.ShowError(parent, QString::fromStdString(error.what()));
  }
  printer.setPageLayout(layout);
}

}  // namespace ostrane
