#pragma once
// The batch commands on project files: "header show|set" and "xy create|convert".
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunHeaderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunXyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
