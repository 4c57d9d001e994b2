// The birth data and listing settings of the main window: the name, the
// birth date, time and Julian date with their buttons, the start sign, the
// Lot of Fortune, the number of general periods, the releasing type, the
// date and sign-name styles and the loose bond.  The panel reads a whole
// ReleaseSettings from its controls and applies one to them, also line by
// line as a settings or chart file lists them; the window connects the
// buttons and the changes to its handlers.
#pragma once

#include <QWidget>
#include <cstdint>

#include "core/ReleaseSettings.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ostrane {

class TNameLimit;
class TRadioGroup;
class TSpinEdit;

// Selects a sign in the "Lot of Fortune" list, or "none" for -1 and values
// outside 0 .. 11.
void SetFortuneSign(QComboBox& fortune, std::int32_t sign);

class TBirthDataPanel : public QWidget {
  Q_OBJECT
 public:
  // Named "InputArea"; its controls are named as their accessors.
  explicit TBirthDataPanel(QWidget* parent = nullptr);

  // Puts the window's command buttons under the controls.
  void SetCommandPanel(QWidget* commands);

  // The settings of the controls; AnglesFrom and Place are the window's and
  // keep their defaults.
  ReleaseSettings ReadSettings() const;
  // Writes the values of the controls in the order of ReleaseSettings; the
  // radio groups run their click handlers as they change.  A month or start
  // sign outside its list selects none.
  void ApplySettings(const ReleaseSettings& settings);
  // Puts the value of file line `line` (SettingsFiles.h) from `settings`
  // into its control; the other lines are not the panel's.
  void ApplyFileLine(int line, const ReleaseSettings& settings);
  // Puts a name into the name field whole, also one longer than typing
  // allows (read from a file).
  void SetNameText(const QString& name);
  // The sign of the Lot of Fortune: SignIndex 0 .. 11, -1 for "none".
  std::int32_t FortuneSign() const;
  void SetFortuneSign(std::int32_t sign);
  // Selects the start sign; none for a sign outside 0 .. 11.
  void SetStartSign(std::int32_t sign);
  // The time field's hint: standard time without a birth place, the clock's
  // time (daylight saving applied by the program) with one.
  void SetPlaceKnown(bool known);

  QLineEdit* EditName() const { return FEditName; }
  QGroupBox* GroupBox1() const { return FGroupBox1; }
  QComboBox* ComboBoxMonth() const { return FComboBoxMonth; }
  TSpinEdit* SpinEditDay() const { return FSpinEditDay; }
  TSpinEdit* SpinEditYear() const { return FSpinEditYear; }
  QLineEdit* EditTime() const { return FEditTime; }
  QLineEdit* EditJD() const { return FEditJD; }
  QPushButton* BtnNow() const { return FBtnNow; }
  QPushButton* BtnShowDate() const { return FBtnShowDate; }
  QPushButton* BtnShowJulian() const { return FBtnShowJulian; }
  QPushButton* BtnSaveSettings() const { return FBtnSaveSettings; }
  QPushButton* BtnRestoreDefaults() const { return FBtnRestoreDefaults; }
  QPushButton* BtnBirthPlace() const { return FBtnBirthPlace; }
  QComboBox* ComboBoxStartSign() const { return FComboBoxStartSign; }
  // Item 0 "none", then Aries .. Pisces.
  QComboBox* ComboBoxFortune() const { return FComboBoxFortune; }
  TSpinEdit* SpinEditNumMajPeriods() const { return FSpinEditNumMajPeriods; }
  TRadioGroup* RGOstraneType() const { return FRGOstraneType; }
  TRadioGroup* RGDateStyle() const { return FRGDateStyle; }
  TRadioGroup* RGSignNames() const { return FRGSignNames; }
  TRadioGroup* RGLooseBondType() const { return FRGLooseBondType; }

 signals:
  // The month, day, year or time text changed (as typed or set).
  void BirthMomentChanged();

 private:
  void ConnectBirthMoment();

  QLineEdit* FEditName;
  TNameLimit* FNameLimit;
  QGroupBox* FGroupBox1;
  QComboBox* FComboBoxMonth;
  TSpinEdit* FSpinEditDay;
  TSpinEdit* FSpinEditYear;
  QLineEdit* FEditTime;
  QLineEdit* FEditJD;
  QPushButton* FBtnNow;
  QPushButton* FBtnShowDate;
  QPushButton* FBtnShowJulian;
  QPushButton* FBtnSaveSettings;
  QPushButton* FBtnRestoreDefaults;
  QPushButton* FBtnBirthPlace;
  QComboBox* FComboBoxStartSign;
  QComboBox* FComboBoxFortune;
  TSpinEdit* FSpinEditNumMajPeriods;
  TRadioGroup* FRGOstraneType;
  TRadioGroup* FRGDateStyle;
  TRadioGroup* FRGSignNames;
  TRadioGroup* FRGLooseBondType;
  QGridLayout* FInputs;
};

}  // namespace ostrane
