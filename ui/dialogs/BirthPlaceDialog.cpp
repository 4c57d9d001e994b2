#include "ui/dialogs/BirthPlaceDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimeZone>

#include "chart/BuiltInPlaces.h"
#include "chart/TimeZones.h"
#include "ui/widgets/NameField.h"

namespace ostrane {
namespace {

constexpr std::size_t kCompletions = 20;

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string S(const QLineEdit* edit) {
  return edit->text().toStdString();
}

QCompleter* ZoneCompleter(QObject* parent) {
  QStringList zones;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) zones << QString::fromUtf8(id);
  auto* completer = new QCompleter(zones, parent);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->setMaxVisibleItems(12);
  return completer;
}

}  // namespace

TBirthPlaceDialog::TBirthPlaceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("BirthPlaceDialog");
  setWindowTitle("Birth Place");

  EditPlaceSearch = Named(new QLineEdit(this), "EditPlaceSearch");
  EditPlaceSearch->setPlaceholderText("Type a place: Amsterdam, Springfield, IL ...");
  FPlaceModel = new QStandardItemModel(this);
  FPlaces = new QCompleter(FPlaceModel, this);
  FPlaces->setObjectName("PlaceCompleter");
  // The table's search has filtered and ordered the places already.
  FPlaces->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  FPlaces->setMaxVisibleItems(10);
  EditPlaceSearch->setCompleter(FPlaces);

  EditLatitude = Named(new QLineEdit(this), "EditLatitude");
  EditLatitude->setPlaceholderText("52.37 or 52n22");
  EditLongitude = Named(new QLineEdit(this), "EditLongitude");
  EditLongitude->setPlaceholderText("4.89 or 4e54");
  EditTimeZone = Named(new QLineEdit(this), "EditTimeZone");
  EditTimeZone->setPlaceholderText("Europe/Amsterdam");
  EditTimeZone->setCompleter(ZoneCompleter(this));
  // A file keeps the name and the zone: no line breaks or other controls.
  for (QLineEdit* edit : {EditPlaceSearch, EditTimeZone}) new TPlainTextField(edit);
  LabelZoneOffset = Named(new QLabel(this), "LabelZoneOffset");
  LabelZoneOffset->setTextInteractionFlags(Qt::TextSelectableByMouse);
  EditUtcOffset = Named(new QLineEdit(this), "EditUtcOffset");
  EditUtcOffset->setPlaceholderText("empty for none; +01:00");
  ComboBoxSect = Named(new QComboBox(this), "ComboBoxSect");
  ComboBoxSect->addItems({"Computed", "Day", "Night"});
  ComboBoxDst = Named(new QComboBox(this), "ComboBoxDst");
  ComboBoxDst->addItems({"Ask", "Earlier", "Later"});
  LabelPlaceErrors = Named(new QLabel(this), "LabelPlaceErrors");
  LabelPlaceErrors->setWordWrap(true);
  LabelPlaceErrors->setStyleSheet("color: #b00000");
  LabelPlaceErrors->hide();

  BtnPlaceOk = Named(new QPushButton("OK", this), "BtnPlaceOk");
  BtnPlaceOk->setDefault(true);
  BtnPlaceCancel = Named(new QPushButton("Cancel", this), "BtnPlaceCancel");
  BtnPlaceClear = Named(new QPushButton("C&lear", this), "BtnPlaceClear");

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(6);
  const auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  grid->addWidget(label("&Search:", EditPlaceSearch), 0, 0);
  grid->addWidget(EditPlaceSearch, 0, 1, 1, 3);
  grid->addWidget(label("L&atitude:", EditLatitude), 1, 0);
  grid->addWidget(EditLatitude, 1, 1);
  grid->addWidget(label("L&ongitude:", EditLongitude), 1, 2);
  grid->addWidget(EditLongitude, 1, 3);
  grid->addWidget(label("Time &zone:", EditTimeZone), 2, 0);
  grid->addWidget(EditTimeZone, 2, 1, 1, 3);
  grid->addWidget(LabelZoneOffset, 3, 1, 1, 3);
  grid->addWidget(label("&UTC offset:", EditUtcOffset), 4, 0);
  grid->addWidget(EditUtcOffset, 4, 1, 1, 3);
  grid->addWidget(label("S&ect:", ComboBoxSect), 5, 0);
  grid->addWidget(ComboBoxSect, 5, 1);
  grid->addWidget(label("&Daylight saving:", ComboBoxDst), 5, 2);
  grid->addWidget(ComboBoxDst, 5, 3);
  grid->addWidget(LabelPlaceErrors, 6, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnPlaceClear);
  buttons->addStretch(1);
  buttons->addWidget(BtnPlaceOk);
  buttons->addWidget(BtnPlaceCancel);
  grid->addLayout(buttons, 7, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(6, 1);
  setMinimumWidth(460);

  connect(EditPlaceSearch, &QLineEdit::textEdited, this, &TBirthPlaceDialog::SearchEdited);
  connect(FPlaces, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { ChoosePlace(index.data(Qt::UserRole).toInt()); });
  for (QLineEdit* edit : {EditLongitude, EditTimeZone, EditUtcOffset})
    connect(edit, &QLineEdit::textChanged, this, &TBirthPlaceDialog::ShowZoneOffset);
  connect(ComboBoxDst, &QComboBox::currentIndexChanged, this, &TBirthPlaceDialog::ShowZoneOffset);
  connect(BtnPlaceOk, &QPushButton::clicked, this, &TBirthPlaceDialog::accept);
  connect(BtnPlaceCancel, &QPushButton::clicked, this, &TBirthPlaceDialog::reject);
  connect(BtnPlaceClear, &QPushButton::clicked, this, [this] {
    FPlace = TBirthPlace();
    QDialog::accept();
  });
  ShowZoneOffset();
}

