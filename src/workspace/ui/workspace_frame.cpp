#include "workspace/ui/workspace_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <map>

#include "horizon/flattening.h"
#include "horizon/horizon_files.h"
#include "horizon/horizon_style.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "platform/ui/centre_window.h"
#include "platform/ui/command_host.h"
#include "platform/ui/printer_settings.h"
#include "platform/ui/qt_progress.h"
#include "project/project_state.h"
#include "section/ui/section_dialogs.h"
#include "workspace/fault_commands.h"
#include "workspace/horizon_pick_tool.h"
#include "workspace/pick_options.h"
#include "workspace/ui/map_dialogs.h"
#include "workspace/ui/map_window.h"
#include "workspace/ui/pick_options_dialog.h"
#include "workspace/ui/section_pick_window.h"
#include "workspace/ui/time_slices_dialog.h"
#include "workspace/ui/trace_options_dialog.h"
#include "workspace/ui/workspace_dialogs.h"
#include "workspace/ui/workspace_events.h"
#include "workspace/workspace_commands.h"

namespace quarrix {

WorkspaceFrame::WorkspaceFrame(ProjectState& project, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      workspace_(OpenWorkspace(project)),
      commands_(new CommandHost(this, prompter)),
      prompter_(&commands_->prompter()),
      events_(new WorkspaceEvents),
      mdi_(new QMdiArea(this)) {
  events_->setParent(this);
  run_dialog = [this](QDialog& dialog) {
    CentreWindow(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
  };
  setWindowTitle(QString::fromStdString("Horizon Pick/Edit -- " + FileNameOf(project.header_path)));
  setProperty("help_page", "pick_edit.html");
  resize(700, 500);
  setCentralWidget(mdi_);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const WorkspaceShell shell{[this](int id) { Run(id); }, [this] { RepaintAll(); },
                             [this](int steps) { MoveActive(steps); },
                             [this]() -> const PickWindowState* {
                               SectionPickWindow* window = ActiveSection();
                               return window ? &window->state() : nullptr;
                             }};
  CommandTable table = WorkspaceCommands(workspace_, *prompter_, shell);
  for (CommandSpec& spec : FaultCommands(workspace_, *prompter_, shell))
    table.push_back(std::move(spec));
  commands_->Install(std::move(table));
  ShortenToolBar();
  horizon_field_ = new QLineEdit(this);
  horizon_field_->setReadOnly(true);
  horizon_field_->setMaximumWidth(220);
  if (QToolBar* bar = commands_->tool_bar()) bar->addWidget(horizon_field_);
  for (int k = 0; k < 3; ++k) {
    status_[k] = new QLabel(this);
    statusBar()->addWidget(status_[k], k == 0 ? 1 : 0);
  }
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    if (!sub) return;
    if (auto* window = qobject_cast<SectionPickWindow*>(sub->widget())) active_ = window;
    if (auto* map = qobject_cast<MapWindow*>(sub->widget())) active_map_ = map;
  });
  BuildFaultToolBar();
  ShowCurrentHorizon();
}

// The tool bar's buttons carry short marks, their full names as tool tips,
// so the whole bar and the horizon field fit beside each other.
void WorkspaceFrame::ShortenToolBar() {
  using namespace workspace_command;
  static const std::map<int, const char*> kMarks = {
      {kPickFaults, "F"},        {kPickPeaks, "Pk"},
      {kPickTroughs, "Tr"},      {kPickZeroCrossing, "Zc"},
      {kPickCursor, "Cur"},      {kErasePicks, "Er"},
      {kClearAutoPicks, "CA"},   {kShowPrevious, "Prv"},
      {kPickFromPrevious, "FP"}, {kRubberBand, "RB"},
      {kEntireLine, "Ln"},       {kSetLine, "#"},
      {kGoBack, "<<"},           {kGoPrevious, "<"},
      {kRefresh, "R"},           {kGoNext, ">"},
      {kGoForward, ">>"},        {kAutoFlatten, "Flat"}};
  for (const auto& [id, mark] : kMarks)
    if (QAction* action = commands_->action(id)) {
      action->setToolTip(action->text());
      action->setIconText(mark);
    }
}

WorkspaceFrame::~WorkspaceFrame() {
  // The windows point at the workspace, which goes before Qt deletes the
  // frame's children: they go first.
  delete mdi_;
  if (!closed_) CloseWorkspace(workspace_);
}

void WorkspaceFrame::Dispatch(int command_id) {
  using namespace workspace_command;
  const int horizon = command_id - kHorizonMenuFirst;
  if (command_id == kPopupCreateHorizon) {
    CreateHorizon(true);
    return;
  }
  if (DispatchFaultPopup(command_id)) return;
  if (horizon >= 0 && horizon < kHorizonMenuCount) {
    if (ChooseHorizon(workspace_, horizon)) {
      ShowCurrentHorizon();
      RepaintAll();
    }
    return;
  }
  // A map window's own commands (zoom, region, autopick) go to the active map.
  if (MapWindow* map = ActiveMap(); map && map->Run(command_id)) {
    commands_->Refresh();
    return;
  }
  commands_->Dispatch(command_id);
  if (command_id == kPickFaults || command_id == kPickHorizons) {
    ShowMode();
    RepaintAll();
  }
}

void WorkspaceFrame::Run(int id) {
  using namespace workspace_command;
  using Command = void (WorkspaceFrame::*)();
  static const std::map<int, Command> kCommands = {
      {kOpenHorizons, &WorkspaceFrame::CommandOpenHorizons},
      {kSelectHorizon, &WorkspaceFrame::CommandSelectHorizon},
      {kSetZoom, &WorkspaceFrame::CommandSetZoom},
      {kBatchProcess, &WorkspaceFrame::CommandBatchProcess},
      {kSetLine, &WorkspaceFrame::CommandSetLine},
      {kSnapHorizon, &WorkspaceFrame::CommandSnap},
      {kPickZeroCrossing, &WorkspaceFrame::CommandZeroCrossing},
      {kPickFromPrevious, &WorkspaceFrame::CommandPickFromPrevious},
      {kAutoFlatten, &WorkspaceFrame::CommandAutoFlatten},
      {kPickOptions, &WorkspaceFrame::CommandPickOptions},
      {kTraceOptions, &WorkspaceFrame::CommandTraceOptions},
      {kParameters, &WorkspaceFrame::CommandParameters},
      {kCreateTimeSlice, &WorkspaceFrame::CommandTimeSlices},
      {kPlotArbitrary, &WorkspaceFrame::CommandPlotArbitrary},
      {kAutopickAll, &WorkspaceFrame::CommandAutopickWithoutMap},
      {kPlotContour, &WorkspaceFrame::CommandPlotContour},
      {kContourOptions, &WorkspaceFrame::CommandContourOptions},
      {kViewHorizonValues, &WorkspaceFrame::CommandViewHorizonValues},
      {kPrintMap, &WorkspaceFrame::CommandPrintMap},
      {kSaveMapMetafile, &WorkspaceFrame::CommandSaveMapMetafile},
      {kCascade, &WorkspaceFrame::RepaintAll},
      {kOpenFaults, &WorkspaceFrame::CommandOpenFaults},
      {kSelectFault, &WorkspaceFrame::CommandSelectFault},
      {kEraseFaultRange, &WorkspaceFrame::CommandEraseFaultRange},
      {kInterpolateFaults, &WorkspaceFrame::CommandInterpolateFaults},
      {kUninterpolateFaults, &WorkspaceFrame::CommandUninterpolateFaults},
  };
  if (auto it = kCommands.find(id); it != kCommands.end()) {
    (this->*(it->second))();
    return;
  }
  switch (id) {
    case kCreateHorizon: CreateHorizon(false); break;
    case kPopupCreateHorizon: CreateHorizon(true); break;
    case kPlotInline:
      OpenInline(active_ && active_->state().kind == PickSectionKind::Inline
                     ? active_->state().position
                     : 0);
      break;
    case kPlotCrossline: OpenCrossline(0); break;
    case kPlotHorizonTime: OpenMap(MapKind::Time); break;
    case kPlotHorizonAmp: OpenMap(MapKind::Amplitude); break;
    case kPlotTimeSlice: CommandPlotSlice(); break;
    case kCreateArbitraryLine: CommandCreateArbitraryLine(); break;
    case kSelectWells: CommandSelectWells(); break;
    case kLoadDxfFiles: CommandLoadDxf(); break;
    case kZoomIn:
    case kZoomOut: CommandZoomWithoutMap(id == kZoomIn); break;
    case kSelectPolygon:
    case kEraseInterior:
    case kEraseExterior:
    case kHorizonColour:
    case kMapOptions:
    case kWellOptions:
    case kDxfOptions: break;  // map commands without a map window
    case kRefresh:
      if (SectionPickWindow* window = ActiveSection()) window->Redraw();
      break;
    case kTileVertically:
    case kTileHorizontally: mdi_->tileSubWindows(); break;
    case kCloseAll: mdi_->closeAllSubWindows(); break;
    case kClose:
    case kExit: close(); break;
    case kHelpPickEdit:
    case kHelpToolbar:
      if (show_help) show_help(this);
      break;
    default:
      prompter_->Tell("This command is not available yet.", "Horizon Pick/Edit",
                      MessageIcon::Information);
  }
  if (id == kCascade) mdi_->cascadeSubWindows();
}

SectionPickWindow* WorkspaceFrame::OpenInline(int line_index) {
  return OpenSection(PickSectionKind::Inline, line_index);
}

SectionPickWindow* WorkspaceFrame::OpenCrossline(int trace_index) {
  return OpenSection(PickSectionKind::Crossline, trace_index);
}

SectionPickWindow* WorkspaceFrame::OpenArbitrary(const std::string& arb_path) {
  workspace_.arbitrary_line = arb_path;
  if (arbitrary_) {
    arbitrary_->ShowArbitraryLine(arb_path);
    return arbitrary_;
  }
  arbitrary_ = AddSectionWindow(NewArbitraryWindow(workspace_, arb_path));
  return arbitrary_;
}

SectionPickWindow* WorkspaceFrame::OpenSection(PickSectionKind kind, int position) {
  QPointer<SectionPickWindow>& slot = kind == PickSectionKind::Inline ? inline_ : crossline_;
  if (slot) {
    slot->ShowPosition(position);
    return slot;
  }
  slot = AddSectionWindow(NewPickWindow(workspace_, kind, position));
  return slot;
}

SectionPickWindow* WorkspaceFrame::AddSectionWindow(PickWindowState state) {
  auto* window = new SectionPickWindow(workspace_, *events_, *prompter_, std::move(state));
  connect(window, &SectionPickWindow::readout, status_[0], &QLabel::setText);
  connect(window, &SectionPickWindow::commandChosen, this, &WorkspaceFrame::Dispatch);
  connect(window, &SectionPickWindow::crossingWanted, this, [this](int notice_kind, int index) {
    if (notice_kind == PositionNotice::Trace)
      OpenCrossline(index);
    else
      OpenInline(index);
  });
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  const int k = workspace_.windows_opened++;
  sub->setGeometry(20 * k + 1, 20 * k + 1, 500, 400);
  sub->show();
  active_ = window;
  return window;
}

// "Plot Arbitrary Line": the current arbitrary line (the one last created),
// else one chosen from the project's ".arb" files.
void WorkspaceFrame::CommandPlotArbitrary() {
  if (!workspace_.arbitrary_line.empty()) {
    OpenArbitrary(workspace_.arbitrary_line);
    return;
  }
  const std::vector<std::string> names = ListFilesWithExtension(workspace_.folder, "arb");
  if (names.empty()) {
    prompter_->Tell(
        "The project has no arbitrary lines. Draw one on a map with Create Arbitrary Line.",
        "Plot Arbitrary Line", MessageIcon::Information);
    return;
  }
  HorizonListDialog dialog(names, {names.front()}, false, this);
  dialog.setWindowTitle("Select Arbitrary Lines");
  dialog.setProperty("help_page", "pick_edit.html");
  if (!run_dialog(dialog) || dialog.chosen().empty()) return;
  OpenArbitrary(JoinPath(workspace_.folder, dialog.chosen().front()));
}

// Zoom In and Zoom Out without a map to draw on: In asks for the zoom window
// ("Set  Zoom Parameters"), Out shows the whole survey again.
void WorkspaceFrame::CommandZoomWithoutMap(bool zoom_in) {
  if (zoom_in) {
    CommandSetZoom();
    return;
  }
  workspace_.zoom = FullSurveyZoom(workspace_.header());
  RepaintAll();
}

// "Autopick All Lines" without a map: over the zoom window, as a map without
// a polygon region does it.
void WorkspaceFrame::CommandAutopickWithoutMap() {
  if (!CurrentHorizon(workspace_)) {
    prompter_->Tell("Choose the horizon to autopick first (Select/Edit Horizon).",
                    "Autopick All Lines", MessageIcon::Information);
    return;
  }
  AutopickChoice choice = StartAutopickChoice(workspace_, false);
  if (!ChooseAutopick(choice)) return;
  StoreAutopickChoice(workspace_, choice);
  QtProgress progress(this, "Gridding Data");
  if (AutopickCurrent(workspace_, GridRegion{}, choice, progress, *prompter_,
                      [this] { return ChooseGridding(); }) == AutopickOutcome::Finished)
    RepaintAll();
}

bool WorkspaceFrame::ChooseAutopick(AutopickChoice& choice) {
  AutopickOptionsDialog dialog(choice, this);
  if (!run_dialog(dialog)) return false;
  choice = dialog.choice();
  return true;
}

// Every gridding run starts from the defaults.
std::optional<GriddingOptions> WorkspaceFrame::ChooseGridding() {
  GriddingOptionsDialog dialog(GriddingOptions{}, this);
  if (!run_dialog(dialog)) return std::nullopt;
  return dialog.options();
}

MapWindow* WorkspaceFrame::OpenMap(MapKind kind, const std::string& slice_path) {
  auto* map = new MapWindow(workspace_, *events_, *prompter_, kind, slice_path);
  map->section_marks = [this] {
    SectionMarks marks;
    if (inline_) marks.line_rows.push_back(inline_->state().position);
    if (crossline_) marks.trace_columns.push_back(crossline_->state().position);
    return marks;
  };
  map->run_dialog = [this](QDialog& dialog) { return run_dialog(dialog); };
  map->choose_autopick = [this](AutopickChoice& choice) { return ChooseAutopick(choice); };
  map->choose_gridding = [this] { return ChooseGridding(); };
  connect(map, &MapWindow::readout, this,
          [this](const QString& line, const QString& trace, const QString& value) {
            status_[0]->setText(line + "  " + trace + "  " + value);
          });
  connect(map, &MapWindow::sectionWanted, this, &WorkspaceFrame::ShowSectionFromMap);
  connect(map, &MapWindow::cursorCell, this, [this](int row, int column) {
    for (SectionPickWindow* section : findChildren<SectionPickWindow*>())
      section->ShowCrossHair(GridCell{row, column});
  });
  connect(map, &MapWindow::commandChosen, this, &WorkspaceFrame::Dispatch);
  connect(map, &MapWindow::drawNote, status_[0], &QLabel::setText);
  QMdiSubWindow* sub = mdi_->addSubWindow(map);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  const int k = workspace_.windows_opened++;
  sub->setGeometry(20 * k + 1, 20 * k + 1, 500, 400);
  sub->show();
  active_map_ = map;
  return map;
}

MapWindow* WorkspaceFrame::ActiveMap() const {
  if (QMdiSubWindow* sub = mdi_->activeSubWindow())
    if (auto* map = qobject_cast<MapWindow*>(sub->widget())) return map;
  return active_map_;
}

// A Shift-click on a map: an open window that shows sections of that kind
// takes the position, else a new one opens there.
void WorkspaceFrame::ShowSectionFromMap(bool inline_window, int index) {
  const PositionNotice notice{inline_window ? PositionNotice::Line : PositionNotice::Trace, index};
  if (!events_->Offer(notice)) {
    if (inline_window)
      OpenInline(index);
    else
      OpenCrossline(index);
  }
  RepaintMaps();
}

void WorkspaceFrame::RepaintMaps() {
  for (MapWindow* map : findChildren<MapWindow*>()) map->Repaint();
}

void WorkspaceFrame::CommandPlotSlice() {
  auto path = prompter_->OpenFile({.title = "Open Time Slice",
                                   .filter_names = {"Time Slice Files (*.slc)"},
                                   .filter_patterns = {"*.slc"},
                                   .initial_directory = workspace_.folder});
  if (path) OpenMap(MapKind::Slice, *path);
}

void WorkspaceFrame::CommandCreateArbitraryLine() {
  MapWindow* map = ActiveMap();
  if (!map || map->view_state().kind == MapKind::Slice) return;
  if (auto path = prompter_->SaveFile({.title = "Create Arbitrary File",
                                       .filter_names = {"Arbitrary Files (*.arb)"},
                                       .filter_patterns = {"*.arb"},
                                       .initial_directory = workspace_.folder,
                                       .default_extension = "arb",
                                       .must_exist = false,
                                       .prompt_overwrite = true})) {
    workspace_.arbitrary_line = *path;
    map->StartArbitraryLine(*path);
  }
}

void WorkspaceFrame::CommandSelectWells() {
  MapWindow* map = ActiveMap();
  if (!map) return;
  std::vector<std::string> names = ListFilesWithExtension(workspace_.folder, "wll");
  for (const std::string& group : ListFilesWithExtension(workspace_.folder, "lgv"))
    names.push_back(group);
  SelectWellsDialog dialog(names, map->well_names(), this);
  if (run_dialog(dialog)) map->SetWells(dialog.chosen(), dialog.label(), dialog.symbol_inches());
}

void WorkspaceFrame::CommandLoadDxf() {
  MapWindow* map = ActiveMap();
  if (!map) return;
  std::vector<std::string> paths = map->culture_paths();
  if (!SelectDxfFiles(this, workspace_.folder, paths, run_dialog)) return;
  status_[0]->setText("Starting DXF Plot");
  map->SetCulture(paths);
  status_[0]->setText("End DXF Plot");
}

SectionPickWindow* WorkspaceFrame::ActiveSection() const {
  if (QMdiSubWindow* sub = mdi_->activeSubWindow())
    if (auto* window = qobject_cast<SectionPickWindow*>(sub->widget())) return window;
  return active_;
}

void WorkspaceFrame::MoveActive(int steps) {
  if (SectionPickWindow* window = ActiveSection()) window->Move(steps);
  RepaintMaps();
}

void WorkspaceFrame::RepaintAll() {
  events_->Changed(this);
}

void WorkspaceFrame::ShowCurrentHorizon() {
  auto horizon = CurrentHorizon(workspace_);
  const std::string name = horizon ? FileNameOf(horizon->path) : "";
  horizon_field_->setText(QString::fromStdString("HORIZON - " + name));
  status_[1]->setText(
      QString::fromStdString(FormatText("Pick Win %d", workspace_.settings.pick_window_ms)));
  status_[2]->setText(QString::fromStdString(name));
  ShowMode();
}

void WorkspaceFrame::CommandOpenHorizons() {
  HorizonListDialog dialog(ListFilesWithExtension(workspace_.folder, "hor"),
                           workspace_.horizons.names, true, this);
  if (!run_dialog(dialog)) return;
  workspace_.horizons.Open(dialog.chosen());
  ShowCurrentHorizon();
  RepaintAll();
}

void WorkspaceFrame::CommandSelectHorizon() {
  const std::string* current = workspace_.horizons.Current();
  HorizonListDialog dialog(
      workspace_.horizons.names,
      current ? std::vector<std::string>{*current} : std::vector<std::string>{}, false, this);
  if (!run_dialog(dialog)) return;
  // Nothing selected leaves no horizon current.
  const auto& names = workspace_.horizons.names;
  workspace_.horizons.current =
      dialog.chosen().empty()
          ? -1
          : static_cast<int>(std::find(names.begin(), names.end(), dialog.chosen()[0]) -
                             names.begin());
  ShowCurrentHorizon();
  RepaintAll();
}

// "Create Horizon File", then "Select Color" for its pen. From a section
// window's pop-up menu the new horizon is opened and made current; from the
// Horizon menu the open horizons are closed and the new one is opened with
// Open Horizons.
void WorkspaceFrame::CreateHorizon(bool open_it) {
  auto path = prompter_->SaveFile({.title = "Create Horizon File",
                                   .filter_names = {"Horizon Files (*.hor)", "All Files (*.*)"},
                                   .filter_patterns = {"*.hor", "*.*"},
                                   .initial_directory = workspace_.folder,
                                   .default_extension = "hor",
                                   .must_exist = false,
                                   .prompt_overwrite = true});
  if (!path) return;
  const HorizonLocation horizon = LocateHorizon(workspace_.folder, *path);
  if (!CreateHorizonFile(horizon, workspace_.header())) {
    prompter_->Tell("Cannot create " + horizon.path, "Create Horizon File", MessageIcon::Error);
    return;
  }
  SelectColourDialog colour(HorizonStyle{}.colour_index, this);
  if (run_dialog(colour)) {
    const int index = colour.index();
    UpdateHorizonStyle(horizon.path, [index](HorizonStyle& s) { s.colour_index = index; });
  }
  if (open_it) {
    workspace_.horizons.Append(FileNameOf(*path));
  } else {
    workspace_.horizons.names.clear();
    workspace_.horizons.current = -1;
  }
  ShowCurrentHorizon();
  RepaintAll();
}

void WorkspaceFrame::CommandSetZoom() {
  const SurveyHeader& h = workspace_.header();
  const ZoomWindow& z = workspace_.zoom;
  int defaults[4] = {h.first_line, h.first_trace, h.last_line, h.last_trace};
  WorkspaceZoomDialog dialog(z.first_line, z.first_trace, z.last_line, z.last_trace, defaults,
                             this);
  if (!run_dialog(dialog)) return;
  int v[4];
  if (!dialog.values(v) || v[0] > v[2] || v[1] > v[3] || v[0] < h.first_line ||
      v[2] > h.last_line || v[1] < h.first_trace || v[3] > h.last_trace) {
    prompter_->Tell("The zoom window must lie inside the survey, its start before its end.",
                    "Set  Zoom Parameters", MessageIcon::Warning);
    return;
  }
  workspace_.zoom = {v[0], v[2], v[1], v[3]};
}

void WorkspaceFrame::CommandBatchProcess() {
  if (BatchProcessFromWindow(this, workspace_.project, workspace_.params)) RepaintAll();
}

void WorkspaceFrame::CommandSetLine() {
  SectionPickWindow* window = ActiveSection();
  if (!window) return;
  auto [low, high] = NumberRange(workspace_.header(), window->state().kind);
  SelectLineDialog dialog(low, high, this);
  // An arbitrary window takes an offset, starting from 0.
  if (window->state().kind == PickSectionKind::Arbitrary) dialog.field()->setText("0");
  int number = 0;
  if (!run_dialog(dialog) || !dialog.value(number)) return;
  window->ShowNumber(number);
}

void WorkspaceFrame::CommandSnap() {
  QtProgress progress(this, "Snap Horizon");
  if (!SnapCurrentHorizon(workspace_, *prompter_, progress)) return;
  status_[0]->setText("Repick Finished");
  RepaintAll();
}

void WorkspaceFrame::CommandZeroCrossing() {
  using namespace workspace_command;
  QMenu menu(this);
  for (int id : {kPeakUp, kPeakDown, kTroughUp, kTroughDown})
    menu.addAction(commands_->action(id)->text(), this, [this, id] { Dispatch(id); });
  menu.exec(QCursor::pos());
}

void WorkspaceFrame::CommandPickFromPrevious() {
  SectionPickWindow* window = ActiveSection();
  if (!window || !PickFromPreviousSection(workspace_, window->state(), *prompter_)) return;
  RepaintAll();
}

void WorkspaceFrame::CommandAutoFlatten() {
  if (!SetAutoFlatten(workspace_, !workspace_.flatten.on))
    prompter_->Tell("Auto Flatten needs a current horizon that can be read.", "Auto Flatten",
                    MessageIcon::Warning);
  RepaintAll();
}

void WorkspaceFrame::CommandPickOptions() {
  PickOptionsDialog dialog(PickOptionsOf(workspace_), this);
  if (!run_dialog(dialog)) return;
  ApplyPickOptions(workspace_, dialog.values());
  ShowCurrentHorizon();
  RepaintAll();
}

void WorkspaceFrame::CommandTraceOptions() {
  TraceOptionsDialog dialog(TraceOptionsOf(workspace_),
                            ListFilesWithExtension(workspace_.folder, "flt"), this);
  if (!run_dialog(dialog)) return;
  TraceOptions options;
  std::string problem;
  if (dialog.values(options, problem)) problem = ApplyTraceOptions(workspace_, options);
  if (!problem.empty()) {
    prompter_->Tell(problem, "Pick Trace Options", MessageIcon::Warning);
    return;
  }
  using namespace workspace_command;
  const int step = workspace_.settings.display_step;
  commands_->action(kGoBack)->setText(QString("Go Back %1").arg(step));
  commands_->action(kGoForward)->setText(QString("Go Forward %1").arg(step));
  ShortenToolBar();
  for (SectionPickWindow* window : findChildren<SectionPickWindow*>())
    window->ShowTimes(workspace_.settings.first_time_ms, workspace_.settings.last_time_ms);
  RepaintAll();
}

void WorkspaceFrame::CommandParameters() {
  if (EditProcessingOptions(this, workspace_.params)) RepaintAll();
}

void WorkspaceFrame::CommandTimeSlices() {
  GenerateTimeSlicesWithDialog(this, workspace_.project, workspace_.flatten, workspace_.params,
                               *prompter_, run_dialog);
  RepaintAll();
}

void WorkspaceFrame::closeEvent(QCloseEvent* event) {
  mdi_->closeAllSubWindows();
  if (!closed_ && !CloseWorkspace(workspace_))
    prompter_->Tell("Cannot write " + PickSettingsPath(workspace_.folder), "Horizon Pick/Edit",
                    MessageIcon::Error);
  closed_ = true;
  event->accept();
}

}  // namespace quarrix
