#include "workspace/fault_commands.h"

#include <algorithm>

#include "fault/fault_edits.h"
#include "fault/fault_interpolation.h"
#include "project/project_state.h"
#include "workspace/fault_mode.h"
#include "workspace/pick_window.h"
#include "workspace/workspace.h"

namespace quarrix {

std::vector<int> FaultToolBar() {
  using namespace workspace_command;
  return {kPickHorizons,
          kEraseFault,
          kEraseFaultRange,
          kShowPreviousFault,
          kFaultFromPrevious,
          kShiftFaultLeft,
          kShiftFaultRight,
          kShiftFaultUp,
          kShiftFaultDown,
          kInterpolateFaults,
          kUninterpolateFaults,
          kUndoFaultOperation,
          kSetLine,
          kGoBack,
          kGoPrevious,
          kRefresh,
          kGoNext,
          kGoForward};
}

std::vector<PopupItem> FaultPopupMenu(const Workspace& w) {
  using namespace workspace_command;
  std::vector<PopupItem> items;
  const int count = std::min(static_cast<int>(w.faults.names.size()), kFaultMenuCount);
  for (int k = 0; k < count; ++k)
    items.push_back(
        {kFaultMenuFirst + k, w.faults.names[static_cast<std::size_t>(k)], k == w.faults.current});
  items.push_back({kPopupCreateFault, "Create Fault", false});
  return items;
}

CommandTable FaultCommands(Workspace& w, Prompter& prompter, WorkspaceShell shell) {
  using namespace workspace_command;
  auto by_shell = [shell](int id) { return [shell, id] { shell.run(id); }; };
  auto repaint_after = [shell](std::function<bool()> edit) {
    return [shell, edit] {
      if (edit()) shell.repaint_all();
    };
  };
  // An edit of the current fault on the active window's section.
  auto section_edit = [&w, &prompter, shell,
                       repaint_after](std::function<void(FaultGrid&, const PickSection&)> edit) {
    return repaint_after([&w, &prompter, shell, edit] {
      const PickWindowState* window = shell.active ? shell.active() : nullptr;
      if (!window) return false;
      const PickSection section = SectionOf(w.header(), *window);
      return EditFault(w, prompter, [&](FaultGrid& grid) { edit(grid, section); });
    });
  };
  auto sideways = [&w](ScreenSide side) {
    return [&w, side](FaultGrid& grid, const PickSection& section) {
      ShiftFaultSideways(grid, section, side, w.settings.plot_direction != 0);
    };
  };
  auto in_time = [&w](int samples) {
    return [&w, samples](FaultGrid& grid, const PickSection& section) {
      ShiftFaultInTime(grid, section, samples * w.header().sample_rate);
    };
  };
  auto current_horizon_path = [&w] {
    auto horizon = CurrentHorizon(w);
    return horizon ? horizon->path : std::string();
  };
  CommandTable t = {
      {kCreateFault,
       "F&ault",
       "&Create Fault",
       "",
       0,
       {},
       {},
       [&w, &prompter] { CreateFaultWithDialog(w.folder, w.header(), prompter); }},
      {kOpenFaults, "F&ault", "&Open Faults", "", 0, {}, {}, by_shell(kOpenFaults)},
      {kSelectFault, "F&ault", "&Select/Edit Fault", "", 0, {}, {}, by_shell(kSelectFault)},
      MenuSeparator("F&ault"),
      {kBlankHorizonAtFault,
       "F&ault",
       "&Blank Horizon at Fault",
       "",
       0,
       {},
       {},
       repaint_after([&w, &prompter, current_horizon_path] {
         const std::string horizon = current_horizon_path();
         return !horizon.empty() && BlankHorizonAtOpenFaults(FaultsOf(w), horizon, prompter);
       })},
      {kFaultToHorizon,
       "F&ault",
       "Convert &Fault to Horizon",
       "",
       0,
       {},
       {},
       [&w, &prompter] { ConvertCurrentFaultToHorizon(FaultsOf(w), prompter); }},
      {kHorizonToFault,
       "F&ault",
       "Convert &Horizon to Fault",
       "",
       0,
       {},
       {},
       [&w, &prompter, current_horizon_path] {
         const std::string horizon = current_horizon_path();
         if (!horizon.empty()) ConvertHorizonToFaultWithDialog(FaultsOf(w), horizon, prompter);
       }},
      MenuSeparator("F&ault"),
      {kEraseFault,
       "F&ault",
       "Erase Fault",
       "",
       0,
       {},
       [&w] { return w.erase_fault; },
       [&w] { w.erase_fault = !w.erase_fault; }},
      {kEraseFaultRange, "F&ault", "Erase Fault Range", "", 0, {}, {}, by_shell(kEraseFaultRange)},
      {kShowPreviousFault,
       "F&ault",
       "Show Previous Fault",
       "",
       0,
       {},
       [&w] { return w.show_previous_fault; },
       [&w, shell] {
         w.show_previous_fault = !w.show_previous_fault;
         shell.repaint_all();
       }},
      {kFaultFromPrevious,
       "F&ault",
       "Set Fault from Previous",
       "",
       0,
       {},
       {},
       repaint_after([&w, &prompter, shell] {
         const PickWindowState* window = shell.active ? shell.active() : nullptr;
         return window && FaultFromPrevious(w, *window, prompter);
       })},
      {kShiftFaultLeft,
       "F&ault",
       "Shift Fault Left",
       "",
       0,
       {},
       {},
       section_edit(sideways(ScreenSide::Left))},
      {kShiftFaultRight,
       "F&ault",
       "Shift Fault Right",
       "",
       0,
       {},
       {},
       section_edit(sideways(ScreenSide::Right))},
      {kShiftFaultUp, "F&ault", "Shift Up", "", 0, {}, {}, section_edit(in_time(-1))},
      {kShiftFaultDown, "F&ault", "Shift Down", "", 0, {}, {}, section_edit(in_time(1))},
      {kInterpolateFaults,
       "F&ault",
       "Interpolate Faults",
       "",
       0,
       {},
       {},
       by_shell(kInterpolateFaults)},
      {kUninterpolateFaults,
       "F&ault",
       "Uninterpolate Faults",
       "",
       0,
       {},
       {},
       by_shell(kUninterpolateFaults)},
  };
  return t;
}

}  // namespace quarrix
