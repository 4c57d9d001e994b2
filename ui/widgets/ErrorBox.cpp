#include "ui/widgets/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "core/Errors.h"

namespace ostrane {
namespace {

// The error box shows this many characters of the beginning of a message
// too long to show whole, and this many of its end.
constexpr qsizetype kShownHead = 300, kShownTail = 80;

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
         c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// `text` with a zero-width space after every kLongestRun characters that
// hold no space, never inside a surrogate pair.  The message box sizes its
// text by words but draws a word wider than the box broken anywhere, so that
// a long run (a bad line of digits) would be drawn on more lines than the
// box has room for and partly hidden.
QString WithBreakOpportunities(const QString& text) {
  constexpr qsizetype kLongestRun = 40;
  QString broken;
  broken.reserve(text.size() + text.size() / kLongestRun);
  qsizetype run = 0;
  for (const QChar c : text) {
    if (run >= kLongestRun && !c.isLowSurrogate() && !c.isSpace()) {
      broken += QChar(0x200B);
      run = 0;
    }
    broken += c;
    run = c.isSpace() ? 0 : run + 1;
  }
  return broken;
}

TModalRunner& Runner() {
  static TModalRunner runner;
  return runner;
}

// Whether a window other than `dialog` that stays on top of the others is
// shown (the level 3/4 window).
bool StayOnTopWindowShown(const QDialog& dialog) {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [&dialog](const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window != &dialog && window->isVisible() && (type == Qt::Window || type == Qt::Dialog) &&
           window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  });
}

}  // namespace

int RunModal(QDialog& dialog) {
  // A dialog under a window that stays on top would leave the program
  // looking frozen: while one is shown, the dialog stays on top as well.
  const bool lift =
      !dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && StayOnTopWindowShown(dialog);
  if (lift) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  const TModalRunner& runner = Runner();
  const int result = runner ? runner(dialog) : dialog.exec();
  if (lift) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, false);
  return result;
}

TModalRunner SetModalRunner(TModalRunner runner) {
  TModalRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

QString ErrorBoxShownText(const QString& text) {
  const auto lines = 1 + std::count_if(text.begin(), text.end(), IsLineBreak);
  if (text.size() <= kErrorBoxMaxCharacters && lines <= kErrorBoxMaxLines) return text;
  QString shown = text;
  if (text.size() > kErrorBoxMaxCharacters) {
    qsizetype headEnd = kShownHead;
    if (text[headEnd].isLowSurrogate()) --headEnd;
    qsizetype tailStart = text.size() - kShownTail;
    if (text[tailStart].isLowSurrogate()) ++tailStart;
    shown = text.left(headEnd) + QStringLiteral(" \u2026 ") + text.mid(tailStart);
  }
  for (QChar& c : shown)
    if (IsLineBreak(c)) c = u' ';
  return WithBreakOpportunities(shown);
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
  const QString shown = ErrorBoxShownText(text);
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), shown,
                  QMessageBox::Ok, parent);
  box.setObjectName("ErrorBox");
  box.setTextFormat(Qt::PlainText);
  if (shown != text) box.setDetailedText(text);
  RunModal(box);
}

}  // namespace ostrane
