#include "map/horizon_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "map/contour_painter.h"
#include "map/map_colours.h"
#include "map/plot_transform.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompter.h"

namespace quarrix {
namespace {

// 20 lines (101..120, spacing 30) by 40 traces (201..240, spacing 25), placed
// in X/Y with traces running east from (10000, 20000) and lines north.
struct PlotSurvey {
  explicit PlotSurvey(int corner = 4) {
    header.first_line = 101, header.last_line = 120, header.first_trace = 201;
    header.last_trace = 240, header.trace_spacing = 25, header.line_spacing = 30;
    header.trace_bytes = 200, header.sample_rate = 4, header.corner_index = corner;
    header.ComputeDerived();
    placement = PlacementFromXyBytes(
        BuildXyFile(header, {{10000, 20000}, {10000 + 39 * 25, 20000}, {10000, 20000 + 19 * 30}}),
        header);
    for (int r = 0; r < grid.rows; ++r)
      for (int c = 0; c < grid.columns; ++c)
        grid.At(r, c) = static_cast<std::int16_t>(1000 + 10 * c + 5 * r);
    SetDefaultColourBar(data.bar);
    data.grid = &grid;
    data.header = &header;
    data.placement = &placement;
    data.zoom = FullMapZoom(header);
    data.plot_name = "survey";
    data.file_name = "top.hor";
    data.date = "01/02/03";
    data.time = "04:05:06";
  }
  HorizonPlotResult Draw(RecordingCanvas& canvas, const HorizonPlotSettings& settings,
                         Rect page = {0, 0, 1056, 816}) {
    NullProgress progress;
    ScriptedPrompter prompter;
    return DrawHorizonPlot(canvas, page, settings, data, progress, prompter);
  }
  SurveyHeader header;
  SurveyPlacement placement;
  HorizonGrid grid{20, 40};
  HorizonPlotData data;
};

double MeanY(const DrawnPrimitive& p) {
  double y = 0;
  for (const Point& q : p.points) y += q.y;
  return y / static_cast<double>(p.points.size());
}

TEST(PlotTransform, AutomaticScaleFitsTheLargerDimension) {
  PlotSurvey s;
  PlotTransform t(s.header, s.placement, s.data.zoom, false);
  EXPECT_DOUBLE_EQ(t.WidthFeet(), 1000);  // 40 traces x 25
  EXPECT_DOUBLE_EQ(t.HeightFeet(), 600);  // 20 lines x 30
  // 4 in x 2 in: the width needs 250 ft/in, the height 300 ft/in.
  EXPECT_EQ(t.FitScale({0, 0, 400, 200}, 100, 100), 300);
  EXPECT_EQ(t.FitScale({0, 0, 1000, 100}, 100, 100), 600);
  EXPECT_EQ(t.FitScale({0, 0, 300, 600}, 100, 100), 334);  // 333.3 rounds up
  t.Place({0, 0, 400, 200}, 300, 100, 100);
  Rect r = t.DataRect();
  EXPECT_NEAR(r.Width(), 1000.0 / 3, 1e-9);
  EXPECT_NEAR(r.Height(), 200, 1e-9);
}

TEST(PlotTransform, InXyPlacesWorldPointsWhereTheirCellsAre) {
  PlotSurvey s;
  for (bool in_xy : {false, true}) {
    PlotTransform t(s.header, s.placement, s.data.zoom, in_xy);
    t.Place({0, 0, 1000, 1000}, 10, 100, 100);
    XyPoint w = LineTraceToXy(s.header, s.placement, 7, 12);
    std::optional<Point> p = t.WorldToDevice(w.x, w.y);
    ASSERT_TRUE(p);
    Point cell = t.ToDevice(7, 12);
    EXPECT_NEAR(p->x, cell.x, 1e-6) << in_xy;
    EXPECT_NEAR(p->y, cell.y, 1e-6) << in_xy;
  }
}

TEST(HorizonPlot, HorizonPlotsFillCellRunsInTheirBandColours) {
  PlotSurvey s;
  s.grid.At(3, 3) = HORIZON_NULL;
  HorizonPlotSettings settings;
  settings.label_traces_lines = settings.palette = settings.title = false;
  RecordingCanvas canvas;
  HorizonPlotResult result = s.Draw(canvas, settings);
  EXPECT_TRUE(result.drawn);
  auto cells = canvas.OfKind(PrimitiveKind::Polygon);
  ASSERT_FALSE(cells.empty());
  // Values 1000..1485 all lie in the default bar's band from 0 to 2000: one
  // run per row, split where the null cell is left out.
  EXPECT_EQ(cells.size(), 21u);
  for (const DrawnPrimitive& cell : cells) EXPECT_EQ(cell.brush.colour, s.data.bar.colours[15]);
}

TEST(HorizonPlot, ColourGainStrengthensAmplitudesOnly) {
  PlotSurvey s;
  HorizonPlotSettings settings;
  settings.label_traces_lines = settings.palette = settings.title = false;
  settings.colour_gain = 3;
  auto colours = [&] {
    RecordingCanvas canvas;
    s.Draw(canvas, settings);
    std::vector<Rgb> seen;
    for (const DrawnPrimitive& cell : canvas.OfKind(PrimitiveKind::Polygon))
      if (std::find(seen.begin(), seen.end(), cell.brush.colour) == seen.end())
        seen.push_back(cell.brush.colour);
    return seen;
  };
  // Times are not amplified: 1000..1485 ms stay in the band from 0 to 2000.
  EXPECT_EQ(colours(), std::vector<Rgb>{s.data.bar.colours[15]});
  // Amplitudes 1000..1485 are coloured as 3000..4455: the bands from 2000 and
  // from 4000, the bar's own thresholds untouched.
  s.data.amplitude = true;
  std::vector<Rgb> gained = colours();
  EXPECT_EQ(gained.size(), 2u);
  for (const Rgb& c : gained)
    EXPECT_TRUE(c == s.data.bar.colours[13] || c == s.data.bar.colours[14]);
  EXPECT_EQ(s.data.bar.thresholds[14], 2000);
}

TEST(HorizonPlot, TitleLinesNameThePlotFileDateAndScale) {
  PlotSurvey s;
  HorizonPlotSettings settings;
  settings.comment1 = "first";
  settings.comment2 = "second";
  std::vector<std::string> title = HorizonPlotTitle(s.data, settings, 250);
  ASSERT_EQ(title.size(), 3u);
  EXPECT_EQ(title[0],
            "Horizon Plot   survey   File top.hor   01/02/03   04:05:06   Scale 1 in = 250 ft");
  EXPECT_EQ(title[1].substr(0, 14), "first   second");
  EXPECT_EQ(title[2], "Color Default Colors    Min -32000    Max 32000");
  s.data.amplitude = true;
  EXPECT_EQ(HorizonPlotTitle(s.data, settings, 250)[0].substr(0, 14), "Amplitude Plot");
}

// The boxes of the line and trace numbers along the plot's edges.
std::vector<Rect> NumberBoxes(const RecordingCanvas& canvas) {
  std::vector<Rect> boxes;
  for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Text))
    if (!p.text.empty() && std::all_of(p.text.begin(), p.text.end(), ::isdigit))
      boxes.push_back(RecordingCanvas::TextBox(p));
  return boxes;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(HorizonPlot, EdgeNumbersNeverTouchAndKeepTheSetIncrementWhereThereIsRoom) {
  // Corner 4 runs traces across the page, corner 5 down it.
  for (int corner : {4, 5}) {
    PlotSurvey s(corner);
    HorizonPlotSettings settings;
    settings.label_line_increment = settings.label_trace_increment = 1;
    RecordingCanvas crowded;
    s.Draw(crowded, settings, {0, 0, 500, 380});
    std::vector<Rect> boxes = NumberBoxes(crowded);
    ASSERT_GE(boxes.size(), 8u) << "corner " << corner;
    for (std::size_t i = 0; i < boxes.size(); ++i)
      for (std::size_t j = i + 1; j < boxes.size(); ++j)
        EXPECT_FALSE(Overlap(boxes[i], boxes[j]))
            << "corner " << corner << ": labels " << i << " and " << j;

    // Every tenth number fits on a large page: all of them are drawn, on
    // both edges (lines 110 and 120, traces 210 to 240).
    settings.label_line_increment = settings.label_trace_increment = 10;
    RecordingCanvas roomy;
    s.Draw(roomy, settings, {0, 0, 2000, 1600});
    EXPECT_EQ(NumberBoxes(roomy).size(), 2u * (2 + 4)) << "corner " << corner;
  }
}

TEST(HorizonPlot, ContourPlotsFillLevelsAndDrawClassLines) {
  PlotSurvey s;
  HorizonPlotSettings settings;
  settings.type = HorizonPlotType::Contour;
  settings.label_traces_lines = settings.palette = settings.title = false;
  settings.classes[0] = {100, false, 1, false, 0x0000FF};  // red
  s.data.bar = StretchColourSet({{0, 0, 255}, {255, 0, 0}}, 50, 1000, 1500);
  RecordingCanvas canvas;
  ASSERT_TRUE(s.Draw(canvas, settings).drawn);
  EXPECT_FALSE(canvas.OfKind(PrimitiveKind::PolyPolygon).empty());
  auto lines = canvas.OfKind(PrimitiveKind::Polyline);
  ASSERT_FALSE(lines.empty());
  for (const DrawnPrimitive& line : lines) EXPECT_EQ(line.pen.colour, (Rgb{255, 0, 0}));

  settings.type = HorizonPlotType::LineContour;
  RecordingCanvas cells;
  ASSERT_TRUE(s.Draw(cells, settings).drawn);
  EXPECT_GT(cells.OfKind(PrimitiveKind::Polygon).size(), 19u * 39u);
  EXPECT_FALSE(cells.OfKind(PrimitiveKind::Polyline).empty());
}

TEST(ContourPainter, LongLinesGoOutInPiecesAndLabelsStayInsideTheClip) {
  RecordingCanvas canvas;
  std::array<ContourLineClass, 3> classes{};
  classes[2] = {10, true, 2, true, 0x00FF00};
  ContourPainter painter(canvas, {}, {}, classes, 12, 100);
  // The first large polygon becomes the label outline: x 0..2000.
  ContourPolygon outline;
  outline.fill = false;
  outline.label_clip = true;
  outline.paths.push_back({{{0, 0}, {2000, 0}, {2000, 1000}, {0, 1000}, {0, 0}}, true});
  painter.Polygon(outline);
  ContourPolygon polygon;
  polygon.level = 50;
  polygon.line_class = 3;
  polygon.label = true;
  polygon.fill = false;
  ContourPath path;
  for (int i = 0; i <= 1000; ++i) path.points.push_back({i * 4, 500});
  for (int i = 1000; i >= 0; --i) path.points.push_back({i * 4, 600});
  polygon.paths.push_back(path);
  EXPECT_EQ(painter.Polygon(polygon), DrawOutcome::Drawn);
  auto pieces = canvas.OfKind(PrimitiveKind::Polyline);
  ASSERT_EQ(pieces.size(), 11u);  // 2001 segments in pieces of 200
  for (const DrawnPrimitive& piece : pieces) {
    EXPECT_LE(piece.points.size(), 201u);
    EXPECT_EQ(piece.pen.style, PenStyle::Dash);
    EXPECT_EQ(piece.pen.colour, (Rgb{0, 255, 0}));
  }
  auto labels = canvas.OfKind(PrimitiveKind::Text);
  ASSERT_GE(labels.size(), 4u);
  for (const DrawnPrimitive& label : labels) {
    EXPECT_EQ(label.text, "50");
    EXPECT_LT(label.points[0].x, 2000);
    EXPECT_EQ(label.font.escapement, 0);  // horizontal lines, read left to right
  }
}

TEST(HorizonPlot, WellsByLineTraceAndByXyLandOnTheSameCell) {
  PlotSurvey s;
  XyPoint w = LineTraceToXy(s.header, s.placement, 6, 17);
  PostedWell well{"W-1", "", 6, 17, w.x, w.y, 2, 0, 0};
  s.data.wells.push_back({{well}, {}});
  HorizonPlotSettings settings;
  settings.label_traces_lines = settings.palette = settings.title = false;
  RecordingCanvas by_grid, by_xy;
  s.Draw(by_grid, settings);
  settings.well_options.use_xy = true;
  s.Draw(by_xy, settings);
  auto a = by_grid.OfKind(PrimitiveKind::Ellipse), b = by_xy.OfKind(PrimitiveKind::Ellipse);
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_NEAR(a[0].points[0].x, b[0].points[0].x, 1.0);
  EXPECT_NEAR(a[0].points[0].y, b[0].points[0].y, 1.0);
  auto texts = by_grid.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "W-1"), texts.end());
}

