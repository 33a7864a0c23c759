// The horizon plot's mouse tools driven through the geometry a real plot
// transform gives: clicks become survey cells, drags turn the 3-D camera.
#include "map/horizon_plot_tools.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/horizon_plot_document.h"
#include "map/plot_transform.h"

namespace quarrix {
namespace {

SurveyHeader Survey(int corner) {
  SurveyHeader h;
  h.trace_bytes = 200, h.sample_rate = 4;
  h.first_line = 101, h.last_line = 120, h.first_trace = 201, h.last_trace = 230;
  h.line_spacing = 25, h.trace_spacing = 12.5;
  h.corner_index = corner;
  h.ComputeDerived();
  return h;
}

// A plot of the whole survey placed in a 10 x 8 inch area at 96 units an inch.
PlotGridFrame FrameOf(const SurveyHeader& header, const SurveyPlacement& placement, bool in_xy) {
  PlotTransform transform(header, placement, FullMapZoom(header), in_xy);
  const Rect area{50, 40, 50 + 960, 40 + 768};
  transform.Place(area, transform.FitScale(area, 96, 96), 96, 96);
  return transform.Frame();
}

TEST(PlotGridFrameTest, DevicePointsTurnBackIntoTheirCellsInEveryOrientation) {
  SurveyPlacement rotated;
  rotated.xy_origin_x = 500000, rotated.xy_origin_y = 6000000;
  rotated.map_rotation_cos = std::cos(0.5), rotated.map_rotation_sin = std::sin(0.5);
  rotated.map_rotation = 0.5;
  for (int corner : {1, 3, 6, 8})
    for (bool in_xy : {false, true}) {
      const SurveyHeader header = Survey(corner);
      PlotTransform transform(header, rotated, FullMapZoom(header), in_xy);
      const Rect area{50, 40, 1010, 808};
      transform.Place(area, transform.FitScale(area, 96, 96), 96, 96);
      const PlotGridFrame frame = transform.Frame();
      const Point p = transform.ToDevice(7.25, 19.5);
      auto cell = frame.ToGrid(p);
      ASSERT_TRUE(cell) << corner;
      EXPECT_NEAR(cell->first, 7.25, 1e-9) << corner << in_xy;
      EXPECT_NEAR(cell->second, 19.5, 1e-9) << corner << in_xy;
    }
  EXPECT_FALSE(PlotGridFrame{}.ToGrid({3, 4}));  // nothing drawn yet
}

TEST(PolyFaultToolTest, ClicksDigitiseOutlinesThatCloseOnTheirFirstPoint) {
  const SurveyHeader header = Survey(1);
  const SurveyPlacement placement;
  const PlotGridFrame frame = FrameOf(header, placement, false);
  PolyFaultSketch sketch;
  PolyFaultTool tool(sketch, [&frame] { return &frame; });
  const std::pair<double, double> corners[] = {{2, 3}, {2, 12}, {9, 12}, {9, 3}};
  for (auto [row, column] : corners)
    EXPECT_TRUE(tool.Press(frame.ToDevice(row, column), 0).repaint);
  ASSERT_EQ(sketch.open.points.size(), 4u);
  EXPECT_NEAR(sketch.open.points[2].first, 9, 1e-9);
  EXPECT_NEAR(sketch.open.points[2].second, 12, 1e-9);
  // A click within a few units of the first vertex closes the outline.
  Point first = frame.ToDevice(2, 3);
  tool.Press({first.x + 3, first.y - 2}, 0);
  ASSERT_EQ(sketch.closed.size(), 1u);
  EXPECT_EQ(sketch.closed[0].points.size(), 4u);
  EXPECT_TRUE(sketch.open.points.empty());

  // Ctrl+click closes as well; Esc drops an outline of fewer than three points.
  for (auto [row, column] : {std::pair{12.0, 5.0}, {12.0, 9.0}, {15.0, 7.0}})
    tool.Press(frame.ToDevice(row, column), 0);
  tool.Press(frame.ToDevice(16, 7), kToolControl);
  EXPECT_EQ(sketch.closed.size(), 2u);
  tool.Press(frame.ToDevice(1, 1), 0);
  tool.Press(frame.ToDevice(1, 2), 0);
  EXPECT_TRUE(tool.Escape().repaint);
  EXPECT_EQ(sketch.closed.size(), 2u);
  EXPECT_TRUE(sketch.open.points.empty());

  // Without a drawing the clicks do nothing; a file holds at most 100 outlines.
  PolyFaultTool blind(sketch, [] { return static_cast<const PlotGridFrame*>(nullptr); });
  EXPECT_FALSE(blind.Press({100, 100}, 0).repaint);
  sketch.closed.resize(kMaxPolyFaultOutlines);
  EXPECT_FALSE(tool.Press(frame.ToDevice(4, 4), 0).repaint);
  EXPECT_TRUE(sketch.open.points.empty());
}

TEST(SurfaceTurnToolTest, DragTurnsAndTheWheelMovesTheCamera) {
  SurfaceCamera camera;
  camera.azimuth = 350, camera.elevation = 40;
  SurfaceTurnTool tool(camera);
  EXPECT_FALSE(tool.Move({300, 300}, 0).repaint) << "no button held";
  tool.Press({100, 100}, 0);
  ToolEffect effect = tool.Move({140, 80}, 0);
  EXPECT_TRUE(effect.repaint);
  EXPECT_DOUBLE_EQ(camera.azimuth, 10);  // 350 + 40 x 0.5, wrapped
  EXPECT_DOUBLE_EQ(camera.elevation, 30);
  EXPECT_NE(effect.notice.find("Azimuth 10.0"), std::string::npos);
  tool.Release({140, -200}, 0);
  EXPECT_DOUBLE_EQ(camera.elevation, kSurfaceMinElevation) << "held above the horizon";
  tool.Press({0, 0}, 0);
  tool.Move({-60, 0}, 0);
  EXPECT_DOUBLE_EQ(camera.azimuth, 340);
  tool.Escape();
  EXPECT_FALSE(tool.Move({0, 0}, 0).repaint);

  const double distance = camera.distance;
  EXPECT_TRUE(tool.Wheel({0, 0}, 2, 0).repaint);
  EXPECT_DOUBLE_EQ(camera.distance, distance * 0.81);
  tool.Wheel({0, 0}, -2, 0);
  EXPECT_NEAR(camera.distance, distance, 1e-6);
  camera.z_scale = 2;
  camera.fishnet = true;
  ResetSurfaceCamera(camera);
  EXPECT_EQ(camera.azimuth, SurfaceCamera{}.azimuth);
  EXPECT_EQ(camera.elevation, SurfaceCamera{}.elevation);
  EXPECT_EQ(camera.distance, SurfaceCamera{}.distance);
  EXPECT_EQ(camera.z_scale, 2);
  EXPECT_TRUE(camera.fishnet);
}

TEST(ZoomOfNumbersTest, ClipsToTheSurveyAndRefusesWindowsOutsideIt) {
  const SurveyHeader header = Survey(1);
  auto zoom = ZoomOfNumbers(header, 118, 105, 190, 210);
  ASSERT_TRUE(zoom);
  EXPECT_EQ(zoom->first_row, 4);
  EXPECT_EQ(zoom->last_row, 17);
  EXPECT_EQ(zoom->first_column, 0);
  EXPECT_EQ(zoom->last_column, 9);
  EXPECT_FALSE(ZoomOfNumbers(header, 1, 40, 201, 230));
  EXPECT_FALSE(ZoomOfNumbers(header, 101, 120, 300, 400));
}

}  // namespace
}  // namespace quarrix
