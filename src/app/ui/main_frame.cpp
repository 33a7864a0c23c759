#include "app/ui/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <cerrno>

#include "app/horizon_plot_settings.h"
#include "app/main_commands.h"
#include "app/plot_map_readers.h"
#include "app/section_settings.h"
#include "app/ui/header_dialog.h"
#include "app/ui/monitor_dialog.h"
#include "app/ui/title_widget.h"
#include "app/ui/xy_dialog.h"
#include "exchange/ui/import_export_window.h"
#include "exchange/ui/math_dialog.h"
#include "exchange/ui/well_dialog.h"
#include "fault/fault_section_overlay.h"
#include "fault/poly_fault_outlines.h"
#include "horizon/colour_file_dialogs.h"
#include "map/ui/horizon_plot_window.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/text_util.h"
#include "platform/ui/about_dialog.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/help_browser.h"
#include "platform/ui/qt_progress.h"
#include "platform/ui/qt_prompter.h"
#include "project/header_file.h"
#include "project/trace_file_check.h"
#include "scan/ui/scan_window.h"
#include "section/ui/trace_plot_window.h"
#include "workspace/ui/time_slices_dialog.h"
#include "workspace/ui/workspace_frame.h"

namespace quarrix {

MainFrame::MainFrame(Session& session, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      commands_(new CommandHost(this, prompter)),
      prompter_(&commands_->prompter()) {
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  show_placeholder = [this](const QString& text) {
    prompter_->Tell(text.toStdString(), "Quarrix3D", MessageIcon::Information);
  };
  std::string settings_path = SettingsFilePath();
  bool first_run = !FileExists(settings_path);
  ReadSetupSection(ProfileFile(settings_path), session_.settings);
  session_.colour_sets = LoadColourSets(ColourSetsFilePath());
  if (first_run) {
    // On a first start the monitor settings follow the real screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      int x = qRound(screen->physicalDotsPerInchX()), y = qRound(screen->physicalDotsPerInchY());
      if (x >= 50 && x <= 1000 && y >= 50 && y <= 1000) {
        session_.settings.glppix = x;
        session_.settings.glppiy = y;
      }
    }
  }
  setCentralWidget(new TitleWidget(this));
  commands_->Install(CommandTableOfMenu());
  recent_menu_ = new QMenu(tr("&Recent Projects"), this);
  QMenu* file_menu = commands_->menu("&File");
  QAction* exit = commands_->action(command::kExit);
  file_menu->insertMenu(exit, recent_menu_);
  file_menu->insertSeparator(exit);
  RebuildRecentMenu();
  BuildAccelerators();
  InstallHelpKey();
  SetCaption();
}

// The workspace and its pick windows read the session's project: they are
// closed (writing their settings) before the frame and its project go.
MainFrame::~MainFrame() {
  CloseWorkspaceFrame();
}

void MainFrame::CloseWorkspaceFrame() {
  if (!pick_frame_) return;
  pick_frame_->close();
  delete pick_frame_;
}

CommandTable MainFrame::CommandTableOfMenu() {
  using namespace command;
  const std::map<int, std::function<void()>> runs = {
      {kOpen, [this] { CommandOpen(); }},
      {kOpenAmpFile, [this] { CommandOpenAmpFile(); }},
      {kClose, [this] { CommandClose(); }},
      {kSaveHeader, [this] { CommandSaveHeader(); }},
      {kExit, [this] { close(); }},
      {kPrintSetup, [this] { PrinterSetup(this, printer_settings_); }},
      {kCreateAmpFile, [this] { CommandCreateAmpFile(); }},
      {kSetupHeader, [this] { CommandSetupHeader(); }},
      {kMonitor, [this] { CommandMonitor(); }},
      {kCreateXyFile, [this] { CommandCreateXyFile(); }},
      {kHorizonPlot, [this] { CommandHorizonPlot(); }},
      {kTracePlot, [this] { CommandTracePlot(); }},
      {kPickEdit, [this] { CommandPickEdit(); }},
      {kScanContour, [this] { CommandScanContour(); }},
      {kMath, [this] { CommandMath(); }},
      {kImportExport, [this] { CommandImportExport(); }},
      {kCreateTimeSlice, [this] { CommandTimeSlices(); }},
      {kOpenWell, [this] { CommandWell(true); }},
      {kCreateWell, [this] { CommandWell(false); }},
      {kDataLoading, [this] { CommandDataLoading(); }},
      {kHelp, [this] { CommandHelp(); }},
      {kAbout, [this] { CommandAbout(); }},
  };
  // The working windows need the trace file; the pick/edit frame waits while
  // the trace plot is open.
  auto trace_file_ready = [this] { return session_.project.is_open && trace_file_menu_enabled_; };
  CommandTable table;
  for (const MenuEntry& entry : MainMenuEntries()) {
    CommandSpec item;
    item.id = entry.id;
    item.menu = entry.menu;
    item.text = entry.text;
    if (auto run = runs.find(entry.id); run != runs.end()) item.run = run->second;
    if (entry.id == kTracePlot) item.enabled = trace_file_ready;
    if (entry.id == kPickEdit)
      item.enabled = [this, trace_file_ready] {
        return trace_file_ready() && trace_plot_.isNull();
      };
    table.push_back(std::move(item));
  }
  return table;
}

void MainFrame::BuildAccelerators() {
  // The accelerators act on the pick/edit frame from any window of the program.
  for (const Accelerator& accelerator : MainAccelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(accelerator.key), this);
    shortcut->setContext(Qt::ApplicationShortcut);
    int id = accelerator.frame_command;
    connect(shortcut, &QShortcut::activated, this, [this, id] { Dispatch(id); });
  }
}

