#include "ui/main/ZodiacF.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "Version.h"
#include "storage/SettingsFiles.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/Level3F.h"
#include "ui/widgets/Hints.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane {

TFormZodiac::TFormZodiac(QWidget* parent)
    : QMainWindow(parent), FClock([] { return QDateTime::currentDateTime(); }) {
  setObjectName("FormZodiac");
  setWindowTitle(kNameVersion);
  setFont(DialogFont());
  BuildControls();
  BuildMenus();
  BuildFileDialogs();
  ConnectCommands();
  BuildChart();
  FormCreate();
  PlaceWindow();
}

TFormZodiac::~TFormZodiac() {
  FormDestroy();
}

void TFormZodiac::FormCreate() {
  if (!FileExists(kOptionsFileName)) {
    RestoreDefaults->setEnabled(false);
    FBirthData->BtnRestoreDefaults()->setEnabled(false);
  }
  ListSubPeriods1->setEnabled(false);
  Print1->setEnabled(false);
  Print2->setEnabled(false);
  DisableClearListButtons();
  GetCurrentDateTime();
  FBirthData->ComboBoxStartSign()->setCurrentIndex(0);
  FChronocrator = std::make_unique<TChronocrator>();
  FDate = std::make_unique<TDate>();
  BtnShowJulianClick();
  FHintTracker = new THintTracker(this);
  qApp->installEventFilter(FHintTracker);
  connect(FHintTracker, &THintTracker::HintChanged, this, &TFormZodiac::ShowHint);
  MarkBirthDataSaved();
}

void TFormZodiac::FormDestroy() {
  FDate.reset();
  FChronocrator.reset();
}

void TFormZodiac::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

bool TFormZodiac::event(QEvent* event) {
  // Highlighted menu items send their hints as status tips.
  if (event->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void TFormZodiac::ShowHint(const QString& hint) {
  StatusBar1->showMessage(hint);
}

}  // namespace ostrane
