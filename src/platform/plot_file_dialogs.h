#pragma once
// The file dialogs of plot output: where a metafile is saved and which bitmap
// is opened or saved. Each returns nothing when the user cancels.
#include <optional>
#include <string>

namespace quarrix {

class Prompter;

// "SAVE WMF FILE": a placeable metafile, whatever extension is chosen.
std::optional<std::string> ChooseMetafileName(Prompter& prompter, const std::string& project_dir);
// "Open Bitmap File" and "Save Bitmap File".
std::optional<std::string> ChooseBitmapToOpen(Prompter& prompter, const std::string& project_dir);
std::optional<std::string> ChooseBitmapToSave(Prompter& prompter, const std::string& project_dir);

}  // namespace quarrix
