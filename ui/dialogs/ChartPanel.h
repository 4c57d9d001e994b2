// The "Chart" window: the birth place, the Ascendant, the Sun, the Moon and
// the Lots of Fortune and Spirit of the main window's birth data, the sect
// and the chart's warnings, and the commands that start the releasing from
// a lot.
//
// It follows the main window: the chart is computed again whenever the
// date, the time or the place change, whether the panel is shown or not,
// and each chart puts Fortune's sign into the "Lot of Fortune" list ("none"
// while a known place gives no chart).  While the place is unknown nothing
// is computed and the list is left alone.  A clock time in a
// daylight-saving gap or overlap whose place holds no choice is asked about
// (DstChoiceBox) when the panel is opened or a release is asked for; the
// answer is kept in the place.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "chart/BirthChart.h"
#include "chart/ChartText.h"

class QLabel;
class QPushButton;

namespace ostrane {

class TFormZodiac;

class TChartPanel : public QWidget {
  Q_OBJECT
 public:
  // A window of its own that belongs to `form`, hidden until OpenPanel.
  explicit TChartPanel(TFormZodiac* form);

  // Computes the chart of the form's birth data and place and shows it;
  // with a place it tells the sign of Fortune (FortuneSignFound).
  void Recompute();
  // Shows and raises the panel, then asks for the daylight-saving choice
  // when the chart waits for one.
  void OpenPanel();
  // Tells the sign of the lot as the starting sign (StartSignChosen),
  // asking for the daylight-saving choice first when needed.  False when
  // there is no chart (the place unknown, the question cancelled, an
  // error).
  bool ReleaseFrom(TLot lot);

  const TBirthChartResult& Result() const { return FResult; }

  // Each named as its objectName.
  // The value of each row of TChartView: ChartPlace, ChartCoordinates, ChartZone,
  // ChartAscendant, ChartSun, ChartMoon, ChartFortune, ChartSpirit,
  // ChartSect; a row the view leaves out is hidden with its caption.
  QLabel* LabelChartStatus;
  QLabel* LabelChartWarnings;
  QPushButton* BtnChartPlace;
  QPushButton* BtnReleaseFortune;
  QPushButton* BtnReleaseSpirit;

 signals:
  // The sign of the Lot of Fortune of the chart just computed: SignIndex
  // 0 .. 11, -1 while the chart cannot be had.  Only with a known place.
  void FortuneSignFound(int sign);
  // The sign a listing is to start from, chosen with a lot's button.
  void StartSignChosen(int sign);

 private:
  // Asks which offset the clock time takes and stores the answer in the
  // form's place (which computes the chart again).  False when cancelled.
  bool AskDstChoice();
  void Show(const TChartView& view);

  TFormZodiac* FForm;
  std::vector<std::pair<QLabel*, QLabel*>> FRows;  // caption and value, as kChartRows
  TBirthChartResult FResult;
  bool FPlaced = false;  // moved beside the main window when first opened
};

}  // namespace ostrane
