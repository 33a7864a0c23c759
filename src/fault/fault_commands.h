#pragma once
// "quarrix-batch fault": the fault operations on fault files from a shell.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunFaultCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