void MainFrame::RebuildRecentMenu() {
  recent_menu_->clear();
  std::vector<std::string> projects;
  if (session_.settings.lrufile.find('*') == std::string::npos &&
      !session_.settings.lrufile.empty())
    projects.push_back(session_.settings.lrufile);
  for (const std::string& r : session_.settings.recent)
    if (!r.empty()) projects.push_back(r);
  for (std::size_t k = 0; k < projects.size(); ++k) {
    QString path = QString::fromStdString(projects[k]);
    QAction* action = recent_menu_->addAction(QString("&%1 %2").arg(k + 1).arg(path));
    connect(action, &QAction::triggered, this, [this, path] { OpenProjectFile(path); });
  }
  recent_menu_->setEnabled(!projects.empty());
}

QAction* MainFrame::action(int command_id) const {
  return commands_->action(command_id);
}

HorizonPlotWindow* MainFrame::horizon_plot() const {
  return horizon_plot_;
}

WorkspaceFrame* MainFrame::pick_edit_frame() const {
  return pick_frame_;
}

ScanContourWindow* MainFrame::scan_contour() const {
  return scan_contour_;
}

TracePlotWindow* MainFrame::trace_plot() const {
  return trace_plot_;
}

void MainFrame::SetCaption() {
  if (!session_.project.is_open) {
    setWindowTitle("Quarrix3D");
    return;
  }
  QString path = session_.project.amp.IsOpen() || trace_file_menu_enabled_
                     ? QString::fromStdString(session_.project.header_path)
                     : QString();
  setWindowTitle("Quarrix3D -- " + path);
}

bool MainFrame::RequireHeader() {
  if (session_.project.is_open) return true;
  prompter_->Tell("Data File Not Open!!", "Warning", MessageIcon::Stop);
  return false;
}

bool MainFrame::RequireTraceFile() {
  if (session_.project.amp.IsOpen()) return true;
  prompter_->Tell("Data File Not Open!!", "Warning", MessageIcon::Stop);
  return false;
}

