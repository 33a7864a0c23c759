#pragma once
// The batch commands of data exchange: horizon import and export, wells and
// horizon math. Each returns 0 on success, 1 on failure and 2 on bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace quarrix {

struct ProjectState;

int RunImportHorizonCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);
int RunExportHorizonCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);
int RunWellCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMathCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A file named on the command line: a bare name lies in the project folder,
// a name with a folder is taken as given.
std::string ProjectFileArgument(const ProjectState& project, const std::string& name);

}  // namespace quarrix
