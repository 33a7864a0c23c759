#include "fault/fault_drawing.h"

#include <gtest/gtest.h>

#include "fault_test_support.h"
#include "platform/recording_canvas.h"

namespace quarrix {
namespace {

using testing::Seed;
using testing::SmallSurvey;

TEST(FaultDrawing, PolylinesBreakAtEmptyCellsAndStepAlongTheSection) {
  SurveyHeader header = SmallSurvey(2, 9);
  FaultGrid grid(2, 9);
  for (int j : {0, 1, 2, 4, 6, 8}) grid.At(1, j) = j % 4 == 0 ? Seed(100 + j) : 100 + j;
  PickSection section = InlineSection(header, 1);
  EXPECT_EQ(FaultSectionPolylines(grid, section, 1),
            (std::vector<FaultPolyline>{
                {{0, 100}, {1, 101}, {2, 102}}, {{4, 104}}, {{6, 106}}, {{8, 108}}}));
  EXPECT_EQ(FaultSectionPolylines(grid, section, 2),
            (std::vector<FaultPolyline>{{{0, 100}, {2, 102}, {4, 104}, {6, 106}, {8, 108}}}));
  EXPECT_TRUE(FaultSectionPolylines(grid, InlineSection(header, 5), 1).empty());
}

TEST(FaultDrawing, CurrentAndPreviousPassesUseTheirPensAndOneLabel) {
  RecordingCanvas canvas;
  std::vector<FaultPolyline> lines = {{{0, 100}}, {{2, 200}, {3, 210}}, {{5, 300}, {6, 310}}};
  auto place = [](const FaultSectionPoint& p) { return Point{10.0 * p.position, p.time / 2.0}; };
  Rect area{0, 0, 100, 200};
  DrawFaultPass(canvas, lines, FaultLabel("dir/north_f1.ffl"), FaultPass::Current, area, place);
  DrawFaultPass(canvas, lines, "X", FaultPass::Previous, area, place);
  auto polylines = canvas.OfKind(PrimitiveKind::Polyline);
  ASSERT_EQ(polylines.size(), 4u);
  EXPECT_EQ(polylines[0].points, (std::vector<Point>{{20, 100}, {30, 105}}));
  EXPECT_EQ(polylines[0].pen, (Pen{PenStyle::Solid, 3, {255, 0, 0}}));
  EXPECT_EQ(polylines[2].pen, (Pen{PenStyle::Solid, 1, {0, 0, 255}}));
  EXPECT_TRUE(polylines[0].clipped);
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"NORTH_F1", "X"}));
  EXPECT_EQ(canvas.OfKind(PrimitiveKind::Text)[0].points[0], (Point{20, 100}));
}

}  // namespace
}  // namespace quarrix