TEST(HorizonPlot, CultureInWorldCoordinatesLandsOnItsCells) {
  PlotSurvey s;
  XyPoint a = LineTraceToXy(s.header, s.placement, 2, 3);
  XyPoint b = LineTraceToXy(s.header, s.placement, 15, 30);
  CultureDrawing culture;
  culture.lines.push_back({a.x, a.y, b.x, b.y});
  culture.texts.push_back({b.x, b.y, 30, 0, 0, 0, "LEASE"});
  culture.texts.push_back({a.x + 100000, a.y, 30, 0, 0, 0, "FAR AWAY"});
  s.data.culture.push_back(culture);
  HorizonPlotSettings settings;
  settings.label_traces_lines = settings.palette = settings.title = false;
  RecordingCanvas canvas;
  s.Draw(canvas, settings);
  auto lines = canvas.OfKind(PrimitiveKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  // The page layout is the plot's; compare with the cell centres it drew.
  auto cells = canvas.OfKind(PrimitiveKind::Polygon);
  ASSERT_FALSE(cells.empty());
  const Rect data = {cells.front().points[0].x, cells.front().points[0].y, 0, 0};
  const double cell_x = (cells.front().points[1].x - cells.front().points[0].x) / 40;
  EXPECT_NEAR(lines[0].points[0].x, data.left + 3.5 * cell_x, 1.0);
  EXPECT_NEAR(lines[0].points[1].x, data.left + 30.5 * cell_x, 1.0);
  auto texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "LEASE"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "FAR AWAY"), texts.end());
  EXPECT_TRUE(canvas.OfKind(PrimitiveKind::Line)[0].clipped);
}

