#include "workspace/ui/map_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "dxf/dxf_culture.h"
#include "exchange/well_posting.h"
#include "horizon/arbitrary_line.h"
#include "horizon/horizon_location.h"
#include "platform/paths.h"
#include "platform/plot_file_dialogs.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/print_job.h"
#include "platform/ui/printer_settings.h"
#include "platform/ui/qt_progress.h"
#include "project/project_state.h"
#include "workspace/map_edits.h"
#include "workspace/map_mouse_tool.h"
#include "workspace/ui/horizon_popup.h"
#include "workspace/ui/workspace_events.h"
#include "workspace/workspace.h"
#include "workspace/workspace_commands.h"

namespace quarrix {

MapWindow::MapWindow(Workspace& workspace, WorkspaceEvents& events, Prompter& prompter,
                     MapKind kind, std::string slice_path, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      events_(events),
      prompter_(prompter),
      view_(NewMapView(workspace.header(), kind)),
      view_widget_(new PlotView(this)) {
  view_.slice_path = std::move(slice_path);
  setWindowTitle(kind == MapKind::Contour ? "Horizon Contour" : "Horizon Time");
  setProperty("help_page", "map_windows.html");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_widget_);
  view_widget_->SetPlot(
      [this](Canvas& canvas, Progress* progress) -> std::any {
        // The window's client area, in the device's units.
        const DeviceInfo device = canvas.Device();
        const QSize size = view_widget_->viewport()->size();
        const Rect client{0, 0, size.width() * device.ppi_x / 96,
                          size.height() * device.ppi_y / 96};
        return DrawOn(canvas, client, progress);
      },
      [this](const DeviceInfo&) { return QSizeF(view_widget_->viewport()->size()); });
  tool_ = std::make_unique<MapMouseTool>(
      view_, [this] { return geometry(); },
      MapMouseTool::Listener{
          [this] { ZoomChanged(); },
          [this](bool inline_window, int index) { emit sectionWanted(inline_window, index); },
          [this](const std::vector<GridCell>& vertices) { SaveArbitraryLine(vertices); }});
  view_widget_->SetTool(tool_.get());
  view_widget_->setMouseTracking(true);
  view_widget_->viewport()->setMouseTracking(true);
  view_widget_->viewport()->installEventFilter(this);
  view_widget_->installEventFilter(this);
  connect(view_widget_, &PlotView::cursorMoved, this, &MapWindow::ShowReadout);
  connect(view_widget_, &PlotView::notice, this, [](const QString& text) {
    if (text == kSnappedToWellNotice) QApplication::beep();
  });
  connect(&events_, &WorkspaceEvents::changed, this, [this](QObject* source) {
    if (source != this) Redraw();
  });
  Redraw();
}

MapWindow::~MapWindow() {
  view_widget_->SetTool(nullptr);
}

namespace {

// The drawing's progress with its labels told through the window.
class NotedProgress : public Progress {
 public:
  NotedProgress(Progress& inner, std::function<void(const std::string&)> note)
      : inner_(inner), note_(std::move(note)) {}
  void SetRange(int minimum, int maximum) override { inner_.SetRange(minimum, maximum); }
  void SetPosition(int position) override { inner_.SetPosition(position); }
  void SetLabel(const std::string& text) override { note_(text); }
  bool Cancelled() override { return inner_.Cancelled(); }

