#include "map/surface_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "map/map_colours.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMostCellsPerSide = 160;

struct Vec {
  double x = 0, y = 0, z = 0;
};
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator*(Vec a, double k) {
  return {a.x * k, a.y * k, a.z * k};
}
double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec Normalised(Vec a) {
  double length = std::sqrt(Dot(a, a));
  return length > 0 ? a * (1 / length) : Vec{0, 0, 1};
}

// A perspective camera looking at a target point.
class Camera {
 public:
  Camera(Vec target, const SurfaceCamera& settings) {
    const double azimuth = settings.azimuth * kPi / 180;
    const double elevation = std::clamp(settings.elevation, -89.0, 89.0) * kPi / 180;
    const double distance = std::max(settings.distance, 1.0);
    Vec towards{std::sin(azimuth) * std::cos(elevation), -std::cos(azimuth) * std::cos(elevation),
                std::sin(elevation)};
    eye_ = target + towards * distance;
    forward_ = Normalised(target - eye_);
    right_ = Normalised(Cross(forward_, {0, 0, 1}));
    up_ = Cross(right_, forward_);
  }
  // Screen position (y up) and depth; false behind the camera.
  bool Project(Vec p, double& sx, double& sy, double& depth) const {
    Vec d = p - eye_;
    depth = Dot(d, forward_);
    if (depth <= 1e-6) return false;
    sx = Dot(d, right_) / depth;
    sy = Dot(d, up_) / depth;
    return true;
  }
  Vec forward() const { return forward_; }

 private:
  Vec eye_, forward_, right_, up_;
};

struct Node {
  bool valid = false;
  Vec world;
  double sx = 0, sy = 0, depth = 0;
  double value = 0;
};

struct Quad {
  double depth;
  int row, column;
};

Rgb Shade(Rgb c, double light) {
  auto f = [light](std::uint8_t v) {
    return static_cast<std::uint8_t>(std::clamp(v * light, 0.0, 255.0));
  };
  return {f(c.r), f(c.g), f(c.b)};
}

// The sampled grid projected through the camera, with the base frame below it and the
// extent of both on the projection plane.
struct ProjectedSurface {
  int rows = 0, columns = 0;
  std::vector<Node> nodes;
  double base_sx[4], base_sy[4], base_depth[4];
  bool base_valid = true;
  double min_x = 1e300, max_x = -1e300, min_y = 1e300, max_y = -1e300;

  Node& At(int r, int c) { return nodes[static_cast<std::size_t>(r) * columns + c]; }
  const Node& At(int r, int c) const { return nodes[static_cast<std::size_t>(r) * columns + c]; }
  void Widen(double sx, double sy) {
    min_x = std::min(min_x, sx);
    max_x = std::max(max_x, sx);
    min_y = std::min(min_y, sy);
    max_y = std::max(max_y, sy);
  }
};

// Maps the projection plane into the drawing area, leaving room for the axis labels.
struct ScreenFit {
  double inset = 0, scale = 0, left = 0, top = 0, min_x = 0, max_y = 0;

  ScreenFit(Rect area, const ProjectedSurface& s)
      : inset(std::min(area.Width(), area.Height()) * 0.08),
        scale(std::min((area.Width() - 2 * inset) / (s.max_x - s.min_x),
                       (area.Height() - 2 * inset) / (s.max_y - s.min_y))),
        left(area.left + (area.Width() - (s.max_x - s.min_x) * scale) / 2),
        top(area.top + (area.Height() - (s.max_y - s.min_y) * scale) / 2),
        min_x(s.min_x),
        max_y(s.max_y) {}
  Point operator()(double sx, double sy) const {
    return Point{left + (sx - min_x) * scale, top + (max_y - sy) * scale};
  }
};

// Projects every step-th grid node (nulls stay invalid) and the base frame at the lowest
// level, which carries the axes.
ProjectedSurface ProjectSurface(const HorizonGrid& grid, const SurfaceGeometry& geometry,
                                const SurfaceCamera& settings, int low, int high, int step) {
  ProjectedSurface s;
  s.rows = (grid.rows - 1) / step + 1;
  s.columns = (grid.columns - 1) / step + 1;
  const double sign = geometry.values_up ? 1 : -1;
  auto height_of = [&](double v) { return sign * (v - (low + high) / 2.0) * settings.z_scale; };

  s.nodes.resize(static_cast<std::size_t>(s.rows) * s.columns);
  const double ground_x = (grid.columns - 1) * geometry.column_feet;
  const double ground_y = (grid.rows - 1) * geometry.row_feet;
  const Vec target{ground_x / 2, ground_y / 2, 0};
  SurfaceCamera camera_settings = settings;
  // A camera inside the surface sees nothing useful: keep it outside.
  camera_settings.distance = std::max(settings.distance, 0.75 * std::hypot(ground_x, ground_y));
  const Camera camera(target, camera_settings);

  for (int r = 0; r < s.rows; ++r)
    for (int c = 0; c < s.columns; ++c) {
      const int gr = std::min(r * step, grid.rows - 1), gc = std::min(c * step, grid.columns - 1);
      const std::int16_t v = grid.At(gr, gc);
      Node& n = s.At(r, c);
      if (v == HORIZON_NULL) continue;
      n.value = v;
      n.world = {gc * geometry.column_feet, gr * geometry.row_feet, height_of(v)};
      n.valid = camera.Project(n.world, n.sx, n.sy, n.depth);
      if (n.valid) s.Widen(n.sx, n.sy);
    }
  const double base_z = std::min(height_of(low), height_of(high));
  const Vec base[4] = {
      {0, 0, base_z}, {ground_x, 0, base_z}, {ground_x, ground_y, base_z}, {0, ground_y, base_z}};
  for (int k = 0; k < 4; ++k) {
    s.base_valid =
        camera.Project(base[k], s.base_sx[k], s.base_sy[k], s.base_depth[k]) && s.base_valid;
    if (s.base_valid) s.Widen(s.base_sx[k], s.base_sy[k]);
  }
  return s;
}

