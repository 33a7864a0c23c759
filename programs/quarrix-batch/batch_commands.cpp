#include "batch_commands.h"

#include "dxf/dxf_commands.h"
#include "exchange/demo_culture.h"
#include "exchange/exchange_commands.h"
#include "loader/demo_survey.h"
#include "map/map_commands.h"
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
      {"demo", "write and load the synthetic demo survey with its culture",
       RunDemoWithCultureCommand},
      {"grid", "fill the holes of a grid file by natural-neighbour gridding", RunGridCommand},
      {"contour", "trace the contours of a grid file", RunContourCommand},
#ifdef QUARRIX_BATCH_QT
      {"plot-section", "draw a seismic section to an image, PDF, SVG or metafile",
       RunPlotSectionWithQt},
#else
      {"plot-section", "draw a seismic section to a metafile", RunPlotSectionCommand},
#endif
      {"dxf", "read a DXF drawing as the map overlay does", RunDxfCommand},
      {"import-horizon", "convert a text file of picks into a horizon", RunImportHorizonCommand},
      {"export-horizon", "write a horizon as text in a vendor's layout", RunExportHorizonCommand},
      {"well", "create or show a well file", RunWellCommand},
      {"math", "horizon math: expressions and grid functions", RunMathCommand},
  };
  return commands;
}

}  // namespace quarrix
