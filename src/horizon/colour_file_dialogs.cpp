#include "horizon/colour_file_dialogs.h"

#include <filesystem>

#include "horizon/colour_files.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

struct ColourFilter {
  const char* name;
  const char* pattern;
};

// The filters in the order the dialog lists them, the preselected one first.
void SetFilters(FileDialogRequest& request, std::initializer_list<ColourFilter> filters) {
  int k = 0;
  for (const ColourFilter& filter : filters) {
    request.filter_names[k] = filter.name;
    request.filter_patterns[k] = filter.pattern;
    ++k;
  }
}

std::string WithExtension(const std::string& path, const char* extension) {
  if (path.empty()) return "";
  return std::filesystem::path(path).replace_extension(extension).string();
}

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

bool IsColourFileName(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  return EqualsIgnoreCase(extension, ".col") || EqualsIgnoreCase(extension, ".aco");
}

}  // namespace

void UseDefaultColours(NamedColourBar& colours) {
  SetDefaultColourBar(colours.bar);
  colours.name = kDefaultColourBarName;
}

bool OpenColourFileWithDialog(NamedColourBar& colours, ColourFileKind kind,
                              const std::string& project_folder, Prompter& prompter) {
  FileDialogRequest request;
  request.title = "OPEN COLOR FILE";
  const ColourFilter aco{"Color Files (*.aco)", "*.aco"}, col{"Color Files (*.col)", "*.col"},
      all{"All Files (*.*)", "*.*"};
  if (kind == ColourFileKind::Amplitude)
    SetFilters(request, {aco, col, all});
  else
    SetFilters(request, {col, aco, all});
  request.initial_directory = project_folder;
  request.must_exist = true;
  std::optional<std::string> path = prompter.OpenFile(request);
  if (!path) return false;
  ColourBar loaded = colours.bar;
  if (!ReadColourFile(*path, loaded)) {
    prompter.Tell("Cannot OPEN Horizon Color File!", "", MessageIcon::Warning);
    return false;
  }
  colours.bar = loaded;
  colours.name = FileName(*path);
  return true;
}

bool SaveColourFileWithDialog(NamedColourBar& colours, ColourFileKind kind,
                              const std::string& project_folder,
                              const std::string& current_horizon_path,
                              const std::string& first_horizon_path, Prompter& prompter) {
  FileDialogRequest request;
  request.title = "SAVE COLOR FILE";
  const ColourFilter col{"Color Files (*.col)", "*.col"}, aco{"(*.aco)", "*.aco"},
      all{"All Files (*.*)", "*.*"};
  if (kind == ColourFileKind::HorizonTime) {
    SetFilters(request, {col, aco, all});
    request.default_extension = "col";
    request.initial_file = WithExtension(current_horizon_path, ".col");
  } else {
    SetFilters(request, {aco, col, all});
    request.default_extension = "aco";
    request.initial_file = WithExtension(first_horizon_path, ".aco");
  }
  request.initial_directory = project_folder;
  request.must_exist = false;
  request.prompt_overwrite = true;
  std::optional<std::string> path = prompter.SaveFile(request);
  if (!path) return false;
  std::error_code error;
  if (std::filesystem::exists(*path, error) && !IsColourFileName(*path)) {
    prompter.Tell(*path + " exists and is not a color file (*.col, *.aco): it is left as it is", "",
                  MessageIcon::Warning);
    return false;
  }
  if (!SaveColourFile(*path, colours.bar, first_horizon_path, prompter)) return false;
  colours.name = FileName(*path);
  return true;
}

}  // namespace quarrix
