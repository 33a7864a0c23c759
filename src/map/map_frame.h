#pragma once
// The map frame: how grid positions are laid out in the map that is drawing or
// being pointed at, and the conversions between map pixels, grid offsets and
// world X/Y that every map, overlay and plot routine uses. A map position is
// held in sixtieths of a grid step (sub-units); 30 is half a step.
#include <cstdint>

#include "project/survey_header.h"
#include "project/xy_geometry.h"

namespace quarrix {

inline constexpr double kSubUnitsPerBin = 60.0;

struct MapFrame {
  double origin_u = 0.0, origin_v = 0.0;  // grid position at the reference edge (sub-units)
  double extent_u = 1.0, extent_v = 1.0;  // span of the grid shown (sub-units)
  double width_px = 1.0, height_px = 1.0;
  double scale_u = 1.0, scale_v = 1.0;  // pixels per sub-unit
  std::int32_t offset_u = 0, offset_v = 0;
  bool plot_in_xy = false;
  // From the project: the orientation code 1..8, the rotation's cosine and
  // sine, and the zoom window's first line and trace (the grid origin).
  int corner = 1;
  double cos = 1.0, sin = 0.0;
  int zoom_first_line = 0, zoom_first_trace = 0;
};

// A frame for a project: corner, rotation and zoom origin filled in. "Plot in
// X/Y" needs a rotation, so it stays off for projects without an X/Y file.
MapFrame ProjectMapFrame(const SurveyHeader& header, const SurveyPlacement& placement,
                         int zoom_first_line, int zoom_first_trace, bool plot_in_xy);

// Recomputes the scales from the sizes and extents.
void UpdateMapScale(MapFrame& frame);

struct MapPixel {
  std::int32_t x = 0, y = 0;
  bool operator==(const MapPixel&) const = default;
};
struct GridOffsets {
  std::int32_t trace = 0, line = 0;
  bool operator==(const GridOffsets&) const = default;
};

// Trace and line offsets (number units from the zoom origin) to the pixel.
MapPixel GridToMap(const MapFrame& frame, double trace_offset, double line_offset);
// The pixel's nearest grid position; (0, 0) on a map rotated into X/Y.
GridOffsets MapToGrid(const MapFrame& frame, double x, double y);
// The world position under a pixel; (0, 0) without an X/Y file or on a
// rotated map.
XyPoint MapToWorld(const MapFrame& frame, const SurveyHeader& header,
                   const SurveyPlacement& placement, double x, double y);

}  // namespace quarrix
