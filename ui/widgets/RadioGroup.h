// A radio group: a titled box of radio buttons with an item index, -1 when
// none is selected.  Click runs whenever the selection changes to one of
// the items, by the user or by the program; a change to no selection runs
// nothing.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace ostrane {

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  // The items are laid out in `columns` columns, filled row by row.
  TRadioGroup(const QString& title, const QStringList& items, int columns,
              QWidget* parent = nullptr);

  int Count() const { return static_cast<int>(FItems.size()); }
  int ItemIndex() const { return FItemIndex; }
  // Selects an item; a number outside the items is limited to -1..Count()-1.
  void SetItemIndex(int index);
  QRadioButton* Button(int index) const;

 signals:
  void Click();

 private:
  void ButtonToggled(int id, bool checked);

  QStringList FItems;
  QButtonGroup* FButtons;
  int FItemIndex = -1;
};

}  // namespace ostrane
