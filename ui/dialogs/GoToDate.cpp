#include "ui/dialogs/GoToDate.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>

#include "chart/LocaleText.h"
#include "core/Errors.h"
#include "core/ReleaseSettings.h"
#include "ui/main/BirthData.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {

TGoToDateDialog::TGoToDateDialog(const QDateTime& start, const TimeLocale& locale, QWidget* parent)
    : QDialog(parent), FLocale(locale) {
  setObjectName("GoToDateDialog");
  setWindowTitle("Go to Date");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  ComboBoxGoMonth = new QComboBox(this);
  ComboBoxGoMonth->setObjectName("ComboBoxGoMonth");
  for (int month = 1; month <= 12; ++month)
    ComboBoxGoMonth->addItem(QLocale::c().standaloneMonthName(month, QLocale::LongFormat));
  SpinEditGoDay = new TSpinEdit(kMinDay, kMaxDay, this);
  SpinEditGoDay->setObjectName("SpinEditGoDay");
  SpinEditGoYear = new TSpinEdit(kMinYear, kMaxYear, this);
  SpinEditGoYear->setObjectName("SpinEditGoYear");
  EditGoTime = new QLineEdit(this);
  EditGoTime->setObjectName("EditGoTime");

  ComboBoxGoMonth->setCurrentIndex(start.date().month() - 1);
  SpinEditGoDay->SetValue(start.date().day());
  SpinEditGoYear->SetValue(start.date().year());
  EditGoTime->setText(TimeFieldText(QLocale(), start.time().msecsSinceStartOfDay()));

  auto* note = new QLabel(
      "Years are counted astronomically (year 0 is 1 BC); dates before 15 October 1582 are "
      "in the Julian calendar.",
      this);
  note->setObjectName("LabelGoNote");
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("ButtonBox");
  connect(buttons, &QDialogButtonBox::accepted, this, &TGoToDateDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TGoToDateDialog::reject);

  auto* layout = new QGridLayout(this);
  auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  layout->addWidget(label("&Month:", ComboBoxGoMonth), 0, 0);
  layout->addWidget(ComboBoxGoMonth, 0, 1);
  layout->addWidget(label("&Day:", SpinEditGoDay), 0, 2);
  layout->addWidget(SpinEditGoDay, 0, 3);
  layout->addWidget(label("&Year:", SpinEditGoYear), 1, 0);
  layout->addWidget(SpinEditGoYear, 1, 1);
  layout->addWidget(label("&Time:", EditGoTime), 1, 2);
  layout->addWidget(EditGoTime, 1, 3);
  layout->addWidget(note, 2, 0, 1, 4);
  layout->addWidget(buttons, 3, 0, 1, 4);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TGoToDateDialog::accept() {
  try {
    const double timeOfDay = StrToTime(EditGoTime->text().toStdString(), FLocale);
    const std::int32_t year = std::clamp(SpinEditGoYear->Value(), kMinYear, kMaxYear);
    const std::int32_t day = std::clamp(SpinEditGoDay->Value(), kMinDay, kMaxDay);
    FJulianDay = BirthJulianDay(FDate, year, ComboBoxGoMonth->currentIndex(), day, timeOfDay);
  } catch (const EConvertError& error) {
    ShowErrorBox(this, QString::fromStdString(error.what()));
    return;
  }
  QDialog::accept();
}

}  // namespace ostrane
