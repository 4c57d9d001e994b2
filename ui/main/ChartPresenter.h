// The main window's side of the chart panel (ChartPanel.h): the chart is
// computed again whenever the birth date or time (the birth-data panel's
// BirthMomentChanged) or the place (Recompute) change, whether the panel is
// shown or not; the Fortune sign each chart finds goes into the "Lot of
// Fortune" list and the sign a lot's button chooses into the start sign.
#pragma once

#include <QObject>

namespace ostrane {

class TBirthDataPanel;
class TChartPanel;

class TChartPresenter : public QObject {
  Q_OBJECT
 public:
  // Connects `chart` and `birthData`, both kept for the presenter's life.
  TChartPresenter(TBirthDataPanel* birthData, TChartPanel* chart, QObject* parent = nullptr);

 public slots:
  // Computes the chart again: after a change of the place.
  void Recompute();

 private:
  TBirthDataPanel* FBirthData;
  TChartPanel* FChart;
};

}  // namespace ostrane
