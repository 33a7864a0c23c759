#include "loader/segy_refusal.h"

namespace quarrix {

bool RefuseUnloadableSegy(const SegyBinaryInfo& info, const std::string& source,
                          Prompter& prompter) {
  std::string problem = SegyLoadProblem(info);
  if (problem.empty()) return false;
  prompter.Tell(problem + "\n" + source, "Error", MessageIcon::Error);
  return true;
}

}  // namespace quarrix
