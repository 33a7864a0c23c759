// quarrix-batch: the interpretation program's jobs without windows.
#include <algorithm>
#include <cstring>
#include <iostream>

#include "batch_commands.h"
#include "platform/allocation_guard.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: quarrix-batch COMMAND [ARGS...]   (COMMAND --help for its options)\n\n";
  for (const auto& command : quarrix::BatchCommands())
    out << "  " << command.name
        << std::string(std::max(2, 15 - static_cast<int>(std::strlen(command.name))), ' ')
        << command.summary << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const auto& command : quarrix::BatchCommands())
    if (name == command.name)
      return quarrix::RunReportingAllocationFailure(
          name, std::cerr, [&] { return command.run(args, std::cout, std::cerr); });
  std::cerr << "quarrix-batch: unknown command '" << name << "'\n";
  PrintUsage(std::cerr);
  return 2;
}
