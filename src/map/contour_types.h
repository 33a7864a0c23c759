#pragma once
// What the contouring engine hands to whoever draws: finished polygons in device
// points with their level and line class, and band pieces for cell filling.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace quarrix {

struct DevicePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const DevicePoint&) const = default;
};

// One of the three contour line classes ("Contour 1" .. "Contour 3"): a level
// that is a multiple of `every` belongs to it; every == 0 switches it off.
struct ContourLineClass {
  std::int16_t every = 0;
  bool label = false;
  std::int16_t width = 1;
  std::int16_t style = 0;  // pen: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
  std::uint32_t colour = 0;
};

// Where the grid lands on the device: grid column x and row y (fractional) map to
// X = x * width / (columns - 1) + left, Y = y * height / (rows - 1) + top, then
// through the plot's orientation transform when one is given.
struct ContourFrame {
  double left = 0, top = 0, width = 0, height = 0;
  std::function<void(double& x, double& y)> orient;
};

enum class CurveSmoothing { None = 1, Light = 2, Medium = 3, Heavy = 4 };

struct ContourOptions {
  int decimate = 0;  // "Decimate Data Skip": keep every (k + 1)-th row and column
  CurveSmoothing smoothing = CurveSmoothing::None;
  bool fill = true;  // "Contour" fills the polygons; the line pass of "L Contour" does not
  std::array<ContourLineClass, 3> classes{};
  ContourFrame frame;
  // Cell filling takes only corners above this value.
  int lower_bound = -32768;
  // Levels are traced by this many threads at once; the sink receives the
  // same polygons in the same order for every count.
  int threads = 1;
};

struct ContourPath {
  std::vector<DevicePoint> points;
  bool closed = false;  // false when the trace ran off the grid
};

struct ContourPolygon {
  int level = 0;
  int level_index = 0;
  std::vector<ContourPath> paths;  // the sub-paths of the point list, in order
  int line_class = 0;              // 1..3, or 0 for no outline (null pen)
  bool label = false;
  bool fill = true;
  bool label_clip = false;  // the plot's first polygon of at least 11 points
};

enum class DrawOutcome { Drawn, PolygonRefused, PolylineRefused };

class ContourSink {
 public:
  virtual ~ContourSink() = default;
  virtual DrawOutcome Polygon(const ContourPolygon& polygon) = 0;
  // One piece of a cell lying in one colour band (band 1 is at or above the first level).
  virtual void BandPiece(const std::vector<DevicePoint>& piece, int band) {}
};

}  // namespace quarrix
