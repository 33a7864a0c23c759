#include "map/horizon_plot_tools.h"

#include <algorithm>
#include <cmath>

#include "platform/text_util.h"

namespace quarrix {

bool PolyFaultSketch::Add(double row, double column) {
  if (closed.size() >= kMaxPolyFaultOutlines) return false;
  open.points.emplace_back(row, column);
  return true;
}

bool PolyFaultSketch::Close() {
  const bool polygon = open.points.size() >= 3 && closed.size() < kMaxPolyFaultOutlines;
  if (polygon) closed.push_back(open);
  open.points.clear();
  return polygon;
}

PolyFaultTool::PolyFaultTool(PolyFaultSketch& sketch, std::function<const PlotGridFrame*()> frame)
    : sketch_(sketch), frame_(std::move(frame)) {}

ToolEffect PolyFaultTool::Press(Point p, unsigned keys) {
  const PlotGridFrame* frame = frame_ ? frame_() : nullptr;
  if (!frame) return {};
  constexpr double kCloseDistance = 6;  // device units around the first vertex
  const auto& points = sketch_.open.points;
  if (points.size() >= 3) {
    const Point first = frame->ToDevice(points.front().first, points.front().second);
    if ((keys & kToolControl) || std::hypot(p.x - first.x, p.y - first.y) <= kCloseDistance) {
      sketch_.Close();
      return {true, FormatText("Poly fault %zu closed", sketch_.closed.size())};
    }
  }
  auto grid = frame->ToGrid(p);
  if (!grid) return {};
  if (!sketch_.Add(grid->first, grid->second))
    return {false, "A poly-fault file holds at most 100 polygons"};
  return {true, FormatText("Poly fault vertex %zu", sketch_.open.points.size())};
}

ToolEffect PolyFaultTool::Escape() {
  if (sketch_.open.points.empty()) return {};
  const bool closed = sketch_.Close();
  return {true, closed ? FormatText("Poly fault %zu closed", sketch_.closed.size())
                       : std::string("Poly fault dropped: it needs three points")};
}

ToolEffect SurfaceTurnTool::Press(Point p, unsigned) {
  dragging_ = true;
  last_ = p;
  return {};
}

ToolEffect SurfaceTurnTool::Move(Point p, unsigned) {
  if (!dragging_) return {};
  const double dx = p.x - last_.x, dy = p.y - last_.y;
  last_ = p;
  if (dx == 0 && dy == 0) return {};
  const double azimuth = std::fmod(camera_.azimuth + dx * kSurfaceDegreesPerUnit, 360.0);
  camera_.azimuth = azimuth < 0 ? azimuth + 360 : azimuth;
  camera_.elevation = std::clamp(camera_.elevation + dy * kSurfaceDegreesPerUnit,
                                 kSurfaceMinElevation, kSurfaceMaxElevation);
  return {true, SurfaceCameraNotice(camera_)};
}

ToolEffect SurfaceTurnTool::Release(Point p, unsigned keys) {
  ToolEffect effect = Move(p, keys);
  dragging_ = false;
  return effect;
}

ToolEffect SurfaceTurnTool::Wheel(Point, double steps, unsigned) {
  if (steps == 0 || !std::isfinite(steps)) return {};
  camera_.distance = std::clamp(camera_.distance * std::pow(kSurfaceWheelFactor, steps), 1.0, 1e8);
  return {true, SurfaceCameraNotice(camera_)};
}

ToolEffect SurfaceTurnTool::Escape() {
  dragging_ = false;
  return {};
}

void ResetSurfaceCamera(SurfaceCamera& camera) {
  const SurfaceCamera start;
  camera.distance = start.distance;
  camera.azimuth = start.azimuth;
  camera.elevation = start.elevation;
}

std::string SurfaceCameraNotice(const SurfaceCamera& camera) {
  return FormatText("Azimuth %.1f  Elevation %.1f  Distance %.0f", camera.azimuth, camera.elevation,
                    camera.distance);
}

}  // namespace quarrix
