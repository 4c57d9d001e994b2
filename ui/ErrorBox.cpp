#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

#include "Errors.h"

namespace ostrane {
namespace {

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

void ShowErrorBox(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(ErrorBoxText(message.toStdString())), QMessageBox::Ok,
                  parent);
  box.setObjectName("ErrorBox");
  box.setTextFormat(Qt::PlainText);
  RunModal(box);
}

}  // namespace ostrane
