#include "platform/allocation_guard.h"

#include <new>
#include <ostream>
#include <stdexcept>

namespace quarrix {

int RunReportingAllocationFailure(const std::string& name, std::ostream& err,
                                  const std::function<int()>& command) {
  try {
    return command();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  err << name << ": Unable to allocate storage for " << name
      << " (the survey's grid needs more memory than this machine has)\n";
  return 1;
}

}  // namespace quarrix
