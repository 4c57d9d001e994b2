#include "ui/widgets/Hints.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace ostrane {
namespace {

constexpr const char* kHintProperty = "ostraneHint";

bool IsMenu(const QWidget* widget) {
  return qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

}  // namespace

void SetHint(QWidget* widget, const QString& hint) {
  widget->setProperty(kHintProperty, hint);
}

QString HintOf(const QWidget* widget) {
  return widget->property(kHintProperty).toString();
}

QString NearestHint(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QString hint = HintOf(w);
    if (!hint.isEmpty()) return hint;
    if (w->isWindow()) break;
  }
  return {};
}

THintTracker::THintTracker(QObject* parent) : QObject(parent) {}

bool THintTracker::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Enter && type != QEvent::Leave) return false;
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (!widget || IsMenu(widget)) return false;
  if (type == QEvent::Enter)
    emit HintChanged(NearestHint(widget));
  else
    emit HintChanged(widget->isWindow() ? QString() : NearestHint(widget->parentWidget()));
  return false;
}

}  // namespace ostrane
