#pragma once
// A pick window's drawing in two layers. The traces layer (the traces with
// their annotation and timing lines) is the expensive one: every trace of the
// section is read and drawn. The overlay layer (every open horizon's picks,
// the previous picks and the faults) reads no trace. A window keeps the
// drawn traces while it shows the same section and draws only the overlays
// again after an edit of a horizon or fault.
#include <optional>

#include "section/section_plot_loader.h"
#include "section/trace_plot.h"
#include "workspace/pick_window.h"

namespace quarrix {

class Prompter;
struct Workspace;

struct SectionLayers {
  SectionPlot traces;    // the section without horizons and overlays
  SectionPlot overlays;  // the horizons, the flattening datum and the overlay passes
};

// Splits a plot into its two layers.
SectionLayers SplitLayers(SectionPlot plot);

// A window's plot read from the project: the section with every open
// horizon, the flattening, the previous picks and the faults; nothing after
// telling the user which file could not be read.
std::optional<SectionPlot> LoadPickWindowPlot(Workspace& workspace, const PickWindowState& window,
                                              Prompter& prompter);

// Draws the overlay layer over traces drawn with the given geometry, on
// the columns that drawing placed.
void DrawOverlayLayer(Canvas& canvas, const SurveyHeader& header, const SectionPlot& overlays,
                      const TracePlotGeometry& geometry);

}  // namespace quarrix
