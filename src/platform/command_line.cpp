#include "platform/command_line.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/parallel.h"
#include "platform/process_group.h"

namespace quarrix {

CommandLine::CommandLine(const std::vector<std::string>& args,
                         const std::set<std::string>& value_options,
                         const std::set<std::string>& flag_options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      std::string name = arg;
      std::string inline_value;
      bool has_inline = false;
      if (std::size_t eq = arg.find('='); eq != std::string::npos) {
        name = arg.substr(0, eq);
        inline_value = arg.substr(eq + 1);
        has_inline = true;
      }
      if (flag_options.count(name) && !has_inline) {
        flags_.insert(name);
      } else if (value_options.count(name)) {
        if (has_inline) {
          values_.emplace(name, inline_value);
        } else if (i + 1 < args.size()) {
          values_.emplace(name, args[++i]);
        } else {
          error_ = "Option " + name + " needs a value";
          return;
        }
      } else {
        error_ = "Unknown option " + name;
        return;
      }
    } else {
      positionals_.push_back(arg);
    }
  }
}

bool CommandLine::Has(const std::string& option) const {
  return flags_.count(option) > 0 || values_.count(option) > 0;
}

std::optional<std::string> CommandLine::Value(const std::string& option) const {
  auto range = values_.equal_range(option);
  if (range.first == range.second) return std::nullopt;
  return std::prev(range.second)->second;
}

std::vector<std::string> CommandLine::Values(const std::string& option) const {
  std::vector<std::string> result;
  auto range = values_.equal_range(option);
  for (auto it = range.first; it != range.second; ++it) result.push_back(it->second);
  return result;
}

bool WantsHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") return true;
  return false;
}

std::optional<long long> ParseWholeInt(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end == text.c_str() || *end != '\0') return std::nullopt;
  return value;
}

std::optional<double> ParseWholeDouble(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<std::pair<double, double>> ParseNumberPair(const std::string& text, char separator) {
  std::size_t at = text.find(separator);
  if (at == std::string::npos) return std::nullopt;
  auto first = ParseWholeDouble(text.substr(0, at));
  auto second = ParseWholeDouble(text.substr(at + 1));
  if (!first || !second) return std::nullopt;
  return std::make_pair(*first, *second);
}

std::string ReadThreadsOption(const CommandLine& line, int& threads) {
  threads = MachineThreadCount();
  auto text = line.Value("--threads");
  if (!text) return "";
  auto parsed = ParseWholeInt(*text);
  if (!parsed || *parsed < 0 || *parsed > 1024)
    return "--threads takes a whole number from 0 to 1024";
  threads = ResolveThreadCount(static_cast<int>(*parsed));
  return "";
}

std::string ReadMpiOption(const CommandLine& line, std::unique_ptr<ProcessGroup>& group) {
  if (!line.Has("--mpi")) return "";
  std::string problem;
  group = JoinProcessGroup(problem);
  return problem;
}

}  // namespace quarrix
