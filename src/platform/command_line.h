#pragma once
// Argument lists of the batch commands: positionals, "--name value" options
// and "--flag" switches, with the parse errors worded for the user.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quarrix {

class CommandLine {
 public:
  // value_options take a value ("--line 3"); flag_options do not ("--json").
  // An unknown option or a missing value makes error() non-empty.
  CommandLine(const std::vector<std::string>& args, const std::set<std::string>& value_options,
              const std::set<std::string>& flag_options);

  const std::string& error() const { return error_; }
  const std::vector<std::string>& positionals() const { return positionals_; }
  bool Has(const std::string& option) const;
  std::optional<std::string> Value(const std::string& option) const;
  // Every value given for a repeatable option, in order.
  std::vector<std::string> Values(const std::string& option) const;

 private:
  std::vector<std::string> positionals_;
  std::multimap<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::string error_;
};

// True when the arguments ask for the command's help ("--help" or "-h").
bool WantsHelp(const std::vector<std::string>& args);

// Strict number parsing for command-line values: the whole text must be a number.
std::optional<long long> ParseWholeInt(const std::string& text);
std::optional<double> ParseWholeDouble(const std::string& text);
// "--threads N" (1 to 1024; 0 or absent: every core) into threads; a problem
// worded for the user, or empty.
std::string ReadThreadsOption(const CommandLine& line, int& threads);
class ProcessGroup;
// "--mpi": joins the job's processes into group (left null without it); a
// problem worded for the user, or empty.
std::string ReadMpiOption(const CommandLine& line, std::unique_ptr<ProcessGroup>& group);

// "X,Y" or "A:B" pairs of numbers.
std::optional<std::pair<double, double>> ParseNumberPair(const std::string& text, char separator);

}  // namespace quarrix
