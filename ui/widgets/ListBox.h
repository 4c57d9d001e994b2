// The list box of the main listing: a list view of a TListingModel it owns.
// Beyond QListView it reports a double click anywhere in the list (also
// below the last line) and every mouse move over it, and a right click
// opens the pop-up menu without changing the selection.  Enter or Return
// on a selected line is reported too.  A click that hits
// no line leaves the selection as it was.
#pragma once

#include <QListView>

namespace ostrane {

class TListingModel;

class TListBox : public QListView {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent = nullptr);

  TListingModel& Model() const { return *FModel; }
  // The rows shown.
  int count() const;
  // The text of a row; empty text for no row.
  QString Text(int row) const;

  // The selected line, -1 when none is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);

 signals:
  void DblClick();
  void MouseMove();
  // Enter or Return was pressed while a line is selected.
  void ReturnPressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TListingModel* FModel;
};

}  // namespace ostrane
