#include "map/horizon_map.h"

#include <algorithm>
#include <cmath>

#include "map/map_colours.h"
#include "platform/prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

bool LinesAcross(int corner) {
  return corner >= 5 && corner <= 8;
}
bool FlipsX(int corner) {
  int k = (corner - 1) % 4;
  return k == 1 || k == 2;
}
bool FlipsY(int corner) {
  int k = (corner - 1) % 4;
  return k == 2 || k == 3;
}

// Cells between labels: a multiple of `step` (the map options' increment, 10
// by default) that leaves room for the label.
int LabelInterval(double cell_pixels, double label_pixels, int step) {
  step = step > 0 ? step : 10;
  int interval = step;
  while (interval * cell_pixels < label_pixels && interval < 1000000) interval += step;
  return interval;
}

// Labels of one grid axis (rows when `rows`, else columns) on both sides of
// the map: across the top and bottom when the axis runs across, else written
// upwards in the side margins.
void DrawAxisLabels(Canvas& canvas, const MapGeometry& g, const SurveyHeader& header, bool rows,
                    int step) {
  const bool across = rows == LinesAcross(g.corner);
  // 12 pixels high on the screen; as high in inches on a printer.
  const int height = std::max(1, static_cast<int>(std::lround(12 * canvas.Device().ppi_y / 96)));
  canvas.SetFont({"Arial", height, 400, across ? 0 : 900});
  const double width =
      canvas.TextWidth(FormatText("T%d", std::max(header.last_trace, header.last_line)));
  const int interval = LabelInterval(across ? g.cell_width : g.cell_height, width * 1.5, step);
  const int first = rows ? g.zoom.first_row : g.zoom.first_column;
  const int last = rows ? g.zoom.last_row : g.zoom.last_column;
  for (int k = first; k <= last; ++k) {
    if (k % interval != 0) continue;
    const std::string text =
        rows ? FormatText("L%d", header.LineNumber(k)) : FormatText("T%d", header.TraceNumber(k));
    const Point p = rows ? g.PixelOf(k, g.zoom.first_column) : g.PixelOf(g.zoom.first_row, k);
    if (across) {
      canvas.Text({p.x, g.area.top - 2}, text, kAlignCentre | kAlignBottom);
      canvas.Text({p.x, g.area.bottom + 2}, text, kAlignCentre | kAlignTop);
    } else {
      canvas.Text({g.area.left - 2, p.y}, text, kAlignCentre | kAlignBottom);
      canvas.Text({g.area.right + 2, p.y}, text, kAlignCentre | kAlignTop);
    }
  }
}

}  // namespace

MapZoom FullMapZoom(const SurveyHeader& header) {
  return {0, header.num_lines - 1, 0, header.traces_per_line - 1};
}

GridCell MapGeometry::CellAt(Point pixel) const {
  const bool lines_across = LinesAcross(corner);
  const int across = lines_across ? zoom.Rows() : zoom.Columns();
  const int down = lines_across ? zoom.Columns() : zoom.Rows();
  int i = static_cast<int>(std::floor((pixel.x - area.left) / cell_width));
  int j = static_cast<int>(std::floor((pixel.y - area.top) / cell_height));
  i = std::clamp(i, 0, across - 1);
  j = std::clamp(j, 0, down - 1);
  if (FlipsX(corner)) i = across - 1 - i;
  if (FlipsY(corner)) j = down - 1 - j;
  return lines_across ? GridCell{zoom.first_row + i, zoom.first_column + j}
                      : GridCell{zoom.first_row + j, zoom.first_column + i};
}

Point MapGeometry::PixelOf(double row, double column) const {
  const bool lines_across = LinesAcross(corner);
  const int across = lines_across ? zoom.Rows() : zoom.Columns();
  const int down = lines_across ? zoom.Columns() : zoom.Rows();
  double i = lines_across ? row - zoom.first_row : column - zoom.first_column;
  double j = lines_across ? column - zoom.first_column : row - zoom.first_row;
  if (FlipsX(corner)) i = across - 1 - i;
  if (FlipsY(corner)) j = down - 1 - j;
  return {area.left + (i + 0.5) * cell_width, area.top + (j + 0.5) * cell_height};
}

