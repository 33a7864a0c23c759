#pragma once
// The readers plot-map needs from folders above the map layer: well groups
// with their attributes, and DXF drawings.
#include "map/plot_map_command.h"

namespace quarrix {

const PlotMapReaders& BatchPlotMapReaders();

}  // namespace quarrix
