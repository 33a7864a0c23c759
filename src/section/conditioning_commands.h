#pragma once
// Batch commands of trace conditioning: "condition" prints one conditioned
// trace, "process" conditions a whole trace file.
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace quarrix {

class CommandLine;
struct ProcessingParams;

// The processing options the conditioning commands share with the plotting
// commands: their help text, the option names, and their reader, which
// returns "" when they are sound, else what is wrong.
extern const char kProcessingOptionsHelp[];
extern const std::set<std::string> kProcessingValueOptions;
std::string ReadProcessingOptions(const CommandLine& line, ProcessingParams& params);

int RunConditionCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunProcessCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
