// The Import/Export window's horizon data, arbitrary line and Tridex commands.
#include "exchange/import_export_parts.h"
#include "exchange/sheet_arbitrary.h"
#include "exchange/sheet_horizon_data.h"
#include "fault/tridex_import.h"
#include "horizon/arbitrary_line.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/text_util.h"
#include "project/output_guard.h"
#include "project/project_state.h"

namespace quarrix {
namespace {

using namespace sheet_command;

void ShowLoaded(ImportExportDocument& doc, const ImportExportContext& c, const std::string& path) {
  doc.history.Forget();
  doc.hidden_columns.clear();
  doc.current_file = path;
  doc.title = doc.base_title + " -- " + FileNameOf(path);
  if (doc.table.virtual_mode()) doc.title += " (Virtual Mode)";
  c.changed();
}

FileDialogRequest HorizonDataRequest(const char* title, const ProjectState& project) {
  FileDialogRequest request =
      SheetFileRequest(title, {{"Horizon (*.hor)", "*.hor"}, {"All Files (*.*)", "*.*"}}, project);
  request.default_extension = "hor";
  return request;
}

void SaveHorizonData(const ImportExportDocument& doc, const ImportExportContext& c) {
  FileDialogRequest request = HorizonDataRequest("Save Horizon Data", c.project);
  if (HasExtension(doc.current_file, "hor")) request.initial_file = FileNameOf(doc.current_file);
  request.must_exist = false;
  request.prompt_overwrite = true;
  auto path = c.prompter.SaveFile(request);
  if (path) SaveSheetIntoHorizon(doc.table, c.project, *path, c.prompter);
}

// "Convert &Tridex to Quarrix": the fault file goes beside the ".fal"; an
// existing one is replaced only when the user says so.
void ConvertTridexFaults(const ImportExportContext& c) {
  FileDialogRequest request =
      SheetFileRequest("Convert Tridex Fault File", {{"Fault Files (*.fal)", "*.fal"}}, c.project);
  auto path = c.prompter.OpenFile(request);
  if (!path) return;
  const std::string target = TridexFaultTarget(*path);
  if (IsProjectFile(c.project, target)) {
    c.prompter.Tell("Cannot Create Fault File!", "", MessageIcon::Warning);
    return;
  }
  if (FileExists(target) &&
      c.prompter.Message(FormatText("File %s Exists,\nOverwrite?", FileNameOf(target).c_str()),
                         "Overwrite?", MessageIcon::Question,
                         MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  if (ImportTridexFile(*path, c.project.header, c.prompter))
    c.prompter.Tell("Fault file " + FileNameOf(target) + " written.", "Convert Tridex Fault File",
                    MessageIcon::Information);
}

// Commands whose files this version does not read or write: listed, greyed.
void AddUnavailable(CommandTable& table, int id, const char* menu, const char* text,
                    const ImportExportContext& c) {
  std::string name = text;
  std::erase(name, '&');
  table.push_back({id,
                   menu,
                   text,
                   "",
                   0,
                   [] { return false; },
                   {},
                   [c, name] {
                     c.prompter.Tell("\"" + name + "\" is not available in this version.",
                                     "Import/Export", MessageIcon::Information);
                   }});
}

}  // namespace

void AddHorizonLineCommands(CommandTable& table, ImportExportDocument& doc,
                            const ImportExportContext& c) {
  table.push_back(
      {kLoadHorizonData, "Hori&zon", "Load Horizon Data", "", 0, {}, {}, [&doc, c] {
         auto path = c.prompter.OpenFile(HorizonDataRequest("Open Horizon File", c.project));
         if (path && LoadHorizonDataIntoSheet(doc.table, c.project.header, *path, c.prompter))
           ShowLoaded(doc, c, *path);
       }});
  table.push_back({kSaveHorizonData, "Hori&zon", "Sa&ve Horizon Data", "", 0, {}, {}, [&doc, c] {
                     SaveHorizonData(doc, c);
                   }});
  table.push_back(MenuSeparator("Hori&zon"));
  AddUnavailable(table, kOpenHorizonList, "Hori&zon", "Open Horizon List", c);
  AddUnavailable(table, kSaveHorizonList, "Hori&zon", "Save Horizon List", c);
  AddUnavailable(table, kConvertToTridex, "Hori&zon", "&Convert to Tridex", c);
  table.push_back({kLoadArbitrary, "Hori&zon", "Load Arbitrary", "", 0, {}, {}, [&doc, c] {
                     FileDialogRequest request = SheetFileRequest(
                         "Load Arbitrary", {{"Arbitrary Files (*.arb)", "*.arb"}}, c.project);
                     auto path = c.prompter.OpenFile(request);
                     if (!path) return;
                     ArbitraryLine line;
                     if (!ReadArbitraryLine(*path, c.project.header, line)) {
                       c.prompter.Tell("Cannot Open File " + *path, "Error");
                       return;
                     }
                     LoadArbitraryIntoSheet(doc.table, line.bins, c.project.header);
                     ShowLoaded(doc, c, *path);
                   }});
  table.push_back(
      {kConvertTridexToQuarrix, "&Convert", "Convert &Tridex to Quarrix", "", 0, {}, {}, [c] {
         ConvertTridexFaults(c);
       }});
  AddUnavailable(table, kConvertQuarrixToTridex, "&Convert", "Convert &Quarrix to Tridex", c);
  table.push_back(MenuSeparator("&Convert"));
  table.push_back(
      {kConvertToArbitrary, "&Convert", "Convert to Arbitrary", "", 0, {}, {}, [&doc, c] {
         ConvertSheetToArbitraryFile(doc.table, c.project, false, c.prompter);
       }});
  table.push_back(
      {kConvertToArbitraryAndFill,
       "&Convert",
       "Convert to Arbitrary && &Fill",
       "",
       0,
       {},
       {},
       [&doc, c] { ConvertSheetToArbitraryFile(doc.table, c.project, true, c.prompter); }});
}

}  // namespace quarrix
