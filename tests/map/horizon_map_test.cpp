#include "map/horizon_map.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "map/map_colours.h"
#include "map/map_window_overlays.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

// A survey of 3 lines (10..12) by 4 traces (20..23).
SurveyHeader SmallSurvey(int corner) {
  SurveyHeader h;
  h.first_line = 10, h.last_line = 12, h.first_trace = 20, h.last_trace = 23;
  h.trace_spacing = h.line_spacing = 25, h.trace_bytes = 200, h.sample_rate = 4;
  h.corner_index = corner;
  h.ComputeDerived();
  return h;
}

ColourBar DefaultBar() {
  ColourBar bar;
  SetDefaultColourBar(bar);
  return bar;
}

TEST(MapColours, ValuesTakeTheirBandAndNullsAndBlanksTheirFixedColours) {
  ColourBar bar = DefaultBar();
  MapColourIndex index(bar);
  EXPECT_EQ(index.Of(30000), 0);  // on a threshold: that threshold's band
  EXPECT_EQ(index.Of(29999), 1);
  EXPECT_EQ(index.Of(32500), 0);    // above the maximum: band 0
  EXPECT_EQ(index.Of(-32000), 30);  // clamped to min + increment = -30000
  EXPECT_EQ(index.Of(HORIZON_NULL), index.Unpicked());
  EXPECT_EQ(index.palette()[index.Unpicked()], (Rgb{255, 255, 255}));
  EXPECT_EQ(index.palette()[index.Blanked()], (Rgb{240, 240, 240}));
  EXPECT_EQ(index.palette().size(), 35u);
}

TEST(MapColours, ColourSetsStretchOverTheGridRange) {
  ColourBar bar = StretchColourSet({{0, 0, 255}, {255, 0, 0}}, 4, 1001, 2203);
  // Increments in whole steps of 4 near a 120th of the range; ends on whole
  // increments, so every threshold is a multiple of 12.
  EXPECT_EQ(bar.increment, 12);
  EXPECT_EQ(bar.max_value, 2196);
  EXPECT_EQ(bar.min_value, 996);
  EXPECT_EQ(bar.count, 100);
  EXPECT_EQ(bar.thresholds[0], 2196);
  EXPECT_EQ(bar.thresholds[99], 1008);
  EXPECT_EQ(bar.colours[0], (Rgb{0, 0, 255}));
  EXPECT_EQ(bar.colours[100], (Rgb{255, 0, 0}));
  EXPECT_EQ(bar.colours[50], (Rgb{128, 0, 128}));
  EXPECT_EQ(StretchColourSet({{0, 0, 255}}, 10, -1001, -500).min_value, -1010);
  // A flat grid still gets one band.
  EXPECT_EQ(StretchColourSet({{1, 2, 3}}, 2000, 500, 500).count, 1);
}

class HorizonMapPixels : public ::testing::Test {
 protected:
  // Values by row, column: row 0 high, row 2 low; cell (1, 1) unpicked,
  // cell (1, 2) blanked.
  void SetUp() override {
    for (int c = 0; c < 4; ++c) grid.At(0, c) = 30000, grid.At(1, c) = 0, grid.At(2, c) = -20000;
    grid.At(1, 1) = HORIZON_NULL;
    registration[1 * 4 + 2] = 0xFF;
  }
  IndexedImage Image(int corner) {
    HorizonMapSource source{&grid, &registration, false};
    return BuildMapImage(source, bar, FullMapZoom(SmallSurvey(corner)), corner);
  }
  HorizonGrid grid{3, 4};
  std::vector<std::uint8_t> registration = std::vector<std::uint8_t>(12, 1);
  ColourBar bar = DefaultBar();
};

TEST_F(HorizonMapPixels, UnpickedCellsAreWhiteAndBlankedCellsLightGrey) {
  IndexedImage image = Image(1);
  ASSERT_EQ(image.width, 4);
  ASSERT_EQ(image.height, 3);
  EXPECT_EQ(image.stride, 8);
  EXPECT_EQ(image.palette[image.At(1, 1)], (Rgb{255, 255, 255}));
  EXPECT_EQ(image.palette[image.At(2, 1)], (Rgb{240, 240, 240}));
  EXPECT_EQ(image.At(0, 0), 0);   // 30000, on the first threshold
  EXPECT_EQ(image.At(0, 1), 15);  // 0: the band from 0 up to 2000
  // A slice has no registration: the blanked cell shows its value.
  HorizonMapSource slice{&grid, nullptr, true};
  EXPECT_EQ(BuildMapImage(slice, bar, FullMapZoom(SmallSurvey(1)), 1).At(2, 1), 15);
}

TEST_F(HorizonMapPixels, OrientationCodesFlipTheRightAxes) {
  // The first line's high values: top for codes 1 and 2, bottom for 3 and 4.
  EXPECT_EQ(Image(1).At(0, 0), 0);
  EXPECT_EQ(Image(2).At(0, 0), 0);
  EXPECT_EQ(Image(3).At(0, 2), 0);
  EXPECT_EQ(Image(4).At(0, 2), 0);
  // The unpicked cell (line index 1, trace index 1) moves with the trace axis.
  const std::uint8_t white = Image(1).At(1, 1);
  EXPECT_EQ(Image(1).At(1, 1), white);
  EXPECT_EQ(Image(2).At(2, 1), white);
  // Codes 5..8 put lines across: the image is 3 wide and 4 high.
  IndexedImage swapped = Image(5);
  EXPECT_EQ(swapped.width, 3);
  EXPECT_EQ(swapped.height, 4);
  EXPECT_EQ(swapped.At(1, 1), white);
  EXPECT_EQ(swapped.At(0, 0), 0);
  EXPECT_EQ(Image(6).At(2, 0), 0);  // lines run right to left
}

