#include "platform/plot_file_dialogs.h"

#include "platform/prompter.h"

namespace quarrix {
namespace {

// Saving never replaces a file unasked.
FileDialogRequest BitmapRequest(const char* title, const std::string& project_dir, bool saving) {
  return {.title = title,
          .filter_names = {"Bitmap Files (*.bmp)"},
          .filter_patterns = {"*.bmp"},
          .initial_directory = project_dir,
          .default_extension = "bmp",
          .must_exist = !saving,
          .prompt_overwrite = saving};
}

}  // namespace

std::optional<std::string> ChooseMetafileName(Prompter& prompter, const std::string& project_dir) {
  return prompter.SaveFile({.title = "SAVE WMF FILE",
                            .filter_names = {"WMF Files (*.wmf)", "EMF Files (*.emf)"},
                            .filter_patterns = {"*.wmf", "*.emf"},
                            .initial_directory = project_dir,
                            .default_extension = "emf",
                            .must_exist = false,
                            .prompt_overwrite = true});
}

std::optional<std::string> ChooseBitmapToOpen(Prompter& prompter, const std::string& project_dir) {
  return prompter.OpenFile(BitmapRequest("Open Bitmap File", project_dir, false));
}

std::optional<std::string> ChooseBitmapToSave(Prompter& prompter, const std::string& project_dir) {
  return prompter.SaveFile(BitmapRequest("Save Bitmap File", project_dir, true));
}

bool SavePlotTellingUser(const std::string& path, const PlotPage& page, const DrawPlot& draw,
                         RasterPlotWriter* raster, Prompter& prompter) {
  std::string error;
  if (SavePlot(path, page, draw, raster, error)) return true;
  if (PlotFormatOf(path) == PlotFormat::Bitmap)
    prompter.Tell("Error Generating BMP File", "Error", MessageIcon::Warning);
  else
    prompter.Tell(error, "Error", MessageIcon::Warning);
  return false;
}

}  // namespace quarrix
