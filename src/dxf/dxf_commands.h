#pragma once
// The "dxf" batch command.
#include <ostream>
#include <string>
#include <vector>

namespace quarrix {

// "dxf info FILE.dxf [--json]": what the reader keeps of a drawing.
int RunDxfCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
