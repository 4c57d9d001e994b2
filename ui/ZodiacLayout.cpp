// The controls of the main window and their layout: the inputs on the left,
// the listing on the right growing with the window, the status bar below.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "Hints.h"
#include "ListBox.h"
#include "ListMarks.h"
#include "ListingModel.h"
#include "NameField.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "WindowFonts.h"
#include "ZodiacF.h"

namespace ostrane {
namespace {

const QStringList kMonthNames = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
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

// The File menu's "&File" and "&View" win over these buttons' underlined
// letters: the captions stay as they are, but Alt+F and Alt+V open the menus.
void DropMnemonic(QPushButton* button) {
  button->setShortcut(QKeySequence());
}

}  // namespace

void TFormZodiac::BuildControls() {
  auto* central = Named(new QWidget(this), "ClientArea");
  auto* left = Named(new QWidget(central), "InputArea");

  EditName = Named(new QLineEdit("Time Lords", left), "EditName");
  FNameLimit = new TNameLimit(EditName);
  SetHint(EditName,
          "The text you enter here shows up at top of listings and printouts for labeling.");

  GroupBox1 = Named(new QGroupBox("Enter Birth Data:", left), "GroupBox1");
  SetHint(GroupBox1,
          "Enter date for the beginning of the major periods.  "
          "The Julian date controls can be used for the same purpose.");
  ComboBoxMonth = Named(new QComboBox(GroupBox1), "ComboBoxMonth");
  ComboBoxMonth->addItems(kMonthNames);
  SpinEditDay = Named(new TSpinEdit(kMinDay, kMaxDay, GroupBox1), "SpinEditDay");
  SpinEditYear = Named(new TSpinEdit(kMinYear, kMaxYear, GroupBox1), "SpinEditYear");
  SpinEditYear->SetValue(1);
  EditTime = Named(new QLineEdit(GroupBox1), "EditTime");
  SetHint(EditTime,
          "Assumes standard time, reset to standard time if daylight savings time was in effect.");
  EditJD = Named(new QLineEdit(GroupBox1), "EditJD");
  // The files keep both texts: no line breaks or other controls.
  for (QLineEdit* edit : {EditTime, EditJD}) new TPlainTextField(edit);
  BtnNow = Button("BtnNow", "No&w", GroupBox1);
  BtnShowDate = Button("BtnShowDate", "Show D&ate", GroupBox1);
  BtnShowJulian = Button("BtnShowJulian", "Show J&ulian", GroupBox1);
  BtnSaveSettings = Button("BtnSaveSettings", "Sa&ve Settings", GroupBox1);
  DropMnemonic(BtnSaveSettings);
  BtnRestoreDefaults = Button("BtnRestoreDefaults", "Restore De&faults", GroupBox1);
  DropMnemonic(BtnRestoreDefaults);
  BtnBirthPlace = Button("BtnBirthPlace", "&Birth Place ...", GroupBox1);
  SetHint(BtnBirthPlace, "Enter the birth place: the chart and the lots are computed from it.");

  auto* birth = new QGridLayout(GroupBox1);
  birth->setContentsMargins(6, 4, 6, 6);
  birth->setHorizontalSpacing(4);
  birth->setVerticalSpacing(4);
  birth->addWidget(Label("LabelMonth", "&Month:", ComboBoxMonth, GroupBox1), 0, 0);
  birth->addWidget(ComboBoxMonth, 0, 1);
  birth->addWidget(Label("LabelDay", "&Day:", SpinEditDay, GroupBox1), 0, 2);
  birth->addWidget(SpinEditDay, 0, 3);
  birth->addWidget(Label("LabelYear", "&Year:", SpinEditYear, GroupBox1), 1, 0);
  birth->addWidget(SpinEditYear, 1, 1);
  birth->addWidget(Label("LabelTime", "&Time:", EditTime, GroupBox1), 1, 2);
  birth->addWidget(EditTime, 1, 3);
  birth->addWidget(Label("LabelJulianDate", "&Julian Date:", EditJD, GroupBox1), 2, 0);
  birth->addWidget(EditJD, 2, 1, 1, 3);
  auto* conversions = new QHBoxLayout;
  conversions->setSpacing(4);
  conversions->addWidget(BtnNow);
  conversions->addWidget(BtnShowDate);
  conversions->addWidget(BtnShowJulian);
  birth->addLayout(conversions, 3, 0, 1, 4);
  auto* defaults = new QHBoxLayout;
  defaults->setSpacing(4);
  defaults->addWidget(BtnSaveSettings);
  defaults->addWidget(BtnRestoreDefaults);
  defaults->addWidget(BtnBirthPlace);
  birth->addLayout(defaults, 4, 0, 1, 4);
  birth->setColumnStretch(1, 1);
  birth->setColumnStretch(3, 1);

  ComboBoxStartSign = Named(new QComboBox(left), "ComboBoxStartSign");
  ComboBoxStartSign->addItems(kSignNames);
  SetHint(ComboBoxStartSign, "Select the major period sign from which to begin the releasing.");
  ComboBoxFortune = Named(new QComboBox(left), "ComboBoxFortune");
  ComboBoxFortune->addItem("none");
  ComboBoxFortune->addItems(kSignNames);
  SetHint(ComboBoxFortune, "The sign of the Lot of Fortune: the peak periods are counted from it.");
  SpinEditNumMajPeriods =
      Named(new TSpinEdit(kMinGeneralPeriods, kMaxGeneralPeriods, left), "SpinEditNumMajPeriods");
  SpinEditNumMajPeriods->SetValue(6);
  SetHint(SpinEditNumMajPeriods,
          "Enter number of major periods you wish to calculate into the future.  Maximum is 200.");

  RGOstraneType = Named(new TRadioGroup("Select Ostrane Type:",
                                        {"Modern (365 day year)", "Egyptian (360 day year)",
                                         "Valens (27 for Capricorn)"},
                                        1, left),
                        "RGOstraneType");
  RGOstraneType->SetItemIndex(2);
  SetHint(
      RGOstraneType,
      "Select the ostrane type setting according to your interpretation of Valens' books 2 - 6.");
  RGDateStyle =
      Named(new TRadioGroup("List Dates:", {"European", "American", "Scientific"}, 1, left),
            "RGDateStyle");
  RGDateStyle->SetItemIndex(1);
  SetHint(RGDateStyle, "Select the style of date you prefer to see listed in the output.");
  RGSignNames = Named(new TRadioGroup("Sign Names:", {"Short", "Long"}, 2, left), "RGSignNames");
  RGSignNames->SetItemIndex(1);
  SetHint(RGSignNames, "Select the style of sign names you prefer listed in the output.");
  RGLooseBondType = Named(new TRadioGroup("Loose Bond In Major:", {"Never", "Always"}, 2, left),
                          "RGLooseBondType");
  RGLooseBondType->SetItemIndex(1);
  SetHint(RGLooseBondType,
          "Select the type of bond loosing for use in the major periods when more than 12 major "
          "periods is calculated.");

  Panel1 = Named(new QFrame(left), "Panel1");
  Panel1->setFrameShape(QFrame::StyledPanel);
  BtnCalculateOstrane = Button("BtnCalculateOstrane", "&List Periods", Panel1);
  SetHint(
      BtnCalculateOstrane,
      "Generates a listing, to the right, of major and sub periods using the current settings.");
  BtnClearList = Button("BtnClearList", "&Clear List", Panel1);
  SetHint(BtnClearList, "Clears the current listing at right in preparation for the next listing.");
  BtnExit = Button("BtnExit", "E&xit", Panel1);
  SetHint(BtnExit, "Exit program.");
  auto* commands = new QHBoxLayout(Panel1);
  commands->setContentsMargins(4, 4, 4, 4);
  commands->setSpacing(4);
  commands->addWidget(BtnCalculateOstrane);
  commands->addWidget(BtnClearList);
  commands->addWidget(BtnExit);

  auto* inputs = new QGridLayout(left);
  inputs->setContentsMargins(0, 0, 0, 0);
  inputs->setHorizontalSpacing(4);
  inputs->setVerticalSpacing(4);
  inputs->addWidget(Label("LabelName", "&Name:", EditName, left), 0, 0);
  inputs->addWidget(EditName, 0, 1, 1, 3);
  inputs->addWidget(GroupBox1, 1, 0, 1, 4);
  inputs->addWidget(Label("LabelStartSign", "&Start Releasing From:", ComboBoxStartSign, left), 2,
                    0, 1, 2);
  inputs->addWidget(ComboBoxStartSign, 2, 2, 1, 2);
  inputs->addWidget(Label("LabelGeneralPeriods", "General &Periods:", SpinEditNumMajPeriods, left),
                    3, 0);
  inputs->addWidget(SpinEditNumMajPeriods, 3, 1);
  // Alt+F opens the File menu, so the label's letter is the o.
  inputs->addWidget(Label("LabelFortune", "Lot of F&ortune:", ComboBoxFortune, left), 3, 2);
  inputs->addWidget(ComboBoxFortune, 3, 3);
  inputs->addWidget(RGOstraneType, 4, 0, 1, 2);
  inputs->addWidget(RGDateStyle, 4, 2, 1, 2);
  inputs->addWidget(RGLooseBondType, 5, 0, 1, 2);
  inputs->addWidget(RGSignNames, 5, 2, 1, 2);
  inputs->addWidget(Panel1, 6, 0, 1, 4);
  inputs->setRowStretch(7, 1);

  ListBoxOstrane = Named(new TListBox(central), "ListBoxOstrane");
  ListBoxOstrane->setFont(ListFont());
  ListBoxOstrane->setFocusPolicy(Qt::ClickFocus);
  {
    auto title = std::make_shared<TListing>();
    title->Header = {"General and Sub Period Releasings:"};
    ListBoxOstrane->Model().SetListing(std::move(title));
  }
  SetHint(ListBoxOstrane,
          "Double click period selected to get level 3 & 4 subdivisions.  Right click for other "
          "options.");
  ListBoxOstrane->setItemDelegate(new TMarkDelegate(
      [form = QPointer<TFormZodiac>(this)] {
        return form ? form->MarkReference() : TMarkReference{};
      },
      ListBoxOstrane));
  ListBoxOstrane->setUniformItemSizes(true);  // every line as wide as the widest
  LabelInForce = Named(new QLabel(central), "LabelInForce");
  LabelInForce->setWordWrap(true);
  LabelInForce->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // The list column: the list, and under it the periods in force.
  auto* listColumn = new QVBoxLayout;
  listColumn->setSpacing(4);
  listColumn->addWidget(ListBoxOstrane, 1);
  listColumn->addWidget(LabelInForce);

  LabelListingState = Named(new QLabel(kSettingsChangedText, central), "LabelListingState");
  LabelListingState->setWordWrap(true);
  LabelListingState->setAutoFillBackground(true);
  LabelListingState->setMargin(3);
  QPalette warning = LabelListingState->palette();
  warning.setColor(QPalette::Window, kWarningColor);
  warning.setColor(QPalette::WindowText, Qt::black);
  LabelListingState->setPalette(warning);
  LabelListingState->hide();
  listColumn->addWidget(LabelListingState, 0);

  auto* client = new QHBoxLayout(central);
  client->setContentsMargins(6, 6, 6, 6);
  client->setSpacing(6);
  client->addWidget(left, 0);
  client->addLayout(listColumn, 1);
  // The inputs keep the width they need; the list takes the rest.
  left->setFixedWidth(left->minimumSizeHint().width());
  setCentralWidget(central);

  StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
  StatusBar1->setSizeGripEnabled(true);
  setStatusBar(StatusBar1);
}

}  // namespace ostrane
