#pragma once
// The readers the horizon plot needs from folders above the map layer: well
// groups with their attributes, DXF drawings and poly-fault files. plot-map and
// the horizon plot window use the same ones.
#include "map/horizon_plot_document.h"

namespace quarrix {

const PlotMapReaders& ProgramPlotMapReaders();

}  // namespace quarrix
