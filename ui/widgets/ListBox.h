// The list box of the main listing.  Beyond QListWidget it reports a
// double click anywhere in the list (also below the last line) and every
// mouse move over it, and a right click opens the pop-up menu without
// changing the selection.  A click that hits no line leaves the selection
// as it was.
#pragma once

#include <QListWidget>

namespace ostrane {

class TListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent = nullptr);

  // The selected line, -1 when none is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);

 signals:
  void DblClick();
  void MouseMove();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace ostrane
