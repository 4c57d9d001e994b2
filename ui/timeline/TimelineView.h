// The timeline as a widget: draws the periods of a listing (TimelinePainter),
// zooms with the wheel and the + and - keys, pans by dragging and with the
// arrow keys, shows a tooltip on every period, and reports a click on a
// period of the main list's track.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "timeline/TimelinePainter.h"

namespace ostrane {

class TTimelineView : public QWidget {
  Q_OBJECT
 public:
  explicit TTimelineView(QWidget* parent = nullptr);

  // The listing to draw, or none for an empty view.  A listing of another
  // time span (another birth moment, start sign, type or number of periods)
  // is shown whole; otherwise the zoom and offset stay.  The tooltips read
  // the periods' rulers in the chart of the source's birth and place.
  void SetSource(const std::optional<TTimelineSource>& source);
  // The sign of the Lot of Spirit, SignIndex 0 .. 11, or -1 when unknown.
  // Known together with Fortune's sign (in the source's settings), it gives
  // a track "from Spirit" above the track "from Fortune".
  void SetSpiritSign(std::int32_t sign);
  std::int32_t SpiritSign() const { return FSpirit; }
  // The moment of the vertical line (Julian Day, local clock time) and its
  // label; nothing for no line.
  void SetMoment(std::optional<double> julianDay, const std::string& label);

  const TTimelineModel& Model() const { return FModel; }
  // What is drawn at the widget's current width: layout, scale and moment.
  TTimelineScene Scene() const;
  const TTimelineScale& Scale() const { return FScale; }
  void SetScale(const TTimelineScale& scale);
  // Zooms by `factor` (> 1 zooms in) about the middle of the plot.
  void ZoomBy(double factor);
  // Shows the whole listing across the plot.
  void ShowAll();
  // The periods drawn now, as TimelineItems gives them.
  std::vector<TTimelineItem> Items() const;
  // The tooltip at a point of the widget; empty where no period is drawn.
  QString ToolTipAt(QPointF point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A click on a period of the track of the main list: the period's entry
  // (its line's list index minus kHeaderLines) and level (1 or 2).
  void PeriodClicked(int entry, int level);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TTimelineLayout Layout() const;
  void Rebuild(bool showAll);
  void Click(QPointF point);

  std::optional<TTimelineSource> FSource;
  std::optional<TChart> FChart;  // the source's (SourceChart), for the rulers
  std::int32_t FSpirit = -1;
  TTimelineModel FModel;
  TTimelineScale FScale;
  // The whole listing is shown again at every resize until the user zooms
  // or pans.
  bool FFitting = true;
  std::optional<double> FMoment;
  std::string FMomentLabel;
  std::optional<QPointF> FPressedAt;
  QPointF FDraggedTo;
  bool FDragging = false;
};

}  // namespace ostrane