IndexedImage BuildMapImage(const HorizonMapSource& source, ColourBar& bar, const MapZoom& zoom,
                           int corner) {
  MapColourIndex colours(bar);
  const bool lines_across = LinesAcross(corner);
  const int across = lines_across ? zoom.Rows() : zoom.Columns();
  const int down = lines_across ? zoom.Columns() : zoom.Rows();
  IndexedImage image(across, down, (across + 7) / 8 * 8);
  image.palette = colours.palette();
  const HorizonGrid& grid = *source.grid;
  const bool registered = !source.is_slice && source.registration != nullptr;
  for (int r = zoom.first_row; r <= zoom.last_row; ++r) {
    const std::int16_t* values = grid.Row(r);
    const std::uint8_t* reg =
        registered ? source.registration->data() + static_cast<std::size_t>(r) * grid.columns
                   : nullptr;
    for (int c = zoom.first_column; c <= zoom.last_column; ++c) {
      int i = lines_across ? r - zoom.first_row : c - zoom.first_column;
      int j = lines_across ? c - zoom.first_column : r - zoom.first_row;
      if (FlipsX(corner)) i = across - 1 - i;
      if (FlipsY(corner)) j = down - 1 - j;
      image.Row(j)[i] = reg && reg[c] == 0xFF ? colours.Blanked() : colours.Of(values[c]);
    }
  }
  return image;
}

MapGeometry MapLayout(Rect client, const DeviceInfo& device, const SurveyHeader& header,
                      const MapZoom& zoom) {
  MapGeometry geometry;
  geometry.corner = header.corner_index >= 1 && header.corner_index <= 8 ? header.corner_index : 1;
  geometry.zoom = zoom;
  if (zoom.Empty()) return geometry;
  const double margin_x = device.ppi_x / 4, margin_y = device.ppi_y / 4;
  geometry.area = {client.left + margin_x, client.top + margin_y, client.right - margin_x,
                   client.bottom - margin_y};
  if (geometry.area.Width() <= 0 || geometry.area.Height() <= 0) return geometry;
  const bool lines_across = LinesAcross(geometry.corner);
  geometry.cell_width = geometry.area.Width() / (lines_across ? zoom.Rows() : zoom.Columns());
  geometry.cell_height = geometry.area.Height() / (lines_across ? zoom.Columns() : zoom.Rows());
  return geometry;
}

void DrawMapAxisLabels(Canvas& canvas, const MapGeometry& geometry, const SurveyHeader& header,
                       int line_step, int trace_step) {
  canvas.SetTextColour(kBlack);
  DrawAxisLabels(canvas, geometry, header, true, line_step);
  DrawAxisLabels(canvas, geometry, header, false, trace_step);
}

MapGeometry DrawHorizonMap(Canvas& canvas, Rect client, const HorizonMapSource& source,
                           ColourBar& bar, const SurveyHeader& header, const MapZoom& zoom,
                           Prompter& prompter) {
  MapGeometry geometry;
  geometry.corner = header.corner_index >= 1 && header.corner_index <= 8 ? header.corner_index : 1;
  geometry.zoom = zoom;
  const HorizonGrid* grid = source.grid;
  if (!grid || zoom.Empty() || zoom.first_row < 0 || zoom.first_column < 0 ||
      zoom.last_row >= grid->rows || zoom.last_column >= grid->columns)
    return geometry;
  if (!source.is_slice &&
      (!source.registration || source.registration->size() != grid->CellCount())) {
    prompter.Tell("Pick Registration Failed");
    return geometry;
  }
  geometry = MapLayout(client, canvas.Device(), header, zoom);
  if (geometry.Empty()) return geometry;
  canvas.StretchImage(BuildMapImage(source, bar, zoom, geometry.corner), geometry.area);
  DrawMapAxisLabels(canvas, geometry, header, source.line_label_every, source.trace_label_every);
  return geometry;
}

}  // namespace quarrix
