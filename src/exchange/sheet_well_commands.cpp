// The Import/Export window's &Wells menu.
#include "exchange/import_export_parts.h"
#include "exchange/math_inputs.h"
#include "exchange/well_exchange.h"
#include "platform/paths.h"
#include "project/project_state.h"

namespace quarrix {
namespace {

using namespace sheet_command;

std::string ProjectFolder(const ImportExportContext& c) {
  return DirectoryOf(c.project.header_path);
}

// Names of the project's files with that extension, or nothing when there
// are none (said) or the user cancels the list.
std::optional<std::vector<std::string>> ChooseProjectFiles(const ImportExportContext& c,
                                                           const char* pattern, bool multiple) {
  std::vector<std::string> names = FilesOfKind(ProjectFolder(c), pattern);
  if (names.empty()) {
    c.prompter.Tell(std::string("The project folder holds no ") + pattern + " files.", "Wells",
                    MessageIcon::Information);
    return std::nullopt;
  }
  if (!c.choose_names) return std::nullopt;
  auto chosen = c.choose_names("Select Wells", names, multiple);
  if (!chosen || chosen->empty()) return std::nullopt;
  return chosen;
}

void ShowLoaded(ImportExportDocument& doc, const ImportExportContext& c, const std::string& path) {
  doc.history.Forget();
  doc.hidden_columns.clear();
  doc.current_file = path;
  doc.title = doc.base_title + " -- " + FileNameOf(path);
  c.changed();
}

FileDialogRequest WellTopsRequest(const char* title, const ImportExportDocument& doc,
                                  const ProjectState& project) {
  FileDialogRequest request = SheetFileRequest(title, {{"Well Tops (*.welt)", "*.welt"}}, project);
  request.default_extension = "welt";
  if (!doc.current_file.empty()) request.initial_file = FileNameOf(WellTopsPath(doc.current_file));
  return request;
}

void EditGroupAttributes(const ImportExportDocument& doc, const ImportExportContext& c) {
  // The group the sheet shows, else one chosen from the project's groups.
  std::string group_path = doc.current_file;
  if (!HasExtension(group_path, "lgv")) {
    auto chosen = ChooseProjectFiles(c, "*.lgv", false);
    if (!chosen) return;
    group_path = JoinPath(ProjectFolder(c), chosen->front());
  }
  const std::string attributes_path = BaseWithDot(group_path) + "wga";
  WellAttributes attributes = ReadWellAttributesFile(attributes_path, c.well_defaults);
  std::string group = FileNameOf(group_path);
  group.resize(group.size() - 4);  // without ".lgv"
  if (!c.edit_group_attributes || !c.edit_group_attributes(group, attributes)) return;
  if (!WriteWellAttributesFile(attributes_path, attributes))
    c.prompter.Tell("Cannot write the well group attributes " + attributes_path, "Error");
}

}  // namespace

void AddWellCommands(CommandTable& table, ImportExportDocument& doc, const ImportExportContext& c) {
  table.push_back({kLoadWells, "&Wells", "&Load Wells", "", 0, {}, {}, [&doc, c] {
                     auto chosen = ChooseProjectFiles(c, "*.wll", true);
                     if (!chosen) return;
                     LoadWellsIntoSheet(doc.table, ProjectFolder(c), *chosen);
                     ShowLoaded(doc, c, JoinPath(ProjectFolder(c), chosen->front()));
                   }});
  table.push_back({kLoadWellGroup, "&Wells", "Load Well &Group", "", 0, {}, {}, [&doc, c] {
                     auto chosen = ChooseProjectFiles(c, "*.lgv", false);
                     if (!chosen) return;
                     const std::string path = JoinPath(ProjectFolder(c), chosen->front());
                     LoadWellGroupIntoSheet(doc.table, ProjectFolder(c), path);
                     ShowLoaded(doc, c, path);
                   }});
  table.push_back({kGroupAttributes, "&Wells", "Group &Atributes", "", 0, {}, {}, [&doc, c] {
                     EditGroupAttributes(doc, c);
                   }});
  table.push_back(MenuSeparator("&Wells"));
  table.push_back({kLoadWellTops, "&Wells", "Load Well &Tops", "", 0, {}, {}, [&doc, c] {
                     auto path =
                         c.prompter.OpenFile(WellTopsRequest("Load Well Tops", doc, c.project));
                     if (!path) return;
                     if (!LoadTabFile(doc.table, *path)) {
                       c.prompter.Tell("Cannot Open File " + *path, "Error");
                       return;
                     }
                     ShowLoaded(doc, c, *path);
                   }});
  table.push_back({kSaveWellTops, "&Wells", "&Save Well Tops", "", 0, {}, {}, [&doc, c] {
                     FileDialogRequest request = WellTopsRequest("Save Well Tops", doc, c.project);
                     request.must_exist = false;
                     request.prompt_overwrite = true;
                     auto path = c.prompter.SaveFile(request);
                     if (path && !SaveTabFile(doc.table, *path))
                       c.prompter.Tell("Cannot write the well tops " + *path, "Error");
                   }});
}

}  // namespace quarrix
