// What keeps a presentation plot readable: labels that never cover one
// another, faults drawn where they cut the horizon, wells posted once with
// the lines asked for, and about ten contour lines by default.
#include <gtest/gtest.h>

#include <cmath>

#include "map/fault_cut_lines.h"
#include "map/horizon_plot.h"
#include "map/horizon_plot_document.h"
#include "map/label_space.h"
#include "map/map_colours.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

TEST(LabelSpace, BoxesThatTouchOrCrossAreRefusedAndTurnedBoxesAreJudgedByTheirShape) {
  LabelSpace space;
  EXPECT_TRUE(space.Take(LabelSpace::Upright({0, 0, 100, 20})));
  EXPECT_FALSE(space.Take(LabelSpace::Upright({90, 10, 150, 30})));
  EXPECT_TRUE(space.Take(LabelSpace::Upright({105, 0, 150, 20})));
  EXPECT_FALSE(space.Take(LabelSpace::Upright({155, 0, 200, 20}), 10)) << "within the gap";
  EXPECT_EQ(space.size(), 2u);
  // A long label turned 45 degrees whose bounding box covers the first box's
  // corner while the label itself passes beside it.
  const LabelSpace::Box turned = LabelSpace::Turned({150, 110}, 200, 10, 45);
  EXPECT_TRUE(space.Free(turned));
  EXPECT_FALSE(space.Free(LabelSpace::Turned({50, 10}, 200, 10, 45)));
  // Reserved room (a well symbol) is kept whatever lay there.
  space.Reserve(LabelSpace::Upright({0, 0, 5, 5}));
  EXPECT_EQ(space.size(), 3u);
}

// A horizon dipping along the traces (10 ms a trace) and a flat fault at
// 1305 ms: they meet half-way between traces 30 and 31 on every line.
struct CutSurvey {
  HorizonGrid times{12, 50}, fault{12, 50, HORIZON_NULL};
  MapZoom zoom{0, 11, 0, 49};
  CutSurvey() {
    for (int r = 0; r < 12; ++r)
      for (int c = 0; c < 50; ++c) {
        times.At(r, c) = static_cast<std::int16_t>(1000 + 10 * c);
        fault.At(r, c) = 1305;
      }
  }
};

TEST(FaultCutLines, AFaultIsOneLineWhereItsTimeMeetsTheHorizon) {
  CutSurvey s;
  // Seeds stand for their time; the horizon blanked beside the fault.
  s.fault.At(4, 30) = 1305 + 8192;
  for (int r = 0; r < 12; ++r) s.times.At(r, 31) = HORIZON_NULL;
  std::vector<GridPolyline> lines = FaultCutLines(s.times, s.fault, s.zoom);
  ASSERT_EQ(lines.size(), 1u) << "the pieces of every cell join into one line";
  ASSERT_EQ(lines[0].points.size(), 12u);
  for (const auto& [row, column] : lines[0].points) EXPECT_NEAR(column, 31, 0.51);
  EXPECT_DOUBLE_EQ(std::min(lines[0].points.front().first, lines[0].points.back().first), 0);
  EXPECT_DOUBLE_EQ(std::max(lines[0].points.front().first, lines[0].points.back().first), 11);

  // Where the fault is not set there is no line; outside the zoom neither.
  for (int c = 0; c < 50; ++c) s.fault.At(6, c) = HORIZON_NULL;
  EXPECT_EQ(FaultCutLines(s.times, s.fault, s.zoom).size(), 2u);
  EXPECT_TRUE(FaultCutLines(s.times, s.fault, MapZoom{0, 11, 35, 49}).empty());
  // A fault wholly below the horizon does not cut it; on the map it is shown
  // where it comes nearest: a fault over traces 20..29 of each line, deepening
  // slower than the horizon, comes nearest at trace 29.
  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 50; ++c)
      if (s.fault.At(r, c) != HORIZON_NULL)
        s.fault.At(r, c) = c >= 20 && c < 30 ? static_cast<std::int16_t>(3000 + c) : HORIZON_NULL;
  EXPECT_TRUE(FaultCutLines(s.times, s.fault, s.zoom).empty());
  std::vector<GridPolyline> nearest = FaultMapLines(s.times, s.fault, s.zoom);
  ASSERT_EQ(nearest.size(), 2u) << "broken where line 6 holds no fault";
  for (const GridPolyline& line : nearest)
    for (const auto& [row, column] : line.points) EXPECT_EQ(column, 29) << row;
}

TEST(HorizonPlotDefaults, AboutTenContourLinesEveryFifthLabelled) {
  HorizonPlotSettings s;
  ColourBar bar = StretchColourSet({{0, 0, 255}, {255, 0, 0}}, 1, 1000, 1200);
  DefaultLineClasses(bar, s);
  EXPECT_EQ(s.classes[0].every, 20);
  EXPECT_FALSE(s.classes[0].label);
  EXPECT_EQ(s.classes[1].every, 0);
  EXPECT_EQ(s.classes[2].every, 100);
  EXPECT_TRUE(s.classes[2].label);
  bar = StretchColourSet({{0, 0, 255}, {255, 0, 0}}, 1, -40, 5000);
  DefaultLineClasses(bar, s);
  EXPECT_EQ(s.classes[0].every, 500);
}

