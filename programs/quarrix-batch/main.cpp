// quarrix-batch: the interpretation program's jobs without windows.
#include <algorithm>
#include <cstring>
#include <iostream>

#include "batch_commands.h"
#include "platform/allocation_guard.h"
#include "platform/program_options.h"
#ifdef QUARRIX_HAVE_MPI
#include "platform/mpi/mpi_group.h"
#endif

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: quarrix-batch COMMAND [ARGS...]   (COMMAND --help for its options)\n"
         "       quarrix-batch --version\n\n";
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
  if (auto status = quarrix::AnswerProgramOption("quarrix-batch", name, PrintUsage, std::cout))
    return *status;
  if (name == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
#ifdef QUARRIX_HAVE_MPI
  // --mpi joins the job's processes through MPI.
  quarrix::SetProcessGroupJoiner(quarrix::JoinMpiGroup);
#endif
  for (const auto& command : quarrix::BatchCommands())
    if (name == command.name)
      return quarrix::RunReportingAllocationFailure(
          name, std::cerr, [&] { return command.run(args, std::cout, std::cerr); });
  std::cerr << "quarrix-batch: unknown command '" << name << "'\n";
  PrintUsage(std::cerr);
  return 2;
}
