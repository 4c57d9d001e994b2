#include "AboutF.h"

namespace ostrane {

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("FormAbout");
  setWindowTitle("About Ostrane 1.48");
}

}  // namespace ostrane
