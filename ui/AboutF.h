// The About window.
#pragma once

#include <QDialog>

namespace ostrane {

class TFormAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAbout(QWidget* parent = nullptr);
};

}  // namespace ostrane
