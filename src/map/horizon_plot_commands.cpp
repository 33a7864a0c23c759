#include "map/horizon_plot_commands.h"

namespace quarrix {

void ShowPolyFaults(HorizonPlotState& state) {
  if (!state.document) return;
  HorizonPlotData& data = state.document->data;
  if (state.poly_mode == PolyFaultMode::Off) {
    data.poly_fault_open = {};
    return;
  }
  data.poly_faults = state.poly_faults.closed;
  data.poly_fault_open = state.poly_faults.open;
}

CommandTable HorizonPlotCommands(HorizonPlotState& state, std::function<void()> replot,
                                 std::function<void(int)> window_command) {
  using namespace horizon_plot_command;
  auto by_window = [window_command](int id) {
    return [window_command, id] { window_command(id); };
  };
  auto has_plot = [&state] { return state.HasPlot(); };
  auto poly_open = [&state] { return state.HasPlot() && state.poly_mode != PolyFaultMode::Off; };
  auto surface = [&state] { return state.HasPlot() && state.ShowsSurface(); };
  auto plain = [&](int id, const char* menu, const char* text, std::function<bool()> enabled = {},
                   const char* key = "") {
    return CommandSpec{id, menu, text, key, 0, std::move(enabled), {}, by_window(id)};
  };
  CommandTable t = {
      plain(kOpenHorizon, "&File", "&Open  Horizon File", {}, "Ctrl+O"),
      plain(kOpenOther, "&File", "Ope&n Other", has_plot),
      plain(kImportDxf, "&File", "&Import DXF", has_plot),
      MenuSeparator("&File"),
      plain(kOpenBitmap, "&File", "Open Plot &Bitmap"),
      plain(kSaveBitmap, "&File", "Save Plo&t Bitmap", has_plot),
      plain(kSaveMetafile, "&File", "Save As &Meta File", has_plot),
      plain(kHorizonValues, "&File", "&Horizon Values", has_plot),
      MenuSeparator("&File"),
      plain(kPrint, "&File", "&Print", has_plot, "Ctrl+P"),
      plain(kPrintSetup, "&File", "Print &Setup"),
      MenuSeparator("&File"),
      plain(kExit, "&File", "E&xit"),
      plain(kScale, "&Options", "&Scale"),
      plain(kOptions, "&Options", "&Options"),
      plain(kDxf, "&Options", "&DXF"),
      plain(kComments, "&Options", "&Comments"),
      plain(kZoom, "&Options", "&Zoom", has_plot),
      MenuSeparator("&Options"),
      plain(kSurface, "&Options", "Sur&face", has_plot),
      {kResetView,
       "&Options",
       "Reset &View",
       "Home",
       0,
       surface,
       {},
       [&state, replot] {
         ResetSurfaceCamera(state.settings.camera);
         replot();
       }},
      {kRefresh, "&Options", "&Refresh", "F5", 0, {}, {}, replot},
      plain(kOpenColourFile, "&Color", "&Open Color File", has_plot),
      plain(kChangeColours, "&Color", "&Change Colors", has_plot),
      plain(kSaveColourFile, "&Color", "&Save Color File", has_plot),
      plain(kSetDefaultColours, "&Color", "Set Current as &Default", has_plot),
      plain(kCreatePolyFault, "Faul&t", "&Create Poly Fault", has_plot),
      plain(kEditPolyFault, "Faul&t", "&Edit Poly Fault", has_plot),
      plain(kShowPolyFault, "Faul&t", "&Show Poly Fault", has_plot),
      plain(kSavePolyFault, "Faul&t", "&Save Poly Fault", poly_open),
      plain(kCreateWell, "&Wells", "&Create Well", has_plot),
      plain(kOpenWell, "&Wells", "&Open Well", has_plot),
      plain(kHelp, "&Help", "&Help", {}, "F1"),
  };
  return t;
}

}  // namespace quarrix
