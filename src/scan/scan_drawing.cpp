#include "scan/scan_drawing.h"

#include <algorithm>

#include "horizon/colour_files.h"
#include "horizon/horizon_location.h"
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

void DrawGridColours(Canvas& canvas, const ScanDocument& document, const MapGeometry& frame) {
  ColourBar bar = ScanColourBar(document);
  const MapColourIndex index(bar);
  FillCellRuns(canvas, frame, document.grid.rows, document.grid.columns,
               [&](int row, int column) -> std::optional<Rgb> {
                 const std::int16_t value = document.grid.At(row, column);
                 if (value == HORIZON_NULL) return std::nullopt;
                 return index.palette()[index.Of(value)];
               });
}

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
  for (WellGroupPost& group : overlays.wells) {
    group.style.symbol_inches = document.options.well_symbol_inches;
    group.style.character_inches = document.options.well_text_inches;
  }
  overlays.well_options.label = document.label_wells;
  DrawMapOverlays(canvas, frame, document.header, document.placement, overlays);
}

}  // namespace

ColourBar ScanColourBar(const ScanDocument& document) {
  ColourBar bar;
  if (document.colour_scheme <= 0 || document.colour_scheme > 8) {
    const HorizonLocation horizon = LocateHorizon(document.project_folder, document.horizon_path);
    if (document.horizon_path.empty() || !ReadColourFile(horizon.Companion(".col"), bar))
      bar = DefaultTimeColourBar();
    return bar;
  }
  int low = 0, high = 0;
  if (!GridRange(document.grid, low, high)) return DefaultTimeColourBar();
  const ColourSetRecord& set = document.colour_sets[document.colour_scheme - 1];
  return StretchColourSet(ColourSetAnchors(set), set.min_increment, low, high);
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
  canvas.StretchImage(document.image, {0, 0, document.image.width * s, document.image.height * s});
  geometry.frame = ScanFrame(document, s);
  const MapGeometry& frame = geometry.frame;
  if (!frame.Empty()) {
    if (document.show_in_colour) DrawGridColours(canvas, document, frame);
    if (document.show_seeds) DrawSeeds(canvas, document, frame);
    canvas.SetPen({PenStyle::Dot, 1, kCornerColour});
    canvas.SetBrush({BrushStyle::Null, kBlack});
    canvas.Rectangle({document.upper_left->x * s, document.upper_left->y * s,
                      document.lower_right->x * s, document.lower_right->y * s});
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
