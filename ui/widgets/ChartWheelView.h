// The chart wheel as a widget (timeline/ChartWheel.h): the wheel of the
// chart it is given, as large as the widget allows, or a line saying there
// is none.
#pragma once

#include <QWidget>
#include <optional>

#include "astro/Lots.h"

namespace ostrane {

class TChartWheelView : public QWidget {
  Q_OBJECT
 public:
  explicit TChartWheelView(QWidget* parent = nullptr);

  // The chart to draw, or none.
  void SetChart(const std::optional<TChart>& chart);
  const std::optional<TChart>& Chart() const { return FChart; }

  QSize sizeHint() const override { return {440, 440}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<TChart> FChart;
};

}  // namespace ostrane