void TBirthPlaceDialog::SearchEdited(const QString& text) {
  FFound = BuiltInPlaces().Search(text.toStdString(), kCompletions);
  FPlaceModel->clear();
  for (std::size_t i = 0; i < FFound.size(); ++i) {
    auto* item = new QStandardItem(Q(PlaceLabel(*FFound[i])));
    item->setData(static_cast<int>(i), Qt::UserRole);
    FPlaceModel->appendRow(item);
  }
  if (FFound.empty())
    FPlaces->popup()->hide();
  else
    FPlaces->complete();
}

void TBirthPlaceDialog::ChoosePlace(int row) {
  if (row < 0 || row >= static_cast<int>(FFound.size())) return;
  const TPlace& place = *FFound[static_cast<std::size_t>(row)];
  TPlaceTexts texts = Texts();
  TBirthPlace chosen;
  SetBirthPlace(chosen, place);
  const TPlaceTexts filled = PlaceTexts(chosen);
  texts.Name = filled.Name;
  texts.Latitude = filled.Latitude;
  texts.Longitude = filled.Longitude;
  texts.TimeZone = filled.TimeZone;
  texts.UtcOffset.clear();  // the offset of a record belongs to the place before
  SetTexts(texts);
  LabelPlaceErrors->hide();
}

void TBirthPlaceDialog::ShowZoneOffset() {
  const std::string zone = S(EditTimeZone);
  QString text;
  if (zone.empty()) {
    text = "no time zone";
  } else if (!IsKnownZone(zone)) {
    text = "unknown time zone";
  } else if (!FBirth) {
    text = "the birth time cannot be read";
  } else {
    // The offset's text needs only the longitude that can be read.
    const TPlaceReading reading = ReadPlaceTexts({"", "0", S(EditLongitude), zone, "", 0, 0});
    const double longitude =
        reading.Place && reading.Place->Longitude ? *reading.Place->Longitude : 0.0;
    const TDstChoice choice = ComboBoxDst->currentIndex() == ToItemIndex(TDstChoice::Later)
                                  ? TDstChoice::Later
                                  : TDstChoice::Earlier;
    text = "at the birth: " + Q(ZoneOffsetText(ResolveTimeZone(zone, *FBirth, longitude, choice)));
  }
  LabelZoneOffset->setText(text);
}

TPlaceTexts TBirthPlaceDialog::Texts() const {
  return {S(EditPlaceSearch),
          S(EditLatitude),
          S(EditLongitude),
          S(EditTimeZone),
          S(EditUtcOffset),
          ComboBoxDst->currentIndex(),
          ComboBoxSect->currentIndex()};
}

void TBirthPlaceDialog::SetTexts(const TPlaceTexts& texts) {
  EditPlaceSearch->setText(Q(texts.Name));
  EditLatitude->setText(Q(texts.Latitude));
  EditLongitude->setText(Q(texts.Longitude));
  EditTimeZone->setText(Q(texts.TimeZone));
  EditUtcOffset->setText(Q(texts.UtcOffset));
  ComboBoxDst->setCurrentIndex(texts.Dst >= 0 && texts.Dst <= 2 ? texts.Dst : 0);
  ComboBoxSect->setCurrentIndex(texts.Sect >= 0 && texts.Sect <= 2 ? texts.Sect : 0);
}

void TBirthPlaceDialog::SetPlace(const TBirthPlace& place) {
  FPlace = place;
  SetTexts(PlaceTexts(place));
  LabelPlaceErrors->hide();
  // Typing into the search then replaces the name.
  EditPlaceSearch->selectAll();
}

void TBirthPlaceDialog::SetBirthMoment(std::optional<double> localJulianDay) {
  FBirth = localJulianDay;
  ShowZoneOffset();
}

void TBirthPlaceDialog::accept() {
  // Enter after typing a name without choosing from the list takes the
  // best match and waits for another OK.
  if (EditLatitude->text().trimmed().isEmpty() && EditLongitude->text().trimmed().isEmpty() &&
      !EditPlaceSearch->text().trimmed().isEmpty()) {
    FFound = BuiltInPlaces().Search(S(EditPlaceSearch), 1);
    if (!FFound.empty()) {
      ChoosePlace(0);
      return;
    }
  }
  const TPlaceReading reading = ReadPlaceTexts(Texts());
  if (!reading.Place) {
    QStringList errors;
    for (const std::string& error : reading.Errors) errors << Q(error);
    LabelPlaceErrors->setText(errors.join('\n'));
    LabelPlaceErrors->show();
    return;
  }
  FPlace = *reading.Place;
  QDialog::accept();
}

}  // namespace ostrane
