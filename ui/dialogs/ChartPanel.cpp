#include "ui/dialogs/ChartPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main/ZodiacF.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/SpinEdit.h"

namespace ostrane {
namespace {

// The rows of TChartView and the objectNames of their values.
struct TChartRow {
  const char* Caption;
  const char* Name;
};
constexpr TChartRow kChartRows[] = {{"Place", "ChartPlace"},
                                    {"Coordinates", "ChartCoordinates"},
                                    {"Time zone", "ChartZone"},
                                    {"Ascendant", "ChartAscendant"},
                                    {"Sun", "ChartSun"},
                                    {"Moon", "ChartMoon"},
                                    {"Lot of Fortune", "ChartFortune"},
                                    {"Lot of Spirit", "ChartSpirit"},
                                    {"Sect", "ChartSect"}};

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

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(10);
  rows->setVerticalSpacing(3);
  for (const TChartRow& row : kChartRows) {
    auto* caption = new QLabel(QString(row.Caption) + ":", this);
    auto* value = WrappingLabel(row.Name, this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int at = rows->rowCount();
    rows->addWidget(caption, at, 0, Qt::AlignTop);
    rows->addWidget(value, at, 1);
    FRows.emplace_back(caption, value);
  }
  rows->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnChartPlace);
  buttons->addStretch(1);
  buttons->addWidget(BtnReleaseFortune);
  buttons->addWidget(BtnReleaseSpirit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelChartStatus);
  layout->addLayout(rows);
  layout->addWidget(LabelChartWarnings);
  layout->addStretch(1);
  layout->addLayout(buttons);
  setMinimumWidth(440);

  connect(BtnChartPlace, &QPushButton::clicked, form, &TFormZodiac::BirthPlace1Click);
  connect(BtnReleaseFortune, &QPushButton::clicked, this, [this] { ReleaseFrom(TLot::Fortune); });
  connect(BtnReleaseSpirit, &QPushButton::clicked, this, [this] { ReleaseFrom(TLot::Spirit); });
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
}

void TChartPanel::OpenPanel() {
  if (!FPlaced) {
    // Beside the main window when the screen has room there, else at the
    // screen's right edge.
    FPlaced = true;
    adjustSize();
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