void MainFrame::Dispatch(int id) {
  using namespace command;
  for (const Accelerator& accelerator : MainAccelerators()) {
    if (id == accelerator.frame_command) {
      if (id == kAccelF1 && !(pick_frame_ && pick_frame_->isVisible())) {
        // Without a pick/edit workspace on the screen F1 is the help key.
        QWidget* front = QApplication::activeWindow() ? QApplication::activeWindow() : this;
        ShowHelpPage(front, HelpPageFor(front));
      } else if (pick_frame_) {
        pick_frame_->Dispatch(accelerator.pick_command);
      }
      return;
    }
  }
  commands_->Dispatch(id);
}

bool MainFrame::OpenProjectFile(const QString& header_path) {
  // The open workspace belongs to the project being replaced.
  CloseWorkspaceFrame();
  session_.project.amp.Close();
  if (!OpenProject(session_.project, header_path.toStdString(), *prompter_)) return false;
  RememberProject(session_.settings, session_.project.header_path);
  QDir::setCurrent(QString::fromStdString(DirectoryOf(session_.project.header_path)));
  trace_file_menu_enabled_ = true;
  RebuildRecentMenu();
  SetCaption();
  commands_->Refresh();
  return true;
}

void MainFrame::CommandOpen() {
  if (auto path = prompter_->OpenFile(OpenHeaderRequest(session_.settings.lrufile)))
    OpenProjectFile(QString::fromStdString(*path));
}

void MainFrame::CommandOpenAmpFile() {
  auto path = prompter_->OpenFile({.title = "OPEN AMP FILE",
                                   .filter_names = {"Amp Files (*.amp)"},
                                   .filter_patterns = {"*.amp"},
                                   .initial_directory = DirectoryOf(session_.project.header_path),
                                   .initial_file = "*.amp"});
  if (!path) return;
  session_.project.amp.Close();
  // A file far too small for the project's grid is not opened: the header does not describe it.
  trace_file_menu_enabled_ = TraceFileAgrees(session_.project.header, *path, *prompter_) &&
                             session_.project.amp.Open(*path, AmpOpenMode::Read);
  commands_->Refresh();
  if (!session_.project.header_path.empty())
    QDir::setCurrent(QString::fromStdString(DirectoryOf(session_.project.header_path)));
}

void MainFrame::CommandClose() {
  session_.project.amp.Close();
  setWindowTitle("Quarrix3D -- ");
}

void MainFrame::CommandSaveHeader() {
  if (auto path =
          prompter_->SaveFile({.title = "SAVE HEADER FILE",
                               .filter_names = {"Header Files (*.hdr)"},
                               .filter_patterns = {"*.hdr"},
                               .initial_directory = DirectoryOf(session_.project.header_path),
                               .initial_file = FileNameOf(session_.project.header_path),
                               .default_extension = "hdr",
                               .must_exist = false,
                               .prompt_overwrite = true}))
    SaveHeader(*path, session_.project.header, *prompter_);
}

void MainFrame::CommandCreateAmpFile() {
  QtProgress progress(this, tr("Create Amp File"));
  if (CreateZeroAmpFile(session_.project, *prompter_, progress)) {
    trace_file_menu_enabled_ = true;
    commands_->Refresh();
  }
}

void MainFrame::CommandCreateXyFile() {
  if (!session_.project.is_open) {
    prompter_->Tell("Project Not Open!!", "Warning", MessageIcon::Stop);
    return;
  }
  auto path = prompter_->SaveFile({.title = "SAVE X/Y FILE",
                                   .filter_names = {"X/Y Files (*.x_y)"},
                                   .filter_patterns = {"*.x_y"},
                                   .initial_directory = DirectoryOf(session_.project.header_path),
                                   .initial_file = FileNameOf(session_.project.XyPath()),
                                   .default_extension = "x_y",
                                   .must_exist = false});
  if (!path) return;
  XyDialog dialog(session_.last_xy_corners, this);
  if (!run_dialog(dialog)) return;
  session_.last_xy_corners = dialog.corners();
  if (!WriteXyFile(*path, session_.project.header, session_.last_xy_corners)) {
    prompter_->Tell("Cannot Create X/Y File!", "", MessageIcon::Warning);
    return;
  }
  RefreshPlacement(session_.project);
}

