#include "map/map_window_overlays.h"

#include <cmath>

#include "map/plot_transform.h"
#include "platform/numeric.h"

namespace quarrix {

OverlayPlacer MapPlacer(const MapGeometry& geometry, const SurveyHeader& header,
                        const SurveyPlacement& placement) {
  OverlayPlacer place;
  place.grid = [geometry](double row, double column) { return geometry.PixelOf(row, column); };
  if (placement.HasXy())
    place.world = [geometry, &header, &placement](double x, double y) -> std::optional<Point> {
      auto offsets = XyToLineTrace(header, placement, Trunc32(x), Trunc32(y));
      if (!offsets) return std::nullopt;
      return geometry.PixelOf(offsets->dl / header.line_increment,
                              offsets->dt / header.trace_increment);
    };
  return place;
}

void DrawMapOverlays(Canvas& canvas, const MapGeometry& geometry, const SurveyHeader& header,
                     const SurveyPlacement& placement, const MapWindowOverlays& overlays) {
  if (geometry.Empty()) return;
  const OverlayPlacer place = MapPlacer(geometry, header, placement);
  for (const WellGroupPost& group : overlays.wells)
    DrawWells(canvas, place, group, overlays.well_options);
  if (!overlays.digitising_arbitrary_line)
    DrawGridPolylines(canvas, place, overlays.arbitrary_lines, overlays.arbitrary_style);
  if (!overlays.editing_region && overlays.region.points.size() >= 3) {
    GridPolyline closed = overlays.region;
    closed.points.push_back(closed.points.front());
    DrawGridPolylines(canvas, place, {closed}, overlays.region_style);
  }
  if (!overlays.plot_culture || !place.world) return;
  const WorldWindow window =
      ZoomWorldWindow(header, placement, geometry.zoom, overlays.culture_options.margin_feet);
  const double feet_per_cell = std::fabs(header.trace_spacing * header.trace_increment);
  const double units_per_foot = feet_per_cell > 0 ? geometry.cell_width / feet_per_cell : 1;
  for (const CultureDrawing& culture : overlays.culture)
    DrawCulture(canvas, place, culture, overlays.culture_options, window, geometry.area,
                units_per_foot);
}

}  // namespace quarrix
