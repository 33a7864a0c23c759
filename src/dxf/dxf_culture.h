#pragma once
// A DXF drawing as map culture: its polylines, lines, circles and texts in
// world coordinates, for the map overlays and plot-map.
#include <string>

#include "map/map_overlays.h"

namespace quarrix {

// False with a problem when the file cannot be read or holds nothing the
// overlay draws.
bool ReadCultureDrawing(const std::string& path, CultureDrawing& culture, std::string& problem);

}  // namespace quarrix
