// The typing limit of the name field: typed text may not grow beyond
// kMaxNameLength characters.  A longer name set by the program (read from a
// file) is shown whole and may be shortened, but not lengthened.
#pragma once

#include <QValidator>

class QLineEdit;

namespace ostrane {

class TNameLimit : public QValidator {
  Q_OBJECT
 public:
  // Installs itself as the validator of `edit`, whose parent it becomes,
  // and limits the field to kMaxNameLength characters.
  explicit TNameLimit(QLineEdit* edit);

  // Puts `name` into the field whole, however long, raising the field's
  // maximum length when it is longer than kMaxNameLength.
  void SetName(const QString& name);

  // Invalid when the text is longer than kMaxNameLength characters and
  // longer than the text before the edit; Acceptable otherwise.
  State validate(QString& input, int& pos) const override;

 private:
  QLineEdit* FEdit;
  qsizetype FLength = 0;  // the length of the field's text before the edit
};

}  // namespace ostrane
