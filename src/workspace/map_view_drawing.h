#pragma once
// Draws a map window: the map of its picture (a raster, or contours), the overlays handed in, the
// positions of the open section windows, and what the mouse is drawing (the
// zoom rectangle, the polygon's edges).
#include <vector>

#include "map/horizon_map.h"
#include "map/map_window_overlays.h"
#include "workspace/contour_map.h"
#include "workspace/map_view.h"

namespace quarrix {

// Where the workspace's section windows are: in-lines as line indexes,
// cross-lines as trace indexes.
struct SectionMarks {
  std::vector<int> line_rows;
  std::vector<int> trace_columns;
};

struct MapDrawInputs {
  const MapPicture* picture = nullptr;
  const SurveyHeader* header = nullptr;
  const SurveyPlacement* placement = nullptr;
  const MapWindowOverlays* overlays = nullptr;
  SectionMarks sections;
  const ContourMapOptions* contour = nullptr;  // how a contour map is drawn
  Progress* progress = nullptr;                // a contour map's levels; may stop it
};

MapGeometry DrawMapView(Canvas& canvas, Rect client, const MapDrawInputs& inputs,
                        const MapViewState& view, Prompter& prompter);

}  // namespace quarrix
