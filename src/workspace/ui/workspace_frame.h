#pragma once
// The pick-edit workspace frame: an MDI frame of section pick windows with
// the workspace's menus, horizon tool bar and status bar. It holds the core
// Workspace, reads "pickedit.ini" when it opens and writes it when it closes.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "workspace/map_edits.h"
#include "workspace/map_view.h"
#include "workspace/pick_window.h"
#include "workspace/workspace.h"

class QDialog;
class QLabel;
class QLineEdit;
class QMdiArea;
class QToolBar;

namespace quarrix {

class CommandHost;
class MapWindow;
class Prompter;
class SectionPickWindow;
class WorkspaceEvents;
struct PrinterSettings;
struct ProjectState;

class WorkspaceFrame : public QMainWindow {
  Q_OBJECT
 public:
  // prompter: where messages and file questions go (Qt dialogs when null).
  explicit WorkspaceFrame(ProjectState& project, Prompter* prompter = nullptr,
                          QWidget* parent = nullptr);
  ~WorkspaceFrame() override;

  // The frame's command dispatch; the main frame forwards its accelerators here.
  void Dispatch(int command_id);
  // Opens (or repaints) the in-line window on a line index, or the cross-line
  // window on a trace index.
  SectionPickWindow* OpenInline(int line_index);
  SectionPickWindow* OpenCrossline(int trace_index);
  // Opens (or shows the line in) the arbitrary window on an ".arb" file at offset 0.
  SectionPickWindow* OpenArbitrary(const std::string& arb_path);
  // Opens a map window: the current horizon's time or amplitude map, or a slice.
  MapWindow* OpenMap(MapKind kind, const std::string& slice_path = {});
  // The section window the commands act on: the active one, else the last opened.
  SectionPickWindow* ActiveSection() const;
  // The map window the map commands act on: the active one, else the last opened.
  MapWindow* ActiveMap() const;

  Workspace& workspace() { return workspace_; }
  CommandHost& commands() { return *commands_; }
  QMdiArea* mdi() const { return mdi_; }
  QLabel* status_part(int k) const { return status_[k]; }
  QLineEdit* horizon_field() const { return horizon_field_; }
  QLineEdit* fault_field() const { return fault_field_; }
  QToolBar* fault_tool_bar() const { return fault_bar_; }

  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  std::function<bool(QDialog&)> run_dialog;
  std::function<void(QWidget*)> show_help;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Run(int id);
  void ShortenToolBar();
  SectionPickWindow* OpenSection(PickSectionKind kind, int position);
  SectionPickWindow* AddSectionWindow(PickWindowState state);
  void CommandPlotArbitrary();
  void CommandZoomWithoutMap(bool zoom_in);
  void CommandAutopickWithoutMap();
  bool ChooseAutopick(AutopickChoice& choice);
  std::optional<GriddingOptions> ChooseGridding();
  void MoveActive(int steps);
  void ShowSectionFromMap(bool inline_window, int index);
  void RepaintMaps();
  void CommandPlotSlice();
  void CommandCreateArbitraryLine();
  void CommandSelectWells();
  void CommandLoadDxf();
  // Contour maps, the values view and map output (workspace_frame_maps.cpp).
  void CommandPlotContour();
  void CommandContourOptions();
  void CommandViewHorizonValues();
  void CommandPrintMap();
  void CommandSaveMapMetafile();
  void RepaintAll();
  void ShowCurrentHorizon();
  void CommandOpenHorizons();
  void CommandSelectHorizon();
  void CreateHorizon(bool open_it);
  void CommandSetZoom();
  void CommandBatchProcess();
  void CommandSetLine();
  void CommandSnap();
  void CommandZeroCrossing();
  void CommandPickFromPrevious();
  void CommandAutoFlatten();
  void CommandPickOptions();
  void CommandTraceOptions();
  void CommandParameters();
  void CommandTimeSlices();
  // Fault mode (workspace_frame_faults.cpp).
  void BuildFaultToolBar();
  void ShowMode();
  bool DispatchFaultPopup(int command_id);
  void CommandOpenFaults();
  void CommandSelectFault();
  void CommandEraseFaultRange();
  void CommandInterpolateFaults();
  void CommandUninterpolateFaults();

  Workspace workspace_;
  CommandHost* commands_;
  Prompter* prompter_;
  WorkspaceEvents* events_;
  QMdiArea* mdi_;
  QLabel* status_[3];
  QLineEdit* horizon_field_;
  QLineEdit* fault_field_ = nullptr;
  QToolBar* fault_bar_ = nullptr;
  QPointer<SectionPickWindow> inline_, crossline_, arbitrary_, active_;
  QPointer<MapWindow> active_map_;
  std::unique_ptr<PrinterSettings> printer_;  // the map windows' printer set-up
  bool closed_ = false;
};

}  // namespace quarrix
