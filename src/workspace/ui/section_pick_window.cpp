#include "workspace/ui/section_pick_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/text_util.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/qt_canvas.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "workspace/fault_commands.h"
#include "workspace/fault_mode.h"
#include "workspace/horizon_pick_tool.h"
#include "workspace/ui/cross_hair.h"
#include "workspace/ui/horizon_popup.h"
#include "workspace/ui/workspace_events.h"
#include "workspace/workspace.h"
#include "workspace/workspace_commands.h"

namespace quarrix {

// The mouse goes to the fault tool in fault mode, to the horizon tool
// otherwise; a gesture ends with the tool it started with. An edit draws
// the overlays again (edited) instead of the whole section.
class ModeTool : public InteractionTool {
 public:
  ModeTool(const Workspace& workspace, InteractionTool& horizons, InteractionTool& faults,
           std::function<void()> edited)
      : workspace_(workspace), horizons_(horizons), faults_(faults), edited_(std::move(edited)) {}
  ToolEffect Press(Point p, unsigned keys) override {
    active_ = workspace_.settings.interaction_mode == kModeFaults ? &faults_ : &horizons_;
    return Overlays(active_->Press(p, keys));
  }
  ToolEffect Release(Point p, unsigned keys) override {
    return Overlays(active_->Release(p, keys));
  }
  ToolEffect Escape() override {
    horizons_.Escape();
    return faults_.Escape();
  }

 private:
  ToolEffect Overlays(ToolEffect effect) {
    if (effect.repaint) edited_();
    effect.repaint = false;
    return effect;
  }

  const Workspace& workspace_;
  InteractionTool& horizons_;
  InteractionTool& faults_;
  std::function<void()> edited_;
  InteractionTool* active_ = &horizons_;
};

// The plot view of a section window: the drawn traces from the plot view,
// the overlay layer painted over the exposed part on every paint.
class SectionView : public PlotView {
 public:
  using PlotView::PlotView;
  std::function<void(QPainter&)> paint_overlays;

