#include "scan/scan_drawing.h"

#include <gtest/gtest.h>

#include "map/map_colours.h"
#include "platform/recording_canvas.h"
#include "scan/scan_edits.h"
#include "scan/scan_tool.h"
#include "scan_test_support.h"

namespace quarrix {
namespace {

using testing::RegisteredScan;

std::vector<DrawnPrimitive> FilledWith(const RecordingCanvas& canvas, Rgb colour) {
  std::vector<DrawnPrimitive> found;
  for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Rectangle))
    if (p.brush.style == BrushStyle::Solid && p.brush.colour == colour) found.push_back(p);
  return found;
}

TEST(ScanDrawing, TheGridInColourUnderTheScansLines) {
  ScanDocument d = RegisteredScan();
  d.scale = 2;
  for (int column : {2, 3, 4}) d.grid.At(1, column) = 3000;
  d.grid.At(3, 7) = 100;
  d.image.pixels[30 * d.image.stride + 52] = 1;  // a black pixel of the scan in cell (1, 2)
  d.show_seeds = false;
  RecordingCanvas canvas;
  const ScanGeometry g = DrawScan(canvas, d);
  ASSERT_FALSE(g.frame.Empty());
  EXPECT_DOUBLE_EQ(g.frame.cell_width, 40);
  const auto images = canvas.OfKind(PrimitiveKind::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].points[1].x, 420);  // the scan at twice its size
  const IndexedImage& shown = images[0].image;
  ASSERT_EQ(shown.width, 210);
  auto at = [&](int x, int y) { return shown.palette[shown.pixels[y * shown.stride + x]]; };
  ColourBar bar = ScanColourBar(d);
  const MapColourIndex colours(bar);
  // Cell (1, 2) covers pixels 40..59 across and 20..39 down.
  EXPECT_EQ(at(40, 20), colours.palette()[colours.Of(3000)]);
  EXPECT_EQ(at(99, 39), colours.palette()[colours.Of(3000)]);
  EXPECT_EQ(at(150, 70), colours.palette()[colours.Of(100)]);
  EXPECT_EQ(at(52, 30), (Rgb{0, 0, 0}));         // the scan's line stays on top
  EXPECT_EQ(at(120, 20), (Rgb{255, 255, 255}));  // an empty cell shows the scan
  EXPECT_EQ(at(5, 5), (Rgb{255, 255, 255}));     // outside the data area
  // Without colour the scan is drawn as it is.
  d.show_in_colour = false;
  RecordingCanvas plain;
  DrawScan(plain, d);
  EXPECT_EQ(plain.OfKind(PrimitiveKind::Image).at(0).image.palette, d.image.palette);
}

TEST(ScanDrawing, SeedsPolylinesAndCorners) {
  ScanDocument d = RegisteredScan();
  d.show_in_colour = false;
  StartContour(d, 100);
  AddContourPoint(d, {10, 10});
  AddContourPoint(d, {70, 10});
  FinishContour(d);
  d.registration.At(4, 9) = kRegProtected;
  StartContour(d, 200);
  AddContourPoint(d, {10, 90});
  RecordingCanvas canvas;
  DrawScan(canvas, d);
  const auto seeds = FilledWith(canvas, {0, 0, 0});
  ASSERT_EQ(seeds.size(), 1u);  // four seeds in a row: one run
  EXPECT_EQ(seeds[0].points[0].x, 0);
  EXPECT_EQ(seeds[0].points[1].x, 80);
  EXPECT_EQ(FilledWith(canvas, {128, 128, 128}).size(), 1u);
  // The finished line shows as its seeds; the one being clicked as its points.
  EXPECT_TRUE(canvas.OfKind(PrimitiveKind::Polyline).empty());
  EXPECT_EQ(FilledWith(canvas, {0, 160, 0}).size(), 1u);
}

TEST(ScanDrawing, NothingButTheScanBeforeRegistration) {
  ScanDocument d = RegisteredScan();
  d.grid.At(0, 0) = 5;
  StartCornerSelection(d);
  d.upper_left.reset();
  d.lower_right.reset();
  RecordingCanvas canvas;
  EXPECT_TRUE(DrawScan(canvas, d).frame.Empty());
  EXPECT_EQ(canvas.primitives().size(), 1u);
}

TEST(ScanTool, ClicksAreTakenAtTheViewScale) {
  ScanDocument d = RegisteredScan();
  d.scale = 0.5;
  std::vector<std::string> told;
  ScanMouseTool tool(d, [&](const std::string& s) { told.push_back(s); });
  StartCornerSelection(d);
  EXPECT_EQ(tool.Press({5, 5}, 0).notice, "Select Lower Right Corner of Data");
  tool.Press({2, 50}, 0);  // left of the first corner: said, asked again
  EXPECT_EQ(told.size(), 1u);
  EXPECT_TRUE(tool.Press({95, 45}, 0).repaint);
  EXPECT_EQ(d.lower_right->x, 190);
  d.mode = ScanMode::Contour;
  d.contour_value = 321;
  tool.Press({5, 15}, 0);
  tool.Press({5 + 30, 15}, 0);
  tool.Press({50, 50}, kToolRightButton);  // the right button adds nothing
  EXPECT_EQ(d.current.size(), 2u);
  EXPECT_TRUE(tool.Escape().repaint);
  EXPECT_EQ(d.grid.At(1, 3), 321);
  EXPECT_EQ(d.mode, ScanMode::Idle);
  // Erase follows a drag while the button is down.
  d.mode = ScanMode::Erase;
  tool.Press({5, 15}, 0);
  tool.Move({25, 15}, 0);
  tool.Release({25, 15}, 0);
  tool.Move({35, 15}, 0);
  EXPECT_EQ(d.grid.At(1, 0), HORIZON_NULL);
  EXPECT_EQ(d.grid.At(1, 2), HORIZON_NULL);
  EXPECT_EQ(d.grid.At(1, 3), 321);
  tool.Escape();
  EXPECT_EQ(d.mode, ScanMode::Idle);
}

}  // namespace
}  // namespace quarrix
