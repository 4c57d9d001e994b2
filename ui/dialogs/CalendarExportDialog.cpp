#include "ui/dialogs/CalendarExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "chart/BirthChart.h"
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

TCalendarExportDialog::TCalendarExportDialog(QWidget* parent, double first, double last,
                                             const std::vector<TLot>& lots,
                                             std::optional<TLot> releasedFrom)
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
  FromTodayBox = new QCheckBox("From to&day", this);
  FromTodayBox->setObjectName("CalendarFromToday");
  FromTodayBox->setToolTip("The periods that end after today begins");
  connect(FromTodayBox, &QCheckBox::toggled, FromEdit, &QWidget::setDisabled);
  auto* from = new QHBoxLayout;
  from->addWidget(FromEdit);
  from->addWidget(FromTodayBox);
  EventsCombo = new QComboBox(this);
  EventsCombo->setObjectName("CalendarEvents");
  EventsCombo->addItems({"Spans", "Begins"});
  EventsCombo->setToolTip(
      "Spans: one event from each period's beginning to its end; Begins: one all-day event on "
      "the day each period begins");
  RemindSpin = new QSpinBox(this);
  RemindSpin->setObjectName("CalendarRemind");
  RemindSpin->setRange(0, kMaxRemindDays);
  RemindSpin->setSpecialValueText("none");
  RemindSpin->setSuffix(" days before");
  ReleasedFromCombo = new QComboBox(this);
  ReleasedFromCombo->setObjectName("CalendarReleasedFrom");
  ReleasedFromCombo->addItem("Start sign", -1);
  for (TLot lot : lots) {
    const std::string_view name = LotName(lot);
    ReleasedFromCombo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                               Index(lot));
    if (releasedFrom == lot) ReleasedFromCombo->setCurrentIndex(ReleasedFromCombo->count() - 1);
  }
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
  auto* fromLabel = new QLabel("&From:", this);
  fromLabel->setBuddy(FromEdit);
  form->addRow(fromLabel, from);
  form->addRow("&To:", ToEdit);
  form->addRow("&Events:", EventsCombo);
  form->addRow("Re&mind:", RemindSpin);
  form->addRow("&Released from:", ReleasedFromCombo);
  form->addRow(note);
  form->addRow(buttons);
}

TCalendarLevels TCalendarExportDialog::Levels() const {
  TCalendarLevels levels = 0;
  for (int i = 0; i < 3; ++i)
    if (Level[i]->isChecked()) levels |= CalendarLevel(i + 1);
  return levels;
}

bool TCalendarExportDialog::FromToday() const {
  return FromTodayBox->isChecked();
}

bool TCalendarExportDialog::Begins() const {
  return EventsCombo->currentIndex() == 1;
}

int TCalendarExportDialog::RemindDays() const {
  return RemindSpin->value();
}

std::optional<TLot> TCalendarExportDialog::ReleasedFrom() const {
  const int index = ReleasedFromCombo->currentData().toInt();
  if (index < 0 || index >= kLotCount) return std::nullopt;
  return kLots[static_cast<std::size_t>(index)];
}

void TCalendarExportDialog::accept() {
  if (Levels() == 0) {
    ShowErrorBox(this, "Choose at least one level");
    return;
  }
  // From today From() stays the listing's start: the export begins the
  // range with today and says when no period is left in it.
  const std::optional<double> from =
      FromToday() || FromEdit->text() == FFirstText ? FFirst : ReadMoment(this, *FromEdit, "From");
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

std::vector<TLot> OfferedLots(const ReleaseSettings& settings, double start) {
  std::vector<TLot> lots(kLots.begin(), kLots.end());
  if (!settings.Place.Known()) return lots;
  const TBirthChartResult birth = ComputeBirthChart(settings.Place, start);
  if (!birth.Value) return lots;
  std::erase_if(lots,
                [&](TLot lot) { return birth.Value->Chart.LotSign(lot) != settings.StartSign; });
  return lots;
}

QString ExportCalendar(QWidget* parent, const ReleaseSettings& settings, double start,
                       std::optional<TLot> releasedFrom) {
  TCalendarExportDialog choice(parent, start, ListingEnd(settings, start),
                               OfferedLots(settings, start), releasedFrom);
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
  request.FromToday = choice.FromToday();
  request.Begins = choice.Begins();
  request.RemindDays = choice.RemindDays();
  request.ReleasedFrom = choice.ReleasedFrom();
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
