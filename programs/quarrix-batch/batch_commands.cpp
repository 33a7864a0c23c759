#include "batch_commands.h"

#include "fault/demo_fault.h"
#include "fault/fault_commands.h"
#include "loader/demo_survey.h"
#include "map/map_commands.h"
#include "project/project_commands.h"
#include "section/conditioning_commands.h"
#include "section/plot_section_command.h"

#ifdef QUARRIX_BATCH_QT
#include "qt_plot_hook.h"
#endif

namespace quarrix {
namespace {

// The demo survey with its interpretation: the fault (which blanks the
// demo's horizons) comes after every other step.
int RunDemoWithInterpretation(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err) {
  return RunDemoCommand(args, out, err, {AddDemoFault});
}

}  // namespace

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
      {"condition", "print one conditioned trace", RunConditionCommand},
      {"process", "condition every trace into a trace file", RunProcessCommand},
      {"demo", "write and load the synthetic demo survey", RunDemoWithInterpretation},
      {"grid", "fill the holes of a grid file by natural-neighbour gridding", RunGridCommand},
      {"contour", "trace the contours of a grid file", RunContourCommand},
      {"fault", "pick, interpolate, convert and import faults", RunFaultCommand},
#ifdef QUARRIX_BATCH_QT
      {"plot-section", "draw a seismic section to an image, PDF, SVG or metafile",
       RunPlotSectionWithQt},
#else
      {"plot-section", "draw a seismic section to a metafile", RunPlotSectionCommand},
#endif
  };
  return commands;
}

}  // namespace quarrix
