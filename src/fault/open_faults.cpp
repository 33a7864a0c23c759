#include "fault/open_faults.h"

#include <algorithm>

#include "platform/prompter.h"

namespace quarrix {
namespace {

void SayLimitReached(Prompter& prompter) {
  prompter.Tell("Fault limit reached", "", MessageIcon::Warning);
}

}  // namespace

void SelectFaults(OpenFaultList& list, const std::vector<std::string>& chosen, Prompter& prompter) {
  list.names.assign(chosen.begin(),
                    chosen.begin() + static_cast<long>(std::min(chosen.size(), kMaxOpenFaults)));
  if (chosen.size() > kMaxOpenFaults) SayLimitReached(prompter);
  list.current = list.names.empty() ? -1 : 0;
}

bool AppendFault(OpenFaultList& list, const std::string& name, Prompter& prompter) {
  if (list.names.size() >= kMaxOpenFaults) {
    SayLimitReached(prompter);
    return false;
  }
  list.names.push_back(name);
  list.current = static_cast<int>(list.names.size()) - 1;
  return true;
}

}  // namespace quarrix
