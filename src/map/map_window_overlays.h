#pragma once
// What a map window draws over its map, in this order: wells, arbitrary lines
// (unless one is being digitised), the polygon region outline (unless it is
// being edited) and DXF culture (when switched on).
#include <vector>

#include "map/horizon_map.h"
#include "map/map_overlays.h"
#include "project/xy_geometry.h"

namespace quarrix {

struct MapWindowOverlays {
  std::vector<WellGroupPost> wells;
  WellPostingOptions well_options;
  std::vector<GridPolyline> arbitrary_lines;
  bool digitising_arbitrary_line = false;
  GridPolyline region;  // closed outline in grid positions
  bool editing_region = false;
  std::vector<CultureDrawing> culture;
  bool plot_culture = false;
  CultureOptions culture_options;
  LineStyle arbitrary_style{PenStyle::Solid, 2, {0, 0, 200}};
  LineStyle region_style{PenStyle::Solid, 1, {0, 0, 0}};
};

// A placer for a drawn map: grid positions through its geometry, world
// positions through the project's X/Y placement (when it has one).
OverlayPlacer MapPlacer(const MapGeometry& geometry, const SurveyHeader& header,
                        const SurveyPlacement& placement);

void DrawMapOverlays(Canvas& canvas, const MapGeometry& geometry, const SurveyHeader& header,
                     const SurveyPlacement& placement, const MapWindowOverlays& overlays);

}  // namespace quarrix
