#include "map/plot_transform.h"

#include <algorithm>
#include <cmath>

#include "platform/numeric.h"

namespace quarrix {
namespace {

// A spacing of zero (possible in a header) would fold the plot to a line.
double Step(float spacing, float increment) {
  double step = std::fabs(static_cast<double>(spacing) * increment);
  return step > 0 ? step : 1.0;
}

}  // namespace

void WorldOfOffsets(const SurveyHeader& header, const SurveyPlacement& p, double dl, double dt,
                    double& x, double& y) {
  const double c = p.map_rotation_cos, s = p.map_rotation_sin;
  const double u = dt * header.trace_spacing, v = dl * header.line_spacing;
  const int corner = header.corner_index;
  double a, b;
  if (corner <= 4) {
    a = u * c - v * s;
    b = u * s + v * c;
  } else {
    a = u * c + v * s;
    b = v * c - u * s;
  }
  // Signs of (X, Y) for corners 1..8.
  static constexpr int kSignX[8] = {1, -1, -1, 1, 1, -1, -1, 1};
  static constexpr int kSignY[8] = {-1, -1, 1, 1, 1, 1, -1, -1};
  const int k = std::clamp(corner, 1, 8) - 1;
  x = p.xy_origin_x + kSignX[k] * a;
  y = p.xy_origin_y + kSignY[k] * b;
}

WorldWindow ZoomWorldWindow(const SurveyHeader& header, const SurveyPlacement& placement,
                            const MapZoom& zoom, double margin) {
  WorldWindow window{1e300, 1e300, -1e300, -1e300};
  for (int row : {zoom.first_row, zoom.last_row})
    for (int column : {zoom.first_column, zoom.last_column}) {
      double x, y;
      WorldOfOffsets(header, placement, row * header.line_increment,
                     column * header.trace_increment, x, y);
      window = {std::min(window.min_x, x), std::min(window.min_y, y), std::max(window.max_x, x),
                std::max(window.max_y, y)};
    }
  return {window.min_x - margin, window.min_y - margin, window.max_x + margin,
          window.max_y + margin};
}

PlotTransform::PlotTransform(const SurveyHeader& header, const SurveyPlacement& placement,
                             const MapZoom& zoom, bool in_xy)
    : header_(header),
      placement_(placement),
      zoom_(zoom),
      in_xy_(in_xy && placement.HasXy()),
      line_step_(Step(header.line_spacing, header.line_increment)),
      trace_step_(Step(header.trace_spacing, header.trace_increment)) {
  bool first = true;
  for (double row : {zoom.first_row - 0.5, zoom.last_row + 0.5})
    for (double column : {zoom.first_column - 0.5, zoom.last_column + 0.5}) {
      double x, y;
      Plan(row, column, x, y);
      min_x_ = first ? x : std::min(min_x_, x);
      max_x_ = first ? x : std::max(max_x_, x);
      min_y_ = first ? y : std::min(min_y_, y);
      max_y_ = first ? y : std::max(max_y_, y);
      first = false;
    }
}

void PlotTransform::Plan(double row, double column, double& x, double& y) const {
  if (in_xy_) {
    WorldOfOffsets(header_, placement_, row * header_.line_increment,
                   column * header_.trace_increment, x, y);
    y = -y;  // north up the page
    return;
  }
  const int corner = std::clamp(header_.corner_index, 1, 8);
  const int k = (corner - 1) % 4;
  double across = corner >= 5 ? row * line_step_ : column * trace_step_;
  double down = corner >= 5 ? column * trace_step_ : row * line_step_;
  x = (k == 1 || k == 2) ? -across : across;
  y = (k == 2 || k == 3) ? -down : down;
}

int PlotTransform::FitScale(Rect area, double ppi_x, double ppi_y) const {
  double needed = std::max(WidthFeet() / std::max(area.Width() / ppi_x, 1e-3),
                           HeightFeet() / std::max(area.Height() / ppi_y, 1e-3));
  return std::max(1, static_cast<int>(std::ceil(needed - 1e-9)));
}

void PlotTransform::Place(Rect area, double feet_per_inch, double ppi_x, double ppi_y) {
  units_x_ = ppi_x / feet_per_inch;
  units_y_ = ppi_y / feet_per_inch;
  const double width = WidthFeet() * units_x_, height = HeightFeet() * units_y_;
  left_ = area.left + (area.Width() - width) / 2;
  top_ = area.top + (area.Height() - height) / 2;
  data_rect_ = {left_, top_, left_ + width, top_ + height};
}

Point PlotTransform::ToDevice(double row, double column) const {
  double x, y;
  Plan(row, column, x, y);
  return {left_ + (x - min_x_) * units_x_, top_ + (y - min_y_) * units_y_};
}

PlotGridFrame PlotTransform::Frame() const {
  const Point origin = ToDevice(0, 0), row = ToDevice(1, 0), column = ToDevice(0, 1);
  return {origin, {row.x - origin.x, row.y - origin.y}, {column.x - origin.x, column.y - origin.y}};
}

Point PlotGridFrame::ToDevice(double row, double column) const {
  return {origin.x + row * per_row.x + column * per_column.x,
          origin.y + row * per_row.y + column * per_column.y};
}

std::optional<std::pair<double, double>> PlotGridFrame::ToGrid(Point device) const {
  const double det = per_row.x * per_column.y - per_row.y * per_column.x;
  if (std::fabs(det) < 1e-12) return std::nullopt;
  const double dx = device.x - origin.x, dy = device.y - origin.y;
  return std::pair{(dx * per_column.y - dy * per_column.x) / det,
                   (per_row.x * dy - per_row.y * dx) / det};
}

std::optional<Point> PlotTransform::WorldToDevice(double x, double y) const {
  if (!placement_.HasXy()) return std::nullopt;
  if (in_xy_) return Point{left_ + (x - min_x_) * units_x_, top_ + (-y - min_y_) * units_y_};
  auto offsets = XyToLineTrace(header_, placement_, Trunc32(std::round(x)), Trunc32(std::round(y)));
  if (!offsets) return std::nullopt;
  return ToDevice(offsets->dl / header_.line_increment, offsets->dt / header_.trace_increment);
}

}  // namespace quarrix