 private:
  Progress& inner_;
  std::function<void(const std::string&)> note_;
};

}  // namespace

MapGeometry MapWindow::DrawOn(Canvas& canvas, Rect client, Progress* progress) {
  MapDrawInputs inputs{&picture_, &workspace_.header(), &workspace_.project.placement, &overlays_,
                       section_marks ? section_marks() : SectionMarks{}};
  inputs.contour = &workspace_.contour_options;
  std::optional<NotedProgress> noted;
  if (progress) {
    noted.emplace(*progress,
                  [this](const std::string& text) { emit drawNote(QString::fromStdString(text)); });
    inputs.progress = &*noted;
  }
  const MapGeometry geometry = DrawMapView(canvas, client, inputs, view_, prompter_);
  if (progress) emit drawNote({});
  return geometry;
}

PlotPage MapWindow::Page() const {
  const DeviceInfo screen = view_widget_->device();
  const QSize size = view_widget_->viewport()->size();
  PlotPage page;
  page.width_in = size.width() / screen.ppi_x;
  page.height_in = size.height() / screen.ppi_y;
  page.document_name = MapCaption(view_.kind, picture_.path);
  return page;
}

DrawPlot MapWindow::PageDrawing() {
  const PlotPage page = Page();
  return [this, page](Canvas& canvas) {
    const DeviceInfo device = canvas.Device();
    DrawOn(canvas, {0, 0, page.width_in * device.ppi_x, page.height_in * device.ppi_y}, nullptr);
  };
}

bool MapWindow::Print(PrinterSettings& printer) {
  if (!picture_.readable || !GetPrinter(this, printer)) return false;
  return PrintTo(printer.printer, printer.copies);
}

bool MapWindow::PrintTo(QPrinter& printer, int copies) {
  if (!picture_.readable) return false;
  // The page keeps the window's proportions, as large as the printable area allows.
  const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Inch);
  const PlotPage page = Page();
  const double scale = std::min(paper.width() / page.width_in, paper.height() / page.height_in);
  const double width_in = page.width_in * scale, height_in = page.height_in * scale;
  return PrintPlot(
      printer, QString::fromStdString(page.document_name), std::max(1, copies),
      [this, width_in, height_in](Canvas& canvas) {
        const DeviceInfo device = canvas.Device();
        DrawOn(canvas, {0, 0, width_in * device.ppi_x, height_in * device.ppi_y}, nullptr);
      });
}

bool MapWindow::SaveMetafile(const std::string& path) {
  if (!picture_.readable) return false;
  PlotPage page = Page();
  page.dpi = 96;
  return SavePlotTellingUser(path, page, PageDrawing(), nullptr, prompter_);
}

const MapGeometry* MapWindow::geometry() const {
  return std::any_cast<MapGeometry>(&view_widget_->geometry());
}

void MapWindow::Redraw() {
  picture_ = LoadMapPicture(workspace_, view_, prompter_);
  if (picture_.readable)
    setWindowTitle(QString::fromStdString(MapCaption(view_.kind, picture_.path)));
  view_widget_->Redraw();
}

void MapWindow::RedrawNow() {
  Redraw();
  view_widget_->RedrawNow();
}

void MapWindow::Repaint() {
  view_widget_->Redraw();
}

void MapWindow::ShowReadout(double x, double y) {
  const MapGeometry* g = geometry();
  if (!g || g->Empty()) return;
  const GridCell cell = g->CellAt({x, y});
  emit cursorCell(cell.row, cell.column);
  const MapReadout r = MapReadoutAt(workspace_.header(), picture_.grid, cell);
  emit readout(QString::fromStdString(r.line), QString::fromStdString(r.trace),
               QString::fromStdString(r.value));
}

// The map's zoom window becomes the workspace's; every other window repaints.
void MapWindow::ZoomChanged() {
  workspace_.zoom = ZoomWindowOf(view_.zoom, workspace_.header());
  events_.Changed(this);
  view_widget_->Redraw();
}

void MapWindow::StartArbitraryLine(const std::string& path) {
  view_.mode = MapViewState::Mode::ArbitraryLine;
  view_.arbitrary_path = path;
  view_.vertices.clear();
  view_.snap_bins = workspace_.settings.snap_bins;
  view_widget_->setFocus();
}

// The line is walked through its vertices and written; the map draws it.
void MapWindow::SaveArbitraryLine(const std::vector<GridCell>& vertices) {
  std::vector<ArbitraryBin> bins;
  for (const GridCell& v : vertices) bins.push_back({v.column, v.row});
  if (!quarrix::SaveArbitraryLine(view_.arbitrary_path, bins, workspace_.header(), prompter_))
    return;
  GridPolyline line;
  for (const ArbitraryBin& bin : WalkArbitraryLine(bins))
    line.points.emplace_back(bin.line_index, bin.trace_index);
  overlays_.arbitrary_lines.push_back(std::move(line));
}

