#include "workspace/workspace.h"

#include "fault/fault_file.h"
#include "horizon/bulk_edits.h"
#include "horizon/horizon_style.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/project_state.h"

namespace quarrix {
std::optional<PickEnvironment> CurrentEnvironment(Workspace& w, Prompter& prompter,
                                                  const GridRegion& region) {
  auto horizon = CurrentHorizon(w);
  if (!horizon) return std::nullopt;
  return PickEnvironment{
      w.header(), w.project.amp, nullptr, *horizon, w.zoom, region, w.settings.pick_window_ms,
      prompter};
}

// An unreadable horizon keeps the older snapshot, which then belongs to
// nothing the edit touches.
void RememberForUndo(Workspace& w) {
  if (auto horizon = CurrentHorizon(w))
    if (auto snapshot = SnapshotHorizon(*horizon, w.header())) {
      w.undo = std::move(snapshot);
      w.fault_undo.reset();
    }
}

const SurveyHeader& Workspace::header() const {
  return project.header;
}

Workspace OpenWorkspace(ProjectState& project) {
  Workspace w(project);
  w.folder = DirectoryOf(project.header_path);
  if (w.folder.empty()) w.folder = ".";
  w.settings = LoadPickSettings(w.folder, project.header);
  w.horizons.names = w.settings.horizons;
  w.horizons.current = w.settings.current_horizon;
  w.zoom = FullSurveyZoom(project.header);
  w.faults.names = w.settings.faults;
  w.faults.current = w.settings.current_fault;
  return w;
}

bool CloseWorkspace(Workspace& w) {
  w.settings.horizons = w.horizons.names;
  w.settings.current_horizon = w.horizons.current;
  w.settings.faults = w.faults.names;
  w.settings.current_fault = w.faults.current;
  return SavePickSettings(w.folder, w.settings);
}

std::optional<HorizonLocation> CurrentHorizon(const Workspace& w) {
  const std::string* name = w.horizons.Current();
  if (!name) return std::nullopt;
  return LocateHorizon(w.folder, *name);
}

bool ChooseHorizon(Workspace& w, int index) {
  if (index < 0 || index >= static_cast<int>(w.horizons.names.size())) return false;
  w.horizons.current = index;
  return true;
}

int CurrentPickType(const Workspace& w) {
  auto horizon = CurrentHorizon(w);
  if (!horizon) return kPickPeak;
  return ReadHorizonStyle(horizon->path).value_or(HorizonStyle{}).pick_type;
}

void SetPickType(Workspace& w, int type) {
  if (auto horizon = CurrentHorizon(w))
    UpdateHorizonStyle(horizon->path, [type](HorizonStyle& s) { s.pick_type = type; });
}

void SetEraseFlag(Workspace& w) {
  if (auto horizon = CurrentHorizon(w))
    UpdateHorizonStyle(horizon->path, [](HorizonStyle& s) { s.pick_type |= kPickErase; });
}

PickOutcome PickOnSection(Workspace& w, const PickSection& section, const PickGesture& gesture,
                          Prompter& prompter) {
  auto env = CurrentEnvironment(w, prompter);
  if (!env) return PickOutcome::Picked;
  RememberForUndo(w);
  return PickLine(*env, section, gesture);
}

bool SnapCurrentHorizon(Workspace& w, Prompter& prompter, Progress& progress) {
  auto env = CurrentEnvironment(w, prompter);
  if (!env) return false;
  const std::string question = FormatText(
      "You are about to repick all picked horizon times\nand generate amplitudes values.\nThe "
      "Pick Window %d ms.\nDo you wish to proceed?",
      w.settings.pick_window_ms);
  if (prompter.Message(question, "Snap Horizon", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return false;
  UpdateHorizonStyle(env->horizon.path, [](HorizonStyle& s) { s.pick_type &= 7; });
  RememberForUndo(w);
  return SnapHorizon(*env, progress) == EditOutcome::Done;
}

bool EraseCurrentInWindow(Workspace& w, Prompter& prompter) {
  auto env = CurrentEnvironment(w, prompter);
  if (!env) return false;
  if (prompter.Message("You are about to delete all picks in window.", "Are You Sure?",
                       MessageIcon::Stop, MessageButtons::YesNo) != MessageAnswer::Yes)
    return false;
  RememberForUndo(w);
  return ErasePicksInWindow(*env) == EditOutcome::Done;
}

bool ClearCurrentAutoPicks(Workspace& w, Prompter& prompter) {
  auto env = CurrentEnvironment(w, prompter);
  if (!env) return false;
  RememberForUndo(w);
  return ClearAutoPicks(*env) == EditOutcome::Done;
}

bool UndoLastEdit(Workspace& w, Prompter& prompter) {
  if (w.fault_undo) {
    const bool saved = SaveFault(w.fault_undo->path, w.fault_undo->grid, prompter);
    if (saved) w.fault_undo.reset();
    return saved;
  }
  if (!w.undo) return false;
  if (RestoreHorizon(*w.undo, w.header()) < 0) {
    prompter.Tell("Cannot write " + w.undo->horizon.path, "Undo", MessageIcon::Error);
    return false;
  }
  w.undo.reset();
  return true;
}

}  // namespace quarrix
