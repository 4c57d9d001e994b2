// The "Birth Place" dialog: a search over the built-in table of places with
// completion as you type, the latitude, longitude, time zone and manual UTC
// offset of the birth place, the sect and the daylight-saving choice.  The
// offset the zone gives at the birth is shown beside the zone.
//
// The fields are read by ReadPlaceTexts (ChartText.h); OK keeps the dialog
// open and shows what is wrong while they do not give a place.  Clear
// closes it with the empty place, which removes the place.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "chart/ChartText.h"
#include "chart/Places.h"
#include "core/ReleaseSettings.h"

class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

namespace ostrane {

class TBirthPlaceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TBirthPlaceDialog(QWidget* parent = nullptr);

  // Fills the fields from the place.
  void SetPlace(const TBirthPlace& place);
  // The place of the fields after OK (the empty place after Clear).
  const TBirthPlace& Place() const { return FPlace; }
  // The birth's local clock time as a Julian Day, for the offset shown
  // beside the zone; nothing when the time text cannot be read.
  void SetBirthMoment(std::optional<double> localJulianDay);

  // Each named as its objectName.
  QLineEdit* EditPlaceSearch;
  QLineEdit* EditLatitude;
  QLineEdit* EditLongitude;
  QLineEdit* EditTimeZone;
  QLabel* LabelZoneOffset;
  QLineEdit* EditUtcOffset;
  QComboBox* ComboBoxSect;  // Computed, Day, Night: TSect
  QComboBox* ComboBoxDst;   // Ask, Earlier, Later: TDstChoice
  QLabel* LabelPlaceErrors;
  QPushButton* BtnPlaceOk;
  QPushButton* BtnPlaceCancel;
  QPushButton* BtnPlaceClear;

  // The completion of the search field, filled from the table as it is
  // edited: the labels of at most 20 places (PlaceLabel), most populous first.
  QCompleter* PlaceCompleter() const { return FPlaces; }

 public slots:
  void accept() override;

 private:
  void SearchEdited(const QString& text);
  void ChoosePlace(int row);
  void ShowZoneOffset();
  TPlaceTexts Texts() const;
  void SetTexts(const TPlaceTexts& texts);

  QCompleter* FPlaces;
  QStandardItemModel* FPlaceModel;
  std::vector<const TPlace*> FFound;
  std::optional<double> FBirth;
  TBirthPlace FPlace;
};

}  // namespace ostrane
