#pragma once
// Ending a job cleanly when the machine cannot give it the memory it needs.
#include <functional>
#include <iosfwd>
#include <string>

namespace quarrix {

// Runs a command; when an allocation fails inside it (std::bad_alloc, or a
// container asked for more than it can ever hold) the command ends with
// "Unable to allocate storage for NAME" on err and status 1 instead of
// terminating the program.
int RunReportingAllocationFailure(const std::string& name, std::ostream& err,
                                  const std::function<int()>& command);

}  // namespace quarrix
