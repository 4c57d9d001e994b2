#include "ui/dialogs/ChartPanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "timeline/ChartWheel.h"
#include "ui/main/ZodiacF.h"
#include "ui/widgets/ChartWheelView.h"
#include "ui/widgets/DrawingFileDialog.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

constexpr int kWheelExportSize = 800;  // pixels a side

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QLabel* WrappingLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A list of choices named `name`, its items the names of the values 0 .. n-1.
template <typename T, std::size_t N>
QComboBox* Choices(const char* name, const T (&values)[N], std::string (*text)(T),
                   QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (T value : values) combo->addItem(Q(text(value)));
  return combo;
}

constexpr TZodiac kZodiacs[] = {TZodiac::Tropical, TZodiac::FaganBradley, TZodiac::Lahiri};
constexpr TLotFormula kFormulas[] = {TLotFormula::Sect, TLotFormula::Day};
constexpr TSectHorizon kHorizons[] = {TSectHorizon::Geometric, TSectHorizon::Visible};

}  // namespace

TChartPanel::TChartPanel(TFormZodiac* form) : QWidget(form, Qt::Window), FForm(form) {
  setObjectName("ChartPanel");
  setWindowTitle("Chart");
  LabelChartStatus = WrappingLabel("LabelChartStatus", this);
  LabelChartWarnings = WrappingLabel("LabelChartWarnings", this);
  LabelChartWarnings->setStyleSheet("color: #9a4a00");
  BtnChartPlace = new QPushButton("&Birth Place ...", this);
  BtnChartPlace->setObjectName("BtnChartPlace");
  BtnReleaseFortune = new QPushButton("Release from &Fortune", this);
  BtnReleaseFortune->setObjectName("BtnReleaseFortune");
  BtnReleaseSpirit = new QPushButton("Release from S&pirit", this);
  BtnReleaseSpirit->setObjectName("BtnReleaseSpirit");

  ComboZodiac = Choices("ComboZodiac", kZodiacs, ZodiacName, this);
  ComboLotFormula = Choices("ComboLotFormula", kFormulas, LotFormulaName, this);
  ComboSectHorizon = Choices("ComboSectHorizon", kHorizons, SectHorizonName, this);
  ComboReleaseFrom = new QComboBox(this);
  ComboReleaseFrom->setObjectName("ComboReleaseFrom");
  for (TLot lot : kLots) ComboReleaseFrom->addItem(Q(std::string(LotName(lot))));
  ChartWheel = new TChartWheelView(this);
  BtnExportWheel = new QPushButton("E&xport Wheel\u2026", this);
  BtnExportWheel->setObjectName("BtnExportWheel");

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(10);
  rows->setVerticalSpacing(3);
  for (const TChartRowName& row : kChartRows) {
    auto* caption = new QLabel(QString(row.Caption) + ":", this);
    auto* value = WrappingLabel(row.Name, this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int at = rows->rowCount();
    rows->addWidget(caption, at, 0, Qt::AlignTop);
    rows->addWidget(value, at, 1);
    FRows.emplace_back(caption, value);
  }
  rows->setColumnStretch(1, 1);
  auto* variants = new QFormLayout;
  variants->addRow("&Zodiac:", ComboZodiac);
  variants->addRow("&Lots:", ComboLotFormula);
  variants->addRow("S&ect:", ComboSectHorizon);
  auto* column = new QWidget(this);  // wide enough that the values seldom wrap
  column->setMinimumWidth(370);
  auto* text = new QVBoxLayout(column);
  text->setContentsMargins(0, 0, 0, 0);
  text->addWidget(LabelChartStatus);
  text->addLayout(rows);
  text->addWidget(LabelChartWarnings);
  text->addStretch(1);
  text->addLayout(variants);
  auto* wheel = new QVBoxLayout;
  wheel->addWidget(ChartWheel, 1);
  wheel->addWidget(BtnExportWheel, 0, Qt::AlignRight);
  auto* body = new QHBoxLayout;
  body->addWidget(column, 0);
  body->addLayout(wheel, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnChartPlace);
  buttons->addStretch(1);
  auto* from = new QLabel("&Release from:", this);
  from->setBuddy(ComboReleaseFrom);
  buttons->addWidget(from);
  buttons->addWidget(ComboReleaseFrom);
  buttons->addWidget(BtnReleaseFortune);
  buttons->addWidget(BtnReleaseSpirit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  setMinimumWidth(440);

  connect(BtnChartPlace, &QPushButton::clicked, form, &TFormZodiac::BirthPlace1Click);
  connect(BtnReleaseFortune, &QPushButton::clicked, this, [this] { ReleaseFrom(TLot::Fortune); });
  connect(BtnReleaseSpirit, &QPushButton::clicked, this, [this] { ReleaseFrom(TLot::Spirit); });
  connect(ComboReleaseFrom, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && index < kLotCount) ReleaseFrom(kLots[static_cast<std::size_t>(index)]);
  });
  for (QComboBox* combo : {ComboZodiac, ComboLotFormula, ComboSectHorizon})
    connect(combo, &QComboBox::currentIndexChanged, this, &TChartPanel::VariantChosen);
  connect(BtnExportWheel, &QPushButton::clicked, this, &TChartPanel::ExportWheelClick);
  // The chart presenter (ChartPresenter.h) computes it again as the birth
  // moment and the place change.
  Recompute();
}

void TChartPanel::Recompute() {
  const TBirthPlace& place = FForm->Place();
  FResult = TBirthChartResult();
  if (place.Known()) {
    std::string error;
    if (const auto birth = FForm->BirthLocalJulianDay(&error))
      FResult = ComputeBirthChart(place, *birth);
    else
      FResult.Error = error;
  }
  ShowVariants(place.Variants);
  // With a place Fortune's sign is the chart's: unknown while there is none.
  if (place.Known()) emit FortuneSignFound(FResult.Value ? FResult.Value->Chart.FortuneSign : -1);
  Show(ChartView(place, FResult));
}

