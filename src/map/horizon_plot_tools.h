#pragma once
// The horizon plot's mouse tools: digitising poly-fault outlines on the plan
// view, and turning the 3-D surface view (drag turns azimuth and elevation,
// the wheel moves the camera closer or farther).
#include <cstddef>
#include <functional>
#include <vector>

#include "map/map_overlays.h"
#include "map/plot_transform.h"
#include "map/surface_view.h"
#include "platform/interaction_tool.h"

namespace quarrix {

// A poly-fault file holds at most this many outlines.
inline constexpr std::size_t kMaxPolyFaultOutlines = 100;

// Outlines digitised on the plot in survey (row, column): the closed ones and
// the one being digitised.
struct PolyFaultSketch {
  std::vector<GridPolyline> closed;
  GridPolyline open;
  // Adds a vertex to the open outline; false once 100 outlines are closed.
  bool Add(double row, double column);
  // Closes the open outline: three or more vertices make a polygon, fewer are
  // dropped. True when an outline was added.
  bool Close();
};

// Clicks add vertices to the open outline; a click on its first vertex (or
// with Ctrl held) closes it, and so does Esc.
class PolyFaultTool : public InteractionTool {
 public:
  // frame: where the last drawing put the grid (null before the first).
  PolyFaultTool(PolyFaultSketch& sketch, std::function<const PlotGridFrame*()> frame);
  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  PolyFaultSketch& sketch_;
  std::function<const PlotGridFrame*()> frame_;
};

// How far one device unit of drag turns the view, and how much one wheel
// notch moves the camera.
inline constexpr double kSurfaceDegreesPerUnit = 0.5;
inline constexpr double kSurfaceWheelFactor = 0.9;
inline constexpr double kSurfaceMinElevation = 5, kSurfaceMaxElevation = 90;

// Dragging right turns the azimuth clockwise, dragging down raises the
// camera; the wheel turned away from the user moves the camera closer.
class SurfaceTurnTool : public InteractionTool {
 public:
  explicit SurfaceTurnTool(SurfaceCamera& camera) : camera_(camera) {}
  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Move(Point p, unsigned keys) override;
  ToolEffect Release(Point p, unsigned keys) override;
  ToolEffect Wheel(Point p, double steps, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  SurfaceCamera& camera_;
  bool dragging_ = false;
  Point last_;
};

// Puts the camera back at its starting distance, azimuth and elevation; the
// height scale and the drawing modes stay.
void ResetSurfaceCamera(SurfaceCamera& camera);
std::string SurfaceCameraNotice(const SurfaceCamera& camera);

}  // namespace quarrix
