#include "app/plot_map_readers.h"

#include "dxf/dxf_reader.h"
#include "exchange/well_exchange.h"
#include "fault/poly_fault_outlines.h"
#include "platform/paths.h"

namespace quarrix {
namespace {

Rgb FromWindowsRgb(std::uint32_t colour) {
  return Rgb{static_cast<std::uint8_t>(colour & 0xff),
             static_cast<std::uint8_t>((colour >> 8) & 0xff),
             static_cast<std::uint8_t>((colour >> 16) & 0xff)};
}

bool ReadWellGroup(const std::string& path, const SurveyHeader& header, WellGroupPost& group,
                   std::string& problem) {
  WellAttributes map_attributes;
  map_attributes.symbol_size = group.style.symbol_inches;
  map_attributes.character_size = group.style.character_inches;
  // Like single well files, a bare group name is taken from the current folder.
  std::string folder = DirectoryOf(path).empty() ? "." : DirectoryOf(path);
  auto wells = WellsToPost(folder, {FileNameOf(path)}, map_attributes);
  if (wells.empty()) {
    problem = "Cannot read the well group " + path;
    return false;
  }
  const WellAttributes& a = wells.front().attributes;
  group.style.symbol_colour = FromWindowsRgb(a.symbol_colour);
  group.style.label_colour = FromWindowsRgb(a.label_colour);
  group.style.symbol_inches = a.symbol_size;
  group.style.character_inches = a.character_size;
  group.style.erase_symbol_background = a.erase_symbol_background != 0;
  group.style.erase_label_background = a.erase_label_background != 0;
  group.style.thickness = a.thickness + 1;
  group.style.label_position = a.label_position;
  for (const WellWithAttributes& w : wells) {
    PostedWell posted;
    posted.name = w.name;
    posted.title = WellTitle(w.record);
    posted.line_row =
        (w.record.line - header.first_line) / static_cast<double>(header.line_increment);
    posted.trace_column =
        (w.record.trace - header.first_trace) / static_cast<double>(header.trace_increment);
    posted.x = w.record.x;
    posted.y = w.record.y;
    posted.symbol = w.record.symbol;
    posted.depth = w.record.depth;
    posted.time = w.record.time;
    group.wells.push_back(posted);
  }
  return true;
}

bool ReadCulture(const std::string& path, CultureDrawing& culture, std::string& problem) {
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

}  // namespace

const PlotMapReaders& ProgramPlotMapReaders() {
  static const PlotMapReaders readers{ReadWellGroup, ReadCulture, ReadPolyFaultOutlines};
  return readers;
}

}  // namespace quarrix
