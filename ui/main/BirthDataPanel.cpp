#include "ui/main/BirthDataPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "storage/SettingsFiles.h"
#include "ui/widgets/Hints.h"
#include "ui/widgets/NameField.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

const QStringList kMonthNames = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
// The time field's hints without and with a birth place.
const char* const kStandardTimeHint =
    "Assumes standard time, reset to standard time if daylight savings time was in effect.";
const char* const kClockTimeHint =
    "The time as the clock showed it: with a birth place the program applies daylight saving "
    "itself (an hour taken off would move the Ascendant by about 15°).";

const QStringList kSignNames = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                "Leo",         "Virgo",     "Libra",    "Scorpio",
                                "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* Label(const char* name, const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = Named(new QLabel(text, parent), name);
  label->setBuddy(buddy);
  return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  return Named(new QPushButton(text, parent), name);
}

}  // namespace

TBirthDataPanel::TBirthDataPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("InputArea");
  FEditName = Named(new QLineEdit("Time Lords", this), "EditName");
  FNameLimit = new TNameLimit(FEditName);
  SetHint(FEditName,
          "The text you enter here shows up at top of listings and printouts for labeling.");

  FGroupBox1 = Named(new QGroupBox("Enter Birth Data:", this), "GroupBox1");
  SetHint(FGroupBox1,
          "Enter date for the beginning of the major periods.  "
          "The Julian date controls can be used for the same purpose.");
  FComboBoxMonth = Named(new QComboBox(FGroupBox1), "ComboBoxMonth");
  FComboBoxMonth->addItems(kMonthNames);
  FSpinEditDay = Named(new TSpinEdit(kMinDay, kMaxDay, FGroupBox1), "SpinEditDay");
  FSpinEditYear = Named(new TSpinEdit(kMinYear, kMaxYear, FGroupBox1), "SpinEditYear");
  FSpinEditYear->SetValue(1);
  FEditTime = Named(new QLineEdit(FGroupBox1), "EditTime");
  SetPlaceKnown(false);
  FEditJD = Named(new QLineEdit(FGroupBox1), "EditJD");
  // The files keep both texts: no line breaks or other controls.
  for (QLineEdit* edit : {FEditTime, FEditJD}) new TPlainTextField(edit);
  FBtnNow = Button("BtnNow", "No&w", FGroupBox1);
  FBtnShowDate = Button("BtnShowDate", "Show D&ate", FGroupBox1);
  FBtnShowJulian = Button("BtnShowJulian", "Show J&ulian", FGroupBox1);
  // Alt+V and Alt+F open the View and File menus: these two buttons take
  // letters no other control of the window has.
  FBtnSaveSettings = Button("BtnSaveSettings", "Save Sett&ings", FGroupBox1);
  FBtnRestoreDefaults = Button("BtnRestoreDefaults", "&Restore Defaults", FGroupBox1);
  FBtnBirthPlace = Button("BtnBirthPlace", "&Birth Place ...", FGroupBox1);
  SetHint(FBtnBirthPlace, "Enter the birth place: the chart and the lots are computed from it.");

  auto* birth = new QGridLayout(FGroupBox1);
  birth->setContentsMargins(6, 4, 6, 6);
  birth->setHorizontalSpacing(4);
  birth->setVerticalSpacing(4);
  birth->addWidget(Label("LabelMonth", "&Month:", FComboBoxMonth, FGroupBox1), 0, 0);
  birth->addWidget(FComboBoxMonth, 0, 1);
  birth->addWidget(Label("LabelDay", "&Day:", FSpinEditDay, FGroupBox1), 0, 2);
  birth->addWidget(FSpinEditDay, 0, 3);
  birth->addWidget(Label("LabelYear", "&Year:", FSpinEditYear, FGroupBox1), 1, 0);
  birth->addWidget(FSpinEditYear, 1, 1);
  birth->addWidget(Label("LabelTime", "&Time:", FEditTime, FGroupBox1), 1, 2);
  birth->addWidget(FEditTime, 1, 3);
  birth->addWidget(Label("LabelJulianDate", "&Julian Date:", FEditJD, FGroupBox1), 2, 0);
  birth->addWidget(FEditJD, 2, 1, 1, 3);
  auto* conversions = new QHBoxLayout;
  conversions->setSpacing(4);
  conversions->addWidget(FBtnNow);
  conversions->addWidget(FBtnShowDate);
  conversions->addWidget(FBtnShowJulian);
  birth->addLayout(conversions, 3, 0, 1, 4);
  auto* defaults = new QHBoxLayout;
  defaults->setSpacing(4);
  defaults->addWidget(FBtnSaveSettings);
  defaults->addWidget(FBtnRestoreDefaults);
  defaults->addWidget(FBtnBirthPlace);
  birth->addLayout(defaults, 4, 0, 1, 4);
  birth->setColumnStretch(1, 1);
  birth->setColumnStretch(3, 1);

  FComboBoxStartSign = Named(new QComboBox(this), "ComboBoxStartSign");
  FComboBoxStartSign->addItems(kSignNames);
  SetHint(FComboBoxStartSign, "Select the major period sign from which to begin the releasing.");
  FComboBoxFortune = Named(new QComboBox(this), "ComboBoxFortune");
  FComboBoxFortune->addItem("none");
  FComboBoxFortune->addItems(kSignNames);
  SetHint(FComboBoxFortune,
          "The sign of the Lot of Fortune: the places are counted from it (the 10th is the peak; "
          "the 1st, 4th and 7th are angular).");
  FSpinEditNumMajPeriods =
      Named(new TSpinEdit(kMinGeneralPeriods, kMaxGeneralPeriods, this), "SpinEditNumMajPeriods");
  FSpinEditNumMajPeriods->SetValue(6);
  SetHint(FSpinEditNumMajPeriods,
          "Enter number of major periods you wish to calculate into the future.  Maximum is 200.");

  FRGOstraneType = Named(new TRadioGroup("Select Ostrane Type:",
                                         {"Modern (365 day year)", "Egyptian (360 day year)",
                                          "Valens (27 for Capricorn)"},
                                         1, this),
                         "RGOstraneType");
  FRGOstraneType->SetItemIndex(2);
  SetHint(
      FRGOstraneType,
      "Select the ostrane type setting according to your interpretation of Valens' books 2 - 6.");
  FRGDateStyle =
      Named(new TRadioGroup("List Dates:", {"European", "American", "Scientific"}, 1, this),
            "RGDateStyle");
  FRGDateStyle->SetItemIndex(1);
  SetHint(FRGDateStyle, "Select the style of date you prefer to see listed in the output.");
  FRGSignNames = Named(new TRadioGroup("Sign Names:", {"Short", "Long"}, 2, this), "RGSignNames");
  FRGSignNames->SetItemIndex(1);
  SetHint(FRGSignNames, "Select the style of sign names you prefer listed in the output.");
  FRGLooseBondType = Named(new TRadioGroup("Loose Bond In Major:", {"Never", "Always"}, 2, this),
                           "RGLooseBondType");
  FRGLooseBondType->SetItemIndex(1);
  SetHint(FRGLooseBondType,
          "Select the type of bond loosing for use in the major periods when more than 12 major "
          "periods is calculated.");

  auto* inputs = new QGridLayout(this);
  inputs->setContentsMargins(0, 0, 0, 0);
  inputs->setHorizontalSpacing(4);
  inputs->setVerticalSpacing(4);
  inputs->addWidget(Label("LabelName", "&Name:", FEditName, this), 0, 0);
  inputs->addWidget(FEditName, 0, 1, 1, 3);
  inputs->addWidget(FGroupBox1, 1, 0, 1, 4);
  inputs->addWidget(Label("LabelStartSign", "&Start Releasing From:", FComboBoxStartSign, this), 2,
                    0, 1, 2);
  inputs->addWidget(FComboBoxStartSign, 2, 2, 1, 2);
  inputs->addWidget(Label("LabelGeneralPeriods", "General &Periods:", FSpinEditNumMajPeriods, this),
                    3, 0);
  inputs->addWidget(FSpinEditNumMajPeriods, 3, 1);
  // Alt+F opens the File menu, so the label's letter is the o.
  inputs->addWidget(Label("LabelFortune", "Lot of F&ortune:", FComboBoxFortune, this), 3, 2);
  inputs->addWidget(FComboBoxFortune, 3, 3);
  inputs->addWidget(FRGOstraneType, 4, 0, 1, 2);
  inputs->addWidget(FRGDateStyle, 4, 2, 1, 2);
  inputs->addWidget(FRGLooseBondType, 5, 0, 1, 2);
  inputs->addWidget(FRGSignNames, 5, 2, 1, 2);
  inputs->setRowStretch(7, 1);
  FInputs = inputs;
  ConnectBirthMoment();
}

