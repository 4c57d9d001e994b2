// The window program: the main window, then the About window, then the
// level 3/4 window; closing the main window ends the program.  The files
// named on the command line (ostrane [FILE ...]) are opened once the main
// window is shown.
#include <QApplication>

#include "ui/dialogs/AboutF.h"
#include "ui/main/Level3F.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/Pictures.h"

#ifndef OSTRANE_APP_ID
#error "The build sets OSTRANE_APP_ID, the name of the desktop entry (cmake/Desktop.cmake)."
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(ostrane::kApplicationTitle);
  // Lets the desktop match the windows to the installed desktop entry.
  QApplication::setDesktopFileName(QStringLiteral(OSTRANE_APP_ID));
  QApplication::setWindowIcon(ostrane::OstraneIcon());

  ostrane::TFormZodiac formZodiac;
  ostrane::TFormAbout formAbout;
  ostrane::TFormLevel3 formLevel3;
  formAbout.setAttribute(Qt::WA_QuitOnClose, false);
  formLevel3.setAttribute(Qt::WA_QuitOnClose, false);
  formAbout.SetMainWindow(&formZodiac);
  formZodiac.SetAboutWindow(&formAbout);
  formZodiac.SetLevel3Window(&formLevel3);

  formZodiac.show();
  formZodiac.OpenFiles(application.arguments().mid(1));
  return application.exec();
}
