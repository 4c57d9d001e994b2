#include "ui/printing/ListPrinting.h"

#include <QFileDialog>
#include <QListView>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <exception>

#include "Version.h"
#include "core/Errors.h"
#include "storage/SafeFile.h"
#include "ui/printing/PrinterTextChannel.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ListMarks.h"

namespace ostrane {

namespace {

constexpr const char* kPdfNotStarted = "The PDF document could not be started";
constexpr const char* kPdfNotCompleted = "The PDF document could not be completed";

TPrintHooks& CurrentHooks() {
  static TPrintHooks hooks = DefaultPrintHooks();
  return hooks;
}

// The list's text colour when the program gave it one; otherwise black, so
// that a dark desktop theme does not print white text on white paper.
QColor PrinterTextColor(const QListView& list) {
  const QPalette& palette = list.palette();
  if (palette.isBrushSet(QPalette::Active, QPalette::Text))
    return palette.color(QPalette::Active, QPalette::Text);
  return Qt::black;
}

void ReportError(QWidget* parent, const std::exception& error) {
  PrintHooks().ShowError(parent, QString::fromStdString(error.what()));
}

}  // namespace

TPrintHooks DefaultPrintHooks() {
  TPrintHooks hooks;
  hooks.PrinterInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
  hooks.RunPrintDialog = [](QPrintDialog& dialog) { return RunModal(dialog) == QDialog::Accepted; };
  hooks.AskPdfFileName = [](QWidget* parent) {
    QFileDialog dialog(parent, "Save as PDF");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("PDF files (*.pdf)");
    dialog.setDefaultSuffix("pdf");
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
  };
  hooks.AskSaveFileName = [](QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent, "Save Report");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("PDF files (*.pdf)");
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(proposed);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
  };
  hooks.ShowError = ShowErrorBox;
  return hooks;
}

const TPrintHooks& PrintHooks() {
  return CurrentHooks();
}

void SetPrintHooks(TPrintHooks hooks) {
  const TPrintHooks defaults = DefaultPrintHooks();
  if (!hooks.PrinterInstalled) hooks.PrinterInstalled = defaults.PrinterInstalled;
  if (!hooks.RunPrintDialog) hooks.RunPrintDialog = defaults.RunPrintDialog;
  if (!hooks.AskPdfFileName) hooks.AskPdfFileName = defaults.AskPdfFileName;
  if (!hooks.AskSaveFileName) hooks.AskSaveFileName = defaults.AskSaveFileName;
  if (!hooks.ShowError) hooks.ShowError = defaults.ShowError;
  CurrentHooks() = std::move(hooks);
}

QFont PrinterFont(const QListView& list) {
  QFont font = list.font();
  if (font.pointSizeF() <= 0 && font.pixelSize() > 0)
    font.setPointSizeF(font.pixelSize() * 72.0 / list.logicalDpiY());
  return font;
}

void WriteListLines(TPrinterTextChannel& channel, const QListView& list) {
  channel.SetFont(PrinterFont(list), PrinterTextColor(list));
  const QString prefix = QString::fromLatin1(kLinePrefix);
  // The marks stay two spaces clear of the line's text.
  const int margin = channel.TextWidth(prefix) - channel.TextWidth(QStringLiteral("  "));
  const auto* marks = qobject_cast<const TMarkDelegate*>(list.itemDelegate());
  for (int i = 0; i < list.model()->rowCount(); ++i) {
    if (marks) channel.WriteInMargin(marks->PrintedMarks(list.model()->index(i, 0)), margin);
    channel.WriteLine(prefix + list.model()->index(i, 0).data().toString());
  }
}

bool AskToPrintAll(QPrintDialog& dialog) {
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  return PrintHooks().RunPrintDialog(dialog);
}

void PrintListBox(QWidget* parent, QPrintDialog* dialog, const QListView* list) {
  if (dialog == nullptr || list == nullptr) return;
  const TPrintHooks& hooks = PrintHooks();
  if (!hooks.PrinterInstalled()) {
    hooks.ShowError(parent, QString::fromLatin1(kNoPrinterMessage));
    return;
  }
  if (!AskToPrintAll(*dialog)) return;
  try {
    QPrinter& printer = *dialog->printer();
    TPrinterTextChannel channel(printer);  // closed on leaving, also by an error
    if (!channel.Open())
      throw EPrinterError("The print job could not be started on \"" +
                          printer.printerName().toStdString() + "\".");
    WriteListLines(channel, *list);
    if (!channel.Close())
      throw EPrinterError("The print job on \"" + printer.printerName().toStdString() +
                          "\" could not be completed.");
  } catch (const std::exception& error) {
    ReportError(parent, error);
  }
}

void WriteListBoxPdf(const QString& path, const QListView& list) {
  TSafeFile file(path.toStdString());
  if (file.Open()) {
    try {
      QPdfWriter writer(&file.Device());
      const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
      writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                       QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                       QPageLayout::Millimeter));
      writer.setResolution(600);
      writer.setCreator(kNameVersion);
      writer.setTitle("Ostrane listing");
      TPrinterTextChannel channel(writer);
      if (!channel.Open()) {
        file.Fail(QString::fromLatin1(kPdfNotStarted));
      } else {
        WriteListLines(channel, list);
        if (!channel.Close()) file.Fail(QString::fromLatin1(kPdfNotCompleted));
      }
    } catch (const EPrinterError& error) {
      // A write that failed before (a full disk) keeps its reason.
      file.Fail(QString::fromStdString(error.what()));
    }
    if (file.Commit()) return;
  }
  throw EPrinterError("The file \"" + path.toStdString() +
                      "\" could not be written: " + file.ErrorString().toStdString());
}

void SaveListBoxAsPdf(QWidget* parent, const QListView* list) {
  if (list == nullptr) return;
  const QString path = PrintHooks().AskPdfFileName(parent);
  if (path.isEmpty()) return;
  try {
    WriteListBoxPdf(path, *list);
  } catch (const std::exception& error) {
    ReportError(parent, error);
  }
}

}  // namespace ostrane
