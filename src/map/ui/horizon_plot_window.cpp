#include "map/ui/horizon_plot_window.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QStatusBar>
#include <map>
#include <sstream>

#include "map/ui/horizon_values_window.h"
#include "platform/paths.h"
#include "platform/plot_file_dialogs.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/print_job.h"
#include "platform/ui/printer_settings.h"
#include "platform/ui/qt_plot_writer.h"
#include "platform/ui/qt_progress.h"
#include "section/colour_bar_edits.h"
#include "section/ui/section_dialogs.h"
#include "section/ui/trace_plot_dialogs.h"

namespace quarrix {

HorizonPlotWindow::HorizonPlotWindow(HorizonPlotContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(std::move(context)),
      commands_(new CommandHost(this, context_.prompter)),
      prompter_(&commands_->prompter()),
      view_(new PlotView(this)),
      status_(new QLabel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Presentation Horizon Plot");
  state_.settings = context_.settings;
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  commands_->Install(HorizonPlotCommands(
      state_, [this] { Replot(); }, [this](int id) { WindowCommand(id); }));
  setCentralWidget(view_);
  statusBar()->addWidget(status_, 1);
  view_->SetPlot(
      [this](Canvas& canvas, Progress* progress) -> std::any {
        const QSize fit = view_->viewport()->size();
        const DeviceInfo device = canvas.Device();
        if (!state_.document) return {};
        const Point size =
            HorizonPlotPageSize(state_.settings, state_.document->data, device.ppi_x, device.ppi_y,
                                {double(fit.width()), double(fit.height())});
        return DrawOn(canvas, {0, 0, size.x, size.y}, progress);
      },
      [this](const DeviceInfo& device) {
        const QSize fit = view_->viewport()->size();
        if (!state_.document) return QSizeF(fit);
        const Point size =
            HorizonPlotPageSize(state_.settings, state_.document->data, device.ppi_x, device.ppi_y,
                                {double(fit.width()), double(fit.height())});
        return QSizeF(size.x, size.y);
      });
  connect(view_, &PlotView::notice, status_, &QLabel::setText);
  if (context_.placement.isValid() && !context_.placement.isEmpty())
    setGeometry(context_.placement);
  else
    resize(900, 700);
}

HorizonPlotWindow::~HorizonPlotWindow() {
  view_->SetTool(nullptr);
}

void HorizonPlotWindow::Dispatch(int command_id) {
  commands_->Dispatch(command_id);
}

std::string HorizonPlotWindow::ProjectDir() const {
  return DirectoryOf(context_.header_path);
}

void HorizonPlotWindow::WindowCommand(int id) {
  using namespace horizon_plot_command;
  using Command = void (HorizonPlotWindow::*)();
  static const std::map<int, Command> kCommands = {
      {kOpenHorizon, &HorizonPlotWindow::CommandOpenHorizon},
      {kOpenOther, &HorizonPlotWindow::CommandOpenOther},
      {kImportDxf, &HorizonPlotWindow::CommandImportDxf},
      {kScale, &HorizonPlotWindow::CommandScale},
      {kComments, &HorizonPlotWindow::CommandComments},
      {kZoom, &HorizonPlotWindow::CommandZoom},
      {kSurface, &HorizonPlotWindow::CommandSurface},
      {kPrint, &HorizonPlotWindow::CommandPrint},
      {kSaveMetafile, &HorizonPlotWindow::CommandSaveMetafile},
      {kSaveBitmap, &HorizonPlotWindow::CommandSaveBitmap},
      {kOpenBitmap, &HorizonPlotWindow::CommandOpenBitmap},
      {kChangeColours, &HorizonPlotWindow::CommandChangeColours},
      {kSetDefaultColours, &HorizonPlotWindow::CommandSetDefaultColours},
      {kSavePolyFault, &HorizonPlotWindow::CommandSavePolyFault},
  };
  if (auto it = kCommands.find(id); it != kCommands.end()) {
    (this->*(it->second))();
  } else if (id == kOptions || id == kDxf) {
    CommandProperties(id == kDxf ? "DXF" : "Options");
  } else if (id == kOpenColourFile || id == kSaveColourFile) {
    CommandColourFile(id == kSaveColourFile);
  } else if (id == kCreatePolyFault || id == kEditPolyFault || id == kShowPolyFault) {
    CommandPolyFault(id);
  } else if (id == kHorizonValues) {
    if (state_.document) (new HorizonValuesWindow(*state_.document, this))->show();
  } else if (id == kCreateWell || id == kOpenWell) {
    if (context_.well) context_.well(id == kOpenWell);
  } else if (id == kExit) {
    close();
  } else if (id == kPrintSetup) {
    PrinterSetup(this, context_.printer);
  } else if (id == kHelp) {
    if (context_.show_help) context_.show_help(this);
  } else {
    prompter_->Tell("This command is not available yet in the horizon plot.", "Quarrix3D",
                    MessageIcon::Information);
  }
}

void HorizonPlotWindow::ChooseTool() {
  tool_.reset();
  if (state_.HasPlot() && state_.ShowsSurface())
    tool_ = std::make_unique<SurfaceTurnTool>(state_.settings.camera);
  else if (state_.HasPlot() && state_.poly_mode == PolyFaultMode::Digitising)
    tool_ = std::make_unique<PolyFaultTool>(
        state_.poly_faults, [this] { return std::any_cast<PlotGridFrame>(&view_->geometry()); });
  else if (state_.HasPlot())
    tool_ = std::make_unique<ZoomBoxTool>(
        state_.document->data.zoom, state_.document->header,
        [this] { return std::any_cast<PlotGridFrame>(&view_->geometry()); });
  view_->SetTool(tool_.get());
}

void HorizonPlotWindow::Replot() {
  ShowPolyFaults(state_);
  ChooseTool();
  view_->Redraw();
}

std::any HorizonPlotWindow::DrawOn(Canvas& canvas, Rect page, Progress* progress) {
  if (!state_.document) return {};
  ShowPolyFaults(state_);  // the tool may have added a vertex since the last drawing
  NullProgress none;
  const HorizonPlotResult result = DrawHorizonPlotDocument(
      canvas, page, state_.settings, *state_.document, progress ? *progress : none, *prompter_);
  if (progress && result.drawn) status_->setText("Horizon Plot Complete");
  return result.frame;
}

bool HorizonPlotWindow::Reload(HorizonPlotRequest request) {
  request.well_style = state_.settings.well_style;
  std::string problem;
  std::ostringstream remarks;
  std::optional<HorizonPlotDocument> doc =
      LoadHorizonPlot(request, context_.readers, context_.colour_sets, problem, remarks);
  if (!doc) {
    prompter_->Tell(problem, "Error", MessageIcon::Error);
    return false;
  }
  if (state_.document) {
    // The colour record and zoom stay while the overlays change.
    if (state_.document->request.grid_path == request.grid_path &&
        state_.document->request.amplitude == request.amplitude) {
      doc->data.bar = state_.document->data.bar;
      doc->data.colour_name = state_.document->data.colour_name;
      doc->data.zoom = state_.document->data.zoom;
    }
  }
  bool no_classes = true;
  for (const ContourLineClass& c : state_.settings.classes) no_classes &= c.every == 0;
  if (no_classes) DefaultLineClasses(doc->data.bar, state_.settings);
  state_.document = std::move(doc);
  state_.document->data.poly_faults = state_.poly_faults.closed;
  setWindowTitle("Presentation Horizon Plot -- " + QString::fromStdString(request.grid_path));
  Replot();
  return true;
}

bool HorizonPlotWindow::OpenGrid(const std::string& file_name, bool amplitude) {
  HorizonPlotRequest request;
  request.header_path = context_.header_path;
  request.grid_path = JoinPath(ProjectDir(), file_name);
  request.amplitude = amplitude;
  state_.poly_faults = {};
  state_.poly_mode = PolyFaultMode::Off;
  state_.poly_fault_path = JoinPath(ProjectDir(), BaseWithDot(FileNameOf(file_name)) + "flp");
  overlays_ = {};
  state_.document.reset();
  if (!Reload(request)) return false;
  // Poly faults beside the horizon are drawn when the file is there.
  std::string problem;
  if (context_.readers.poly_faults && FileExists(state_.poly_fault_path) &&
      context_.readers.poly_faults(state_.poly_fault_path, state_.poly_faults.closed, problem))
    state_.document->data.poly_faults = state_.poly_faults.closed;
  Replot();
  return true;
}

void HorizonPlotWindow::CommandOpenHorizon() {
  SelectHorizonDialog dialog(ProjectDir(), this);
  if (!run_dialog(dialog) || dialog.chosen().empty()) return;
  OpenGrid(dialog.chosen(), dialog.amplitude());
}

void HorizonPlotWindow::CommandOpenOther() {
  if (!state_.document) return;
  SelectFilesDialog dialog(ProjectDir(), overlays_, this);
  if (!run_dialog(dialog)) return;
  overlays_ = dialog.choice();
  // Trap and X/Y placement belong to the "Options" page.
  WellPostingOptions& wells = state_.settings.well_options;
  const bool trap = wells.trap, use_xy = wells.use_xy;
  wells = overlays_.well_options;
  wells.trap = trap, wells.use_xy = use_xy;
  state_.settings.label_faults = overlays_.label_faults;
  state_.settings.label_arbitrary_lines = overlays_.label_arbitrary_lines;
  HorizonPlotRequest request = state_.document->request;
  auto in_project = [this](const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(JoinPath(ProjectDir(), name));
    return paths;
  };
  request.wells = in_project(overlays_.wells);
  request.faults = in_project(overlays_.faults);
  request.arbitrary_lines = in_project(overlays_.arbitrary_lines);
  Reload(request);
}

void HorizonPlotWindow::CommandImportDxf() {
  if (!state_.document) return;
  FileDialogRequest ask;
  ask.title = "Import DXF";
  ask.filter_names[0] = "DXF Files (*.dxf)";
  ask.filter_patterns[0] = "*.dxf";
  ask.initial_directory = ProjectDir();
  auto path = prompter_->OpenFile(ask);
  if (!path) return;
  HorizonPlotRequest request = state_.document->request;
  request.dxf.push_back(*path);
  if (request.dxf.size() > 10) request.dxf.erase(request.dxf.begin());  // ten slots
  Reload(request);
}

void HorizonPlotWindow::CommandProperties(const QString& page) {
  HorizonPropertiesDialog dialog(state_.settings, this);
  dialog.ShowPage(page);
  if (!run_dialog(dialog)) return;
  const WellStyle before = state_.settings.well_style;
  dialog.Store(state_.settings);
  // Single wells are posted in the plot's own style, taken when they are read.
  if (!(before == state_.settings.well_style) && state_.document)
    Reload(state_.document->request);
  else
    Replot();
}

void HorizonPlotWindow::CommandScale() {
  ScaleDialog dialog(state_.settings.scale_feet_per_inch, state_.settings.colour_gain, this);
  if (!run_dialog(dialog)) return;
  state_.settings.scale_feet_per_inch = dialog.feet_per_inch();
  state_.settings.colour_gain = dialog.colour_gain();
  Replot();
}

void HorizonPlotWindow::CommandComments() {
  AnnotateDialog dialog(state_.settings.comment1, state_.settings.comment2, this);
  if (!run_dialog(dialog)) return;
  state_.settings.comment1 = dialog.comment1();
  state_.settings.comment2 = dialog.comment2();
  Replot();
}

void HorizonPlotWindow::CommandZoom() {
  if (!state_.document) return;
  HorizonPlotDocument& doc = *state_.document;
  ZoomDialog dialog(doc.header, doc.data.zoom, this);
  if (!run_dialog(dialog)) return;
  const auto n = dialog.numbers();
  if (auto zoom = ZoomOfNumbers(doc.header, n[0], n[1], n[2], n[3])) doc.data.zoom = *zoom;
  Replot();
}

void HorizonPlotWindow::CommandSurface() {
  SurfaceDialog dialog(state_.settings.camera, this);
  if (!run_dialog(dialog)) return;
  dialog.page()->Store(state_.settings.camera);
  state_.settings.type = HorizonPlotType::Surface;
  Replot();
}

}  // namespace quarrix
