#pragma once
// The table of quarrix-batch commands: each one does one job on files.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

using BatchCommand = int (*)(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err);

struct BatchCommandEntry {
  const char* name;
  const char* summary;
  BatchCommand run;
};

const std::vector<BatchCommandEntry>& BatchCommands();

}  // namespace quarrix
