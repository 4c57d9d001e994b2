#include "ui/widgets/DrawingFileDialog.h"

#include <QFileDialog>

#include "ui/widgets/ErrorBox.h"

namespace ostrane {

QString AskDrawingFileName(QWidget* parent, const QString& title) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)"});
  dialog.setDefaultSuffix("png");
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     for (const char* suffix : {"png", "svg", "pdf"})
                       if (filter.contains(QString("*.") + suffix)) dialog.setDefaultSuffix(suffix);
                   });
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace ostrane
