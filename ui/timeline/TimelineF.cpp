#include "ui/timeline/TimelineF.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "chart/TimeZones.h"
#include "core/Chronocrators.h"
#include "timeline/TimelineExport.h"
#include "ui/timeline/TimelineView.h"
#include "ui/widgets/DrawingFileDialog.h"
#include "ui/widgets/ErrorBox.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/WindowFonts.h"

namespace ostrane {
namespace {}  // namespace

TFormTimeline::TFormTimeline(QWidget* parent)
    : QMainWindow(parent), FClock([] { return QDateTime::currentDateTime(); }) {
  setObjectName("FormTimeline");
  setWindowTitle("Timeline of the Periods");
  setFont(DialogFont());

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* row = new QHBoxLayout;
  ComboBoxSpirit = new QComboBox(central);
  ComboBoxSpirit->setObjectName("ComboBoxSpirit");
  ComboBoxSpirit->addItem("none");
  for (std::int32_t sign = 0; sign < 12; ++sign)
    ComboBoxSpirit->addItem(QString::fromStdString(LongSignNameOf(sign)));
  ComboBoxSpirit->setToolTip(
      "The sign of the Lot of Spirit: with Fortune's sign set too, the periods are drawn from "
      "Spirit above those from Fortune.");
  auto* spiritLabel = new QLabel("Lot of &Spirit:", central);
  spiritLabel->setBuddy(ComboBoxSpirit);
  auto* hint = new QLabel(
      "Wheel or + and - zoom; drag or the arrow keys move; Home shows all. "
      "A click selects the period's line.",
      central);
  hint->setObjectName("LabelHint");
  row->addWidget(spiritLabel);
  row->addWidget(ComboBoxSpirit);
  row->addSpacing(16);
  row->addWidget(hint, 1);
  column->addLayout(row);
  TimelineView = new TTimelineView(central);
  column->addWidget(TimelineView, 1);
  setCentralWidget(central);

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("File1");
  Export1 = file->addAction("&Export ...", this, &TFormTimeline::Export1Click);
  Export1->setObjectName("Export1");
  file->addSeparator();
  Close1 = file->addAction("&Close", this, &QWidget::close);
  Close1->setObjectName("Close1");

  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("View1");
  ZoomIn1 = view->addAction("Zoom &In\t+", TimelineView, [this] { TimelineView->ZoomBy(1.5); });
  ZoomIn1->setObjectName("ZoomIn1");
  ZoomOut1 =
      view->addAction("Zoom &Out\t-", TimelineView, [this] { TimelineView->ZoomBy(1.0 / 1.5); });
  ZoomOut1->setObjectName("ZoomOut1");
  WholeListing1 = view->addAction("&Whole Listing\tHome", TimelineView, &TTimelineView::ShowAll);
  WholeListing1->setObjectName("WholeListing1");

  connect(ComboBoxSpirit, &QComboBox::currentIndexChanged, this,
          [this](int index) { TimelineView->SetSpiritSign(index - 1); });
  connect(TimelineView, &TTimelineView::PeriodClicked, this, &TFormTimeline::PeriodClicked);
  resize(1000, 300);
}

void TFormTimeline::SetSource(const std::optional<TTimelineSource>& source) {
  TimelineView->SetSource(source);
  if (source) {
    const std::int32_t spirit = ChartSpiritSign(*source);
    if (spirit >= 0 && spirit != FChartSpirit) ComboBoxSpirit->setCurrentIndex(spirit + 1);
    FChartSpirit = spirit;
  }
  UpdateMoment();
}

void TFormTimeline::SetMoment(std::optional<double> julianDay) {
  FChosenMoment = julianDay;
  UpdateMoment();
}

void TFormTimeline::UpdateMoment() {
  const TDateStyle style = TimelineView->Model().Settings.DateStyle;
  if (FChosenMoment) {
    TimelineView->SetMoment(FChosenMoment, TimelineDateText(*FChosenMoment, style));
  } else {
    const double now = LocalClockJulianDay(FClock());
    TimelineView->SetMoment(now, "now " + TimelineDateText(now, style));
  }
}

void TFormTimeline::ShowWindow() {
  UpdateMoment();
  show();
  if (!FPlaced) {
    FPlaced = true;
    CentreOnScreen(this);
    // As tall as the drawing, once the window system has placed the window.
    QTimer::singleShot(0, this, [this] {
      const int spare = TimelineView->height() - TimelineView->minimumHeight();
      if (spare > 0) resize(width(), height() - spare);
      CentreOnScreen(this);
    });
  }
  raise();
  activateWindow();
}

bool TFormTimeline::ExportTo(const QString& fileName) {
  try {
    ExportTimeline(fileName, TimelineView->Model(), TimelineView->Scene());
  } catch (const ETimelineExportError& error) {
    ShowErrorBox(this, QString::fromStdString(error.what()));
    return false;
  }
  return true;
}

void TFormTimeline::Export1Click() {
  const QString fileName = AskDrawingFileName(this, "Export the Timeline");
  if (!fileName.isEmpty()) ExportTo(fileName);
}

}  // namespace ostrane
