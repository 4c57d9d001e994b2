// The timeline window: the timeline of the main list's listing, the sign of
// the Lot of Spirit for a second track, and the export of the drawing as a
// PNG, SVG or PDF file.  The main window makes it when first opened and
// gives it every new listing (TFormZodiac::ListingChanged).
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <functional>
#include <optional>

#include "timeline/TimelineModel.h"

class QAction;
class QComboBox;

namespace ostrane {

class TTimelineView;

class TFormTimeline : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormTimeline(QWidget* parent = nullptr);

  // The listing to draw, or none when the main list holds none.  The
  // moment line goes to the clock's time unless SetMoment chose one.  When
  // the listing's birth place gives the Lot of Spirit (ChartSpiritSign) and
  // it is another than that of the last listing, it is chosen in
  // ComboBoxSpirit; otherwise the choice there stays.
  void SetSource(const std::optional<TTimelineSource>& source);
  // Puts the moment line at a chosen moment (Julian Day, local clock time),
  // labelled with its date; nothing puts it back at the clock's time.
  void SetMoment(std::optional<double> julianDay);
  // The clock of the moment line; the system clock unless replaced.
  void SetClock(std::function<QDateTime()> clock) { FClock = std::move(clock); }

  // Shows the window, modeless; a visible window comes to the front.
  void ShowWindow();

  // Writes the drawing as it is shown (its width, zoom and offset) to the
  // file, in the format of its extension.  False, after the error box, when
  // it could not be written.
  bool ExportTo(const QString& fileName);

  TTimelineView* TimelineView;
  // "none", then Aries .. Pisces: the sign of the Lot of Spirit.
  QComboBox* ComboBoxSpirit;
  QAction* Export1;
  QAction* Close1;
  QAction* ZoomIn1;
  QAction* ZoomOut1;
  QAction* WholeListing1;

 signals:
  // A click on a period of the main list's track: its entry (list index
  // minus kHeaderLines) and level (1 or 2).
  void PeriodClicked(int entry, int level);

 public slots:
  // Asks for a file name and exports to it.
  void Export1Click();

 private:
  void UpdateMoment();

  std::function<QDateTime()> FClock;
  std::optional<double> FChosenMoment;
  bool FPlaced = false;
  std::int32_t FChartSpirit = -1;  // the Spirit sign of the last listing's chart
};

}  // namespace ostrane