void DrawBaseOutline(Canvas& canvas, const ProjectedSurface& s, const ScreenFit& screen) {
  canvas.SetPen({PenStyle::Solid, 1, {80, 80, 80}});
  std::vector<Point> outline;
  for (int k = 0; k <= 4; ++k) outline.push_back(screen(s.base_sx[k % 4], s.base_sy[k % 4]));
  canvas.Polyline(outline);
}

// The cells whose four corners are all visible, farthest first (painter's order).
std::vector<Quad> QuadsFarthestFirst(const ProjectedSurface& s) {
  std::vector<Quad> quads;
  quads.reserve(static_cast<std::size_t>(s.rows - 1) * (s.columns - 1));
  for (int r = 0; r + 1 < s.rows; ++r)
    for (int c = 0; c + 1 < s.columns; ++c) {
      const Node* corners[4] = {&s.At(r, c), &s.At(r, c + 1), &s.At(r + 1, c + 1), &s.At(r + 1, c)};
      if (!std::all_of(corners, corners + 4, [](const Node* n) { return n->valid; })) continue;
      double depth = 0;
      for (const Node* n : corners) depth += n->depth;
      quads.push_back({depth / 4, r, c});
    }
  std::sort(quads.begin(), quads.end(),
            [](const Quad& a, const Quad& b) { return a.depth > b.depth; });
  return quads;
}

// Fills each cell in the bar's colour of its mean value, shaded by its tilt to the light,
// or white with a fishnet outline.
void DrawQuads(Canvas& canvas, const ProjectedSurface& s, const std::vector<Quad>& quads,
               const ScreenFit& screen, ColourBar& bar, const SurfaceCamera& settings) {
  MapColourIndex colours(bar);
  const Vec light = Normalised({-0.4, -0.6, 1.0});
  const bool solid = settings.solid || !settings.fishnet;
  for (const Quad& q : quads) {
    const Node* corners[4] = {&s.At(q.row, q.column), &s.At(q.row, q.column + 1),
                              &s.At(q.row + 1, q.column + 1), &s.At(q.row + 1, q.column)};
    Point points[4];
    double mean = 0;
    for (int k = 0; k < 4; ++k) {
      points[k] = screen(corners[k]->sx, corners[k]->sy);
      mean += corners[k]->value / 4;
    }
    const Rgb colour = colours.palette()[colours.Of(static_cast<std::int16_t>(mean))];
    const Vec normal = Normalised(
        Cross(corners[1]->world - corners[0]->world, corners[3]->world - corners[0]->world));
    const double lit = 0.45 + 0.55 * std::fabs(Dot(normal, light));
    canvas.SetBrush({BrushStyle::Solid, solid ? Shade(colour, lit) : kWhite});
    if (settings.fishnet)
      canvas.SetPen({PenStyle::Solid, 0, settings.colour_fishnet ? colour : kBlack});
    else
      canvas.SetPen({PenStyle::Null, 0, kBlack});
    canvas.Polygon(points, 4);
  }
}

// Labels the base frame's corners with their line and trace.
void DrawCornerLabels(Canvas& canvas, const ProjectedSurface& s, const ScreenFit& screen,
                      const HorizonGrid& grid, const SurfaceGeometry& geometry) {
  canvas.SetFont({"Arial", std::max(8, static_cast<int>(screen.inset / 3)), 400, 0});
  canvas.SetTextColour(kBlack);
  const int last_line = geometry.first_line + (grid.rows - 1) * geometry.line_step;
  const int last_trace = geometry.first_trace + (grid.columns - 1) * geometry.trace_step;
  const std::string labels[4] = {FormatText("L%d T%d", geometry.first_line, geometry.first_trace),
                                 FormatText("L%d T%d", geometry.first_line, last_trace),
                                 FormatText("L%d T%d", last_line, last_trace),
                                 FormatText("L%d T%d", last_line, geometry.first_trace)};
  for (int k = 0; k < 4; ++k) {
    Point p = screen(s.base_sx[k], s.base_sy[k]);
    canvas.Text(p, labels[k], kAlignCentre | kAlignTop);
  }
}

}  // namespace

void DrawSurfaceView(Canvas& canvas, Rect area, const HorizonGrid& grid, ColourBar& bar,
                     const SurfaceGeometry& geometry, const SurfaceCamera& settings) {
  if (grid.rows < 2 || grid.columns < 2 || area.Width() <= 0 || area.Height() <= 0) return;
  const int step =
      std::max(1, (std::max(grid.rows, grid.columns) + kMostCellsPerSide - 1) / kMostCellsPerSide);
  const int rows = (grid.rows - 1) / step + 1, columns = (grid.columns - 1) / step + 1;
  if (rows < 2 || columns < 2) return;
  int low = 0, high = 0;
  if (!GridRange(grid, low, high)) return;

  const ProjectedSurface surface = ProjectSurface(grid, geometry, settings, low, high, step);
  if (surface.max_x <= surface.min_x || surface.max_y <= surface.min_y) return;
  const ScreenFit screen(area, surface);
  if (surface.base_valid) DrawBaseOutline(canvas, surface, screen);
  DrawQuads(canvas, surface, QuadsFarthestFirst(surface), screen, bar, settings);
  if (surface.base_valid) DrawCornerLabels(canvas, surface, screen, grid, geometry);
}

}  // namespace quarrix
