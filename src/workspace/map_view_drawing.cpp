#include "workspace/map_view_drawing.h"

#include <algorithm>

#include "platform/progress.h"

namespace quarrix {
namespace {

constexpr Pen kSectionPen{PenStyle::Solid, 1, {255, 0, 255}};
constexpr Pen kRubberPen{PenStyle::Dot, 1, {0, 0, 0}};
constexpr Pen kPolygonPen{PenStyle::Solid, 2, {0, 0, 0}};

// The outer edge of a cell rectangle between two cells, in pixels.
Rect CellSpan(const MapGeometry& g, GridCell a, GridCell b) {
  const Point p = g.PixelOf(a.row, a.column), q = g.PixelOf(b.row, b.column);
  const double hw = g.cell_width / 2, hh = g.cell_height / 2;
  return {std::min(p.x, q.x) - hw, std::min(p.y, q.y) - hh, std::max(p.x, q.x) + hw,
          std::max(p.y, q.y) + hh};
}

void DrawSectionMarks(Canvas& canvas, const MapGeometry& g, const SectionMarks& marks) {
  canvas.SetPen(kSectionPen);
  const MapZoom& z = g.zoom;
  for (int row : marks.line_rows)
    if (row >= z.first_row && row <= z.last_row) {
      canvas.MoveTo(g.PixelOf(row, z.first_column - 0.5));
      canvas.LineTo(g.PixelOf(row, z.last_column + 0.5));
    }
  for (int column : marks.trace_columns)
    if (column >= z.first_column && column <= z.last_column) {
      canvas.MoveTo(g.PixelOf(z.first_row - 0.5, column));
      canvas.LineTo(g.PixelOf(z.last_row + 0.5, column));
    }
}

// The zoom rectangle being dragged and the polygon being drawn.
void DrawMouseWork(Canvas& canvas, const MapGeometry& g, const MapViewState& view) {
  canvas.SetBrush({BrushStyle::Null, kBlack});
  if (view.mode == MapViewState::Mode::Zoom && view.anchor && view.cursor) {
    canvas.SetPen(kRubberPen);
    canvas.Rectangle(CellSpan(g, *view.anchor, *view.cursor));
  }
  const bool digitising =
      view.mode == MapViewState::Mode::Polygon || view.mode == MapViewState::Mode::ArbitraryLine;
  if (!digitising || view.vertices.empty()) return;
  std::vector<Point> points;
  for (const GridCell& cell : view.vertices) points.push_back(g.PixelOf(cell.row, cell.column));
  if (view.cursor) points.push_back(g.PixelOf(view.cursor->row, view.cursor->column));
  canvas.SetPen(kPolygonPen);
  canvas.Polyline(points.data(), points.size());
}

}  // namespace

MapGeometry DrawMapView(Canvas& canvas, Rect client, const MapDrawInputs& in,
                        const MapViewState& view, Prompter& prompter) {
  if (!in.picture || !in.picture->readable || !in.header) return {};
  const MapPicture& picture = *in.picture;
  ColourBar bar = picture.bar;
  const HorizonMapSource source{&picture.grid, &picture.registration, picture.is_slice,
                                view.line_label_every, view.trace_label_every};
  NullProgress no_progress;
  const ContourMapOptions no_options;
  const MapGeometry geometry =
      view.kind == MapKind::Contour
          ? DrawContourMap(canvas, client, picture, *in.header, view.zoom,
                           in.contour ? *in.contour : no_options,
                           in.progress ? *in.progress : no_progress, prompter)
          : DrawHorizonMap(canvas, client, source, bar, *in.header, view.zoom, prompter);
  if (geometry.Empty()) return geometry;
  canvas.SetClip(geometry.area);
  if (in.overlays && in.placement) {
    MapWindowOverlays overlays = *in.overlays;
    overlays.editing_region = view.mode == MapViewState::Mode::Polygon;
    overlays.digitising_arbitrary_line = view.mode == MapViewState::Mode::ArbitraryLine;
    overlays.region.points.clear();
    for (const RegionVertex& v : view.region.vertices())
      overlays.region.points.push_back({v.row, v.column});
    DrawMapOverlays(canvas, geometry, *in.header, *in.placement, overlays);
  }
  DrawSectionMarks(canvas, geometry, in.sections);
  DrawMouseWork(canvas, geometry, view);
  canvas.ClearClip();
  return geometry;
}

}  // namespace quarrix
