#include "platform/ui/plot_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "platform/interaction_tool.h"
#include "platform/progress.h"
#include "platform/ui/qt_canvas.h"

namespace quarrix {

// The progress of an on-screen drawing: passes the percentage on and keeps
// the window live, so that Esc and other commands arrive while it draws.
class PlotView::DrawProgress : public Progress {
 public:
  explicit DrawProgress(PlotView& view) : view_(view) { timer_.start(); }
  void SetRange(int, int) override {}
  void SetPosition(int percent) override { emit view_.drawProgress(percent); }
  void SetLabel(const std::string&) override {}
  bool Cancelled() override {
    if (timer_.elapsed() >= 50) {
      QCoreApplication::processEvents();
      timer_.restart();
    }
    return view_.cancel_requested_;
  }

 private:
  PlotView& view_;
  QElapsedTimer timer_;
};

PlotView::PlotView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  setFocusPolicy(Qt::StrongFocus);
}

PlotView::~PlotView() {
  cancel_requested_ = true;
}

void PlotView::SetPlot(PlotDrawFunction draw, PlotSizeFunction size) {
  draw_ = std::move(draw);
  size_ = std::move(size);
}

DeviceInfo PlotView::device() const {
  DeviceInfo info;
  info.ppi_x = logicalDpiX();
  info.ppi_y = logicalDpiY();
  return info;
}

DrawPlot PlotView::plot_drawing() const {
  PlotDrawFunction draw = draw_;
  return [draw](Canvas& canvas) {
    if (draw) draw(canvas, nullptr);
  };
}

Point PlotView::ToPlot(QPoint p) const {
  return {static_cast<double>(p.x() + horizontalScrollBar()->value()),
          static_cast<double>(p.y() + verticalScrollBar()->value())};
}

void PlotView::Redraw() {
  if (drawing_) cancel_requested_ = true;
  if (redraw_pending_) return;
  redraw_pending_ = true;
  QPointer<PlotView> self(this);
  QTimer::singleShot(0, this, [self] {
    if (self && self->redraw_pending_ && !self->drawing_) self->Render();
  });
}

void PlotView::RedrawNow() {
  if (drawing_) {
    cancel_requested_ = true;
    redraw_pending_ = true;
    return;
  }
  Render();
}

QRect PlotView::VisiblePart() const {
  return QRect(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
               viewport()->size())
      .intersected(QRect(QPoint(0, 0), plot_size_));
}

void PlotView::Render() {
  redraw_pending_ = false;
  if (!draw_ || !size_) return;
  DeviceInfo info = device();
  const QSizeF size = size_(info);
  plot_size_ = QSize(std::max(1, qCeil(size.width())), std::max(1, qCeil(size.height())));
  showing_image_ = false;
  placing_ = true;  // a scroll clamped here is drawn by this drawing
  UpdateScrollRanges();
  placing_ = false;
  QRect area(QPoint(0, 0), plot_size_);
  if (exposed_only_ && isVisible() && !VisiblePart().isEmpty()) {
    area = VisiblePart();
    info.exposed = Rect{double(area.left()), double(area.top()), double(area.right() + 1),
                        double(area.bottom() + 1)};
  }
  QImage canvas_image(area.size(), QImage::Format_RGB32);
  canvas_image.fill(Qt::white);
  drawing_ = true;
  cancel_requested_ = false;
  emit drawStarted();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPointer<PlotView> self(this);
  std::any geometry;
  bool cancelled = false;
  {
    QPainter painter(&canvas_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-area.topLeft());
    QtCanvas canvas(painter, info);
    DrawProgress progress(*this);
    geometry = draw_(canvas, &progress);
    cancelled = cancel_requested_;
  }
  QApplication::restoreOverrideCursor();
  if (!self) return;
  drawing_ = false;
  image_ = std::move(canvas_image);
  image_origin_ = area.topLeft();
  geometry_ = std::move(geometry);
  viewport()->update();
  emit drawFinished(cancelled);
  if (redraw_pending_) {
    redraw_pending_ = false;
    Redraw();
  }
}

void PlotView::ShowImage(const QImage& image) {
  image_ = image;
  image_origin_ = QPoint(0, 0);
  plot_size_ = image.size();
  showing_image_ = true;
  geometry_.reset();
  UpdateScrollRanges();
  viewport()->update();
}

void PlotView::UpdateScrollRanges() {
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, plot_size_.width() - area.width()));
  verticalScrollBar()->setRange(0, std::max(0, plot_size_.height() - area.height()));
  horizontalScrollBar()->setPageStep(area.width());
  verticalScrollBar()->setPageStep(area.height());
  horizontalScrollBar()->setSingleStep(std::max(1, area.width() / 20));
  verticalScrollBar()->setSingleStep(std::max(1, area.height() / 20));
}

void PlotView::RedrawIfUncovered() {
  if (!exposed_only_ || showing_image_ || placing_ || !draw_) return;
  const QRect drawn(image_origin_, image_.size());
  if (!drawn.contains(VisiblePart())) Redraw();
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!image_.isNull())
    painter.drawImage(
        image_origin_ - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
        image_);
}

void PlotView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
  RedrawIfUncovered();
}

void PlotView::scrollContentsBy(int, int) {
  viewport()->update();
  RedrawIfUncovered();
}

namespace {
unsigned KeysOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kToolShift : 0u) |
         (modifiers & Qt::ControlModifier ? kToolControl : 0u);
}
}  // namespace

void PlotView::Apply(const ToolEffect& effect) {
  if (!effect.notice.empty()) emit notice(QString::fromStdString(effect.notice));
  if (effect.repaint) Redraw();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  const Point p = ToPlot(event->position().toPoint());
  emit cursorMoved(p.x, p.y);
  if (tool_) Apply(tool_->Move(p, KeysOf(event->modifiers())));
}

static unsigned ButtonKeys(const QMouseEvent* event) {
  return KeysOf(event->modifiers()) | (event->button() == Qt::RightButton ? kToolRightButton : 0u);
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (tool_) Apply(tool_->Press(ToPlot(event->position().toPoint()), ButtonKeys(event)));
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (tool_) Apply(tool_->Release(ToPlot(event->position().toPoint()), ButtonKeys(event)));
}

void PlotView::wheelEvent(QWheelEvent* event) {
  if (tool_) {
    const ToolEffect effect =
        tool_->Wheel(ToPlot(event->position().toPoint()), event->angleDelta().y() / 120.0,
                     KeysOf(event->modifiers()));
    if (effect.repaint || !effect.notice.empty()) {
      Apply(effect);
      event->accept();
      return;
    }
  }
  QAbstractScrollArea::wheelEvent(event);
}

void PlotView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cancel_requested_ = drawing_;
    if (tool_) Apply(tool_->Escape());
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace quarrix