void MapWindow::SetWells(const std::vector<std::string>& names, bool label, double symbol_inches) {
  WellChoice choice = wells_;
  choice.names = names;
  choice.posting.label = label;
  options_.well_symbol_inches = symbol_inches;
  SetWells(choice);
}

void MapWindow::SetWells(const WellChoice& choice) {
  wells_ = choice;
  ReadWells();
  view_widget_->Redraw();
}

// The wells read again with the present options; groups first, so that a
// well chosen both singly and in a group is posted once, as its group says.
void MapWindow::ReadWells() {
  overlays_.wells.clear();
  overlays_.well_options = wells_.posting;
  view_.wells.clear();
  for (const std::string& name : GroupsFirst(wells_.names)) {
    WellGroupPost group;
    group.style = MapWellStyle(options_);
    std::string problem;
    if (!ReadWellGroupPost(JoinPath(workspace_.folder, name), workspace_.header(), group, problem))
      continue;
    overlays_.wells.push_back(std::move(group));
  }
  PostEachWellOnce(overlays_.wells);
  for (const WellGroupPost& group : overlays_.wells)
    for (const PostedWell& well : group.wells)
      view_.wells.push_back({static_cast<int>(std::lround(well.line_row)),
                             static_cast<int>(std::lround(well.trace_column))});
}

void MapWindow::SetMapOptions(const MapOptions& options) {
  options_ = options;
  view_.line_label_every = options.line_label_every;
  view_.trace_label_every = options.trace_label_every;
  ReadWells();
  view_widget_->Redraw();
}

bool MapWindow::SetCulture(const std::vector<std::string>& paths) {
  overlays_.culture.clear();
  culture_paths_ = KeepFirstDxfFiles(paths);
  bool all_read = true;
  for (const std::string& path : culture_paths_) {
    CultureDrawing culture;
    std::string problem;
    if (ReadCultureDrawing(path, culture, problem)) {
      overlays_.culture.push_back(std::move(culture));
      continue;
    }
    prompter_.Tell(problem, "Select DXF Files", MessageIcon::Warning);
    all_read = false;
  }
  overlays_.plot_culture = !overlays_.culture.empty();
  view_widget_->Redraw();
  return all_read;
}

// "Select Color Scheme": the horizon (or the slice map) takes the scheme and
// the colour bar is built again.
void MapWindow::ChooseColours() {
  if (!picture_.readable) return;
  const ColourSets sets = LoadColourSets(ConfigFile("colorset.ini"));
  ColourSchemeChoice choice{MapColourSchemeOf(picture_, view_), false};
  if (!ChooseColourScheme(this, sets, view_.kind != MapKind::Time, choice, run_dialog)) return;
  ApplyColourScheme(picture_, view_, choice, sets, prompter_);
  Redraw();
}

void MapWindow::ChooseWellOptions() {
  std::vector<std::string> names = ListFilesWithExtension(workspace_.folder, "wll");
  for (const std::string& group : ListFilesWithExtension(workspace_.folder, "lgv"))
    names.push_back(group);
  WellChoice choice = wells_;
  if (quarrix::ChooseWellOptions(this, names, choice, run_dialog)) SetWells(choice);
}

