#include "batch_commands.h"

#include "app/plot_map_readers.h"
#include "dxf/dxf_commands.h"
#include "exchange/demo_culture.h"
#include "exchange/exchange_commands.h"
#include "fault/demo_fault.h"
#include "fault/fault_commands.h"
#include "horizon/demo_interpretation.h"
#include "horizon/horizon_commands.h"
#include "loader/demo_survey.h"
#include "map/gridding.h"
#include "map/map_commands.h"
#include "map/plot_map_command.h"
#include "platform/parallel.h"
#include "project/project_commands.h"
#include "section/conditioning_commands.h"
#include "section/plot_section_command.h"

#ifdef QUARRIX_BATCH_QT
#include "qt_plot_hook.h"
#endif

namespace quarrix {
namespace {

// Autopicking by gridding uses the map layer's natural-neighbour gridding.
void GridWithNaturalNeighbours(HorizonGrid& time, const IndexArea& area, const GridRegion& region,
                               Progress& progress, Prompter& prompter) {
  GridRectangle rectangle{area.first_column, area.first_row,
                          area.last_column - area.first_column + 1,
                          area.last_row - area.first_row + 1};
  GriddingOptions options;
  options.threads = MachineThreadCount();
  GridHorizonArea(time, rectangle, region, options, progress, prompter);
}

int RunAutopickWithGridding(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
  return RunAutopickCommand(args, out, err, GridWithNaturalNeighbours);
}

// The demo's interpreter correlates across the fault by the model it was made from.
DemoReflector CorrelateInDemoModel(const SurveyHeader& h, int line_index, int trace_index,
                                   double time_ms) {
  return DemoReflectorThrough({h.num_lines, h.traces_per_line, h.num_samples}, line_index,
                              trace_index, time_ms);
}

// The demo survey comes with a picked horizon and a time slice, then the
// fault, at which the horizon is blanked, then wells, a well group and culture.
int AddDemoHorizonAndFault(const std::string& header_path, std::ostream& out, std::ostream& err) {
  if (int status = AddDemoInterpretation(header_path, out, err, CorrelateInDemoModel))
    return status;
  if (!AddDemoFault(header_path, out, err)) return 1;
  return AddDemoCulture(header_path, out, err);
}

[[maybe_unused]] int RunPlotMapWithReaders(const std::vector<std::string>& args, std::ostream& out,
                                           std::ostream& err) {
  return RunPlotMap(args, out, err, nullptr, ProgramPlotMapReaders());
}

int RunDemoWithInterpretation(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err) {
  return RunDemoCommand(args, out, err, AddDemoHorizonAndFault);
}

}  // namespace

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
      {"condition", "print one conditioned trace", RunConditionCommand},
      {"process", "condition every trace into a trace file", RunProcessCommand},
      {"demo", "write and load the synthetic demo survey", RunDemoWithInterpretation},
      {"horizon", "create a horizon or describe one", RunHorizonCommand},
      {"pick", "one picking gesture on a section", RunPickCommand},
      {"snap", "move every pick to its event", RunSnapCommand},
      {"autopick", "complete a horizon from its seeds", RunAutopickWithGridding},
      {"clear-auto", "delete the autopicked cells of a horizon", RunClearAutoCommand},
      {"erase", "delete the picks of a zoom window", RunEraseCommand},
      {"slice", "write time slices", RunSliceCommand},
      {"flatten", "write the flatten file of a horizon", RunFlattenCommand},
      {"arb", "write an arbitrary line", RunArbCommand},
      {"grid", "fill the holes of a grid file by natural-neighbour gridding", RunGridCommand},
      {"contour", "trace the contours of a grid file", RunContourCommand},
      {"fault", "pick, interpolate, convert and import faults", RunFaultCommand},
#ifdef QUARRIX_BATCH_QT
      {"plot-section", "draw a seismic section to an image, PDF, SVG or metafile",
       RunPlotSectionWithQt},
      {"plot-map", "draw a horizon plot to an image, PDF, SVG or metafile", RunPlotMapWithQt},
#else
      {"plot-section", "draw a seismic section to a metafile", RunPlotSectionCommand},
      {"plot-map", "draw a horizon plot to a metafile", RunPlotMapWithReaders},
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
