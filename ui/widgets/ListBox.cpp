#include "ui/widgets/ListBox.h"

#include <QMouseEvent>

namespace ostrane {

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
}

int TListBox::ItemIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void TListBox::SetItemIndex(int index) {
  if (index < 0 || index >= count())
    clearSelection();
  else
    setCurrentRow(index);
}

void TListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();  // the context menu event that follows opens the pop-up
    return;
  }
  // A click below the last line keeps the line selected last, for "List
  // Sub Periods".
  if (!indexAt(event->position().toPoint()).isValid()) {
    setFocus(Qt::MouseFocusReason);
    event->accept();
    return;
  }
  QListWidget::mousePressEvent(event);
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QListWidget::mouseReleaseEvent(event);
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit DblClick();
}

void TListBox::mouseMoveEvent(QMouseEvent* event) {
  QListWidget::mouseMoveEvent(event);
  emit MouseMove();
}

}  // namespace ostrane