void MainFrame::CommandSetupHeader() {
  HeaderDialog dialog(session_.project.header, *prompter_, this);
  if (!run_dialog(dialog)) return;
  DefaultViewAngles(session_.project.header.corner_index, session_.project.view_azimuth,
                    session_.project.view_elevation);
  if (QWidget* top = QApplication::activeWindow()) top->update();
}

void MainFrame::CommandMonitor() {
  MonitorDialog dialog(session_.settings, this);
  run_dialog(dialog);
}

void MainFrame::CommandDataLoading() {
  // The loader is looked for beside this program first, then along the path.
  // A failure keeps the "Error %ld" text and says on a second line what was
  // looked for and where.
  std::string folder = QCoreApplication::applicationDirPath().toStdString();
  std::string program = FindProgram("ingestor", folder);
  long error = 0;
  std::string detail;
  if (program.empty()) {
    error = ENOENT;
    detail = "The loader \"ingestor\" was not found in " + folder + " nor along the PATH.";
  } else if (!QProcess::startDetached(QString::fromStdString(program), {}, QDir::currentPath())) {
    error = EACCES;
    detail = "The loader " + program + " could not be started.";
  }
  if (error) prompter_->Tell(FormatText("Error %ld", error) + "\n" + detail, "", MessageIcon::None);
}

void MainFrame::CommandWell(bool open_existing) {
  std::string folder = DirectoryOf(session_.project.header_path);
  if (open_existing) {
    auto path = prompter_->OpenFile({.title = "OPEN WELL FILE",
                                     .filter_names = {"Well Files (*.wll)"},
                                     .filter_patterns = {"*.wll"},
                                     .initial_directory = folder,
                                     .default_extension = "wll"});
    if (!path) return;
    auto well = ReadWellFile(*path);
    if (!well) {
      prompter_->Tell(NamingFile("Cannot Open Well File!", *path), "", MessageIcon::Warning);
      return;
    }
    session_.current_well = *well;
    session_.current_well_path = *path;
  } else {
    session_.current_well = WellRecord{};
    session_.current_well_path.clear();
  }
  WellDialog dialog(session_.current_well, FileNameOf(session_.current_well_path), session_.project,
                    *prompter_, this);
  if (!run_dialog(dialog)) return;
  auto path = prompter_->SaveFile({.title = "SAVE WELL FILE",
                                   .filter_names = {"Well Files (*.wll)"},
                                   .filter_patterns = {"*.wll"},
                                   .initial_directory = folder,
                                   .initial_file = FileNameOf(session_.current_well_path),
                                   .default_extension = "wll",
                                   .must_exist = false,
                                   .prompt_overwrite = true});
  if (!path) return;
  if (!WriteWellFile(*path, session_.current_well)) {
    prompter_->Tell("Cannot Create Well File!", "", MessageIcon::Warning);
    return;
  }
  session_.current_well_path = *path;
}

void MainFrame::CommandTimeSlices() {
  if (!RequireTraceFile()) return;
  // The flatten table is the workspace's while it is open.
  if (pick_frame_ && pick_frame_->isVisible()) {
    pick_frame_->Dispatch(command::kCreateTimeSlice);
    return;
  }
  GenerateTimeSlicesWithDialog(this, session_.project, slice_flatten_, ProcessingParams{},
                               *prompter_, run_dialog);
}

void MainFrame::CommandPickEdit() {
  if (!session_.project.is_open || !session_.project.amp.IsOpen()) return;
  if (!pick_frame_) {
    pick_frame_ = new WorkspaceFrame(session_.project, prompter_, this);
    pick_frame_->setAttribute(Qt::WA_DeleteOnClose);
    pick_frame_->show_help = [](QWidget* parent) { ShowHelp(parent); };
    pick_frame_->run_dialog = [this](QDialog& dialog) { return run_dialog(dialog); };
  }
  pick_frame_->showMaximized();
  pick_frame_->raise();
}

