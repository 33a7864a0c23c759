#pragma once
// The pick-edit workspace's command numbers and its command table: menus,
// the horizon tool bar and the keys. Commands that need a window or a dialog
// go to the shell by number; the others change the workspace here.
#include <functional>
#include <string>
#include <vector>

#include "platform/command_table.h"

namespace quarrix {

class Prompter;
struct Workspace;

namespace workspace_command {
constexpr int kClose = 2075;
constexpr int kExit = 2073;
constexpr int kCreateHorizon = 2107;
constexpr int kOpenHorizons = 2108;
constexpr int kSelectHorizon = 2115;
constexpr int kCreateTimeSlice = 2126;
constexpr int kPlotCrossline = 2098;
constexpr int kPlotInline = 2099;
constexpr int kPlotArbitrary = 2100;
// The map windows.
constexpr int kPlotHorizonTime = 2112;
constexpr int kPlotHorizonAmp = 2111;
constexpr int kPlotTimeSlice = 2118;
constexpr int kPlotContour = 2212;
constexpr int kContourOptions = 2213;
constexpr int kViewHorizonValues = 2153;
constexpr int kPrintMap = 2072;
constexpr int kSaveMapMetafile = 2043;
constexpr int kSelectPolygon = 2121;
constexpr int kEraseInterior = 2215;
constexpr int kEraseExterior = 2216;
constexpr int kCreateArbitraryLine = 2116;
constexpr int kSelectWells = 2119;
constexpr int kLoadDxfFiles = 2081;
constexpr int kHorizonColour = 2110;
constexpr int kMapOptions = 2203;
constexpr int kWellOptions = 2158;
constexpr int kDxfOptions = 2085;
constexpr int kPickOptions = 2105;
constexpr int kTraceOptions = 2104;
constexpr int kParameters = 2228;
constexpr int kCascade = 2101;
constexpr int kTileVertically = 2102;
constexpr int kTileHorizontally = 2103;
constexpr int kCloseAll = 2106;
constexpr int kHelpPickEdit = 2117;
constexpr int kHelpToolbar = 2196;
constexpr int kSnapHorizon = 2124;
constexpr int kEraseInWindow = 2120;
constexpr int kSetZoom = 2042;
constexpr int kBatchProcess = 2229;
// "Create Horizon" of a section window's pop-up menu: the new horizon is opened.
constexpr int kPopupCreateHorizon = 42300;
constexpr int kUndoLast = 10052;  // "Undo last operation": repaints
constexpr int kUndoEdit = 2230;   // puts back the last pick edit
// The horizon tool bar.
constexpr int kPickFaults = 10021;
constexpr int kPickHorizons = 10041;
constexpr int kPickPeaks = 10001;
constexpr int kPickTroughs = 10002;
constexpr int kPickZeroCrossing = 10003;
constexpr int kPickCursor = 10007;
constexpr int kErasePicks = 10012;
constexpr int kZoomIn = 2122;
constexpr int kZoomOut = 2123;
constexpr int kAutopickAll = 10008;
constexpr int kClearAutoPicks = 10009;
constexpr int kShowPrevious = 10018;
constexpr int kPickFromPrevious = 10019;
constexpr int kRubberBand = 10010;
constexpr int kEntireLine = 10011;
constexpr int kSetLine = 10014;
constexpr int kGoBack = 10015;
constexpr int kGoPrevious = 3200;
constexpr int kRefresh = 2090;
constexpr int kGoNext = 2402;
constexpr int kGoForward = 10017;
constexpr int kAutoFlatten = 10023;
// The zero-crossing pop-up menu.
constexpr int kPeakUp = 10053;
constexpr int kPeakDown = 10054;
constexpr int kTroughUp = 10055;
constexpr int kTroughDown = 10056;
// The horizon pop-up menu of the section windows: open horizon k.
constexpr int kHorizonMenuFirst = 42000;
constexpr int kHorizonMenuCount = 50;
}  // namespace workspace_command

// What the table's commands need from the shell.
struct PickWindowState;

struct WorkspaceShell {
  std::function<void(int)> run;  // commands that open windows or dialogs
  std::function<void()> repaint_all;
  std::function<void(int steps)> move_active;           // the active section window
  std::function<const PickWindowState*()> active = {};  // its state, null without one
};

// The section windows' right-button menu in horizon mode: every open horizon
// (command kHorizonMenuFirst + its index, the current one checked), then
// "Create Horizon".
struct PopupItem {
  int id = 0;
  std::string text;
  bool checked = false;
};
std::vector<PopupItem> HorizonPopupMenu(const Workspace& workspace);

CommandTable WorkspaceCommands(Workspace& workspace, Prompter& prompter, WorkspaceShell shell);

}  // namespace quarrix