bool MapWindow::Run(int id) {
  using namespace workspace_command;
  using Mode = MapViewState::Mode;
  const bool slice = view_.kind == MapKind::Slice;
  const bool time = view_.kind == MapKind::Time;
  bool changed = false;
  switch (id) {
    case kZoomIn:
      if (slice) return false;
      view_.mode = Mode::Zoom;
      return true;
    case kZoomOut:
      if (slice) return false;
      ZoomBack(view_, workspace_.header());
      ZoomChanged();
      return true;
    case kSelectPolygon:
      if (!time) return false;
      view_.mode = Mode::Polygon;
      view_.vertices.clear();
      view_widget_->setFocus();
      return true;
    case kEraseInterior:
    case kEraseExterior:
      if (!time) return false;
      changed = EraseCurrentInRegion(workspace_, view_.region, id == kEraseInterior, prompter_);
      break;
    case kClearAutoPicks:
      if (!time) return false;
      changed = ClearCurrentAutoPicksIn(workspace_, view_.region, prompter_);
      break;
    case kAutopickAll:
      if (!time) return false;
      Autopick();
      return true;
    case kHorizonColour:
      if (!time && !slice) return false;
      ChooseColours();
      return true;
    case kMapOptions:
      if (MapOptions options = options_; ChooseMapOptions(this, options, run_dialog))
        SetMapOptions(options);
      return true;
    case kWellOptions: ChooseWellOptions(); return true;
    case kDxfOptions:
      if (CultureOptions options = overlays_.culture_options;
          ChooseDxfOptions(this, options, run_dialog)) {
        overlays_.culture_options = options;
        view_widget_->Redraw();
      }
      return true;
    default: return false;
  }
  if (changed) {
    events_.Changed(this);
    Redraw();
  }
  return true;
}

void MapWindow::Autopick() {
  AutopickChoice choice = StartAutopickChoice(workspace_, !view_.region.Empty());
  if (choose_autopick && !choose_autopick(choice)) return;
  StoreAutopickChoice(workspace_, choice);
  QtProgress progress(this, "Gridding Data");
  if (AutopickCurrent(workspace_, view_.region, choice, progress, prompter_, choose_gridding) ==
      AutopickOutcome::Finished)
    events_.Changed(this);
  Redraw();
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == view_widget_->viewport() || watched == view_widget_) && HandleViewEvent(event))
    return true;
  return QWidget::eventFilter(watched, event);
}

// The wheel, the middle button, Home and the horizon pop-up, ahead of the tool.
bool MapWindow::HandleViewEvent(QEvent* event) {
  const MapGeometry* g = geometry();
  const SurveyHeader& header = workspace_.header();
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (!g || g->Empty() || wheel->angleDelta().y() == 0) return true;
      const QPointF at = wheel->position();
      const double factor = std::pow(0.8, wheel->angleDelta().y() / 120.0);
      ZoomAbout(view_, header, g->CellAt(view_widget_->ToPlot(at.toPoint())), factor);
      ZoomChanged();
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::MiddleButton) {
        pan_from_ = mouse->position().toPoint();
        return true;
      }
      if (mouse->button() == Qt::RightButton && !(mouse->modifiers() & Qt::ShiftModifier) &&
          view_.mode == MapViewState::Mode::Pointer) {
        ShowPopupMenu(mouse->globalPosition().toPoint());
        return true;
      }
      return false;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!pan_from_ || !g || g->Empty()) return false;
      const QPoint delta = mouse->position().toPoint() - *pan_from_;
      const GridCell from = g->CellAt(view_widget_->ToPlot(*pan_from_));
      const GridCell to = g->CellAt(view_widget_->ToPlot(mouse->position().toPoint()));
      if (from == to) return true;
      PanBy(view_, header, from.row - to.row, from.column - to.column);
      pan_from_ = *pan_from_ + delta;
      view_widget_->Redraw();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton || !pan_from_)
        return false;
      pan_from_.reset();
      ZoomChanged();
      return true;
    case QEvent::KeyPress:
      // Any key stops a contour map's drawing; what was drawn stays.
      if (view_.kind == MapKind::Contour && view_widget_->drawing()) {
        view_widget_->CancelDrawing();
        return true;
      }
      if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Home) return false;
      ZoomHome(view_, header);
      ZoomChanged();
      return true;
    default: return false;
  }
}

void MapWindow::ShowPopupMenu(QPoint global) {
  ShowHorizonPopupMenu(this, workspace_, global, [this](int id) { emit commandChosen(id); });
}

}  // namespace quarrix