TEST(WellPosting, LinesSayEachThingOnceAndSortKeepsTheDepthsAskedFor) {
  PostedWell well;
  well.name = "DEMO-1", well.title = "DEMO-1", well.depth = 8200, well.map_value = 1234;
  WellPostingOptions options;
  options.title = options.depth = true;
  EXPECT_EQ(WellLabelLines(well, options), (std::vector<std::string>{"DEMO-1", "8200"}));
  well.title = "Discovery";
  options.map_value = true;
  EXPECT_EQ(WellLabelLines(well, options),
            (std::vector<std::string>{"DEMO-1", "Discovery", "8200", "1234"}));
  options.sort = true, options.well_sort = {5000, 9000, 0};
  EXPECT_TRUE(PostsWell(options, 8200));
  EXPECT_FALSE(PostsWell(options, 9500));
  EXPECT_FALSE(PostsWell(options, 4000));
}

// Corners of a recorded text, rotated about its anchor as it was drawn.
LabelSpace::Box DrawnBox(const DrawnPrimitive& text) {
  const Rect r = RecordingCanvas::TextBox(text);
  const Point anchor = text.points[0];
  const double a = text.font.escapement / 10.0 * 3.14159265358979 / 180;
  auto turn = [&](double x, double y) {
    const double u = x - anchor.x, v = y - anchor.y;
    return Point{anchor.x + u * std::cos(a) + v * std::sin(a),
                 anchor.y - u * std::sin(a) + v * std::cos(a)};
  };
  return {turn(r.left, r.top), turn(r.right, r.top), turn(r.right, r.bottom),
          turn(r.left, r.bottom)};
}

TEST(HorizonPlot, LabelsOfContoursWellsAndFaultsNeverCoverOneAnother) {
  SurveyHeader header;
  header.first_line = 1, header.last_line = 40, header.first_trace = 1, header.last_trace = 60;
  header.trace_spacing = 25, header.line_spacing = 25, header.trace_bytes = 200;
  header.sample_rate = 4, header.corner_index = 4;
  header.ComputeDerived();
  SurveyPlacement placement;
  HorizonGrid grid(40, 60), fault(40, 60);
  for (int r = 0; r < 40; ++r)
    for (int c = 0; c < 60; ++c) {
      grid.At(r, c) = static_cast<std::int16_t>(1000 + 8 * c + 3 * r + 30 * std::sin(r * 0.3));
      fault.At(r, c) = static_cast<std::int16_t>(1200 + 4 * r);
    }
  HorizonPlotData data;
  data.grid = &grid, data.header = &header, data.placement = &placement;
  data.zoom = FullMapZoom(header);
  data.bar = StretchColourSet({{0, 0, 255}, {255, 255, 0}, {255, 0, 0}}, 1, 1000, 1600);
  data.faults = {fault};
  data.fault_names = {"BIG_FAULT"};
  // A crowded cluster of wells with long labels.
  WellGroupPost group;
  for (int k = 0; k < 12; ++k)
    group.wells.push_back({"WELL-" + std::to_string(k),
                           "Title of well " + std::to_string(k),
                           20.0 + (k % 4),
                           28.0 + (k / 4) * 1.5,
                           0,
                           0,
                           1,
                           1000 + k,
                           0,
                           {}});
  data.wells = {group};
  HorizonPlotSettings settings;
  settings.type = HorizonPlotType::Contour;
  settings.label_faults = true;
  settings.well_options.title = settings.well_options.depth = true;
  DefaultLineClasses(data.bar, settings);
  settings.classes[0].label = true;  // every line labelled: crowded on purpose
  RecordingCanvas canvas({96, 96});
  NullProgress progress;
  ScriptedPrompter prompter;
  const HorizonPlotResult result =
      DrawHorizonPlot(canvas, {0, 0, 1000, 700}, settings, data, progress, prompter);
  ASSERT_TRUE(result.drawn);
  const Rect area = result.data_rect;
  // Labels inside the plotted area: contour values, well lines, fault names.
  std::vector<DrawnPrimitive> texts = canvas.OfKind(PrimitiveKind::Text);
  std::vector<LabelSpace::Box> boxes;
  int wells = 0, contours = 0, faults = 0;
  for (const DrawnPrimitive& text : texts) {
    const bool well = text.text.rfind("WELL-", 0) == 0 || text.text.rfind("Title", 0) == 0;
    const bool fault_name = text.text == "BIG_FAULT";
    const Point at = text.points[0];
    if (at.x < area.left || at.x > area.right || at.y < area.top || at.y > area.bottom) continue;
    const bool contour = !well && !fault_name && text.align == (kAlignCentre | kAlignBottom);
    if (!well && !fault_name && !contour) continue;
    wells += text.text.rfind("WELL-", 0) == 0, faults += fault_name, contours += contour;
    boxes.push_back(DrawnBox(text));
  }
  EXPECT_GE(contours, 5);
  EXPECT_EQ(faults, 1);
  EXPECT_GE(wells, 4) << "wells in the crowd still find free places round their symbols";
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    LabelSpace others;
    for (std::size_t j = 0; j < i; ++j) others.Reserve(boxes[j]);
    // A label's lines are drawn one under the other: they touch, never cross.
    const LabelSpace::Box& b = boxes[i];
    const Point centre{(b[0].x + b[2].x) / 2, (b[0].y + b[2].y) / 2};
    LabelSpace::Box inner;
    for (int k = 0; k < 4; ++k)
      inner[k] = {centre.x + 0.95 * (b[k].x - centre.x), centre.y + 0.95 * (b[k].y - centre.y)};
    EXPECT_TRUE(others.Free(inner)) << "label " << i << " covers another";
  }
}

}  // namespace
}  // namespace quarrix
