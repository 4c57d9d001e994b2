#include "ui/widgets/SpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "ui/widgets/WindowFonts.h"

namespace ostrane {
namespace {

// Focus changes that do not mean the user moved to or from the field.
bool MovesBetweenControls(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

}  // namespace

TSpinEdit::TSpinEdit(std::int32_t min, std::int32_t max, QWidget* parent)
    : QAbstractSpinBox(parent), FRules(min, max) {
  setAccelerated(false);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    ShowWhetherWholeNumber();
    emit TextChanged();
  });
  SetValue(min);
}

bool TSpinEdit::IsWholeNumber() const {
  return FRules.IsWholeNumber(text().toStdString());
}

void TSpinEdit::ShowWhetherWholeNumber() {
  const bool mark = !IsWholeNumber();
  if (mark == FMarked) return;
  FMarked = mark;
  if (!mark) {
    setPalette(QPalette());  // the inherited colours again
    setToolTip(QString());
    return;
  }
  QPalette warning = palette();
  warning.setColor(QPalette::Base, kWarningColor);
  warning.setColor(QPalette::Text, Qt::black);
  setPalette(warning);
  setToolTip(QString::fromStdString(NotWholeNumberTip(FRules.Min())));
}

std::int32_t TSpinEdit::Value() const {
  return FRules.ValueOfText(text().toStdString());
}

void TSpinEdit::SetValue(std::int64_t value) {
  lineEdit()->setText(QString::fromStdString(FRules.TextOfValue(value)));
}

void TSpinEdit::stepBy(int steps) {
  SetValue(std::int64_t{Value()} + steps);
  selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
  return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter || !AcceptsTypedText(event->text().toStdU32String(),
                                 QLocale().decimalPoint().toStdU32String())) {
    QApplication::beep();
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusInEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusInEvent(event);
  if (MovesBetweenControls(event)) emit Entered();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
  if (MovesBetweenControls(event)) {
    if (const auto corrected = FRules.CorrectionOnLeave(text().toStdString())) SetValue(*corrected);
  }
  QAbstractSpinBox::focusOutEvent(event);
}

QSize TSpinEdit::sizeHint() const {
  ensurePolished();
  const QFontMetrics metrics = fontMetrics();
  const int widest = std::max(metrics.horizontalAdvance(QString::number(FRules.Min())),
                              metrics.horizontalAdvance(QString::number(FRules.Max())));
  QSize contents(widest + 2 + metrics.horizontalAdvance(u' '), lineEdit()->sizeHint().height());
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, this);
}

QSize TSpinEdit::minimumSizeHint() const {
  return sizeHint();
}

}  // namespace ostrane
