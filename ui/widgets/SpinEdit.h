// The numeric spin field: an integer text field with up and down buttons
// and a range (day, year and general periods).  Unlike QSpinBox it keeps
// whatever text is typed: the value is read from the text when asked for,
// a text that is not an integer reads as the minimum, and only leaving the
// field puts a value outside the range back into it.  See TSpinRules.
//
// While its text is not a whole number the field shows that its minimum is
// used: its background takes the warning colour (kWarningColor) and its
// tool tip says so (NotWholeNumberTip).
#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

#include "ui/widgets/SpinRules.h"

namespace ostrane {

class TSpinEdit : public QAbstractSpinBox {
  Q_OBJECT
 public:
  TSpinEdit(std::int32_t min, std::int32_t max, QWidget* parent = nullptr);

  std::int32_t MinValue() const { return FRules.Min(); }
  std::int32_t MaxValue() const { return FRules.Max(); }

  // The value of the text, not limited; the minimum for a non-integer text.
  std::int32_t Value() const;
  // Whether the text reads as an integer; false when the value is the
  // minimum in place of the text.
  bool IsWholeNumber() const;

  // Writes the value limited to the range.
  void SetValue(std::int64_t value);

  // The buttons and the cursor keys add or subtract one through SetValue.
  void stepBy(int steps) override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The text changed, by typing or by the program.
  void TextChanged();
  // The field received the focus from another control of its window (not
  // when the window itself is activated or a menu closes).
  void Entered();

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Marks the field or clears the mark as its text is or is not a whole number.
  void ShowWhetherWholeNumber();

  TSpinRules FRules;
  bool FMarked = false;
};

}  // namespace ostrane
