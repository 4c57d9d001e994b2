#include "ErrorBox.h"

#include <QMessageBox>

#include <algorithm>

#include "Errors.h"

namespace ostrane {
namespace {

// The error box shows this many characters of the beginning of a message
// too long to show whole, and this many of its end.
constexpr qsizetype kShownHead = 300, kShownTail = 80;

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
         c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

TModalRunner& Runner() {
  static TModalRunner runner;
  return runner;
}

}  // namespace

int RunModal(QDialog& dialog) {
  if (const TModalRunner& runner = Runner()) return runner(dialog);
  return dialog.exec();
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
  return shown;
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