void TBirthDataPanel::ConnectBirthMoment() {
  connect(FComboBoxMonth, &QComboBox::currentIndexChanged, this,
          &TBirthDataPanel::BirthMomentChanged);
  for (TSpinEdit* spin : {FSpinEditDay, FSpinEditYear})
    if (auto* edit = spin->findChild<QLineEdit*>())
      connect(edit, &QLineEdit::textChanged, this, &TBirthDataPanel::BirthMomentChanged);
  connect(FEditTime, &QLineEdit::textChanged, this, &TBirthDataPanel::BirthMomentChanged);
}

void TBirthDataPanel::SetCommandPanel(QWidget* commands) {
  FInputs->addWidget(commands, 6, 0, 1, 4);
}

ReleaseSettings TBirthDataPanel::ReadSettings() const {
  ReleaseSettings s;
  s.Name = FEditName->text().toStdString();
  s.MonthIndex = FComboBoxMonth->currentIndex();
  s.Day = FSpinEditDay->Value();
  s.Year = FSpinEditYear->Value();
  s.TimeText = FEditTime->text().toStdString();
  s.JulianDateText = FEditJD->text().toStdString();
  s.StartSign = FComboBoxStartSign->currentIndex();
  s.ReleasingType = FromItemIndex<TReleasingType>(FRGOstraneType->ItemIndex());
  s.GeneralPeriods = FSpinEditNumMajPeriods->Value();
  s.DateStyle = FromItemIndex<TDateStyle>(FRGDateStyle->ItemIndex());
  s.SignNameStyle = FromItemIndex<TSignNameStyle>(FRGSignNames->ItemIndex());
  s.LooseBondType = FromItemIndex<TLooseBond>(FRGLooseBondType->ItemIndex());
  s.FortuneSign = FortuneSign();
  return s;
}

