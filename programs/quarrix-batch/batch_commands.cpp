#include "batch_commands.h"

#include "project/project_commands.h"
#include "section/plot_section_command.h"

#ifdef QUARRIX_BATCH_QT
#include "qt_plot_hook.h"
#endif

namespace quarrix {

const std::vector<BatchCommandEntry>& BatchCommands() {
  static const std::vector<BatchCommandEntry> commands = {
      {"header", "show or edit a project header", RunHeaderCommand},
      {"xy", "write the X/Y file or convert positions", RunXyCommand},
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
