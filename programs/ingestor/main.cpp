// ingestor: the SEG-Y loader. Without arguments it is the windowed loader;
// with a command it runs that job in batch mode.
#include <QApplication>
#include <iostream>

#include "loader/ui/loader_window.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    std::string command = argv[1];
    if (command == "--help" || command == "-h") {
      std::cout << "usage: ingestor            start the windowed loader\n";
      return 0;
    }
    std::cerr << "ingestor: unknown command '" << command << "'\n";
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("ingestor");
  quarrix::LoaderWindow window;
  window.show();
  return application.exec();
}
