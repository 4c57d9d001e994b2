#include "NameField.h"

#include <QLineEdit>

#include <algorithm>

#include "ReleaseSettings.h"

namespace ostrane {

TNameLimit::TNameLimit(QLineEdit* edit)
    : QValidator(edit), FEdit(edit), FLength(edit->text().size()) {
  // Runs after every change that was let through.
  connect(edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { FLength = text.size(); });
  edit->setMaxLength(kMaxNameLength);
  edit->setValidator(this);
}

void TNameLimit::SetName(const QString& name) {
  // The text set is checked like a typed one, against the length known
  // before it: it is let through as the length it will have.
  FLength = std::max(FLength, name.size());
  FEdit->setMaxLength(std::max<int>(kMaxNameLength, static_cast<int>(name.size())));
  FEdit->setText(name);
}

QValidator::State TNameLimit::validate(QString& input, int& pos) const {
  (void)pos;
  const qsizetype length = input.size();
  return length > kMaxNameLength && length > FLength ? Invalid : Acceptable;
}

}  // namespace ostrane
