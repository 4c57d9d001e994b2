#include "ui/dialogs/CalendarExportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/IsoDateText.h"
#include "listing/Releasing.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {
namespace {

// The moment of a date text, or nothing after the error box said why.
std::optional<double> ReadMoment(QWidget* parent, const QLineEdit& edit, const char* what) {
  std::string why;
  const std::optional<TCivilMoment> moment = ParseIsoDateTime(edit.text().toStdString(), &why);
  if (!moment) {
    ShowErrorBox(parent, QString("'%1' is not a date for %2: %3")
                             .arg(edit.text(), what, QString::fromStdString(why)));
    return std::nullopt;
  }
  return CivilJulianDay(*moment);
}

}  // namespace

QString CalendarDateText(double julianDay) {
  return QString::fromStdString(FormatIsoDateTime(ShownMoment(3, julianDay)));
}

TCalendarExportDialog::TCalendarExportDialog(QWidget* parent, double first, double last)
    : QDialog(parent),
      FFirst(first),
      FLast(last),
      FFirstText(CalendarDateText(first)),
      FLastText(CalendarDateText(last)) {
  setObjectName("CalendarExportDialog");
  setWindowTitle("Export Calendar");
  auto* levels = new QHBoxLayout;
  const char* texts[3] = {"Level &1 (general)", "Level &2 (sub)", "Level &3"};
  for (int i = 0; i < 3; ++i) {
    Level[i] = new QCheckBox(texts[i], this);
    Level[i]->setObjectName(QString("CalendarLevel%1").arg(i + 1));
    Level[i]->setChecked((kDefaultCalendarLevels & CalendarLevel(i + 1)) != 0);
    levels->addWidget(Level[i]);
  }
  FromEdit = new QLineEdit(FFirstText, this);
  FromEdit->setObjectName("CalendarFrom");
  ToEdit = new QLineEdit(FLastText, this);
  ToEdit->setObjectName("CalendarTo");
  auto* note = new QLabel(
      "Dates as YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], local clock time, Julian calendar\n"
      "before 1582-10-15.  The periods that overlap the range are written whole; the\n"
      "file gives early dates as the Gregorian dates of the same days.",
      this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TCalendarExportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* form = new QFormLayout(this);
  form->addRow("Levels:", levels);
  form->addRow("&From:", FromEdit);
  form->addRow("&To:", ToEdit);
  form->addRow(note);
  form->addRow(buttons);
}

TCalendarLevels TCalendarExportDialog::Levels() const {
  TCalendarLevels levels = 0;
  for (int i = 0; i < 3; ++i)
    if (Level[i]->isChecked()) levels |= CalendarLevel(i + 1);
  return levels;
}

void TCalendarExportDialog::accept() {
  if (Levels() == 0) {
    ShowErrorBox(this, "Choose at least one level");
    return;
  }
  const std::optional<double> from =
      FromEdit->text() == FFirstText ? FFirst : ReadMoment(this, *FromEdit, "From");
  if (!from) return;
  const std::optional<double> to =
      ToEdit->text() == FLastText ? FLast : ReadMoment(this, *ToEdit, "To");
  if (!to) return;
  if (!(*from < *to)) {
    ShowErrorBox(this, "The end of the range must be later than its start");
    return;
  }
  FFrom = *from;
  FTo = *to;
  QDialog::accept();
}

QString ExportCalendar(QWidget* parent, const ReleaseSettings& settings, double start) {
  TCalendarExportDialog choice(parent, start, ListingEnd(settings, start));
  if (RunModal(choice) != QDialog::Accepted) return {};

  QFileDialog files(parent, "Export Calendar");
  files.setObjectName("CalendarSaveDialog");
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.setFileMode(QFileDialog::AnyFile);
  files.setNameFilter("iCalendar files (*.ics)");
  files.setDefaultSuffix("ics");
  files.selectFile(QString::fromStdString(settings.Name) + ".ics");
  if (RunModal(files) != QDialog::Accepted || files.selectedFiles().isEmpty()) return {};
  const QString path = files.selectedFiles().constFirst();

  TCalendarRequest request;
  request.Settings = settings;
  request.Start = start;
  request.Levels = choice.Levels();
  request.From = choice.From();
  request.To = choice.To();
  const TCalendarResult result = WriteCalendar(path.toStdString(), request);
  if (!result.Ok) {
    ShowErrorBox(parent, QString::fromStdString(result.Message));
    return {};
  }
  QString said = QString("Calendar saved: %1 periods in %2")
                     .arg(result.Events)
                     .arg(QFileInfo(path).fileName());
  if (result.LeftOut > 0)
    said += QString("; %1 periods outside the years 1 to 9999 left out").arg(result.LeftOut);
  return said;
}

}  // namespace ostrane