 protected:
  void paintEvent(QPaintEvent* event) override {
    PlotView::paintEvent(event);
    if (!paint_overlays || image().isNull()) return;
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    paint_overlays(painter);
  }
};

SectionPickWindow::SectionPickWindow(Workspace& workspace, WorkspaceEvents& events,
                                     Prompter& prompter, PickWindowState state, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      events_(events),
      prompter_(prompter),
      state_(std::move(state)),
      view_(new SectionView(this)),
      cross_hair_(new CrossHair(view_->viewport())) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  // A section is far larger than the window: only the part in view is drawn,
  // again when scrolling uncovers more.
  view_->SetDrawExposedOnly(true);
  view_->SetPlot(
      [this](Canvas& canvas, Progress* progress) -> std::any {
        if (!layers_) return {};
        const SectionPlot plot = layers_->traces;
        const ProcessingParams params = workspace_.params;
        ProcessingConditioner conditioner(params, workspace_.header().sample_rate, prompter_);
        SectionSource source{workspace_.project.amp, workspace_.header(),
                             ConditioningOn(params) ? &conditioner : nullptr};
        return DrawTracePlot(canvas, source, plot, PickWindowMode(workspace_), progress);
      },
      [this](const DeviceInfo& device) {
        if (!layers_) return QSizeF(1, 1);
        const SectionLayout layout =
            PlanSection(workspace_.header(), layers_->traces, device, PickWindowMode(workspace_));
        return QSizeF(layout.width, layout.height);
      });
  view_->paint_overlays = [this](QPainter& painter) { PaintOverlays(painter); };
  const bool inline_window = state_.kind == PickSectionKind::Inline;
  tool_ = std::make_unique<HorizonPickTool>(
      workspace_, state_, prompter_, [this] { return geometry(); },
      [this] {
        if (workspace_.auto_update) events_.Changed(this, true);
      },
      [this, inline_window](SectionColumn column) {
        if (state_.kind == PickSectionKind::Arbitrary) return;
        PositionNotice notice = inline_window
                                    ? PositionNotice{PositionNotice::Trace, column.trace_index}
                                    : PositionNotice{PositionNotice::Line, column.line_index};
        if (!events_.Offer(notice)) emit crossingWanted(notice.kind, notice.index);
      });
  fault_tool_ = std::make_unique<FaultPickTool>(
      workspace_, state_, prompter_, [this] { return geometry(); },
      [this] { events_.Changed(this, true); });
  mode_tool_ =
      std::make_unique<ModeTool>(workspace_, *tool_, *fault_tool_, [this] { RedrawOverlays(); });
  view_->SetTool(mode_tool_.get());
  view_->setMouseTracking(true);
  view_->viewport()->installEventFilter(this);
  connect(view_, &PlotView::cursorMoved, this, &SectionPickWindow::ShowReadout);
  connect(view_, &PlotView::notice, this, [](const QString& text) {
    if (text == kOutsideZoomNotice) QApplication::beep();
  });
  connect(&events_, &WorkspaceEvents::changed, this, [this](QObject* source, bool picks_only) {
    if (source == this) return;
    if (picks_only)
      RedrawOverlays();
    else
      Redraw();
  });
  events_.AddTaker(this, [this, inline_window](const PositionNotice& notice) {
    if (state_.kind == PickSectionKind::Arbitrary) return false;
    if ((notice.kind == PositionNotice::Line) != inline_window) return false;
    ShowPosition(notice.index);
    return true;
  });
  Redraw();
}

SectionPickWindow::~SectionPickWindow() {
  view_->SetTool(nullptr);
}

PlotView* SectionPickWindow::view() const {
  return view_;
}

const TracePlotGeometry* SectionPickWindow::geometry() const {
  return std::any_cast<TracePlotGeometry>(&view_->geometry());
}

void SectionPickWindow::Move(int steps) {
  MovePickWindow(state_, workspace_.header(), steps, workspace_.show_last_display,
                 workspace_.arbitrary_by_traces);
  Redraw();
}

void SectionPickWindow::ShowArbitraryLine(const std::string& arb_path) {
  if (state_.kind != PickSectionKind::Arbitrary) return;
  if (state_.arb_path == arb_path) {
    Redraw();
    return;
  }
  state_.arb_path = arb_path;
  state_.position = 0;
  state_.by_traces = workspace_.arbitrary_by_traces;
  state_.previous.reset();
  Redraw();
}

bool SectionPickWindow::ShowNumber(int number) {
  if (!quarrix::ShowNumber(state_, workspace_.header(), number, workspace_.show_last_display))
    return false;
  Redraw();
  return true;
}

void SectionPickWindow::ShowPosition(int position) {
  Move(position - state_.position);
}

void SectionPickWindow::ShowTimes(int first_ms, int last_ms) {
  state_.first_time = first_ms;
  state_.last_time = last_ms;
}

void SectionPickWindow::ShowCrossHair(std::optional<GridCell> cell) {
  const TracePlotGeometry* g = geometry();
  if (!cell || !g) {
    cross_hair_->ShowAt(std::nullopt);
    return;
  }
  const SurveyHeader& h = workspace_.header();
  const bool inline_window = state_.kind == PickSectionKind::Inline;
  const int number = inline_window ? h.TraceNumber(cell->column) : h.LineNumber(cell->row);
  const Point p = PointOf(*g, h, state_.kind, number, state_.first_time);
  const int x = static_cast<int>(p.x) - view_->horizontalScrollBar()->value();
  cross_hair_->ShowAt(x >= 0 && x < view_->viewport()->width() ? std::optional<int>(x)
                                                               : std::nullopt);
}

void SectionPickWindow::Redraw() {
  layers_.reset();
  if (auto plot = LoadPickWindowPlot(workspace_, state_, prompter_))
    layers_ = SplitLayers(std::move(*plot));
  UpdateCaption();
  // The picking cross while the mouse picks the current horizon or fault.
  const int mode = workspace_.settings.interaction_mode;
  const bool picking = (mode == kModeHorizons && workspace_.horizons.Current() != nullptr) ||
                       (mode == kModeFaults && workspace_.faults.Current() != nullptr);
  view_->viewport()->setCursor(picking ? Qt::CrossCursor : Qt::ArrowCursor);
  view_->Redraw();
}

void SectionPickWindow::RedrawNow() {
  Redraw();
  view_->RedrawNow();
}

void SectionPickWindow::RedrawOverlays() {
  if (!layers_) return;
  if (auto plot = LoadPickWindowPlot(workspace_, state_, prompter_))
    layers_->overlays = SplitLayers(std::move(*plot)).overlays;
  view_->viewport()->update();
}

void SectionPickWindow::PaintOverlays(QPainter& painter) const {
  const TracePlotGeometry* g = geometry();
  if (!layers_ || !g) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  QtCanvas canvas(painter, view_->device());
  DrawOverlayLayer(canvas, workspace_.header(), layers_->overlays, *g);
}

QImage SectionPickWindow::picture() const {
  QImage image = view_->image().copy();
  if (image.isNull()) return image;
  QPainter painter(&image);
  painter.translate(-view_->image_origin());
  PaintOverlays(painter);
  return image;
}
bool SectionPickWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int mode = workspace_.settings.interaction_mode;
    if (mouse->button() == Qt::RightButton && !(mouse->modifiers() & Qt::ControlModifier) &&
        (mode == kModeHorizons || mode == kModeFaults)) {
      ShowPopupMenu(mouse->globalPosition().toPoint(), mode == kModeFaults);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SectionPickWindow::ShowPopupMenu(QPoint global, bool faults) {
  const auto chosen = [this](int id) { emit commandChosen(id); };
  if (faults)
    ShowFaultPopupMenu(this, workspace_, global, chosen);
  else
    ShowHorizonPopupMenu(this, workspace_, global, chosen);
}

void SectionPickWindow::UpdateCaption() {
  setWindowTitle(QString::fromStdString(PickWindowCaption(workspace_.header(), state_)));
}

void SectionPickWindow::ShowReadout(double x, double y) {
  const TracePlotGeometry* g = geometry();
  if (!g) return;
  const SurveyHeader& h = workspace_.header();
  auto point = SectionPointAt(*g, h, state_.kind, {x, y});
  if (!point || point->in_band) return;
  const ProcessingParams params = workspace_.params;
  ProcessingConditioner conditioner(params, h.sample_rate, prompter_);
  SectionSource source{workspace_.project.amp, h, ConditioningOn(params) ? &conditioner : nullptr};
  const TracePlotReadout values = ReadoutAt(*g, {x, y}, source);
  std::string text =
      FormatText("Line %d  Trace %d  %d ms  ", h.LineNumber(point->column.line_index),
                 h.TraceNumber(point->column.trace_index), point->time_ms) +
      values.amplitude;
  if (!layers_ || workspace_.horizons.current < 0 ||
      workspace_.horizons.current >= static_cast<int>(layers_->overlays.horizons.size())) {
    emit readout(QString::fromStdString(text));
    return;
  }
  const TimeGrid& times =
      layers_->overlays.horizons[static_cast<std::size_t>(workspace_.horizons.current)].times;
  const std::size_t cell = static_cast<std::size_t>(point->column.line_index) * h.traces_per_line +
                           static_cast<std::size_t>(point->column.trace_index);
  if (times && cell < times->size() && (*times)[cell] != kHorizonNullTime)
    text += FormatText("  pick %d ms", (*times)[cell]);
  emit readout(QString::fromStdString(text));
}

}  // namespace quarrix
