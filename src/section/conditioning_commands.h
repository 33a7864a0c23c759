#pragma once
// Batch commands of trace conditioning: "condition" prints one conditioned
// trace, "process" conditions a whole trace file.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunConditionCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunProcessCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
