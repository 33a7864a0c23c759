#include "dxf/dxf_culture.h"

#include "dxf/dxf_reader.h"

namespace quarrix {

bool ReadCultureDrawing(const std::string& path, CultureDrawing& culture, std::string& problem) {
  DxfOverlays overlays;
  SetDxfSelection(overlays, {path});
  if (!ReadDxfFile(path, overlays)) {
    problem = "Cannot read the DXF file " + path;
    return false;
  }
  const DxfSlot& slot = overlays.slots[0];
  // A drawing of nothing but entities the overlay cannot draw would leave the
  // map without the culture asked for.
  if (slot.Empty() && !slot.skipped.empty()) {
    problem =
        path + " holds nothing the map overlay draws (skipped: " + SkippedEntitiesText(slot) + ")";
    return false;
  }
  std::size_t next = 0;
  for (std::size_t k = 0; k < slot.polyline_sizes.size(); ++k) {
    CultureDrawing::Polyline polyline;
    polyline.width = k < slot.polyline_widths.size() ? slot.polyline_widths[k] : 0;
    for (std::int32_t p = 0; p < slot.polyline_sizes[k] && next < slot.polyline_points.size();
         ++p, ++next)
      polyline.points.emplace_back(slot.polyline_points[next].x, slot.polyline_points[next].y);
    culture.polylines.push_back(std::move(polyline));
  }
  for (const DxfLine& line : slot.lines)
    culture.lines.push_back({line.start.x, line.start.y, line.end.x, line.end.y});
  for (const DxfCircle& circle : slot.circles)
    culture.circles.push_back({circle.centre.x, circle.centre.y, circle.radius});
  for (const DxfText& text : slot.texts)
    culture.texts.push_back({text.anchor.x, text.anchor.y, text.height, text.rotation,
                             text.horizontal_justification, text.vertical_justification,
                             text.text});
  return true;
}

}  // namespace quarrix
