#pragma once
// Assembling a section plot from the project's files: the arbitrary line,
// horizons, flattening datum, wells and colour file a plot asks for, read
// once into a SectionPlot that owns them. The batch command and the trace
// plot window both draw what this returns; they differ only in their canvas.
#include <optional>
#include <string>
#include <vector>

#include "platform/plot_output.h"
#include "section/processing_params.h"
#include "section/section_render.h"

namespace quarrix {

class Prompter;
struct ProjectState;

struct SectionPlotRequest {
  SectionDescription section;  // arbitrary lines: entries come from arb_path
  SectionDisplay display;
  std::string arb_path;
  std::vector<std::string> horizon_paths;
  std::string datum_path;  // empty: no flattening
  std::vector<std::string> well_paths;
  std::string colour_file;  // empty: the default bar
  ProcessingParams params;  // named in the title block
};

// The plot, or nothing after telling the user which file could not be read.
std::optional<SectionPlot> LoadSectionPlot(const ProjectState& project,
                                           const SectionPlotRequest& request, Prompter& prompter);

// The page a plot fills on a device (printers and files at dpi, metafiles
// at 96 units per inch), with the plot's palette for bitmaps.
PlotPage SectionPlotPage(const SurveyHeader& header, const SectionPlot& plot, SectionMode mode,
                         const DeviceInfo& device);

// Whether the chain changes the samples at all, and what the title block says
// of it (phase, filter and shift; nothing when all three are off).
bool ConditioningOn(const ProcessingParams& params);
std::optional<ConditioningNote> ConditioningNoteOf(const ProcessingParams& params);

}  // namespace quarrix
