#include "ui/widgets/ChartWheelView.h"

#include <QPainter>

#include "timeline/ChartWheel.h"

namespace ostrane {

TChartWheelView::TChartWheelView(QWidget* parent) : QWidget(parent) {
  setObjectName("ChartWheel");
  setMinimumSize(240, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TChartWheelView::SetChart(const std::optional<TChart>& chart) {
  FChart = chart;
  update();
}

void TChartWheelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (FChart) {
    PaintChartWheel(painter, QRectF(rect()), *FChart);
    return;
  }
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  painter.drawText(rect(), Qt::AlignCenter, "No chart");
}

}  // namespace ostrane
