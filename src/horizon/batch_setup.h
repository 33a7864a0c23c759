#pragma once
// What the horizon batch commands share: opening the project named on the
// command line and locating a horizon relative to its folder.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "horizon/pick_environment.h"
#include "platform/command_line.h"
#include "platform/terminal_prompter.h"
#include "project/project_state.h"

namespace quarrix {

// Prints a command-line problem and the command's help; gives the usage status 2.
int Usage(std::ostream& err, const char* command, const std::string& problem, const char* help);

// An open project with its trace file, and the prompter of the command.
struct BatchProject {
  explicit BatchProject(std::ostream& err) : prompter(err) {}
  ProjectState project;
  TerminalPrompter prompter;
  std::string folder;

  PickEnvironment Environment(const std::string& horizon_name, int pick_window_ms);
};

// Opens PROJECT.hdr with its trace file (when need_traces); prints why not
// and gives nothing on failure.
std::unique_ptr<BatchProject> OpenBatchProject(const std::string& header_path, bool need_traces,
                                               const char* command, std::ostream& err);

// "A:B" or "A,B" of whole numbers within +-1e9.
std::optional<std::pair<int, int>> ParseWholePair(const std::string& text, char separator);

// "L1:L2,T1:T2" as a zoom window of line and trace numbers.
std::optional<ZoomWindow> ParseZoom(const std::string& text);

// A whole number option within bounds; "" when absent or sound, else the problem.
std::string ReadIntOption(const CommandLine& line, const char* option, long long low,
                          long long high, int& value);

}  // namespace quarrix
