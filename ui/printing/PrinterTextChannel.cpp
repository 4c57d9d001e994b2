#include "ui/printing/PrinterTextChannel.h"

#include <QFontMetrics>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace ostrane {

namespace {

// The positions in `text` after each whole character (grapheme cluster), so a
// split never separates a surrogate pair or a base letter from its accent.
std::vector<int> CharacterEnds(const QString& text) {
  std::vector<int> ends;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  while (finder.toNextBoundary() > 0) ends.push_back(finder.position());
  return ends;
}

// The length of the longest leading part of `text` (ending at a character
// boundary) no wider than `available`; 0 when not even one character fits.
int FittingLength(const QString& text, const std::vector<int>& ends, int available,
                  const QFontMetrics& metrics) {
  // Widths grow with the length, so the last fitting boundary is found by
  // bisection over the character ends.
  auto fits = [&](int end) { return metrics.horizontalAdvance(text.left(end)) <= available; };
  std::size_t low = 0;  // ends[0 .. low) are known to fit
  std::size_t high = ends.size();
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (fits(ends[mid]))
      low = mid + 1;
    else
      high = mid;
  }
  return low == 0 ? 0 : ends[low - 1];
}

}  // namespace

TPrinterTextChannel::TPrinterTextChannel(QPaintDevice& device, NewPageFn newPage)
    : FDevice(device), FNewPage(std::move(newPage)) {}

TPrinterTextChannel::TPrinterTextChannel(QPrinter& printer)
    : TPrinterTextChannel(printer, [&printer] { return printer.newPage(); }) {}

TPrinterTextChannel::TPrinterTextChannel(QPdfWriter& writer)
    : TPrinterTextChannel(writer, [&writer] { return writer.newPage(); }) {}

TPrinterTextChannel::~TPrinterTextChannel() {
  Close();
}

bool TPrinterTextChannel::Open() {
  if (FOpen) return true;
  if (!FPainter.begin(&FDevice)) return false;
  FOpen = true;
  FPage = 1;
  FPosition = QPoint(0, 0);
  FTallest = 0;
  FPagePending = false;
  FPainter.setPen(Qt::black);
  return true;
}

bool TPrinterTextChannel::Close() {
  if (!FOpen) return true;
  FOpen = false;
  return FPainter.end();
}

void TPrinterTextChannel::SetFont(const QFont& font, const QColor& color) {
  if (!FOpen) return;
  FPainter.setFont(font);
  FPainter.setPen(color);
}

int TPrinterTextChannel::PageWidth() const {
  return FDevice.width();
}
int TPrinterTextChannel::PageHeight() const {
  return FDevice.height();
}

void TPrinterTextChannel::Write(const QString& text) {
  if (!FOpen) return;
  const QFontMetrics metrics = FPainter.fontMetrics();
  QString rest = text;
  while (!rest.isEmpty()) {
    const int available = PageWidth() - FPosition.x();
    const int width = metrics.horizontalAdvance(rest);
    if (width <= available) {
      Draw(rest, width);
      return;
    }
    const std::vector<int> ends = CharacterEnds(rest);
    int length = FittingLength(rest, ends, available, metrics);
    // Nothing fits even at the left edge: take one character anyway, or the
    // rest would move from line to line for ever.
    if (length == 0 && FPosition.x() == 0 && !ends.empty()) length = ends.front();
    if (length > 0) {
      const QString part = rest.left(length);
      Draw(part, metrics.horizontalAdvance(part));
      rest.remove(0, length);
    }
    if (!rest.isEmpty()) NewLine();
  }
}

void TPrinterTextChannel::WriteInMargin(const QString& text, int width) {
  if (!FOpen || text.isEmpty()) return;
  StartPendingPage();
  const QFont font = FPainter.font();
  const QFontMetrics metrics = FPainter.fontMetrics();
  const int baseline = FPosition.y() + metrics.ascent();
  QFont smaller = font;
  // Each step takes a tenth off the size; hinting keeps the widths from
  // shrinking exactly in proportion.
  for (int step = 0; step < 20 && QFontMetrics(smaller, &FDevice).horizontalAdvance(text) > width;
       ++step)
    smaller.setPointSizeF(smaller.pointSizeF() * 0.9);
  FPainter.setFont(smaller);
  FPainter.drawText(QPoint(0, baseline), text);
  FTallest = std::max(FTallest, metrics.height());
  if (FObserver) FObserver(DrawnText{FPage, QPoint(0, FPosition.y()), metrics.height(), text});
  FPainter.setFont(font);
}

int TPrinterTextChannel::TextWidth(const QString& text) const {
  return FOpen ? FPainter.fontMetrics().horizontalAdvance(text) : 0;
}

void TPrinterTextChannel::EndLine() {
  if (FOpen) NewLine();
}

void TPrinterTextChannel::Draw(const QString& text, int width) {
  StartPendingPage();
  const QFontMetrics metrics = FPainter.fontMetrics();
  FPainter.drawText(QPoint(FPosition.x(), FPosition.y() + metrics.ascent()), text);
  FTallest = std::max(FTallest, metrics.height());
  if (FObserver) FObserver(DrawnText{FPage, FPosition, metrics.height(), text});
  FPosition.rx() += width;
}

void TPrinterTextChannel::NewLine() {
  StartPendingPage();
  // A line on which nothing was drawn is as tall as the current font's text.
  const int tallest = FTallest > 0 ? FTallest : FPainter.fontMetrics().height();
  const int lineHeight = tallest + 2;
  FTallest = 0;
  FPosition = QPoint(0, FPosition.y() + lineHeight);
  if (FPosition.y() > PageHeight() - 2 * lineHeight) {
    FPosition = QPoint(0, 0);
    FPagePending = true;
  }
}

void TPrinterTextChannel::StartPendingPage() {
  if (!FPagePending) return;
  FPagePending = false;
  if (!FNewPage()) throw EPrinterError("The printer could not start a new page.");
  ++FPage;
}

}  // namespace ostrane
