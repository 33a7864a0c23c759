#pragma once
// The workspace's fault commands: the "F&ault" menu and the fault tool bar.
// Edits of the current fault go through the fault engine and repaint every
// window; commands with a dialog go to the shell by number.
#include <vector>

#include "platform/command_table.h"
#include "workspace/workspace_commands.h"

namespace quarrix {

namespace workspace_command {
constexpr int kCreateFault = 2200;
constexpr int kOpenFaults = 2113;
constexpr int kSelectFault = 2114;
constexpr int kEraseFault = 10042;
constexpr int kEraseFaultRange = 10043;
constexpr int kShowPreviousFault = 10044;
constexpr int kFaultFromPrevious = 10045;
constexpr int kShiftFaultLeft = 10046;
constexpr int kShiftFaultRight = 10047;
constexpr int kShiftFaultUp = 10048;
constexpr int kShiftFaultDown = 10049;
constexpr int kInterpolateFaults = 10050;
constexpr int kUninterpolateFaults = 10051;
// The fault tool bar's "Undo last operation" is the workspace's own command.
constexpr int kUndoFaultOperation = kUndoLast;
constexpr int kBlankHorizonAtFault = 2211;
constexpr int kFaultToHorizon = 2209;
constexpr int kHorizonToFault = 2214;
// The fault pop-up menu of the section windows: open fault k, and "Create
// Fault", whose new fault is opened and made current.
constexpr int kFaultMenuFirst = 42100;
constexpr int kFaultMenuCount = 199;
constexpr int kPopupCreateFault = 42400;
}  // namespace workspace_command

// The fault tool bar in its order: the fault commands, then the navigation
// buttons it shares with the horizon tool bar.
std::vector<int> FaultToolBar();

// The section windows' right-button menu in fault mode: every open fault,
// the current one checked, then "Create Fault".
std::vector<PopupItem> FaultPopupMenu(const Workspace& workspace);

CommandTable FaultCommands(Workspace& workspace, Prompter& prompter, WorkspaceShell shell);

}  // namespace quarrix
