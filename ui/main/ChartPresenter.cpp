#include "ui/main/ChartPresenter.h"

#include <QComboBox>

#include "ui/dialogs/ChartPanel.h"
#include "ui/main/BirthDataPanel.h"

namespace ostrane {

TChartPresenter::TChartPresenter(TBirthDataPanel* birthData, TChartPanel* chart, QObject* parent)
    : QObject(parent), FBirthData(birthData), FChart(chart) {
  connect(FBirthData, &TBirthDataPanel::BirthMomentChanged, this, &TChartPresenter::Recompute);
  connect(FChart, &TChartPanel::FortuneSignFound, FBirthData, &TBirthDataPanel::SetFortuneSign);
  connect(FChart, &TChartPanel::StartSignChosen, FBirthData,
          [this](int sign) { FBirthData->ComboBoxStartSign()->setCurrentIndex(sign); });
}

void TChartPresenter::Recompute() {
  FChart->Recompute();
}

}  // namespace ostrane
