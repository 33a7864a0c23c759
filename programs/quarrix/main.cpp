// quarrix: the interpretation and plotting program. With a project header as
// its only argument it opens that project at start; otherwise it shows the
// Open dialog as soon as the frame is up.
#include <QTimer>
#include <iostream>

#include "app/main_commands.h"
#include "app/ui/main_frame.h"
#include "platform/program_options.h"
#include "platform/ui/gui_start.h"
#include "platform/ui/help_browser.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: quarrix [PROJECT.hdr]     start the interpretation program, opening the project\n"
         "       quarrix --help-pages      list the pages of the built-in help\n"
         "       quarrix --version         print the package version\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string first = argc > 1 ? argv[1] : "";
  if (auto status = quarrix::AnswerProgramOption("quarrix", first, PrintUsage, std::cout))
    return *status;
  if (first == "--help-pages") return quarrix::ListHelpPages(std::cout);
  auto application = quarrix::StartGuiApplication(argc, argv, "quarrix");
  if (!application) return 1;
  QApplication::setApplicationName("quarrix");
  QApplication::setApplicationVersion(quarrix::PackageVersion());
  quarrix::Session session;
  quarrix::MainFrame frame(session);
  frame.showMaximized();
  QStringList args = QApplication::arguments();
  QString header = args.size() > 1 ? args.at(1) : QString();
  QTimer::singleShot(0, &frame, [&frame, header] {
    if (header.isEmpty())
      frame.Dispatch(quarrix::command::kOpen);
    else
      frame.OpenProjectFile(header);
  });
  return application->exec();
}
