#include "platform/plot_file_dialogs.h"

#include "platform/prompter.h"

namespace quarrix {
namespace {

FileDialogRequest BitmapRequest(const char* title, const std::string& project_dir) {
  FileDialogRequest request;
  request.title = title;
  request.filter_names[0] = "Bitmap Files (*.bmp)";
  request.filter_patterns[0] = "*.bmp";
  request.initial_file = "*.bmp";
  request.default_extension = "bmp";
  request.initial_directory = project_dir;
  return request;
}

}  // namespace

std::optional<std::string> ChooseMetafileName(Prompter& prompter, const std::string& project_dir) {
  FileDialogRequest request;
  request.title = "SAVE WMF FILE";
  request.filter_names[0] = "WMF Files (*.wmf)";
  request.filter_patterns[0] = "*.wmf";
  request.filter_names[1] = "EMF Files (*.emf)";
  request.filter_patterns[1] = "*.emf";
  request.default_extension = "wmf";
  request.initial_directory = project_dir;
  request.must_exist = false;
  request.prompt_overwrite = true;
  return prompter.SaveFile(request);
}

std::optional<std::string> ChooseBitmapToOpen(Prompter& prompter, const std::string& project_dir) {
  return prompter.OpenFile(BitmapRequest("Open Bitmap File", project_dir));
}

std::optional<std::string> ChooseBitmapToSave(Prompter& prompter, const std::string& project_dir) {
  FileDialogRequest request = BitmapRequest("Save Bitmap File", project_dir);
  request.must_exist = false;
  request.prompt_overwrite = true;
  return prompter.SaveFile(request);
}

}  // namespace quarrix
