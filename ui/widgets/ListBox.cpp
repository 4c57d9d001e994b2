#include "ui/widgets/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/widgets/ListingModel.h"

namespace ostrane {

TListBox::TListBox(QWidget* parent) : QListView(parent), FModel(new TListingModel(this)) {
  setModel(FModel);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
}

int TListBox::count() const {
  return FModel->rowCount();
}

QString TListBox::Text(int row) const {
  return FModel->index(row).data().toString();
}

int TListBox::ItemIndex() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TListBox::SetItemIndex(int index) {
  if (index < 0 || index >= count())
    clearSelection();
  else
    setCurrentIndex(FModel->index(index));
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
  QListView::mousePressEvent(event);
}

void TListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QListView::mouseReleaseEvent(event);
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit DblClick();
}

void TListBox::mouseMoveEvent(QMouseEvent* event) {
  QListView::mouseMoveEvent(event);
  emit MouseMove();
}

void TListBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && ItemIndex() >= 0) {
    event->accept();
    emit ReturnPressed();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace ostrane
