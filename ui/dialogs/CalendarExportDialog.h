// File > "Export Calendar ...": a small dialog for the levels, the range of
// dates, the kind of events, the reminders and the name of what the periods
// are released from, then a save dialog for the .ics file; the calendar
// itself is calendar/CalendarExport.h.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "calendar/CalendarExport.h"
#include "core/ReleaseSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ostrane {

// The levels (check boxes CalendarLevel1 .. CalendarLevel3, levels 1 and 2
// checked), the range (line edits CalendarFrom and CalendarTo, texts as
// ParseIsoDateTime reads them: the program's calendar, local clock time; or
// the check box CalendarFromToday, which disables CalendarFrom), the events
// (CalendarEvents: "Spans" or "Begins"), the reminder (CalendarRemind, days
// 0 .. kMaxRemindDays, 0 shown as "none") and what the periods are released
// from (CalendarReleasedFrom: "Start sign" then the lots offered).
class TCalendarExportDialog : public QDialog {
  Q_OBJECT
 public:
  // `first` and `last`: the listing's first start and last end (Julian
  // Days), the range the dialog proposes.  `lots`: the lots offered as what
  // the periods are released from, `releasedFrom` the one chosen at first
  // (none: "Start sign").
  TCalendarExportDialog(QWidget* parent, double first, double last,
                        const std::vector<TLot>& lots = {},
                        std::optional<TLot> releasedFrom = std::nullopt);

  // The choice, once accepted.  An untouched date text stands for the exact
  // moment it shows (to the second).
  TCalendarLevels Levels() const;
  double From() const { return FFrom; }
  double To() const { return FTo; }
  bool FromToday() const;
  bool Begins() const;
  int RemindDays() const;
  std::optional<TLot> ReleasedFrom() const;

  QCheckBox* Level[3];
  QLineEdit* FromEdit;
  QLineEdit* ToEdit;
  QCheckBox* FromTodayBox;
  QComboBox* EventsCombo;
  QSpinBox* RemindSpin;
  QComboBox* ReleasedFromCombo;

 public slots:
  // Accepts a choice of at least one level and a range whose end is later
  // than its start (from today: any end, the export telling when no period
  // is left); otherwise says why in the error box and stays open.
  void accept() override;

 private:
  double FFirst, FLast;
  QString FFirstText, FLastText;
  double FFrom = 0.0, FTo = 0.0;
};

// The date text the dialog shows for a Julian Day: the program's calendar
// (Julian before 1582-10-15), to the second.
QString CalendarDateText(double julianDay);

// The lots the dialog offers: with a birth chart of `settings` at `start`
// those whose sign is the start sign, else all seven (kLots' order).
std::vector<TLot> OfferedLots(const ReleaseSettings& settings, double start);

// Exports the calendar of the listing of `settings` from the birth moment
// `start`, released from the lot `releasedFrom` if any: runs the dialog, then the save dialog
// (CalendarSaveDialog, .ics added when no suffix is given), then writes the file, all through
// RunModal.  Errors are shown in the error box.  Returns what the status
// bar may say after a written file, empty text otherwise.
QString ExportCalendar(QWidget* parent, const ReleaseSettings& settings, double start,
                       std::optional<TLot> releasedFrom = std::nullopt);

}  // namespace ostrane
