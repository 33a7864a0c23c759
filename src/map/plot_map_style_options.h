#pragma once
// The options of quarrix-batch plot-map that style a presentation plot the
// way the horizon plot window's pages do: line rows, contour labels, well
// posting and colours, fault and arbitrary line names, DXF line options.
#include <set>
#include <string>

#include "map/horizon_plot.h"
#include "platform/command_line.h"

namespace quarrix {

// The options with a value and the flags these add to the command line.
const std::set<std::string>& PlotStyleValueOptions();
const std::set<std::string>& PlotStyleFlagOptions();

// Applies them to settings whose contour classes are already in place; ""
// when all are sound, else what is wrong, worded for the user.
std::string ReadPlotStyleOptions(const CommandLine& line, HorizonPlotSettings& settings);

// The lines of the command's help about them.
extern const char kPlotStyleHelp[];

}  // namespace quarrix
