#pragma once
// "Open Plot Bitmap" of the plot windows: a bitmap chosen in the project
// folder is shown in place of the plot until the plot is drawn again.
#include <string>

namespace quarrix {

class PlotView;
class Prompter;

void OpenPlotBitmap(PlotView& view, Prompter& prompter, const std::string& project_dir);

}  // namespace quarrix