void TChartPanel::Show(const TChartView& view) {
  LabelChartStatus->setText(Q(view.Status));
  LabelChartStatus->setVisible(!view.Status.empty());
  for (std::size_t i = 0; i < FRows.size(); ++i) {
    const auto found = std::find_if(view.Rows.begin(), view.Rows.end(), [&](const auto& row) {
      return row.first == kChartRows[i].Caption;
    });
    const bool shown = found != view.Rows.end();
    FRows[i].second->setText(shown ? Q(found->second) : QString());
    FRows[i].first->setVisible(shown);
    FRows[i].second->setVisible(shown);
  }
  QStringList warnings;
  for (const std::string& warning : view.Warnings) warnings << Q(warning);
  LabelChartWarnings->setText(warnings.join('\n'));
  LabelChartWarnings->setVisible(!warnings.isEmpty());
  BtnReleaseFortune->setEnabled(view.CanRelease);
  BtnReleaseSpirit->setEnabled(view.CanRelease);
  ComboReleaseFrom->setEnabled(view.CanRelease);
  const TChart* chart = FResult.Value ? &FResult.Value->Chart : nullptr;
  for (TLot lot : kLots) {
    std::string item(LotName(lot));
    if (chart) item += " (" + LongSignNameOf(chart->LotSign(lot)) + ")";
    ComboReleaseFrom->setItemText(Index(lot), Q(item));
  }
  ChartWheel->SetChart(chart ? std::optional<TChart>(*chart) : std::nullopt);
  BtnExportWheel->setEnabled(chart != nullptr);
}

void TChartPanel::ShowVariants(const TChartVariants& variants) {
  const QSignalBlocker zodiac(ComboZodiac), formula(ComboLotFormula), horizon(ComboSectHorizon);
  ComboZodiac->setCurrentIndex(static_cast<int>(variants.Zodiac));
  ComboLotFormula->setCurrentIndex(static_cast<int>(variants.LotFormula));
  ComboSectHorizon->setCurrentIndex(static_cast<int>(variants.SectHorizon));
}

void TChartPanel::VariantChosen() {
  TBirthPlace place = FForm->Place();
  const TChartVariants chosen{static_cast<TZodiac>(ComboZodiac->currentIndex()),
                              static_cast<TLotFormula>(ComboLotFormula->currentIndex()),
                              static_cast<TSectHorizon>(ComboSectHorizon->currentIndex())};
  if (chosen == place.Variants) return;
  place.Variants = chosen;
  FForm->SetPlace(place);  // computes the chart again
}

void TChartPanel::OpenPanel() {
  if (!FPlaced) {
    // Beside the main window when the screen has room there, else at the
    // screen's right edge.
    FPlaced = true;
    adjustSize();
    resize(std::max(width(), 980), std::max(height(), 660));
    const QRect form = FForm->frameGeometry();
    QRect area(form.topRight(), size());
    if (const QScreen* screen = FForm->screen()) area = screen->availableGeometry();
    const int x = std::min(form.right() + 8, area.right() - frameGeometry().width());
    move(std::max(area.left(), x), form.top());
  }
  show();
  raise();
  activateWindow();
  Recompute();
  if (FResult.NeedsDstChoice) AskDstChoice();
}

bool TChartPanel::ReleaseFrom(TLot lot) {
  Recompute();
  if (FResult.NeedsDstChoice && !AskDstChoice()) return false;
  if (!FResult.Value) return false;
  const TChart& chart = FResult.Value->Chart;
  emit StartSignChosen(chart.LotSign(lot));
  return true;
}

bool TChartPanel::ExportWheelTo(const QString& fileName) {
  try {
    if (!FResult.Value)
      throw ETimelineExportError("Cannot save '" + fileName.toStdString() +
                                 "': there is no chart to draw.");
    ExportChartWheel(fileName, FResult.Value->Chart, kWheelExportSize);
  } catch (const ETimelineExportError& error) {
    ShowErrorBox(this, QString::fromStdString(error.what()));
    return false;
  }
  return true;
}

void TChartPanel::ExportWheelClick() {
  const QString fileName = AskDrawingFileName(this, "Export the Chart Wheel");
  if (!fileName.isEmpty()) ExportWheelTo(fileName);
}

bool TChartPanel::AskDstChoice() {
  TBirthPlace place = FForm->Place();
  const TDstQuestion question = DstQuestion(place.TimeZone, FResult.Zone);
  QMessageBox box(QMessageBox::Question, "Daylight Saving", Q(question.Text), QMessageBox::Cancel,
                  isVisible() ? static_cast<QWidget*>(this) : FForm);
  box.setObjectName("DstChoiceBox");
  box.setTextFormat(Qt::PlainText);
  QPushButton* earlier = box.addButton(Q(question.Earlier), QMessageBox::AcceptRole);
  earlier->setObjectName("BtnDstEarlier");
  QPushButton* later = box.addButton(Q(question.Later), QMessageBox::AcceptRole);
  later->setObjectName("BtnDstLater");
  box.setDefaultButton(earlier);
  RunModal(box);
  if (box.clickedButton() == earlier)
    place.Dst = TDstChoice::Earlier;
  else if (box.clickedButton() == later)
    place.Dst = TDstChoice::Later;
  else
    return false;
  FForm->SetPlace(place);  // computes the chart again
  return FResult.Value.has_value();
}

}  // namespace ostrane
