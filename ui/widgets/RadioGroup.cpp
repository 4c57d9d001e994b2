#include "ui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace ostrane {

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(title, parent), FItems(items), FButtons(new QButtonGroup(this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 2, 6, 4);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(0);
  columns = std::max(columns, 1);
  for (int i = 0; i < Count(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    FButtons->addButton(button, i);
    layout->addWidget(button, i / columns, i % columns);
  }
  connect(FButtons, &QButtonGroup::idToggled, this, &TRadioGroup::ButtonToggled);
}

QRadioButton* TRadioGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(FButtons->button(index));
}

void TRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, Count() - 1);
  if (index == FItemIndex) return;
  if (index >= 0) {
    Button(index)->setChecked(true);  // ButtonToggled records it and clicks
    return;
  }
  // An exclusive group keeps one button checked; let go of it for a moment.
  FButtons->setExclusive(false);
  Button(FItemIndex)->setChecked(false);
  FButtons->setExclusive(true);
  FItemIndex = -1;
}

void TRadioGroup::ButtonToggled(int id, bool checked) {
  if (!checked || id == FItemIndex) return;
  FItemIndex = id;
  emit Click();
}

}  // namespace ostrane
