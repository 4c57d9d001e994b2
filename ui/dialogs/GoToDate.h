// "Go to Date ...": the dialog that asks for the moment whose periods in
// force are shown.  A civil date (astronomical years, the Julian calendar
// before 15 October 1582, as the birth date) and a time of day read as the
// time field reads it.
#pragma once

#include <QDialog>

#include "core/DateTime.h"
#include "core/TimeText.h"

class QComboBox;
class QDateTime;
class QLineEdit;

namespace ostrane {

class TSpinEdit;

class TGoToDateDialog : public QDialog {
  Q_OBJECT
 public:
  // The fields start at the date and time of `start`; the time text is
  // written for the default locale and read with `locale`.
  TGoToDateDialog(const QDateTime& start, const TimeLocale& locale, QWidget* parent);

  // The Julian Day (local clock time) of the fields, known once the dialog
  // was accepted.
  double JulianDay() const { return FJulianDay; }

  QComboBox* ComboBoxGoMonth;
  TSpinEdit* SpinEditGoDay;
  TSpinEdit* SpinEditGoYear;
  QLineEdit* EditGoTime;

 public slots:
  // Reads the fields; a time text that is not a time of day is shown in
  // the error box and the dialog stays open.
  void accept() override;

 private:
  TimeLocale FLocale;
  TDate FDate;
  double FJulianDay = 0.0;
};

}  // namespace ostrane
