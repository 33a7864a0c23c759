#include "map/map_overlays.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/smooth_curve.h"
#include "platform/numeric.h"
#include "platform/text_util.h"
#include "section/well_symbols.h"

namespace quarrix {
namespace {

// Direction of each label position around the symbol (x right, y down).
constexpr int kLabelDx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kLabelDy[8] = {0, -1, -1, -1, 0, 1, 1, 1};

Pen PenOf(const LineStyle& style) {
  return {style.style, style.width, style.colour};
}

void DrawWellLabel(Canvas& canvas, Point centre, double symbol,
                   const std::vector<std::string>& lines, const WellStyle& style,
                   double text_height, LabelSpace* space) {
  if (lines.empty()) return;
  const double gap = symbol / 2 + text_height * 0.3;
  double width = 0;
  for (const std::string& line : lines) width = std::max(width, canvas.TextWidth(line));
  const double height = text_height * static_cast<double>(lines.size());
  // The label block's top-left corner at a position round the symbol.
  auto corner = [&](int position) {
    double left = centre.x + kLabelDx[position] * gap;
    if (kLabelDx[position] < 0) left -= width;
    if (kLabelDx[position] == 0) left -= width / 2;
    double top = centre.y + kLabelDy[position] * gap;
    if (kLabelDy[position] < 0) top -= height;
    if (kLabelDy[position] == 0) top -= height / 2;
    return Point{left, top};
  };
  const int preferred = std::clamp(style.label_position, 0, 7);
  Point at = corner(preferred);
  if (space) {
    bool placed = false;
    for (int k = 0; k < 8 && !placed; ++k) {
      at = corner((preferred + k) % 8);
      placed = space->Take(LabelSpace::Upright({at.x, at.y, at.x + width, at.y + height}),
                           text_height * 0.2);
    }
    if (!placed) return;
  }
  if (style.erase_label_background) {
    canvas.SetPen({PenStyle::Null, 0, kWhite});
    canvas.SetBrush({BrushStyle::Solid, kWhite});
    canvas.Rectangle({at.x, at.y, at.x + width, at.y + height});
  }
  canvas.SetTextColour(style.label_colour);
  for (std::size_t i = 0; i < lines.size(); ++i)
    canvas.Text({at.x, at.y + text_height * static_cast<double>(i)}, lines[i],
                kAlignLeft | kAlignTop);
}

}  // namespace

bool PostsWell(const WellPostingOptions& options, int depth) {
  return !options.sort || options.well_sort.Posts(depth);
}

std::vector<std::string> WellLabelLines(const PostedWell& well, const WellPostingOptions& options) {
  std::vector<std::string> lines;
  if (options.label) lines.push_back(well.name);
  if (options.title && !well.title.empty() && (!options.label || well.title != well.name))
    lines.push_back(well.title);
  if (options.depth) lines.push_back(FormatText("%d", well.depth));
  if (options.map_value && well.map_value) lines.push_back(FormatText("%d", *well.map_value));
  return lines;
}

namespace {

// Where a well is posted on the device; nothing when it cannot be placed.
std::optional<Point> WellPosition(const OverlayPlacer& place, const PostedWell& well,
                                  const WellPostingOptions& options) {
  if (!options.use_xy || !place.world) return place.grid(well.line_row, well.trace_column);
  std::optional<Point> at = place.world(well.x, well.y);
  if (at && options.trap) {
    // Back to the nearest line and trace: the grid placer is affine, so
    // the cell is found from the positions of three grid points.
    Point o = place.grid(0, 0), r = place.grid(1, 0), c = place.grid(0, 1);
    double ax = r.x - o.x, ay = r.y - o.y, bx = c.x - o.x, by = c.y - o.y;
    double det = ax * by - ay * bx;
    if (det != 0) {
      double px = at->x - o.x, py = at->y - o.y;
      double row = (px * by - py * bx) / det, column = (ax * py - ay * px) / det;
      at = place.grid(std::round(row), std::round(column));
    }
  }
  return at;
}

}  // namespace

void DrawWells(Canvas& canvas, const OverlayPlacer& place, const WellGroupPost& group,
               const WellPostingOptions& options, LabelSpace* space) {
  const DeviceInfo device = canvas.Device();
  const WellStyle& style = group.style;
  const double symbol = std::max(2.0, style.symbol_inches * device.ppi_x);
  const int text_height = std::max(4, Trunc32(style.character_inches * device.ppi_y));
  std::vector<std::pair<const PostedWell*, Point>> posted;
  for (const PostedWell& well : group.wells)
    if (auto at = WellPosition(place, well, options); at && PostsWell(options, well.depth))
      posted.push_back({&well, *at});
  // Labels keep off every symbol of the group, not only those drawn before.
  if (space)
    for (const auto& [well, at] : posted)
      space->Reserve(LabelSpace::Upright(
          {at.x - symbol / 2, at.y - symbol / 2, at.x + symbol / 2, at.y + symbol / 2}));
  for (const auto& [well, at] : posted) {
    if (style.erase_symbol_background) {
      canvas.SetPen({PenStyle::Null, 0, kWhite});
      canvas.SetBrush({BrushStyle::Solid, kWhite});
      canvas.Ellipse({at.x - symbol / 2, at.y - symbol / 2, at.x + symbol / 2, at.y + symbol / 2});
    }
    DrawWellSymbol(canvas, well->symbol, at, symbol, style.symbol_colour,
                   std::max(1, style.thickness));
    if (options.sort && options.well_sort.Marks(well->depth)) {
      // A ring around the symbol marks the deep wells.
      const double ring = symbol * 0.8;
      canvas.SetPen({PenStyle::Solid, 2, kMarkedWellColour});
      canvas.SetBrush(kNullBrush);
      canvas.Ellipse({at.x - ring, at.y - ring, at.x + ring, at.y + ring});
    }
    canvas.SetFont({"Arial", text_height, 400, 0});
    DrawWellLabel(canvas, at, symbol, WellLabelLines(*well, options), style, text_height, space);
  }
}

void DrawGridPolylines(Canvas& canvas, const OverlayPlacer& place,
                       const std::vector<GridPolyline>& lines, const LineStyle& style, int smooth) {
  canvas.SetPen(PenOf(style));
  for (const GridPolyline& line : lines) {
    std::vector<Point> points;
    for (auto [row, column] : line.points) points.push_back(place.grid(row, column));
    if (smooth >= 2 && points.size() >= 5) {
      // The spline works in whole device units; sixteenths keep it smooth.
      std::vector<DevicePoint> fixed;
      for (const Point& p : points) fixed.push_back({Trunc32(p.x * 16), Trunc32(p.y * 16)});
      std::vector<DevicePoint> curve = SmoothCurve(fixed, false, smooth);
      if (!curve.empty()) {
        points.clear();
        for (const DevicePoint& p : curve) points.push_back({p.x / 16.0, p.y / 16.0});
      }
    }
    if (points.size() >= 2) canvas.Polyline(points);
  }
}

void DrawCulture(Canvas& canvas, const OverlayPlacer& place, const CultureDrawing& culture,
                 const CultureOptions& options, const WorldWindow& window, Rect clip,
                 double device_units_per_foot, LabelSpace* space) {
  if (!place.world) return;
  canvas.SetClip(clip);
  if (options.plot_lines) {
    for (const CultureDrawing::Polyline& polyline : culture.polylines) {
      std::vector<Point> points;
      for (auto [x, y] : polyline.points)
        if (auto p = place.world(x, y)) points.push_back(*p);
      if (points.size() < 2) continue;
      Pen pen = PenOf(options.line);
      if (polyline.width > 0)
        pen.width = std::max(1, Trunc32(polyline.width * device_units_per_foot));
      canvas.SetPen(pen);
      canvas.Polyline(points);
    }
    canvas.SetPen(PenOf(options.line));
    canvas.SetBrush(kNullBrush);
    for (const CultureDrawing::Circle& circle : culture.circles) {
      if (!window.Contains(circle.x, circle.y)) continue;
      auto a = place.world(circle.x - circle.radius, circle.y - circle.radius);
      auto b = place.world(circle.x + circle.radius, circle.y + circle.radius);
      auto centre = place.world(circle.x, circle.y);
      if (!a || !b || !centre) continue;
      // The converted bounding square, as a circle about the centre.
      double radius = std::hypot(b->x - a->x, b->y - a->y) / (2 * std::sqrt(2.0));
      canvas.Ellipse(
          {centre->x - radius, centre->y - radius, centre->x + radius, centre->y + radius});
    }
    for (const CultureDrawing::Segment& line : culture.lines) {
      if (!window.Contains(line.x1, line.y1) && !window.Contains(line.x2, line.y2)) continue;
      auto a = place.world(line.x1, line.y1);
      auto b = place.world(line.x2, line.y2);
      if (a && b) canvas.Line(*a, *b);
    }
  }
  if (options.plot_text) {
    canvas.SetTextColour(options.text_colour);
    for (const CultureDrawing::Label& label : culture.texts) {
      if (!window.Contains(label.x, label.y)) continue;
      auto at = place.world(label.x, label.y);
      if (!at) continue;
      int height = std::max(1, Trunc32(label.height * options.text_scale * device_units_per_foot));
      canvas.SetFont({"Arial", height, 400, label.rotation});
      unsigned align = label.horizontal == 1 || label.horizontal == 4 ? kAlignCentre
                       : label.horizontal == 2                        ? kAlignRight
                                                                      : kAlignLeft;
      align |= label.vertical == 3   ? kAlignTop
               : label.vertical == 1 ? kAlignBottom
                                     : kAlignBaseline;
      if (space) {
        // The text's box from its anchor, turned with it.
        const double width = canvas.TextWidth(label.text);
        const double left = align & kAlignCentre ? -width / 2 : align & kAlignRight ? -width : 0;
        const double top = align & kAlignBottom     ? -height
                           : align & kAlignBaseline ? -0.8 * height
                                                    : 0;
        const double turn = label.rotation / 10.0 * std::numbers::pi / 180;
        const double c = std::cos(turn), s = std::sin(turn);
        LabelSpace::Box box;
        const Point corners[4] = {
            {left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
        for (int k = 0; k < 4; ++k)
          box[k] = {at->x + corners[k].x * c + corners[k].y * s,
                    at->y - corners[k].x * s + corners[k].y * c};
        space->Reserve(box);
      }
      canvas.Text(*at, label.text, align);
    }
  }
  canvas.ClearClip();
}

}  // namespace quarrix
