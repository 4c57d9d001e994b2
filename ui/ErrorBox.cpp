#include "ErrorBox.h"

#include <QMessageBox>

#include "Errors.h"

namespace ostrane {
namespace {

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

void ShowErrorBox(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(ErrorBoxText(message.toStdString())), QMessageBox::Ok,
                  parent);
  box.setObjectName("ErrorBox");
  box.setTextFormat(Qt::PlainText);
  RunModal(box);
}

}  // namespace ostrane
