#pragma once
// The workspace's fault commands on the current fault: each reads the fault
// file, changes the grid and saves it (extent recomputed), and does nothing
// when no fault is current. The conversions ask for their target file.
#include <functional>
#include <optional>
#include <string>

#include "fault/fault_grid.h"
#include "fault/open_faults.h"

namespace quarrix {

class Prompter;
struct SurveyHeader;

// Where the workspace's fault commands work: the project folder (where fault
// names resolve), the survey and the open faults.
struct FaultWorkspace {
  std::string project_folder;
  const SurveyHeader& header;
  const OpenFaultList& faults;

  // The current fault's path, or "" when none is current.
  std::string CurrentPath() const;
};

// "Create Fault File": asks for the name in the project folder and writes an
// empty fault; the path made, or nothing when cancelled or not written.
std::optional<std::string> CreateFaultWithDialog(const std::string& project_folder,
                                                 const SurveyHeader& header, Prompter& prompter);

// Reads the current fault, applies the edit and saves it. False when no fault
// is current or reading or saving failed (the user was told).
bool EditCurrentFault(const FaultWorkspace& workspace, Prompter& prompter,
                      const std::function<void(FaultGrid&)>& edit);

// "Convert Fault to Horizon": asks for the horizon file, then writes the
// current fault's times as its time grid.
bool ConvertCurrentFaultToHorizon(const FaultWorkspace& workspace, Prompter& prompter);
// "Convert Horizon to Fault": asks for the fault file, then writes the
// horizon's times into it.
bool ConvertHorizonToFaultWithDialog(const FaultWorkspace& workspace,
                                     const std::string& horizon_path, Prompter& prompter);
// "Blank Horizon at Fault": the horizon blanked at every open fault.
bool BlankHorizonAtOpenFaults(const FaultWorkspace& workspace, const std::string& horizon_path,
                              Prompter& prompter);

}  // namespace quarrix
