#include "ui/widgets/NameField.h"

#include <QLineEdit>
#include <algorithm>

#include "core/ReleaseSettings.h"

namespace ostrane {

bool MakePlainFieldText(QString& text) {
  bool changed = false;
  for (QChar& c : text) {
    const char16_t u = c.unicode();
    // The characters PrintableText escapes; no surrogate is one of them.
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
        (u >= 0x2066 && u <= 0x2069)) {
      c = QChar(u' ');
      changed = true;
    }
  }
  return changed;
}

TPlainTextField::TPlainTextField(QLineEdit* edit) : QValidator(edit) {
  edit->setValidator(this);
}

QValidator::State TPlainTextField::validate(QString& input, int& pos) const {
  (void)pos;
  MakePlainFieldText(input);
  return Acceptable;
}

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
  FSetting = true;
  FEdit->setText(name);
  FSetting = false;
}

QValidator::State TNameLimit::validate(QString& input, int& pos) const {
  (void)pos;
  const qsizetype length = input.size();
  if (length > kMaxNameLength && length > FLength) return Invalid;
  if (!FSetting) MakePlainFieldText(input);
  return Acceptable;
}

}  // namespace ostrane
