#include "batch_commands.h"

#include "loader/demo_survey.h"
#include "map/map_commands.h"
#include "map/plot_map_command.h"
#include "project/project_commands.h"
#include "section/conditioning_commands.h"
#include "section/plot_section_command.h"

#ifdef QUARRIX_BATCH_QT
#include "qt_plot_hook.h"
#endif

namespace quarrix {

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
      {"condition", "print one conditioned trace", RunConditionCommand},
      {"process", "condition every trace into a trace file", RunProcessCommand},
      {"demo", "write and load the synthetic demo survey", RunDemoCommand},
      {"grid", "fill the holes of a grid file by natural-neighbour gridding", RunGridCommand},
      {"contour", "trace the contours of a grid file", RunContourCommand},
#ifdef QUARRIX_BATCH_QT
      {"plot-section", "draw a seismic section to an image, PDF, SVG or metafile",
       RunPlotSectionWithQt},
      {"plot-map", "draw a horizon plot to an image, PDF, SVG or metafile", RunPlotMapWithQt},
#else
      {"plot-section", "draw a seismic section to a metafile", RunPlotSectionCommand},
      {"plot-map", "draw a horizon plot to a metafile", RunPlotMapCommand},
#endif
  };
  return commands;
}

}  // namespace quarrix
