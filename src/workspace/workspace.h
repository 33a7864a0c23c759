#pragma once
// The pick-edit workspace without its windows: the open horizons and the
// current one, the zoom window, the flattening, the pick settings and modes,
// and every edit a section window makes on the current horizon, each
// remembered for a one-step undo.
#include <optional>
#include <string>

#include "fault/open_faults.h"
#include "horizon/flattening.h"
#include "horizon/horizon_location.h"
#include "horizon/pick_environment.h"
#include "horizon/pick_line.h"
#include "horizon/pick_settings.h"
#include "section/processing_params.h"
#include "workspace/contour_map.h"
#include "workspace/pick_undo.h"

namespace quarrix {

class Progress;
class Prompter;
struct ProjectState;

struct Workspace {
  explicit Workspace(ProjectState& over) : project(over) {}

  ProjectState& project;
  std::string folder;  // the project folder: horizons, "pickedit.ini"
  PickSettings settings;
  OpenHorizonList horizons;
  ZoomWindow zoom;
  FlattenTable flatten;               // shifts of the flattened display
  ProcessingParams params;            // the sections' conditioning
  bool show_previous = false;         // "Show Previous Picks"
  bool show_last_display = true;      // the previous picks follow the last display
  bool auto_update = true;            // other windows repaint after a pick
  bool arbitrary_by_traces = true;    // arbitrary windows advance by traces
  std::string arbitrary_line;         // the current arbitrary line's ".arb" file, once chosen
  int windows_opened = 0;             // cascades new section windows
  std::optional<PickUndo> undo;       // the cells before the last edit
  ContourMapOptions contour_options;  // how the contour maps are drawn

  // Fault mode: the open faults, the fault toolbar's checks, and the fault
  // before the last fault edit (set instead of undo).
  OpenFaultList faults;
  bool show_previous_fault = false;  // "Show Previous Fault"
  bool erase_fault = false;          // "Erase Fault": the next gesture erases
  std::optional<FaultUndo> fault_undo;

  const SurveyHeader& header() const;
};

// A workspace over an open project: "pickedit.ini" read, its horizons open,
// the zoom window the whole survey.
Workspace OpenWorkspace(ProjectState& project);
// Writes "pickedit.ini" with the open horizons; false when it cannot be written.
bool CloseWorkspace(Workspace& workspace);

// The current horizon's files, or nothing without one.
std::optional<HorizonLocation> CurrentHorizon(const Workspace& workspace);
// Makes an open horizon (by list index) current; false for an index outside the list.
bool ChooseHorizon(Workspace& workspace, int index);
// The current horizon's pick type with its erase flag (peak without a horizon).
int CurrentPickType(const Workspace& workspace);
// A pick-type command: the type written into the current horizon's style
// word, the erase flag cleared. The erase command adds the flag instead.
void SetPickType(Workspace& workspace, int type);
void SetEraseFlag(Workspace& workspace);

// The picking engine's view of the current horizon over the zoom window (and
// region, when not empty); nothing without a current horizon.
std::optional<PickEnvironment> CurrentEnvironment(Workspace& workspace, Prompter& prompter,
                                                  const GridRegion& region = {});
// Remembers the current horizon's cells for the one-step undo.
void RememberForUndo(Workspace& workspace);

// Picks on a section with the current horizon through the picking engine,
// after remembering the horizon for undo. Without a current horizon nothing
// happens (Picked with no change).
PickOutcome PickOnSection(Workspace& workspace, const PickSection& section,
                          const PickGesture& gesture, Prompter& prompter);

// The bulk edits of the current horizon, remembered for undo like a pick.
// "Snap Horizon" asks first and clears the erase flag; "Erase Picks in
// Window" asks "Are You Sure?".
bool SnapCurrentHorizon(Workspace& workspace, Prompter& prompter, Progress& progress);
bool EraseCurrentInWindow(Workspace& workspace, Prompter& prompter);
bool ClearCurrentAutoPicks(Workspace& workspace, Prompter& prompter);

// Puts back the cells the last edit (of a horizon or a fault) changed;
// false when there is nothing to undo or the file could not be written (said).
bool UndoLastEdit(Workspace& workspace, Prompter& prompter);

}  // namespace quarrix
