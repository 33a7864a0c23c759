// ingestor: the SEG-Y loader. Without arguments it is the windowed loader;
// with a command it runs that job in batch mode.
#include <cstring>
#include <iostream>

#include "loader/loader_commands.h"
#include "loader/ui/loader_window.h"
#include "platform/allocation_guard.h"
#include "platform/program_options.h"
#include "platform/ui/gui_start.h"
#include "platform/ui/help_browser.h"
#ifdef QUARRIX_HAVE_MPI
#include "platform/mpi/mpi_group.h"
#endif

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: ingestor                      start the windowed loader\n"
         "       ingestor COMMAND [ARGS...]    run a job (COMMAND --help for its options)\n"
         "       ingestor --help-pages         list the pages of the built-in help\n"
         "       ingestor --version            print the package version\n\n";
  for (const auto& command : quarrix::LoaderCommands())
    out << "  " << command.name << std::string(12 - std::strlen(command.name), ' ')
        << command.summary << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::string name = argv[1];
    if (auto status = quarrix::AnswerProgramOption("ingestor", name, PrintUsage, std::cout))
      return *status;
    if (name == "help") {
      PrintUsage(std::cout);
      return 0;
    }
    if (name == "--help-pages") return quarrix::ListHelpPages(std::cout);
    std::vector<std::string> args(argv + 2, argv + argc);
#ifdef QUARRIX_HAVE_MPI
    // --mpi joins the job's processes through MPI.
    quarrix::SetProcessGroupJoiner(quarrix::JoinMpiGroup);
#endif
    for (const auto& command : quarrix::LoaderCommands())
      if (name == command.name)
        return quarrix::RunReportingAllocationFailure(
            name, std::cerr, [&] { return command.run(args, std::cout, std::cerr); });
    std::cerr << "ingestor: unknown command '" << name << "'\n";
    PrintUsage(std::cerr);
    return 2;
  }
  auto application = quarrix::StartGuiApplication(argc, argv, "ingestor");
  if (!application) return 1;
  QApplication::setApplicationName("ingestor");
  QApplication::setApplicationVersion(quarrix::PackageVersion());
  quarrix::LoaderWindow window;
  window.show();
  return application->exec();
}
