// What keeps changed birth data from being lost: the question before they
// are replaced or the window closes, and the birth data last saved or opened
// that "changed" is measured against.  Also the window's size and place,
// remembered from one run to the next.
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/main/BirthData.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/WindowGeometry.h"

namespace ostrane {
namespace {

// About as wide as the widest line of a listing: the marks before it, a
// general period with its beginning, and its end and age after it.
constexpr const char* kWidestLine =
    "10 LB \u2609  Capricorn major and sub begins 12/31/2014    ends 12/31/2044 \u00b7 age 100";

}  // namespace

void TFormZodiac::MarkBirthDataSaved() {
  FSavedBirthData = ReadSettings();
}

bool TFormZodiac::BirthDataChanged() const {
  return !SameBirthData(FSavedBirthData, ReadSettings());
}

bool TFormZodiac::ConfirmDiscardChanges() {
  if (!BirthDataChanged()) return true;
  const QString name = FBirthData->EditName()->text();
  QMessageBox box(QMessageBox::Question, kApplicationTitle,
                  QStringLiteral("The birth data of \"%1\" have changed since they were last "
                                 "saved or opened.")
                      .arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setObjectName("DiscardChangesBox");
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText("Do you want to save them?");
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  RunModal(box);
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save: return SaveUserData();
    case QMessageBox::Discard: return true;
    default: return false;  // Cancel, Escape, the window's close button
  }
}

void TFormZodiac::closeEvent(QCloseEvent* event) {
  if (!ConfirmDiscardChanges()) {
    event->ignore();
    return;
  }
  SaveWindowGeometry(this);
  event->accept();
}

void TFormZodiac::PlaceWindow() {
  if (RestoreWindowGeometry(this)) return;
  // The first start: every input, and a whole line of the list.
  const int line =
      QFontMetrics(ListBoxOstrane->font()).horizontalAdvance(QString::fromUtf8(kWidestLine));
  const int width = FBirthData->minimumWidth() + line + 48;
  QSize size(std::max(width, 640), 480);
  if (const QScreen* shown = screen())
    size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
  resize(size.expandedTo(minimumSizeHint()));
  CentreOnScreen(this);
}

}  // namespace ostrane
