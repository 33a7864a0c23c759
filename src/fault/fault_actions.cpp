#include "fault/fault_actions.h"

#include "fault/fault_conversions.h"
#include "fault/fault_file.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

std::optional<std::string> AskTarget(const std::string& folder, const char* title,
                                     const char* filter, const char* extension,
                                     Prompter& prompter) {
  return prompter.SaveFile({.title = title,
                            .filter_names = {filter},
                            .filter_patterns = {std::string("*.") + extension},
                            .initial_directory = folder,
                            .default_extension = extension,
                            .must_exist = false,
                            .prompt_overwrite = true});
}

}  // namespace

std::string FaultWorkspace::CurrentPath() const {
  const std::string* name = faults.Current();
  return name ? JoinPath(project_folder, *name) : "";
}

std::optional<std::string> CreateFaultWithDialog(const std::string& project_folder,
                                                 const SurveyHeader& header, Prompter& prompter) {
  auto path =
      AskTarget(project_folder, "Create Fault File", "Fault Files (*.ffl)", "ffl", prompter);
  if (!path || !CreateFaultFile(*path, header, prompter)) return std::nullopt;
  return path;
}

bool EditCurrentFault(const FaultWorkspace& workspace, Prompter& prompter,
                      const std::function<void(FaultGrid&)>& edit) {
  const std::string path = workspace.CurrentPath();
  if (path.empty()) return false;
  FaultGrid grid = SurveyFaultGrid(workspace.header);
  if (!ReadFault(path, grid, prompter)) return false;
  edit(grid);
  return SaveFault(path, grid, prompter);
}

bool ConvertCurrentFaultToHorizon(const FaultWorkspace& workspace, Prompter& prompter) {
  const std::string fault = workspace.CurrentPath();
  if (fault.empty()) return false;
  auto target = AskTarget(workspace.project_folder, "Select Horizon File Name",
                          "Horizon Files (*.hor)", "hor", prompter);
  return target && ConvertFaultToHorizon(fault, LocateHorizon(workspace.project_folder, *target),
                                         workspace.header, prompter);
}

bool ConvertHorizonToFaultWithDialog(const FaultWorkspace& workspace,
                                     const std::string& horizon_path, Prompter& prompter) {
  auto target = AskTarget(workspace.project_folder, "Select Fault File Name", "Fault Files (*.ffl)",
                          "ffl", prompter);
  return target && ConvertHorizonToFault(horizon_path, *target, workspace.header, prompter);
}

bool BlankHorizonAtOpenFaults(const FaultWorkspace& workspace, const std::string& horizon_path,
                              Prompter& prompter) {
  std::vector<std::string> paths;
  for (const std::string& name : workspace.faults.names)
    paths.push_back(JoinPath(workspace.project_folder, name));
  return BlankHorizonAtFaults(horizon_path, paths, workspace.header, prompter) >= 0;
}

}  // namespace quarrix
