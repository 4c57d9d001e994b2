// File > "Export Calendar ...": a small dialog for the levels and the range
// of dates of the calendar, then a save dialog for the .ics file; the
// calendar itself is calendar/CalendarExport.h.
#pragma once

#include <QDialog>
#include <QString>

#include "calendar/CalendarExport.h"
#include "core/ReleaseSettings.h"

class QCheckBox;
class QLineEdit;

namespace ostrane {

// The levels (check boxes CalendarLevel1 .. CalendarLevel3, levels 1 and 2
// checked) and the range (line edits CalendarFrom and CalendarTo, texts as
// ParseIsoDateTime reads them: the program's calendar, local clock time).
class TCalendarExportDialog : public QDialog {
  Q_OBJECT
 public:
  // `first` and `last`: the listing's first start and last end (Julian
  // Days), the range the dialog proposes.
  TCalendarExportDialog(QWidget* parent, double first, double last);

  // The choice, once accepted.  An untouched date text stands for the exact
  // moment it shows (to the second).
  TCalendarLevels Levels() const;
  double From() const { return FFrom; }
  double To() const { return FTo; }

  QCheckBox* Level[3];
  QLineEdit* FromEdit;
  QLineEdit* ToEdit;

 public slots:
  // Accepts a choice of at least one level and a range whose end is later
  // than its start; otherwise says why in the error box and stays open.
  void accept() override;

 private:
  double FFirst, FLast;
  QString FFirstText, FLastText;
  double FFrom = 0.0, FTo = 0.0;
};

// The date text the dialog shows for a Julian Day: the program's calendar
// (Julian before 1582-10-15), to the second.
QString CalendarDateText(double julianDay);

// Exports the calendar of the listing of `settings` from the birth moment
// `start`: runs the dialog, then the save dialog (CalendarSaveDialog, .ics
// added when no suffix is given), then writes the file, all through
// RunModal.  Errors are shown in the error box.  Returns what the status
// bar may say after a written file, empty text otherwise.
QString ExportCalendar(QWidget* parent, const ReleaseSettings& settings, double start);

}  // namespace ostrane
