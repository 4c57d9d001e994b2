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

#include "ui/main/BirthDataPanel.h"
#include "ui/main/InForcePresenter.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/Hints.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/ListMarks.h"
#include "ui/widgets/ListingModel.h"
#include "ui/widgets/NameField.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/SpinEdit.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane {
namespace {

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  return Named(new QPushButton(text, parent), name);
}

}  // namespace

void TFormZodiac::BuildControls() {
  auto* central = Named(new QWidget(this), "ClientArea");
  FBirthData = new TBirthDataPanel(central);
  auto* left = FBirthData;

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

  FBirthData->SetCommandPanel(Panel1);

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
  FInForcePresenter = new TInForcePresenter(this);
  connect(FInForcePresenter, &TInForcePresenter::TextChanged, LabelInForce, &QLabel::setText);
  connect(FInForcePresenter, &TInForcePresenter::RulersChanged, LabelInForce, &QLabel::setToolTip);
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
