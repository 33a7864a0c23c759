#include "qt_plot_hook.h"

#include <QGuiApplication>

#include "map/plot_map_command.h"
#include "platform/ui/qt_plot_writer.h"
#include "section/plot_section_command.h"

namespace quarrix {
namespace {

// Fonts need a GUI application; a batch run has no display to show on.
void StartGuiApplication() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quarrix-batch";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace

int RunPlotSectionWithQt(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
  StartGuiApplication();
  QtPlotWriter writer;
  return RunPlotSection(args, out, err, &writer);
}

int RunPlotMapWithQt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  StartGuiApplication();
  QtPlotWriter writer;
  return RunPlotMap(args, out, err, &writer);
}

}  // namespace quarrix
