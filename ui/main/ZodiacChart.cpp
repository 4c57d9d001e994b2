// The birth place of the main window and its chart: the Birth Place dialog
// and the chart panel, which the chart presenter (ChartPresenter.h) keeps
// in step with the birth data and the place.
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "core/Errors.h"
#include "listing/Releasing.h"
#include "ui/dialogs/BirthPlaceDialog.h"
#include "ui/dialogs/ChartPanel.h"
#include "ui/main/BirthDataPanel.h"
#include "ui/main/ChartPresenter.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/WindowGeometry.h"

namespace ostrane {

void TFormZodiac::BuildChart() {
  FChartPanel = new TChartPanel(this);
  KeepWindowGeometry(FChartPanel);
  auto* presenter = new TChartPresenter(FBirthData, FChartPanel, this);
  // A lot chosen to release from lists at once (after the presenter has put
  // its sign into the start sign).
  connect(FChartPanel, &TChartPanel::StartSignChosen, this, [this] { BtnCalculateOstraneClick(); });
  connect(this, &TFormZodiac::PlaceChanged, presenter, &TChartPresenter::Recompute);
  // After the presenter's: the chart is then the new place's.
  connect(this, &TFormZodiac::PlaceChanged, this, &TFormZodiac::ShowChartRulers);
  connect(FChartPanel, &TChartPanel::FortuneSignFound, this, &TFormZodiac::ShowChartRulers);
  connect(FBirthData->BtnBirthPlace(), &QPushButton::clicked, this, &TFormZodiac::BirthPlace1Click);
  connect(BirthPlace1, &QAction::triggered, this, &TFormZodiac::BirthPlace1Click);
  connect(Chart1, &QAction::triggered, this, &TFormZodiac::Chart1Click);
}

const TChart* TFormZodiac::Chart() const {
  if (FChartPanel == nullptr) return nullptr;
  const auto& value = FChartPanel->Result().Value;
  return value ? &value->Chart : nullptr;
}

void TFormZodiac::ShowChartRulers() {
  ListBoxOstrane->Model().SetChart(Chart());
  if (FLevel3) FLevel3->Model().SetChart(Chart());
  if (FListedSettings) ShowInForce(FInForcePresenter->Moment());
  UpdateReleaseOtherLot();
  RefreshComingChanges();
}

void TFormZodiac::SetPlace(const TBirthPlace& place) {
  FPlace = place;
  FBirthData->SetPlaceKnown(place.Known());
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
