// The typing limit of the name field: typed text may not grow beyond
// kMaxNameLength characters.  A longer name set by the program (read from a
// file) is shown whole and may be shortened, but not lengthened.
//
// The text fields whose text a file keeps take no line breaks or other
// control characters, as the name given on the command line: typed or
// pasted, each becomes a space (the rule of PlainText, PrintableText.h).
#pragma once

#include <QValidator>

class QLineEdit;

namespace ostrane {

// `text` with each character that PlainText replaces replaced by a space
// (the length stays); true when there was one.
bool MakePlainFieldText(QString& text);

// The validator of a text field that a file keeps: typed or pasted control
// characters become spaces.
class TPlainTextField : public QValidator {
  Q_OBJECT
 public:
  // Installs itself as the validator of `edit`, whose parent it becomes.
  explicit TPlainTextField(QLineEdit* edit);
  State validate(QString& input, int& pos) const override;
};

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
  // longer than the text before the edit; Acceptable otherwise, with typed
  // control characters made spaces (not those of a name SetName puts in).
  State validate(QString& input, int& pos) const override;

 private:
  QLineEdit* FEdit;
  bool FSetting = false;  // SetName is putting a name in
  qsizetype FLength = 0;  // the length of the field's text before the edit
};

}  // namespace ostrane
