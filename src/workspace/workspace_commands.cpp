#include "workspace/workspace_commands.h"

#include <algorithm>

#include "horizon/horizon_style.h"
#include "platform/text_util.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

constexpr int kTypeGroup = 1;
constexpr int kStyleGroup = 2;
constexpr int kModeGroup = 3;

}  // namespace

std::vector<PopupItem> HorizonPopupMenu(const Workspace& w) {
  using namespace workspace_command;
  std::vector<PopupItem> items;
  const int count = std::min(static_cast<int>(w.horizons.names.size()), kHorizonMenuCount);
  for (int k = 0; k < count; ++k)
    items.push_back({kHorizonMenuFirst + k, w.horizons.names[static_cast<std::size_t>(k)],
                     k == w.horizons.current});
  items.push_back({kPopupCreateHorizon, "Create Horizon", false});
  return items;
}

CommandTable WorkspaceCommands(Workspace& w, Prompter& prompter, WorkspaceShell shell) {
  using namespace workspace_command;
  auto by_shell = [shell](int id) { return [shell, id] { shell.run(id); }; };
  auto type = [&w](int t) { return [&w, t] { SetPickType(w, t); }; };
  auto type_checked = [&w](int t) {
    return [&w, t] {
      const int current = CurrentPickType(w) & 7;
      return t == kPickZeroAbovePeak ? current >= kPickZeroAbovePeak : current == t;
    };
  };
  auto style = [&w](int s) { return [&w, s] { w.settings.pick_style = s; }; };
  auto style_checked = [&w](int s) { return [&w, s] { return w.settings.pick_style == s; }; };
  auto mode = [&w](int m) { return [&w, m] { w.settings.interaction_mode = m; }; };
  auto mode_checked = [&w](int m) { return [&w, m] { return w.settings.interaction_mode == m; }; };
  auto move = [shell](int steps) { return [shell, steps] { shell.move_active(steps); }; };
  const std::string back = FormatText("Go Back %d", w.settings.display_step);
  const std::string forward = FormatText("Go Forward %d", w.settings.display_step);
  auto repaint_after = [shell](std::function<bool()> edit) {
    return [shell, edit] {
      if (edit()) shell.repaint_all();
    };
  };
  CommandTable t = {
      {kClose, "&File", "&Close", "", 0, {}, {}, by_shell(kClose)},
      {kExit, "&File", "E&xit", "", 0, {}, {}, by_shell(kExit)},
      {kOpenHorizons, "&Horizon", "&Open Horizons", "", 0, {}, {}, by_shell(kOpenHorizons)},
      {kSelectHorizon, "&Horizon", "&Select/Edit Horizon", "", 0, {}, {}, by_shell(kSelectHorizon)},
      {kCreateHorizon, "&Horizon", "&Create Horizon", "", 0, {}, {}, by_shell(kCreateHorizon)},
      MenuSeparator("&Horizon"),
      {kSnapHorizon, "&Horizon", "S&nap Horizon", "", 0, {}, {}, by_shell(kSnapHorizon)},
      {kEraseInWindow,
       "&Horizon",
       "&Erase Picks in Window",
       "",
       0,
       {},
       {},
       repaint_after([&w, &prompter] { return EraseCurrentInWindow(w, prompter); })},
      {kSetZoom, "&Horizon", "Set &Zoom Parameters", "", 0, {}, {}, by_shell(kSetZoom)},
      {kCreateTimeSlice,
       "&Horizon",
       "Create &Time Slice",
       "",
       0,
       {},
       {},
       by_shell(kCreateTimeSlice)},
      {kUndoEdit,
       "&Edit",
       "&Undo Pick Edit",
       "Ctrl+Z",
       0,
       [&w] { return w.undo.has_value() || w.fault_undo.has_value(); },
       {},
       repaint_after([&w, &prompter] { return UndoLastEdit(w, prompter); })},
      {kUndoLast, "&Edit", "Undo &last operation", "", 0, {}, {}, [shell] { shell.repaint_all(); }},
      {kPlotInline, "&Plot", "Plot &In-Line", "", 0, {}, {}, by_shell(kPlotInline)},
      {kPlotCrossline, "&Plot", "Plot &Cross-Line", "", 0, {}, {}, by_shell(kPlotCrossline)},
      {kPlotArbitrary, "&Plot", "Plot &Arbitrary Line", "", 0, {}, {}, by_shell(kPlotArbitrary)},
      {kPlotHorizonTime, "&Plot", "Plot Horizon &Time ", "", 0, {}, {}, by_shell(kPlotHorizonTime)},
      {kPlotHorizonAmp, "&Plot", "Plot &Horizon Amp", "", 0, {}, {}, by_shell(kPlotHorizonAmp)},
      {kPlotTimeSlice, "&Plot", "Plot Time &Slice", "", 0, {}, {}, by_shell(kPlotTimeSlice)},
      {kPlotContour, "&Plot", "Plot C&ontour Horizon", "", 0, {}, {}, by_shell(kPlotContour)},
      // The map windows' own commands go to the active map.
      {kSelectPolygon, "&Map", "Select &Poly Rgn", "", 0, {}, {}, by_shell(kSelectPolygon)},
      {kEraseInterior, "&Map", "Erase &Interior Rgn", "", 0, {}, {}, by_shell(kEraseInterior)},
      {kEraseExterior, "&Map", "Erase E&xterior Rgn", "", 0, {}, {}, by_shell(kEraseExterior)},
      {kCreateArbitraryLine,
       "&Map",
       "Create &Arbitrary Line",
       "",
       0,
       {},
       {},
       by_shell(kCreateArbitraryLine)},
      {kSelectWells, "&Map", "Select &Wells", "", 0, {}, {}, by_shell(kSelectWells)},
      {kLoadDxfFiles, "&Map", "Load &DXF Files", "", 0, {}, {}, by_shell(kLoadDxfFiles)},
      {kDxfOptions, "&Map", "D&XF Options", "", 0, {}, {}, by_shell(kDxfOptions)},
      {kWellOptions, "&Map", "Well &Options", "", 0, {}, {}, by_shell(kWellOptions)},
      {kMapOptions, "&Map", "&Map Options", "", 0, {}, {}, by_shell(kMapOptions)},
      {kHorizonColour, "&Map", "Horizon &Color", "", 0, {}, {}, by_shell(kHorizonColour)},
      {kViewHorizonValues,
       "&Map",
       "&View Horizon Values",
       "",
       0,
       {},
       {},
       by_shell(kViewHorizonValues)},
      {kPrintMap, "&Map", "&Print Map", "", 0, {}, {}, by_shell(kPrintMap)},
      {kSaveMapMetafile,
       "&Map",
       "Save Map As &Meta File",
       "",
       0,
       {},
       {},
       by_shell(kSaveMapMetafile)},
      {kPickOptions, "&Options", "&Pick Options", "", 0, {}, {}, by_shell(kPickOptions)},
      {kTraceOptions, "&Options", "&Trace Options", "", 0, {}, {}, by_shell(kTraceOptions)},
      {kContourOptions, "&Options", "C&ontour Options", "", 0, {}, {}, by_shell(kContourOptions)},
      {kParameters, "&Options", "P&arameters", "", 0, {}, {}, by_shell(kParameters)},
      {kBatchProcess, "&Options", "&Batch Process", "", 0, {}, {}, by_shell(kBatchProcess)},
      {kCascade, "&Window", "&Cascade", "", 0, {}, {}, by_shell(kCascade)},
      {kTileVertically, "&Window", "&Vertical Tile", "", 0, {}, {}, by_shell(kTileVertically)},
      {kTileHorizontally,
       "&Window",
       "&Horizontal Tile",
       "",
       0,
       {},
       {},
       by_shell(kTileHorizontally)},
      {kCloseAll, "&Window", "Close &All", "", 0, {}, {}, by_shell(kCloseAll)},
      {kHelpPickEdit, "&Help", "&Pick/Edit", "", 0, {}, {}, by_shell(kHelpPickEdit)},
      {kHelpToolbar, "&Help", "&Toolbar", "", 0, {}, {}, by_shell(kHelpToolbar)},
      // The horizon tool bar, in its order.
      {kPickFaults,
       "&Tools",
       "Pick Faults",
       "",
       kModeGroup,
       {},
       mode_checked(kModeFaults),
       mode(kModeFaults),
       true},
      {kPickHorizons,
       "&Tools",
       "Pick Horizons",
       "",
       kModeGroup,
       {},
       mode_checked(kModeHorizons),
       mode(kModeHorizons)},
      {kPickPeaks,
       "&Tools",
       "Pick Peaks",
       "",
       kTypeGroup,
       {},
       type_checked(kPickPeak),
       type(kPickPeak),
       true},
      {kPickTroughs,
       "&Tools",
       "Pick Trough",
       "",
       kTypeGroup,
       {},
       type_checked(kPickTrough),
       type(kPickTrough),
       true},
      {kPickZeroCrossing,
       "&Tools",
       "Pick Zero Crossing",
       "",
       kTypeGroup,
       {},
       type_checked(kPickZeroAbovePeak),
       by_shell(kPickZeroCrossing),
       true},
      {kPickCursor,
       "&Tools",
       "Pick At Cursor",
       "",
       kTypeGroup,
       {},
       type_checked(kPickAtCursor),
       type(kPickAtCursor),
       true},
      {kErasePicks,
       "&Tools",
       "Erase Picks",
       "",
       0,
       {},
       [&w] { return (CurrentPickType(w) & kPickErase) != 0; },
       [&w] { SetEraseFlag(w); },
       true},
      {kZoomIn, "&Tools", "Zoom In", "", 0, {}, {}, by_shell(kZoomIn), true},
      {kZoomOut, "&Tools", "Zoom Out", "", 0, {}, {}, by_shell(kZoomOut), true},
      {kAutopickAll, "&Tools", "Autopick All Lines", "", 0, {}, {}, by_shell(kAutopickAll), true},
      {kClearAutoPicks,
       "&Tools",
       "Clear Auto Picks",
       "",
       0,
       {},
       {},
       repaint_after([&w, &prompter] { return ClearCurrentAutoPicks(w, prompter); }),
       true},
      {kShowPrevious,
       "&Tools",
       "Show Previous Picks",
       "",
       0,
       {},
       [&w] { return w.show_previous; },
       [&w, shell] {
         w.show_previous = !w.show_previous;
         shell.repaint_all();
       },
       true},
      {kPickFromPrevious,
       "&Tools",
       "Pick From Previous",
       "",
       0,
       {},
       {},
       by_shell(kPickFromPrevious),
       true},
      {kRubberBand,
       "&Tools",
       "Rubber Band Pick",
       "",
       kStyleGroup,
       {},
       style_checked(kPickStyleRubberBand),
       style(kPickStyleRubberBand),
       true},
      {kEntireLine,
       "&Tools",
       "Pick Entire Line",
       "",
       kStyleGroup,
       {},
       style_checked(kPickStyleEntireLine),
       style(kPickStyleEntireLine),
       true},
      {kSetLine, "&Tools", "Set Line or XLine", "", 0, {}, {}, by_shell(kSetLine), true},
      {kGoBack,
       "&Tools",
       back,
       "",
       0,
       {},
       {},
       [&w, shell] { shell.move_active(-w.settings.display_step); },
       true},
      {kGoPrevious, "&Tools", "Go To Previous", "", 0, {}, {}, move(-1), true},
      {kRefresh, "&Tools", "Refresh Window", "", 0, {}, {}, by_shell(kRefresh), true},
      {kGoNext, "&Tools", "Go To Next", "", 0, {}, {}, move(1), true},
      {kGoForward,
       "&Tools",
       forward,
       "",
       0,
       {},
       {},
       [&w, shell] { shell.move_active(w.settings.display_step); },
       true},
      {kAutoFlatten,
       "&Tools",
       "Auto Flatten",
       "",
       0,
       {},
       [&w] { return w.flatten.on; },
       by_shell(kAutoFlatten),
       true},
      {kPeakUp, "&Tools", "Pick Peak Up", "", 0, {}, {}, type(kPickZeroAbovePeak)},
      {kPeakDown, "&Tools", "Pick Peak Dn", "", 0, {}, {}, type(kPickZeroBelowPeak)},
      {kTroughUp, "&Tools", "Pick Trough Up", "", 0, {}, {}, type(kPickZeroAboveTrough)},
      {kTroughDown, "&Tools", "Pick Trough Dn", "", 0, {}, {}, type(kPickZeroBelowTrough)},
  };
  return t;
}

}  // namespace quarrix
