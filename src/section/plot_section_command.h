#pragma once
// quarrix-batch plot-section: a section plot of a project written to a file.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

class RasterPlotWriter;

// With a raster writer every output type is available; without one only
// metafiles (".wmf", ".emf").
int RunPlotSection(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   RasterPlotWriter* raster);

int RunPlotSectionCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);

}  // namespace quarrix
