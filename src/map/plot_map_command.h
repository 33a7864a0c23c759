#pragma once
// quarrix-batch plot-map: the presentation horizon plot of a grid file written
// to an image, PDF, SVG, bitmap or metafile.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "map/horizon_plot_document.h"

namespace quarrix {

class RasterPlotWriter;

// With a raster writer every output type is available; without one only
// metafiles.
int RunPlotMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               RasterPlotWriter* raster, const PlotMapReaders& readers = {});

int RunPlotMapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