namespace {

// The trace plot's colour files are amplitude colour files in the project folder.
auto OpenTracePlotColours(const std::string& project_dir) {
  return [project_dir](ColourBar& bar, std::string& name, Prompter& prompter) {
    NamedColourBar colours{bar, name};
    if (!OpenColourFileWithDialog(colours, ColourFileKind::Amplitude, project_dir, prompter))
      return false;
    bar = colours.bar;
    name = colours.name;
    return true;
  };
}

auto SaveTracePlotColours(const std::string& project_dir) {
  return [project_dir](ColourBar& bar, std::string& name, Prompter& prompter) {
    NamedColourBar colours{bar, name};
    if (!SaveColourFileWithDialog(colours, ColourFileKind::Amplitude, project_dir, "", "",
                                  prompter))
      return false;
    name = colours.name;
    return true;
  };
}

// The horizon plot's colour files: time or amplitude colour files in the
// project folder, as the plotted grid is.
auto HorizonPlotColours(const std::string& project_dir, bool save) {
  return [project_dir, save](ColourBar& bar, std::string& name, bool amplitude,
                             Prompter& prompter) {
    NamedColourBar colours{bar, name};
    const ColourFileKind kind = amplitude ? ColourFileKind::Amplitude : ColourFileKind::HorizonTime;
    const bool done = save ? SaveColourFileWithDialog(colours, kind, project_dir, "", "", prompter)
                           : OpenColourFileWithDialog(colours, kind, project_dir, prompter);
    if (!done) return false;
    if (!save) bar = colours.bar;
    name = colours.name;
    return true;
  };
}

// The saved normal-position rectangle of a plot window (0 horizon plot, 1
// trace plot): right and bottom are kept one past the last pixel.
QRect SavedPlacement(const SetupSettings& s, int k) {
  return QRect(QPoint(s.npleft[k], s.nptop[k]), QPoint(s.npright[k] - 1, s.npbottom[k] - 1));
}

void StorePlacement(QRect placement, int k, SetupSettings& s) {
  s.npleft[k] = placement.left();
  s.nptop[k] = placement.top();
  s.npright[k] = placement.right() + 1;
  s.npbottom[k] = placement.bottom() + 1;
}

bool SavePolyFaultOutlines(const std::string& path, const std::vector<GridPolyline>& outlines,
                           Prompter& prompter) {
  PolyFaults faults = PolyFaultsOfOutlines(outlines, path);
  return SavePolyFaultFile(faults, prompter);
}

}  // namespace

void MainFrame::CommandMath() {
  if (!RequireHeader()) return;
  MathDialog dialog(session_.project, *prompter_, this);
  dialog.run_dialog = run_dialog;
  if (run_dialog(dialog)) dialog.Run();
}

void MainFrame::CommandImportExport() {
  if (!RequireHeader()) return;
  // The window is modal: the sheet's conversions write project files the
  // other windows read.
  ImportExportWindow window(session_.project, prompter_, this);
  window.setWindowModality(Qt::ApplicationModal);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show_help = [](QWidget* parent) { ShowHelpPage(parent, "import_export.html"); };
  if (drive_import_export) {
    drive_import_export(window);
    return;
  }
  CentreWindow(&window, this);
  QEventLoop loop;
  connect(&window, &ImportExportWindow::closed, &loop, &QEventLoop::quit);
  window.show();
  loop.exec();
}

void MainFrame::CommandHorizonPlot() {
  if (!RequireHeader()) return;
  if (!horizon_plot_) {
    SetupSettings& s = session_.settings;
    const std::string project_dir = DirectoryOf(session_.project.header_path);
    HorizonPlotContext context{session_.project.header_path,
                               HorizonPlotSettingsFromSettings(s),
                               ProgramPlotMapReaders(),
                               session_.colour_sets,
                               SavedPlacement(s, 0),
                               printer_settings_,
                               prompter_,
                               [](QWidget* parent) { ShowHelp(parent); },
                               HorizonPlotColours(project_dir, false),
                               HorizonPlotColours(project_dir, true),
                               SavePolyFaultOutlines,
                               [this](bool open_existing) { CommandWell(open_existing); }};
    horizon_plot_ = new HorizonPlotWindow(std::move(context), this);
    horizon_plot_->setWindowFlag(Qt::Window);
    horizon_plot_->on_close = [this](const HorizonPlotSettings& plot, QRect placement) {
      SetupSettings& settings = session_.settings;
      StoreHorizonPlotSettings(plot, settings);
      StorePlacement(placement, 0, settings);
    };
  }
  horizon_plot_->show();
  horizon_plot_->raise();
}

