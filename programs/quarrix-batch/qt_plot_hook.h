#pragma once
// plot-section and plot-map with the Qt devices (PNG, PDF, SVG and bitmaps) added.
#include <iosfwd>
#include <string>
#include <vector>

namespace quarrix {

int RunPlotSectionWithQt(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
int RunPlotMapWithQt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrix
