// The birth place of the main window and its chart: the Birth Place dialog
// and the chart panel.
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "core/Errors.h"
#include "listing/Releasing.h"
#include "ui/dialogs/BirthPlaceDialog.h"
#include "ui/dialogs/ChartPanel.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"

namespace ostrane {

void TFormZodiac::BuildChart() {
  FChartPanel = new TChartPanel(this);
  connect(FBirthData, &TBirthDataPanel::BirthMomentChanged, FChartPanel, &TChartPanel::Recompute);
  connect(FChartPanel, &TChartPanel::FortuneSignFound, FBirthData,
          &TBirthDataPanel::SetFortuneSign);
  connect(FChartPanel, &TChartPanel::StartSignChosen, FBirthData,
          [this](int sign) { FBirthData->ComboBoxStartSign()->setCurrentIndex(sign); });
  connect(FBirthData->BtnBirthPlace(), &QPushButton::clicked, this, &TFormZodiac::BirthPlace1Click);
  connect(BirthPlace1, &QAction::triggered, this, &TFormZodiac::BirthPlace1Click);
  connect(Chart1, &QAction::triggered, this, &TFormZodiac::Chart1Click);
}

void TFormZodiac::SetPlace(const TBirthPlace& place) {
  FPlace = place;
  emit PlaceChanged();
}

std::optional<double> TFormZodiac::BirthLocalJulianDay(std::string* error) const {
  try {
    TDate date;
    return ListingStart(date, ReadSettings(), ReadTimeLocale());
  } catch (const EConvertError& e) {
    if (error) *error = ErrorBoxText(e.what());
    return std::nullopt;
  }
}

void TFormZodiac::BirthPlace1Click() {
  TBirthPlaceDialog dialog(FChartPanel->isActiveWindow() ? static_cast<QWidget*>(FChartPanel)
                                                         : this);
  dialog.SetPlace(FPlace);
  dialog.SetBirthMoment(BirthLocalJulianDay());
  if (RunModal(dialog) == QDialog::Accepted) SetPlace(dialog.Place());
}

void TFormZodiac::Chart1Click() {
  FChartPanel->OpenPanel();
}

}  // namespace ostrane
