#include "ui/widgets/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ostrane {

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = window->frameGeometry().size();
  window->move(area.x() + (area.width() - frame.width()) / 2,
               area.y() + (area.height() - frame.height()) / 2);
}

void FitOuterSize(QWidget* window, QSize outer) {
  const QSize border = window->frameGeometry().size() - window->size();
  window->resize(outer - border.expandedTo(QSize(0, 0)));
}

}  // namespace ostrane
