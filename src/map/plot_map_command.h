#pragma once
// quarrix-batch plot-map: the presentation horizon plot of a grid file written
// to an image, PDF, SVG, bitmap or metafile.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "map/map_overlays.h"
#include "project/survey_header.h"

namespace quarrix {

class RasterPlotWriter;

// Readers of overlay files whose formats belong to folders above the maps;
// the program that runs the command supplies them. An absent reader makes
// the matching option unavailable.
struct PlotMapReaders {
  // A well group list (".lgv") with its attributes (".wga") beside it; the
  // style passed in holds the map's defaults.
  std::function<bool(const std::string& path, const SurveyHeader& header, WellGroupPost& group,
                     std::string& problem)>
      well_group;
  // A DXF drawing.
  std::function<bool(const std::string& path, CultureDrawing& culture, std::string& problem)> dxf;
};

// With a raster writer every output type is available; without one only
// metafiles.
int RunPlotMap(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               RasterPlotWriter* raster, const PlotMapReaders& readers = {});

int RunPlotMapCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
