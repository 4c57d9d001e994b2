#include "ui/widgets/WindowGeometry.h"

#include <QEvent>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "ui/widgets/ErrorBox.h"

namespace ostrane {
namespace {

QString KeyOf(const QWidget* window) {
  return QStringLiteral("Windows/") + window->objectName();
}

// Restores a window's geometry on its first show, after the placement the
// window makes then (at once, or on the next turn of the event loop), and
// saves it on every hide.
class TGeometryKeeper : public QObject {
 public:
  explicit TGeometryKeeper(QWidget* window) : QObject(window), FWindow(window) {
    setObjectName(kGeometryKeeperName);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != FWindow) return false;
    if (event->type() == QEvent::Show && !FShown) {
      FShown = true;
      // Two turns: the window's own placement queued in its showEvent runs
      // first.
      QPointer<QWidget> window = FWindow;
      QTimer::singleShot(0, this, [this, window] {
        QTimer::singleShot(0, this, [window] {
          if (window) RestoreWindowGeometry(window);
        });
      });
    } else if (event->type() == QEvent::Hide && FShown) {
      SaveWindowGeometry(FWindow);
    }
    return false;
  }

 private:
  QWidget* FWindow;
  bool FShown = false;
};

}  // namespace

bool RestoreWindowGeometry(QWidget* window) {
  const QSettings settings(kApplicationTitle, kApplicationTitle);
  const QByteArray saved = settings.value(KeyOf(window)).toByteArray();
  return !saved.isEmpty() && window->restoreGeometry(saved);
}

void SaveWindowGeometry(QWidget* window) {
  QSettings settings(kApplicationTitle, kApplicationTitle);
  settings.setValue(KeyOf(window), window->saveGeometry());
}

void KeepWindowGeometry(QWidget* window) {
  window->installEventFilter(new TGeometryKeeper(window));
}

}  // namespace ostrane