void TBirthDataPanel::ApplySettings(const ReleaseSettings& s) {
  SetNameText(QString::fromStdString(s.Name));
  FComboBoxMonth->setCurrentIndex(
      s.MonthIndex >= 0 && s.MonthIndex < FComboBoxMonth->count() ? s.MonthIndex : -1);
  FSpinEditDay->SetValue(s.Day);
  FSpinEditYear->SetValue(s.Year);
  FEditTime->setText(QString::fromStdString(s.TimeText));
  FEditJD->setText(QString::fromStdString(s.JulianDateText));
  SetStartSign(s.StartSign);
  FRGOstraneType->SetItemIndex(ToItemIndex(s.ReleasingType));
  FSpinEditNumMajPeriods->SetValue(s.GeneralPeriods);
  FRGDateStyle->SetItemIndex(ToItemIndex(s.DateStyle));
  FRGSignNames->SetItemIndex(ToItemIndex(s.SignNameStyle));
  FRGLooseBondType->SetItemIndex(ToItemIndex(s.LooseBondType));
  SetFortuneSign(s.FortuneSign);
}

void TBirthDataPanel::ApplyFileLine(int line, const ReleaseSettings& s) {
  switch (line) {
    case kNameLine:
      // A longer name read from a file is shown whole; typing does not
      // lengthen it.
      SetNameText(QString::fromStdString(s.Name));
      break;
    case kMonthLine: FComboBoxMonth->setCurrentIndex(s.MonthIndex); break;
    case kDayLine: FSpinEditDay->SetValue(s.Day); break;
    case kYearLine: FSpinEditYear->SetValue(s.Year); break;
    case kTimeLine: FEditTime->setText(QString::fromStdString(s.TimeText)); break;
    case kJulianDateLine: FEditJD->setText(QString::fromStdString(s.JulianDateText)); break;
    case kStartSignLine: FComboBoxStartSign->setCurrentIndex(s.StartSign); break;
    case kReleasingTypeLine: FRGOstraneType->SetItemIndex(ToItemIndex(s.ReleasingType)); break;
    case kGeneralPeriodsLine: FSpinEditNumMajPeriods->SetValue(s.GeneralPeriods); break;
    case kDateStyleLine: FRGDateStyle->SetItemIndex(ToItemIndex(s.DateStyle)); break;
    case kSignNamesLine: FRGSignNames->SetItemIndex(ToItemIndex(s.SignNameStyle)); break;
    case kLooseBondLine: FRGLooseBondType->SetItemIndex(ToItemIndex(s.LooseBondType)); break;
    default: break;
  }
}

void TBirthDataPanel::SetNameText(const QString& name) {
  FNameLimit->SetName(name);
}

std::int32_t TBirthDataPanel::FortuneSign() const {
  return FComboBoxFortune->currentIndex() - 1;  // item 0 is "none"
}

void TBirthDataPanel::SetFortuneSign(std::int32_t sign) {
  ostrane::SetFortuneSign(*FComboBoxFortune, sign);
}

void TBirthDataPanel::SetStartSign(std::int32_t sign) {
  FComboBoxStartSign->setCurrentIndex(sign >= 0 && sign < FComboBoxStartSign->count() ? sign : -1);
}

void TBirthDataPanel::SetPlaceKnown(bool known) {
  SetHint(FEditTime, QString::fromUtf8(known ? kClockTimeHint : kStandardTimeHint));
}

void SetFortuneSign(QComboBox& fortune, std::int32_t sign) {
  fortune.setCurrentIndex(sign >= 0 && sign <= 11 ? sign + 1 : 0);
}

}  // namespace ostrane
