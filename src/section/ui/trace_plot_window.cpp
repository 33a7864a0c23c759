#include "section/ui/trace_plot_window.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <map>

#include "platform/paths.h"
#include "platform/plot_file_dialogs.h"
#include "platform/prompter.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/open_plot_bitmap.h"
#include "platform/ui/plot_view.h"
#include "platform/ui/print_job.h"
#include "platform/ui/printer_settings.h"
#include "platform/ui/qt_plot_writer.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "section/trace_plot_commands.h"
#include "section/ui/run_centred.h"
#include "section/ui/section_dialogs.h"

namespace quarrix {

TracePlotWindow::TracePlotWindow(TracePlotContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(std::move(context)),
      doc_(NewTracePlotDocument(context_.project.header, context_.display)),
      plotter_(context_.plotter),
      project_dir_(DirectoryOf(context_.project.header_path)),
      commands_(new CommandHost(this, context_.prompter)),
      prompter_(&commands_->prompter()),
      view_(new PlotView(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setProperty(kHelpPageProperty, "trace_plot.html");
  doc_.max_defl = context_.max_defl;
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  commands_->Install(TracePlotCommands(
      doc_, [this] { Replot(); }, [this](int id) { WindowCommand(id); }));
  setCentralWidget(view_);
  // A section at plotting scale is many times the window: drawing only the
  // part in view keeps stepping and scrolling quick.
  view_->SetDrawExposedOnly(true);
  view_->SetPlot(
      [this](Canvas& canvas, Progress* progress) -> std::any {
        if (!plot_ || !HasPlotMode(doc_)) return {};
        // A copy: commands arriving while it draws may replace the plot.
        const SectionPlot plot = *plot_;
        return DrawPlotOn(plot, ModeOf(doc_), canvas, progress);
      },
      [this](const DeviceInfo& device) {
        if (!plot_ || !HasPlotMode(doc_)) return QSizeF(1, 1);
        const SectionLayout layout = PlanSection(doc_.header, *plot_, device, ModeOf(doc_));
        return QSizeF(layout.width, layout.height);
      });
  for (int k = 0; k < 3; ++k) {
    status_[k] = new QLabel(this);
    status_[k]->setMinimumWidth(110);
    statusBar()->addWidget(status_[k]);
  }
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setMaximumWidth(200);
  progress_->hide();
  statusBar()->addPermanentWidget(progress_);
  connect(view_, &PlotView::cursorMoved, this, &TracePlotWindow::ShowReadout);
  connect(view_, &PlotView::drawStarted, progress_, [this] {
    progress_->setValue(0);
    progress_->show();
  });
  connect(view_, &PlotView::drawProgress, progress_, &QProgressBar::setValue);
  connect(view_, &PlotView::drawFinished, progress_, &QProgressBar::hide);
  if (context_.placement.isValid() && !context_.placement.isEmpty())
    setGeometry(context_.placement);
  else
    resize(900, 700);
  Replot();
}

TracePlotWindow::~TracePlotWindow() = default;

void TracePlotWindow::Dispatch(int command_id) {
  commands_->Dispatch(command_id);
}

void TracePlotWindow::WindowCommand(int id) {
  using namespace trace_plot_command;
  using Command = void (TracePlotWindow::*)();
  static const std::map<int, Command> kCommands = {
      {kSetup, &TracePlotWindow::CommandSetup},
      {kSetLine, &TracePlotWindow::CommandSetLine},
      {kSetHorizons, &TracePlotWindow::CommandSetHorizons},
      {kComments, &TracePlotWindow::CommandComments},
      {kOverlayOptions, &TracePlotWindow::CommandOverlayOptions},
      {kPlotter, &TracePlotWindow::CommandPlotter},
      {kPrint, &TracePlotWindow::CommandPrint},
      {kSaveMetafile, &TracePlotWindow::CommandSaveMetafile},
      {kSaveBitmap, &TracePlotWindow::CommandSaveBitmap},
      {kOpenBitmap, &TracePlotWindow::CommandOpenBitmap},
      {kProcess, &TracePlotWindow::CommandProcess},
      {kBatchProcess, &TracePlotWindow::CommandBatchProcess},
      {kLoadColourFile, &TracePlotWindow::CommandLoadColourFile},
      {kChangeColours, &TracePlotWindow::CommandChangeColours},
      {kSaveColourFile, &TracePlotWindow::CommandSaveColourFile},
  };
  if (auto it = kCommands.find(id); it != kCommands.end()) {
    (this->*(it->second))();
  } else if (id == kExit) {
    close();
  } else if (id == kPrintSetup) {
    PrinterSetup(this, context_.printer);
  } else if (id == kHelp) {
    if (context_.show_help) context_.show_help(this);
  }
}

std::optional<SectionPlot> TracePlotWindow::AssemblePlot(const SectionDescription& section) {
  SectionPlotRequest request = doc_.request;
  request.section = section;
  request.arb_path = section.kind == SectionKind::Arbitrary ? doc_.lines.arb_path : "";
  request.display.horizon_line_width = overlays_.line_width;
  auto in_project = [this](const std::string& name) { return JoinPath(project_dir_, name); };
  for (const std::string& name : overlays_.horizons)
    request.horizon_paths.push_back(in_project(name));
  for (const std::string& name : overlays_.wells) request.well_paths.push_back(in_project(name));
  if (!overlays_.datum.empty()) request.datum_path = in_project(overlays_.datum);
  std::optional<SectionPlot> plot = LoadSectionPlot(context_.project, request, *prompter_);
  if (!plot) return plot;
  plot->colour_bar = doc_.colour_bar;
  if (context_.fault_overlay)
    for (const std::string& name : overlays_.faults)
      if (auto overlay = context_.fault_overlay(in_project(name), *prompter_))
        plot->overlays.push_back(*overlay);
  return plot;
}

void TracePlotWindow::Replot() {
  doc_.redraw_needed = false;
  const SectionDescription section = CurrentSection(doc_);
  setWindowTitle("Presentation Trace Plot -- " +
                 QString::fromStdString(SectionName(doc_.header, section)));
  if (!HasPlotMode(doc_)) return;  // empty until a mode is chosen
  if (doc_.colour_mode && doc_.colour_bar.count == 0) {
    SetDefaultColourBar(doc_.colour_bar);
    doc_.colour_bar_name = kDefaultColourBarName;
  }
  plot_ = AssemblePlot(section);
  view_->Redraw();
}

std::any TracePlotWindow::DrawPlotOn(const SectionPlot& plot, SectionMode mode, Canvas& canvas,
                                     Progress* progress) const {
  const ProcessingParams params = doc_.request.params;
  ProcessingConditioner conditioner(params, doc_.header.sample_rate, *prompter_);
  SectionSource source{context_.project.amp, context_.project.header,
                       ConditioningOn(params) ? &conditioner : nullptr};
  return DrawTracePlot(canvas, source, plot, mode, progress);
}

void TracePlotWindow::ShowReadout(double x, double y) {
  const auto* geometry = std::any_cast<TracePlotGeometry>(&view_->geometry());
  if (!geometry) return;
  const ProcessingParams params = doc_.request.params;
  ProcessingConditioner conditioner(params, doc_.header.sample_rate, *prompter_);
  SectionSource source{context_.project.amp, context_.project.header,
                       ConditioningOn(params) ? &conditioner : nullptr};
  const TracePlotReadout readout = ReadoutAt(*geometry, {x, y}, source);
  status_[0]->setText(QString::fromStdString(readout.time));
  status_[1]->setText(QString::fromStdString(readout.trace));
  status_[2]->setText(QString::fromStdString(readout.amplitude));
}

void TracePlotWindow::CommandSetup() {
  SetupDialog dialog(SetupOf(doc_), this);
  if (!run_dialog(dialog)) return;
  ApplySetup(doc_, dialog.values());
  Replot();
}

void TracePlotWindow::CommandSetLine() {
  SectionDisplay& display = doc_.request.display;
  SetLineDialog dialog(doc_.header, doc_.lines, display.ln_inc, display.tr_inc, this);
  if (!run_dialog(dialog)) return;
  TracePlotLines lines = dialog.lines();
  display.ln_inc = dialog.ln_inc();
  display.tr_inc = dialog.tr_inc();
  if (lines.kind == SectionKind::Arbitrary) {
    ArbitraryLineDialog choose(ProjectFiles(project_dir_, "arb"), this);
    if (!run_dialog(choose) || choose.chosen().empty()) return;
    lines.arb_path = JoinPath(project_dir_, choose.chosen());
  }
  ApplyLines(doc_, lines);
  Replot();
}

void TracePlotWindow::CommandSetHorizons() {
  HorizonPlotDialog dialog(project_dir_, overlays_, this);
  if (!run_dialog(dialog)) return;
  overlays_ = dialog.choice();
  doc_.fault_paths = overlays_.faults;
  Replot();
}

void TracePlotWindow::CommandComments() {
  SectionDisplay& display = doc_.request.display;
  AnnotateDialog dialog(display.comment1, display.comment2, this);
  if (!run_dialog(dialog)) return;
  display.comment1 = dialog.comment1();
  display.comment2 = dialog.comment2();
  Replot();
}

void TracePlotWindow::CommandOverlayOptions() {
  OverlayOptionsDialog dialog(doc_.request.display, this);
  if (!run_dialog(dialog)) return;
  dialog.Store(doc_.request.display);
  Replot();
}

void TracePlotWindow::CommandPlotter() {
  PlotterDialog dialog(plotter_, this);
  if (run_dialog(dialog)) plotter_ = dialog.values();
}

bool TracePlotWindow::PrintTo(QPrinter& printer, int copies) {
  if (!plot_ || !HasPlotMode(doc_)) return false;
  const SectionMode mode = ModeOf(doc_);
  auto pages_of = [&](const SectionPlot& plot) {
    auto shared = std::make_shared<SectionPlot>(plot);
    DrawPlot draw = [this, shared, mode](Canvas& canvas) {
      DrawPlotOn(*shared, mode, canvas, nullptr);
    };
    return std::vector<DrawPlot>(static_cast<std::size_t>(std::max(1, copies)), draw);
  };
  // A job that cannot start is reported, for a single plot as for a series.
  auto print_job = [&](const std::string& name, const std::vector<DrawPlot>& pages) {
    if (PrintPages(printer, QString::fromStdString(name), pages)) return true;
    prompter_->Tell("SetDoc returns False", "", MessageIcon::Warning);
    return false;
  };
  if (!doc_.automatic) return print_job("Trace Plot", pages_of(*plot_));
  // The series: one job per section on a printer. Into a file every job
  // would replace the one before, so there the series is one document.
  const bool to_file = !printer.outputFileName().isEmpty();
  std::vector<DrawPlot> file_pages;
  for (const SectionDescription& section : AutomaticSeries(doc_)) {
    std::optional<SectionPlot> plot = AssemblePlot(section);
    if (!plot) return false;
    std::vector<DrawPlot> pages = pages_of(*plot);
    if (to_file)
      file_pages.insert(file_pages.end(), pages.begin(), pages.end());
    else if (!print_job(PrintDocumentName(section, true), pages))
      return false;
  }
  return !to_file || print_job(PrintDocumentName(CurrentSection(doc_), true), file_pages);
}

void TracePlotWindow::CommandPrint() {
  if (!GetPrinter(this, context_.printer)) return;
  PrintTo(context_.printer.printer, context_.printer.copies);
}

void TracePlotWindow::CommandSaveMetafile() {
  if (!plot_ || !HasPlotMode(doc_)) return;
  auto path = ChooseMetafileName(*prompter_, project_dir_);
  if (!path) return;
  DeviceInfo device;
  device.metafile = true;
  const PlotPage page = SectionPlotPage(doc_.header, *plot_, ModeOf(doc_), device);
  SavePlotTellingUser(*path, page, view_->plot_drawing(), nullptr, *prompter_);
}

void TracePlotWindow::CommandSaveBitmap() {
  if (!plot_ || !HasPlotMode(doc_)) return;
  auto path = ChooseBitmapToSave(*prompter_, project_dir_);
  if (!path) return;
  // The bitmap has the plot's size on the screen.
  DeviceInfo device;
  device.ppi_x = doc_.request.display.glppix;
  device.ppi_y = doc_.request.display.glppiy;
  device.printing = true;
  const PlotPage page = SectionPlotPage(doc_.header, *plot_, ModeOf(doc_), device);
  QtPlotWriter writer;
  SavePlotTellingUser(*path, page, view_->plot_drawing(), &writer, *prompter_);
}

void TracePlotWindow::CommandOpenBitmap() {
  OpenPlotBitmap(*view_, *prompter_, project_dir_);
}

void TracePlotWindow::CommandProcess() {
  if (EditProcessingOptions(this, doc_.request.params)) Replot();
}

void TracePlotWindow::CommandBatchProcess() {
  if (BatchProcessFromWindow(this, context_.project, doc_.request.params)) Replot();
}

void TracePlotWindow::CommandLoadColourFile() {
  if (!context_.open_colour_file ||
      !context_.open_colour_file(doc_.colour_bar, doc_.colour_bar_name, *prompter_))
    return;
  doc_.request.display.colour_gain = 1;
  Replot();
}

void TracePlotWindow::CommandChangeColours() {
  if (doc_.colour_bar.count == 0) SetDefaultColourBar(doc_.colour_bar);
  if (ChangeColours(this, doc_.colour_bar,
                    TraceFileScan(this, context_.project, doc_.request.params)))
    Replot();
}

void TracePlotWindow::CommandSaveColourFile() {
  if (doc_.colour_bar.count == 0) SetDefaultColourBar(doc_.colour_bar);
  if (context_.save_colour_file)
    context_.save_colour_file(doc_.colour_bar, doc_.colour_bar_name, *prompter_);
}

void TracePlotWindow::closeEvent(QCloseEvent* event) {
  view_->CancelDrawing();
  if (on_close) on_close(doc_, plotter_, normalGeometry());
  event->accept();
}

}  // namespace quarrix
