#pragma once
// The faults open in the pick-edit workspace: at most 199 file names and the
// current one, and the dialogs that create, list and choose fault files.
#include <string>
#include <vector>

#include "horizon/horizon_location.h"

namespace quarrix {

class Prompter;

inline constexpr std::size_t kMaxOpenFaults = 199;

struct OpenFaultList {
  std::vector<std::string> names;
  int current = -1;  // index into names, -1 for none

  const std::string* Current() const {
    return current >= 0 && current < static_cast<int>(names.size()) ? &names[current] : nullptr;
  }
};

// The ".ffl" files of a folder, names as on disk, sorted.
inline std::vector<std::string> ListFaultFiles(const std::string& folder) {
  return ListFilesWithExtension(folder, "ffl");
}

// "Select Faults": copies the chosen names in list order. When 199 have been
// taken and more are chosen, says "Fault limit reached" and ignores the rest.
// The current fault becomes the first one (or none when nothing is chosen).
void SelectFaults(OpenFaultList& list, const std::vector<std::string>& chosen, Prompter& prompter);

// Appends a newly created fault and makes it current; at the limit says
// "Fault limit reached" and returns false.
bool AppendFault(OpenFaultList& list, const std::string& name, Prompter& prompter);

}  // namespace quarrix
