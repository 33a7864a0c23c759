#include "horizon/colour_file_dialogs.h"

#include <filesystem>

#include "horizon/colour_files.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

// The colour files of one kind: amplitude bars (".aco") or horizon time
// colours (".col"). The dialogs list the kind's own files first, preselected.
struct ColourFileNames {
  const char *own_name, *own_pattern, *other_name, *other_pattern, *extension;
};

ColourFileNames NamesOf(ColourFileKind kind, const char* aco_name) {
  if (kind == ColourFileKind::Amplitude)
    return {aco_name, "*.aco", "Color Files (*.col)", "*.col", "aco"};
  return {"Color Files (*.col)", "*.col", aco_name, "*.aco", "col"};
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
  const ColourFileNames names = NamesOf(kind, "Color Files (*.aco)");
  std::optional<std::string> path =
      prompter.OpenFile({.title = "OPEN COLOR FILE",
                         .filter_names = {names.own_name, names.other_name, "All Files (*.*)"},
                         .filter_patterns = {names.own_pattern, names.other_pattern, "*.*"},
                         .initial_directory = project_folder,
                         .must_exist = true});
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
  const ColourFileNames names = NamesOf(kind, "(*.aco)");
  // A time colour file is named after the current horizon, an amplitude bar
  // after the first one.
  const bool time = kind == ColourFileKind::HorizonTime;
  std::optional<std::string> path =
      prompter.SaveFile({.title = "SAVE COLOR FILE",
                         .filter_names = {names.own_name, names.other_name, "All Files (*.*)"},
                         .filter_patterns = {names.own_pattern, names.other_pattern, "*.*"},
                         .initial_directory = project_folder,
                         .initial_file = time ? WithExtension(current_horizon_path, ".col")
                                              : WithExtension(first_horizon_path, ".aco"),
                         .default_extension = names.extension,
                         .must_exist = false,
                         .prompt_overwrite = true});
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
