#include "qt_plot_hook.h"

#include <QGuiApplication>

#include "platform/ui/qt_plot_writer.h"
#include "section/plot_section_command.h"

namespace quarrix {

int RunPlotSectionWithQt(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
  // Fonts need a GUI application; a batch run has no display to show on.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "quarrix-batch";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  QtPlotWriter writer;
  return RunPlotSection(args, out, err, &writer);
}

}  // namespace quarrix
