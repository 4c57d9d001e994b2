// Printing of a list box's lines, on paper or into a PDF file.  Both put
// every list line, preceded by twelve spaces, in the list's font through a
// TPrinterTextChannel; the marks of a list drawn by a TMarkDelegate go into
// those spaces.
#pragma once

#include <QString>
#include <functional>

class QFont;
class QListView;
class QPrintDialog;
class QWidget;

namespace ostrane {

class TPrinterTextChannel;

inline constexpr const char* kLinePrefix = "            ";  // twelve spaces
inline constexpr const char* kNoPrinterMessage = "There is no printer installed.";

// What printing asks of the desktop, replaceable so that the commands can be
// driven without a printer, a modal dialog or a message box.
struct TPrintHooks {
  // Whether any printer is installed.
  std::function<bool()> PrinterInstalled;
  // Runs the print dialog; true when the user confirmed.
  std::function<bool(QPrintDialog& dialog)> RunPrintDialog;
  // Asks for the name of the PDF file to write; empty text when cancelled.
  std::function<QString(QWidget* parent)> AskPdfFileName;
  // Asks for the name of a PDF file to write, proposing `proposed` (a file
  // name without a folder); empty text when cancelled.
  std::function<QString(QWidget* parent, const QString& proposed)> AskSaveFileName;
  // Shows an error message (without the error box's closing full stop).
  std::function<void(QWidget* parent, const QString& message)> ShowError;
};

// The desktop's own: QPrinterInfo, the print dialog and a QFileDialog run
// through RunModal, and the program's error box.
TPrintHooks DefaultPrintHooks();
const TPrintHooks& PrintHooks();
// Replaces the hooks; a hook left empty keeps its default.
void SetPrintHooks(TPrintHooks hooks);

// The list's font as the printer gets it: same face and style, its size in
// points (a font set in pixels is converted at the list's resolution).
QFont PrinterFont(const QListView& list);

// Sets the channel's font to the list's and writes every list line with the
// prefix, each ending its printed line; when the list's delegate is a
// TMarkDelegate, a marked line's PrintedMarks go into the margin the prefix
// leaves, with the glyph of its ruler while the list's model reads the
// rulers in a chart.  The channel must be open.
void WriteListLines(TPrinterTextChannel& channel, const QListView& list);

// Runs `dialog` (page range, selection and printing to a file switched off);
// when the user confirms, prints every line of `list` on the chosen printer.
// Errors, a job that could not be completed among them, are shown in the
// program's error box.
void PrintListBox(QWidget* parent, QPrintDialog* dialog, const QListView* list);

// Sets the print dialog to print a whole document (no file, selection,
// page range or current page) and runs it through the hooks: true when the
// user chose to print.
bool AskToPrintAll(QPrintDialog& dialog);

// Writes the lines of `list` into the PDF file `path` as they would be
// printed, through a temporary file that replaces `path` only when the whole
// document was written (SafeFile.h).  Throws EPrinterError naming the file
// and the reason when it cannot be written; `path` then keeps its old
// content.
void WriteListBoxPdf(const QString& path, const QListView& list);

// "Save as PDF ...": asks for a file name (suffix .pdf added when none is
// given) and writes the list there.  Errors are shown in the error box.
void SaveListBoxAsPdf(QWidget* parent, const QListView* list);

}  // namespace ostrane
