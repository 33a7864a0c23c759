#include "scan/scan_drawing.h"

#include <algorithm>
#include <cmath>

#include "horizon/colour_files.h"
#include "map/map_colour_scheme.h"
#include "map/map_colours.h"
#include "map/map_window_overlays.h"
#include "map/plot_map_inputs.h"
#include "scan/scan_registration.h"

namespace quarrix {
namespace {

constexpr Rgb kSeedColour{0, 0, 0};  // like the ink of the contours
constexpr Rgb kProtectedColour{128, 128, 128};
constexpr Rgb kCurrentColour{0, 160, 0};
constexpr Rgb kCornerColour{0, 160, 0};

// The device rectangle covering cells first..last of one grid row.
Rect CellRun(const MapGeometry& frame, int row, int first, int last) {
  const Point a = frame.PixelOf(row, first), b = frame.PixelOf(row, last);
  const double w = frame.cell_width / 2, h = frame.cell_height / 2;
  return {std::min(a.x, b.x) - w, std::min(a.y, b.y) - h, std::max(a.x, b.x) + w,
          std::max(a.y, b.y) + h};
}

// Fills runs of cells along each grid row that `colour_of` gives one colour;
// cells it gives nothing for are left out.
template <typename ColourOf>
void FillCellRuns(Canvas& canvas, const MapGeometry& frame, int rows, int columns,
                  ColourOf colour_of) {
  canvas.SetPen({PenStyle::Null, 0, kBlack});
  for (int row = 0; row < rows; ++row) {
    int column = 0;
    while (column < columns) {
      const std::optional<Rgb> colour = colour_of(row, column);
      int end = column + 1;
      while (end < columns && colour_of(row, end) == colour) ++end;
      if (colour) {
        canvas.SetBrush({BrushStyle::Solid, *colour});
        canvas.Rectangle(CellRun(frame, row, column, end - 1));
      }
      column = end;
    }
  }
}

// The grid position along one axis of the scan for each pixel of that axis
// (-1 outside the data area).
std::vector<int> CellsAlong(int pixels, double start, double cell, int cells) {
  std::vector<int> along(static_cast<std::size_t>(pixels), -1);
  for (int p = 0; p < pixels; ++p) {
    const double k = std::floor((p + 0.5 - start) / cell);
    if (k >= 0 && k < cells) along[p] = static_cast<int>(k);
  }
  return along;
}

bool IsInk(Rgb c) {
  return c.r * 30 + c.g * 59 + c.b * 11 < 128 * 100;
}

}  // namespace

IndexedImage ComposeColouredScan(const ScanDocument& document) {
  const IndexedImage& scan = document.image;
  const MapGeometry frame = ScanFrame(document);
  if (frame.Empty()) return scan;
  ColourBar bar = ScanColourBar(document);
  const MapColourIndex colours(bar);
  // The grid's colours first, then the scan's colours on a 4 x 4 x 4 cube.
  IndexedImage image(scan.width, scan.height);
  image.palette = colours.palette();
  const int cube = static_cast<int>(image.palette.size());
  for (int r = 0; r < 4; ++r)
    for (int g = 0; g < 4; ++g)
      for (int b = 0; b < 4; ++b)
        image.palette.push_back({static_cast<std::uint8_t>(r * 85),
                                 static_cast<std::uint8_t>(g * 85),
                                 static_cast<std::uint8_t>(b * 85)});
  std::vector<std::uint8_t> scan_colour(256, 0);
  std::vector<bool> ink(256, true);
  for (std::size_t k = 0; k < scan.palette.size() && k < 256; ++k) {
    const Rgb c = scan.palette[k];
    scan_colour[k] = static_cast<std::uint8_t>(cube + ((c.r + 42) / 85 * 4 + (c.g + 42) / 85) * 4 +
                                               (c.b + 42) / 85);
    ink[k] = IsInk(c);
  }
  const bool lines_across = frame.corner >= 5;
  const int across = lines_across ? frame.zoom.Rows() : frame.zoom.Columns();
  const int down = lines_across ? frame.zoom.Columns() : frame.zoom.Rows();
  const std::vector<int> xs = CellsAlong(scan.width, frame.area.left, frame.cell_width, across);
  const std::vector<int> ys = CellsAlong(scan.height, frame.area.top, frame.cell_height, down);
  for (int y = 0; y < scan.height; ++y)
    for (int x = 0; x < scan.width; ++x) {
      const std::uint8_t s = scan.pixels[static_cast<std::size_t>(y) * scan.stride + x];
      std::uint8_t& out = image.pixels[static_cast<std::size_t>(y) * image.stride + x];
      out = scan_colour[s];
      if (ink[s] || xs[x] < 0 || ys[y] < 0) continue;  // the scan's lines stay on top
      const std::int16_t value =
          lines_across ? document.grid.At(xs[x], ys[y]) : document.grid.At(ys[y], xs[x]);
      if (value != HORIZON_NULL) out = colours.Of(value);
    }
  return image;
}

namespace {

void DrawSeeds(Canvas& canvas, const ScanDocument& document, const MapGeometry& frame) {
  FillCellRuns(canvas, frame, document.grid.rows, document.grid.columns,
               [&](int row, int column) -> std::optional<Rgb> {
                 const std::uint8_t reg = document.registration.At(row, column);
                 if (reg == kRegSeed) return kSeedColour;
                 if (reg >= kRegProtected && reg != kRegBlanked) return kProtectedColour;
                 return std::nullopt;
               });
}

void DrawPolyline(Canvas& canvas, const std::vector<Point>& points, double scale, Rgb colour) {
  std::vector<Point> device;
  for (const Point& p : points) device.push_back({p.x * scale, p.y * scale});
  canvas.SetPen({PenStyle::Solid, 1, colour});
  if (device.size() >= 2) canvas.Polyline(device.data(), device.size());
  canvas.SetBrush({BrushStyle::Solid, colour});
  for (const Point& p : device) canvas.Rectangle({p.x - 2, p.y - 2, p.x + 3, p.y + 3});
}

void DrawCorner(Canvas& canvas, Point p, double scale) {
  const Point c{p.x * scale, p.y * scale};
  canvas.SetPen({PenStyle::Solid, 2, kCornerColour});
  canvas.MoveTo({c.x - 8, c.y});
  canvas.LineTo({c.x + 9, c.y});
  canvas.MoveTo({c.x, c.y - 8});
  canvas.LineTo({c.x, c.y + 9});
}

void DrawWellPosts(Canvas& canvas, const ScanDocument& document, const MapGeometry& frame) {
  MapWindowOverlays overlays;
  overlays.wells = document.wells;
  for (WellGroupPost& group : overlays.wells) group.style = MapWellStyle(document.options);
  overlays.well_options.label = document.label_wells;
  DrawMapOverlays(canvas, frame, document.header, document.placement, overlays);
}

}  // namespace

ColourBar ScanColourBar(const ScanDocument& document) {
  return MapColoursOf(document.horizon_path, document.grid, false, document.colour_scheme,
                      document.colour_sets)
      .bar;
}

Point ScanDrawingSize(const ScanDocument& document) {
  return {std::max(1.0, document.image.width * document.scale),
          std::max(1.0, document.image.height * document.scale)};
}

ScanGeometry DrawScan(Canvas& canvas, const ScanDocument& document) {
  ScanGeometry geometry;
  geometry.scale = document.scale;
  if (!document.HasBitmap()) return geometry;
  const double s = document.scale;
  geometry.frame = ScanFrame(document, s);
  const MapGeometry& frame = geometry.frame;
  const Rect scan{0, 0, document.image.width * s, document.image.height * s};
  if (document.show_in_colour && !frame.Empty())
    canvas.StretchImage(ComposeColouredScan(document), scan);
  else
    canvas.StretchImage(document.image, scan);
  if (!frame.Empty()) {
    if (document.show_seeds) DrawSeeds(canvas, document, frame);
    canvas.SetPen({PenStyle::Dot, 1, kCornerColour});
    canvas.SetBrush({BrushStyle::Null, kBlack});
    canvas.Rectangle({document.upper_left->x * s, document.upper_left->y * s,
                      document.lower_right->x * s, document.lower_right->y * s});
    DrawMapAxisLabels(canvas, frame, document.header, document.options.line_label_every,
                      document.options.trace_label_every);
    DrawWellPosts(canvas, document, frame);
  }
  // Finished lines show as their seeds (which erasing removes); only the
  // line being clicked is drawn as clicked.
  DrawPolyline(canvas, document.current, s, kCurrentColour);
  if (document.upper_left) DrawCorner(canvas, *document.upper_left, s);
  if (document.lower_right) DrawCorner(canvas, *document.lower_right, s);
  return geometry;
}

}  // namespace quarrix
