#include "ui/timeline/TimelineView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace ostrane {
namespace {

constexpr double kKeyZoom = 1.5;
constexpr double kKeyPanShare = 0.125;  // of the plot's width
constexpr double kKeptShare = 0.1;      // of the plot's width: the listing kept in sight
// The zoom factor of one wheel notch (120 eighths of a degree).
constexpr double kWheelZoomPerNotch = 1.25;

// The settings that decide the time span of the listing.
bool SameSpan(const std::optional<TTimelineSource>& a, const std::optional<TTimelineSource>& b) {
  if (!a || !b) return false;
  const ReleaseSettings &x = a->Settings, &y = b->Settings;
  return a->Start == b->Start && x.StartSign == y.StartSign && x.ReleasingType == y.ReleasingType &&
         x.GeneralPeriods == y.GeneralPeriods && x.LooseBondType == y.LooseBondType;
}

}  // namespace

TTimelineView::TTimelineView(QWidget* parent) : QWidget(parent) {
  setObjectName("TimelineView");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setCursor(Qt::OpenHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Rebuild(true);
}

void TTimelineView::SetSource(const std::optional<TTimelineSource>& source) {
  const bool sameSpan = SameSpan(FSource, source);
  FSource = source;
  FChart = FSource ? SourceChart(*FSource) : std::nullopt;
  Rebuild(!sameSpan);
}

void TTimelineView::SetSpiritSign(std::int32_t sign) {
  FSpirit = sign >= 0 && sign <= 11 ? sign : -1;
  Rebuild(false);
}

void TTimelineView::SetMoment(std::optional<double> julianDay, const std::string& label) {
  FMoment = julianDay;
  FMomentLabel = label;
  update();
}

void TTimelineView::Rebuild(bool showAll) {
  FModel = FSource ? BuildTimelineModel(*FSource, FSpirit) : TTimelineModel{};
  FModel.Chart = FChart;
  if (showAll) FFitting = true;
  if (FFitting) ShowAll();
  setMinimumHeight(static_cast<int>(std::ceil(Layout().Height())));
  updateGeometry();
  update();
}

TTimelineLayout TTimelineView::Layout() const {
  TTimelineLayout layout;
  layout.Width = width();
  layout.Tracks = std::max(static_cast<int>(FModel.Tracks.size()), 1);
  return layout;
}

TTimelineScene TTimelineView::Scene() const {
  TTimelineScene scene;
  scene.Layout = Layout();
  scene.Scale = FScale;
  scene.Moment = FMoment;
  scene.MomentLabel = FMomentLabel;
  return scene;
}

void TTimelineView::SetScale(const TTimelineScale& scale) {
  FScale = scale;
  FScale.Left = TTimelineLayout::kGutter;
  // Some of the listing stays in sight, however far it is moved.
  if (!FModel.Empty())
    FScale = FScale.Within(FModel.First, FModel.Last, Layout().PlotRight(),
                           (Layout().PlotRight() - Layout().PlotLeft()) * kKeptShare);
  FFitting = false;
  update();
}

void TTimelineView::ZoomBy(double factor) {
  const TTimelineLayout layout = Layout();
  SetScale(FScale.Zoomed(factor, (layout.PlotLeft() + layout.PlotRight()) / 2.0));
}

void TTimelineView::ShowAll() {
  const TTimelineLayout layout = Layout();
  FScale = TTimelineScale::Fit(FModel.First, FModel.Last, layout.PlotLeft(),
                               layout.PlotRight() - layout.PlotLeft());
  FFitting = true;
  update();
}

std::vector<TTimelineItem> TTimelineView::Items() const {
  return TimelineItems(FModel, Layout(), FScale);
}

QString TTimelineView::ToolTipAt(QPointF point) const {
  const auto items = Items();
  const TTimelineItem* item = ItemAt(items, point);
  if (item == nullptr) return {};
  const TTimelineTrack& track = FModel.Tracks[static_cast<std::size_t>(item->Track)];
  return QString::fromStdString(PeriodToolTip(FModel, track, track.Spans[item->Span]));
}

QSize TTimelineView::sizeHint() const {
  return QSize(960, static_cast<int>(std::ceil(Layout().Height())));
}

QSize TTimelineView::minimumSizeHint() const {
  return QSize(320, static_cast<int>(std::ceil(Layout().Height())));
}

bool TTimelineView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void TTimelineView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawTimeline(painter, FModel, Scene());
  if (Layout().Height() < height())  // below the legend
    painter.fillRect(QRectF(0, Layout().Height(), width(), height() - Layout().Height()),
                     Qt::white);
}

void TTimelineView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FFitting) ShowAll();
  setMinimumHeight(static_cast<int>(std::ceil(Layout().Height())));
}

void TTimelineView::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  if (delta.y() != 0) {
    const double factor = std::pow(kWheelZoomPerNotch, delta.y() / 120.0);
    SetScale(FScale.Zoomed(factor, event->position().x()));
  } else if (delta.x() != 0) {
    SetScale(FScale.Panned(delta.x() / 2.0));
  }
  event->accept();
}

void TTimelineView::keyPressEvent(QKeyEvent* event) {
  const TTimelineLayout layout = Layout();
  const double pan = (layout.PlotRight() - layout.PlotLeft()) * kKeyPanShare;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomBy(kKeyZoom); break;
    case Qt::Key_Minus: ZoomBy(1.0 / kKeyZoom); break;
    case Qt::Key_Left: SetScale(FScale.Panned(pan)); break;
    case Qt::Key_Right: SetScale(FScale.Panned(-pan)); break;
    case Qt::Key_Home:
    case Qt::Key_0: ShowAll(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void TTimelineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  FPressedAt = event->position();
  FDraggedTo = event->position();
  FDragging = false;
  event->accept();
}

void TTimelineView::mouseMoveEvent(QMouseEvent* event) {
  if (!FPressedAt || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  if (!FDragging &&
      (event->position() - *FPressedAt).manhattanLength() >= QApplication::startDragDistance()) {
    FDragging = true;
    setCursor(Qt::ClosedHandCursor);
  }
  if (FDragging) {
    SetScale(FScale.Panned(event->position().x() - FDraggedTo.x()));
    FDraggedTo = event->position();
  }
  event->accept();
}

void TTimelineView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FPressedAt) return QWidget::mouseReleaseEvent(event);
  if (!FDragging) Click(event->position());
  FPressedAt.reset();
  FDragging = false;
  setCursor(Qt::OpenHandCursor);
  event->accept();
}

void TTimelineView::Click(QPointF point) {
  const auto items = Items();
  const TTimelineItem* item = ItemAt(items, point);
  if (item == nullptr) return;
  const TTimelineTrack& track = FModel.Tracks[static_cast<std::size_t>(item->Track)];
  if (!track.IsListing) return;
  const TPeriodSpan& span = track.Spans[item->Span];
  emit PeriodClicked(span.Entry, span.Level);
}

}  // namespace ostrane