void MainFrame::CommandScanContour() {
  if (!RequireHeader()) return;
  if (!scan_contour_) {
    const ProjectState& project = session_.project;
    ScanContourContext context{project.header,
                               project.placement,
                               DirectoryOf(project.header_path),
                               {project.header_path, project.AmpPath(), project.XyPath()},
                               session_.colour_sets,
                               prompter_,
                               [](QWidget* parent) { ShowHelpPage(parent, "scan_contour.html"); }};
    scan_contour_ = new ScanContourWindow(std::move(context), this);
    scan_contour_->setWindowFlag(Qt::Window);
  }
  scan_contour_->show();
  scan_contour_->raise();
}

void MainFrame::CommandTracePlot() {
  if (!RequireTraceFile()) return;
  if (!trace_plot_) {
    SetupSettings& s = session_.settings;
    const std::string project_dir = DirectoryOf(session_.project.header_path);
    TracePlotContext context{
        session_.project,
        SectionDisplayFromSettings(s),
        s.max_defl,
        {s.plotter, s.paper, s.dpi, s.port},
        SavedPlacement(s, 1),
        printer_settings_,
        prompter_,
        [header = session_.project.header](const std::string& path, Prompter& prompter) {
          return FaultSectionOverlay(path, header, prompter);
        },
        [](QWidget* parent) { ShowHelp(parent); },
        OpenTracePlotColours(project_dir),
        SaveTracePlotColours(project_dir)};
    trace_plot_ = new TracePlotWindow(std::move(context), this);
    trace_plot_->setWindowFlag(Qt::Window);
    trace_plot_->on_close = [this](const TracePlotDocument& doc, const PlotterSettings& plotter,
                                   QRect placement) {
      SetupSettings& settings = session_.settings;
      StoreSectionDisplay(doc.request.display, doc.max_defl, settings);
      settings.plotter = plotter.plotter;
      settings.paper = plotter.paper;
      settings.dpi = plotter.dpi;
      settings.port = plotter.port;
      StorePlacement(placement, 1, settings);
    };
    connect(trace_plot_, &QObject::destroyed, commands_, [this] {
      trace_plot_.clear();
      commands_->Refresh();
    });
    commands_->Refresh();
  }
  trace_plot_->show();
  trace_plot_->raise();
}

void MainFrame::CommandHelp() {
  ShowHelp(this);
}

void MainFrame::CommandAbout() {
  RunAboutDialog(this, tr("About Quarrix3D"),
                 QString("<h2>Quarrix3D</h2><p>3-D seismic interpretation</p><p>Version %1</p>")
                     .arg(QCoreApplication::applicationVersion()),
                 run_dialog);
}

void MainFrame::closeEvent(QCloseEvent* event) {
  if (prompter_->Message("End Quarrix3D?", "WARNING", MessageIcon::Question,
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
    event->ignore();
    return;
  }
  // Unsaved digitising is asked about first; a cancelled save keeps the program.
  if (scan_contour_ && !scan_contour_->close()) {
    event->ignore();
    return;
  }
  // The workspace writes its settings as it closes; horizon edits are already on disk.
  if (pick_frame_) pick_frame_->close();
  session_.project.amp.Close();
  EnsureConfigFolder();
  ProfileFile profile(SettingsFilePath());
  WriteSetupSection(profile, session_.settings);
  profile.Save();
  SaveColourSets(ColourSetsFilePath(), session_.colour_sets);
  event->accept();
}

}  // namespace quarrix
