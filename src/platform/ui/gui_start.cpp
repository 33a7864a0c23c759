#include "platform/ui/gui_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace quarrix {
namespace {

// Qt reports a display it cannot open through its message handler, ending
// with a fatal message; the handler is only installed while the application
// object is made, so these two hold nothing after start-up.
const char* starting_program = "";
std::string held_messages;

void SayNoDisplay(const char* program) {
  const char* display = std::getenv("DISPLAY");
  std::fprintf(stderr, "%s: no display is available to show its windows on (DISPLAY=%s)\n", program,
               display ? display : "");
}

void HoldStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    SayNoDisplay(starting_program);
    std::_Exit(1);
  }
  held_messages += text.toStdString() + '\n';
}

bool DisplayConfigured() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

std::unique_ptr<QApplication> StartGuiApplication(int& argc, char** argv, const char* program) {
  if (!DisplayConfigured()) {
    SayNoDisplay(program);
    return nullptr;
  }
  starting_program = program;
  QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  // Messages of a start that worked are passed on as Qt would have shown them.
  if (!held_messages.empty()) std::fputs(held_messages.c_str(), stderr);
  held_messages.clear();
  return application;
}

}  // namespace quarrix
