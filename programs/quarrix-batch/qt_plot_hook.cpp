#include "qt_plot_hook.h"

#include <QGuiApplication>

#include "map/plot_map_command.h"
#include "platform/ui/qt_plot_writer.h"
#include "app/plot_map_readers.h"
#include "section/plot_section_command.h"

namespace quarrix {
namespace {

// Fonts need a GUI application, alive while the plot is drawn; a batch run
// has no display to show on.
template <typename Run>
int WithGuiApplication(Run run) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "quarrix-batch";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  QtPlotWriter writer;
  return run(writer);
}

}  // namespace

int RunPlotSectionWithQt(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
  return WithGuiApplication(
      [&](QtPlotWriter& writer) { return RunPlotSection(args, out, err, &writer); });
}

int RunPlotMapWithQt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return WithGuiApplication([&](QtPlotWriter& writer) {
    return RunPlotMap(args, out, err, &writer, ProgramPlotMapReaders());
  });
}

}  // namespace quarrix
