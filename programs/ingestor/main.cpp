// ingestor: the SEG-Y loader. Without arguments it is the windowed loader;
// with a command it runs that job in batch mode.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "loader/loader_commands.h"
#include "loader/ui/loader_window.h"
#include "platform/allocation_guard.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: ingestor                      start the windowed loader\n"
         "       ingestor COMMAND [ARGS...]    run a job (COMMAND --help for its options)\n\n";
  for (const auto& command : quarrix::LoaderCommands())
    out << "  " << command.name << std::string(12 - std::strlen(command.name), ' ')
        << command.summary << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
      PrintUsage(std::cout);
      return 0;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& command : quarrix::LoaderCommands())
      if (name == command.name)
        return quarrix::RunReportingAllocationFailure(
            name, std::cerr, [&] { return command.run(args, std::cout, std::cerr); });
    std::cerr << "ingestor: unknown command '" << name << "'\n";
    PrintUsage(std::cerr);
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("ingestor");
  quarrix::LoaderWindow window;
  window.show();
  return application.exec();
}
