// A line printer on a paint device: text written line after line onto the
// printable area of a page, breaking lines and pages as a printer's text file
// does.  Written against QPaintDevice, so the same channel prints on paper
// (QPrinter), into a PDF file (QPdfWriter) or onto an image.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <functional>
#include <stdexcept>

class QPaintDevice;
class QPdfWriter;
class QPrinter;

namespace ostrane {

// A printer failure while a job is being built.
class EPrinterError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPrinterTextChannel {
 public:
  // Ends the current page and starts the next one; false on a printer error.
  using NewPageFn = std::function<bool()>;

  // One piece of text as it was drawn: the page (1 is the first), its top left
  // corner in device units, its height and the text itself.
  struct DrawnText {
    int Page = 0;
    QPoint Position;
    int Height = 0;
    QString Text;
  };
  using DrawObserver = std::function<void(const DrawnText&)>;

  TPrinterTextChannel(QPaintDevice& device, NewPageFn newPage);
  explicit TPrinterTextChannel(QPrinter& printer);
  explicit TPrinterTextChannel(QPdfWriter& writer);
  ~TPrinterTextChannel();  // closes an open channel; Close() tells whether that failed

  TPrinterTextChannel(const TPrinterTextChannel&) = delete;
  TPrinterTextChannel& operator=(const TPrinterTextChannel&) = delete;

  // Starts the document with its first page, position at the top left of the
  // printable area.  False when the device cannot be painted on (the job did
  // not start).
  bool Open();
  // Ends the last page and the document.  False when the device reports
  // that the document could not be finished (QPainter::end failed: a print
  // job that could not be handed over); true when it could, or when the
  // channel was not open.
  bool Close();
  bool IsOpen() const { return FOpen; }

  // The font and colour of the text written from now on (on an open
  // channel; opening starts with the default font in black).  The font's point
  // size is kept; the device's resolution turns it into device units.
  void SetFont(const QFont& font, const QColor& color = Qt::black);

  // Draws `text` at the current position and moves right by its width.  Text
  // that does not fit in the remaining width is split: the longest leading
  // part that fits is drawn, and the rest continues on a new line at the left
  // edge.  A line always takes at least one character, so a character wider
  // than the page is drawn on a line of its own rather than never.
  // Throws EPrinterError when a new page cannot be started.
  void Write(const QString& text);
  // Moves to the left edge of the next line, and to the top of the next page
  // when the new line would come closer to the bottom than two line heights.
  void EndLine();
  void WriteLine(const QString& text) {
    Write(text);
    EndLine();
  }
  // Draws `text` at the left edge of the current line, on the baseline of
  // the line's text, without moving the position: marks in a margin that the
  // line's own text leaves free.  Text wider than `width` (device units) is
  // drawn in a smaller size of the current font so that it fits.
  // Throws EPrinterError when a new page cannot be started.
  void WriteInMargin(const QString& text, int width);
  // The width in device units of `text` in the current font.
  int TextWidth(const QString& text) const;

  // Told of every piece of text drawn; for previews and tests.
  void SetDrawObserver(DrawObserver observer) { FObserver = std::move(observer); }

  // The page the last text went on (1 is the first).
  int PageNumber() const { return FPage; }
  QPoint Position() const { return FPosition; }
  int PageWidth() const;
  int PageHeight() const;

 private:
  void Draw(const QString& text, int width);
  void NewLine();
  void StartPendingPage();

  QPaintDevice& FDevice;
  NewPageFn FNewPage;
  QPainter FPainter;
  DrawObserver FObserver;
  QPoint FPosition;
  int FTallest = 0;  // the tallest text drawn on the current line
  int FPage = 0;
  // A full page is ended only when more comes, so that a listing that just
  // fills its last page does not leave an empty sheet behind it.
  bool FPagePending = false;
  bool FOpen = false;
};

}  // namespace ostrane
