#pragma once
// The file questions of the plot windows' "Save As Meta File", "Save As
// Bitmap" and "Open Bitmap" commands, and saving with the user told of a
// failure.
#include <optional>
#include <string>

#include "platform/plot_output.h"

namespace quarrix {

class Prompter;

// "SAVE WMF FILE": ".wmf" or ".emf" (both saved as placeable metafiles),
// "emf" proposed; in the project folder.
std::optional<std::string> ChooseMetafileName(Prompter& prompter, const std::string& project_dir);
// "Open Bitmap File" / "Save Bitmap File" for ".bmp" files in the project folder.
std::optional<std::string> ChooseBitmapToOpen(Prompter& prompter, const std::string& project_dir);
std::optional<std::string> ChooseBitmapToSave(Prompter& prompter, const std::string& project_dir);

// SavePlot, telling the user when it fails: "Error Generating BMP File" for
// bitmaps (caption "Error"), the reason otherwise.
bool SavePlotTellingUser(const std::string& path, const PlotPage& page, const DrawPlot& draw,
                         RasterPlotWriter* raster, Prompter& prompter);

}  // namespace quarrix