TEST(SurfaceView, CellsAreDrawnFromTheFarthestToTheNearest) {
  HorizonGrid grid(10, 12);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 12; ++c) grid.At(r, c) = static_cast<std::int16_t>(1000 + 20 * r + 10 * c);
  grid.At(4, 4) = HORIZON_NULL;
  ColourBar bar;
  SetDefaultColourBar(bar);
  SurfaceGeometry geometry;
  geometry.column_feet = geometry.row_feet = 25;
  SurfaceCamera camera;
  camera.azimuth = 0;
  camera.elevation = 40;
  RecordingCanvas canvas;
  DrawSurfaceView(canvas, {0, 0, 800, 600}, grid, bar, geometry, camera);
  auto cells = canvas.OfKind(PrimitiveKind::Polygon);
  EXPECT_EQ(cells.size(), 9u * 11u - 4u);  // the null node takes four cells
  // Seen from the first line's side, far cells sit higher on the page.
  EXPECT_LT(MeanY(cells.front()), MeanY(cells.back()));
  for (const DrawnPrimitive& cell : cells) {
    EXPECT_EQ(cell.pen.style, PenStyle::Null);
    EXPECT_NE(cell.brush.colour, kWhite);
    for (const Point& p : cell.points) {
      EXPECT_GE(p.x, 0);
      EXPECT_LE(p.x, 800);
    }
  }
  camera.solid = false;
  camera.fishnet = true;
  RecordingCanvas net;
  DrawSurfaceView(net, {0, 0, 800, 600}, grid, bar, geometry, camera);
  for (const DrawnPrimitive& cell : net.OfKind(PrimitiveKind::Polygon)) {
    EXPECT_EQ(cell.brush.colour, kWhite);  // hidden lines stay hidden
    EXPECT_EQ(cell.pen.colour, kBlack);
  }
}

}  // namespace
}  // namespace quarrix
