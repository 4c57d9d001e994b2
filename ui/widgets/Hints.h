// Hints: a line of help for a control, shown in the main window's status
// bar while the mouse is over the control.  A control without a hint of
// its own shows the one of its nearest enclosing control that has one, so
// the fields inside the birth-data group show the group's hint.  Menu items
// carry theirs as the action's status tip.  The only pop-up tips are the
// marks of the listed lines (TMarkDelegate).
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ostrane {

void SetHint(QWidget* widget, const QString& hint);
QString HintOf(const QWidget* widget);

// The hint of `widget` or of its nearest enclosing control that has one,
// looking no further than the widget's window; empty when none has one.
QString NearestHint(const QWidget* widget);

// Follows the mouse over every window of the application and reports the
// hint of the control it enters, and on leaving a control the hint of the
// control it returns to.  Menus report the hints of their items themselves.
class THintTracker : public QObject {
  Q_OBJECT
 public:
  explicit THintTracker(QObject* parent = nullptr);

 signals:
  void HintChanged(const QString& hint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ostrane
