// The "Chart" window: the birth place, the Ascendant, the seven planets and
// the seven lots of the main window's birth data, the sect, the zodiac and
// the variants, the chart's warnings and its whole-sign wheel (with its
// export), the switches of the variants and the commands that start the
// releasing from a lot.
//
// It follows the main window: the chart is computed again whenever the
// date, the time or the place change, whether the panel is shown or not,
// and each chart puts Fortune's sign into the "Lot of Fortune" list ("none"
// while a known place gives no chart).  While the place is unknown nothing
// is computed and the list is left alone.  A clock time in a
// daylight-saving gap or overlap whose place holds no choice is asked about
// (DstChoiceBox) when the panel is opened or a release is asked for; the
// answer is kept in the place.  So are the variants (the zodiac, the lots'
// formula and the sect's horizon): the switches show the place's and a
// change sets them there, which computes the chart again.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "chart/BirthChart.h"
#include "chart/ChartText.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ostrane {

class TChartWheelView;
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
  // Writes the wheel of the chart shown to the file, in the format of its
  // extension (.png, .svg, .pdf).  False, after the error box, when there
  // is no chart or the file could not be written.
  bool ExportWheelTo(const QString& fileName);

  const TBirthChartResult& Result() const { return FResult; }

  // Each named as its objectName.
  // The value of each row of TChartView, named as kChartRows (ChartPlace,
  // ChartCoordinates, ... ChartVariants); a row the view leaves out is
  // hidden with its caption.
  QLabel* LabelChartStatus;
  QLabel* LabelChartWarnings;
  QPushButton* BtnChartPlace;
  QPushButton* BtnReleaseFortune;
  QPushButton* BtnReleaseSpirit;
  // The variants, in the order of TZodiac, TLotFormula and TSectHorizon.
  QComboBox* ComboZodiac;
  QComboBox* ComboLotFormula;
  QComboBox* ComboSectHorizon;
  // The seven lots in kLots' order, "Eros (Leo)" (the name alone without a
  // chart); choosing one releases from it.
  QComboBox* ComboReleaseFrom;
  TChartWheelView* ChartWheel;
  QPushButton* BtnExportWheel;

 signals:
  // The sign of the Lot of Fortune of the chart just computed: SignIndex
  // 0 .. 11, -1 while the chart cannot be had.  Only with a known place.
  void FortuneSignFound(int sign);
  // The sign a listing is to start from, chosen with a lot's button or in
  // ComboReleaseFrom.
  void StartSignChosen(int sign);

 private:
  // Asks which offset the clock time takes and stores the answer in the
  // form's place (which computes the chart again).  False when cancelled.
  bool AskDstChoice();
  void Show(const TChartView& view);
  // The switches set to the place's variants, and the place's variants to
  // the switches (a change computes the chart again).
  void ShowVariants(const TChartVariants& variants);
  void VariantChosen();
  void ExportWheelClick();

  TFormZodiac* FForm;
  std::vector<std::pair<QLabel*, QLabel*>> FRows;  // caption and value, as kChartRows
  TBirthChartResult FResult;
  bool FPlaced = false;  // moved beside the main window when first opened
};

}  // namespace ostrane