TEST_F(HorizonMapPixels, DrawingStretchesIntoTheAreaAndKeepsTheGeometry) {
  RecordingCanvas canvas;
  ScriptedPrompter prompter;
  HorizonMapSource source{&grid, &registration, false};
  const SurveyHeader header = SmallSurvey(2);
  MapGeometry g =
      DrawHorizonMap(canvas, {0, 0, 448, 348}, source, bar, header, FullMapZoom(header), prompter);
  ASSERT_FALSE(g.Empty());
  EXPECT_EQ(g.area, (Rect{24, 24, 424, 324}));  // a quarter inch at 96 per inch
  EXPECT_DOUBLE_EQ(g.cell_width, 100);
  auto images = canvas.OfKind(PrimitiveKind::Image);
  ASSERT_EQ(images.size(), 1u);
  // Trace index 0 is at the right for code 2.
  EXPECT_EQ(g.CellAt({400, 30}), (GridCell{0, 0}));
  EXPECT_EQ(g.CellAt({30, 320}), (GridCell{2, 3}));
  EXPECT_EQ(g.CellAt({-50, 1000}), (GridCell{2, 3}));  // clamped
  Point centre = g.PixelOf(1, 2);
  EXPECT_EQ(g.CellAt(centre), (GridCell{1, 2}));
  const std::vector<std::string> texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "T20"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "L10"), texts.end());
}

TEST_F(HorizonMapPixels, AHorizonWithoutRegistrationDrawsNothing) {
  RecordingCanvas canvas;
  ScriptedPrompter prompter;
  HorizonMapSource source{&grid, nullptr, false};
  const SurveyHeader header = SmallSurvey(1);
  MapGeometry g =
      DrawHorizonMap(canvas, {0, 0, 400, 300}, source, bar, header, FullMapZoom(header), prompter);
  EXPECT_TRUE(g.Empty());
  EXPECT_TRUE(canvas.primitives().empty());
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.messages()[0].text, "Pick Registration Failed");
}

}  // namespace
}  // namespace quarrix

namespace quarrix {
namespace {

TEST(MapOverlays, WellsByLineTraceAndByXyLandInTheSameCellOfEveryOrientation) {
  for (int corner = 1; corner <= 8; ++corner) {
    SurveyHeader header = SmallSurvey(corner);
    header.last_line = 40, header.last_trace = 50;
    header.ComputeDerived();
    const SurveyPlacement placement = PlacementFromXyBytes(
        BuildXyFile(header, {{5000, 7000}, {5000 + 30 * 25, 7000 + 40 * 25}, {4200, 7600}}),
        header);
    HorizonGrid grid(header.num_lines, header.traces_per_line, 1000);
    std::vector<std::uint8_t> registration(grid.CellCount(), 1);
    ColourBar bar = DefaultBar();
    RecordingCanvas canvas;
    ScriptedPrompter prompter;
    MapGeometry g = DrawHorizonMap(canvas, {0, 0, 700, 600}, {&grid, &registration, false}, bar,
                                   header, FullMapZoom(header), prompter);
    XyPoint w = LineTraceToXy(header, placement, 17, 23);
    MapWindowOverlays overlays;
    overlays.wells.push_back({{PostedWell{"A", "", 17, 23, w.x, w.y, 2, 0, 0}}, {}});
    RecordingCanvas by_grid, by_xy;
    DrawMapOverlays(by_grid, g, header, placement, overlays);
    overlays.well_options.use_xy = true;
    DrawMapOverlays(by_xy, g, header, placement, overlays);
    auto a = by_grid.OfKind(PrimitiveKind::Ellipse), b = by_xy.OfKind(PrimitiveKind::Ellipse);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    auto centre = [](const DrawnPrimitive& p) {
      return Point{(p.points[0].x + p.points[1].x) / 2, (p.points[0].y + p.points[1].y) / 2};
    };
    EXPECT_EQ(g.CellAt(centre(a[0])), (GridCell{17, 23})) << corner;
    EXPECT_EQ(g.CellAt(centre(b[0])), (GridCell{17, 23})) << corner;
  }
}

TEST(MapOverlays, ArbitraryLinesAndTheRegionGiveWayToDigitising) {
  SurveyHeader header = SmallSurvey(1);
  HorizonGrid grid(3, 4, 1000);
  ColourBar bar = DefaultBar();
  RecordingCanvas canvas;
  ScriptedPrompter prompter;
  MapGeometry g = DrawHorizonMap(canvas, {0, 0, 448, 348}, {&grid, nullptr, true}, bar, header,
                                 FullMapZoom(header), prompter);
  MapWindowOverlays overlays;
  overlays.arbitrary_lines.push_back({{{0, 0}, {2, 3}}});
  overlays.region.points = {{0, 0}, {0, 3}, {2, 3}};
  RecordingCanvas shown;
  DrawMapOverlays(shown, g, header, {}, overlays);
  auto lines = shown.OfKind(PrimitiveKind::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].points.size(), 4u);  // the region closed on itself
  EXPECT_EQ(lines[1].points.front(), lines[1].points.back());
  overlays.digitising_arbitrary_line = overlays.editing_region = true;
  RecordingCanvas hidden;
  DrawMapOverlays(hidden, g, header, {}, overlays);
  EXPECT_TRUE(hidden.OfKind(PrimitiveKind::Polyline).empty());
}

}  // namespace
}  // namespace quarrix
