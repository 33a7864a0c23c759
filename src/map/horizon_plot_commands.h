#pragma once
// The presentation horizon plot window ("HORIZON", menu "HORIZONM"): what it
// holds between commands and its command table. Commands that change only the
// state run here; those that need a dialog, a device or a file go to the
// window.
#include <functional>
#include <optional>
#include <string>

#include "map/horizon_plot_document.h"
#include "map/horizon_plot_tools.h"
#include "platform/command_table.h"

namespace quarrix {

namespace horizon_plot_command {
constexpr int kOpenHorizon = 2037;
constexpr int kOpenOther = 2225;
constexpr int kOpenBitmap = 2096;
constexpr int kSaveBitmap = 2097;
constexpr int kImportDxf = 2081;
constexpr int kDxf = 2085;
constexpr int kSurface = 2059;
constexpr int kSaveMetafile = 2043;
constexpr int kHorizonValues = 2205;
constexpr int kPrint = 2072;
constexpr int kPrintSetup = 2033;
constexpr int kExit = 2034;
constexpr int kScale = 2039;
constexpr int kOptions = 2040;
constexpr int kComments = 2063;
constexpr int kZoom = 2042;
constexpr int kOpenColourFile = 2062;
constexpr int kChangeColours = 2060;
constexpr int kSaveColourFile = 2061;
constexpr int kSetDefaultColours = 2091;
constexpr int kCreatePolyFault = 2086;
constexpr int kEditPolyFault = 2087;
constexpr int kShowPolyFault = 2088;
constexpr int kSavePolyFault = 2089;
constexpr int kRefresh = 2090;
constexpr int kCreateWell = 2071;
constexpr int kOpenWell = 2070;
constexpr int kResetView = 2094;  // the 3-D view back to its starting camera
constexpr int kHelp = 2077;
}  // namespace horizon_plot_command

enum class PolyFaultMode { Off, Digitising, Showing };

struct HorizonPlotState {
  HorizonPlotSettings settings;
  std::optional<HorizonPlotDocument> document;
  PolyFaultSketch poly_faults;
  PolyFaultMode poly_mode = PolyFaultMode::Off;
  std::string poly_fault_path;  // the ".flp" beside the plotted horizon

  bool HasPlot() const { return document.has_value(); }
  bool ShowsSurface() const { return settings.type == HorizonPlotType::Surface; }
};

// The outlines the plot draws: the sketch while poly faults are digitised or
// shown, the file's outlines otherwise.
void ShowPolyFaults(HorizonPlotState& state);

// replot: the state changed what is shown. window_command: a command the
// window carries out itself.
CommandTable HorizonPlotCommands(HorizonPlotState& state, std::function<void()> replot,
                                 std::function<void(int)> window_command);

}  // namespace quarrix
