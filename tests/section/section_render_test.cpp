#include "section/section_render.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "section/section_wiggle.h"
#include "section_test_survey.h"

namespace quarrix {
namespace {

using testing::OpenTestSurvey;
using testing::TestSurvey;

DeviceInfo Screen() {
  return DeviceInfo{.ppi_x = 96, .ppi_y = 96};
}

// Screen at 96 pixels per inch, 24 traces per inch, gain 20.
SectionPlot InLinePlot(int line = 11) {
  SectionPlot plot;
  plot.section.kind = SectionKind::InLine;
  plot.section.line_number = line;
  plot.section.start_ms = 0;
  plot.section.end_ms = 996;
  plot.display.glppix = plot.display.glppiy = 96;
  return plot;
}

std::vector<std::int16_t> Samples(std::initializer_list<int> values) {
  return std::vector<std::int16_t>(values.begin(), values.end());
}

TEST(WiggleTrace, ZeroTraceDrawsNothingAndFullScaleSwingsGainOverTenSpacings) {
  RecordingCanvas canvas;
  WiggleScale scale{4, 20, 1, 1};
  auto zeros = Samples({0, 0, 0, 0});
  DrawWiggleTrace(canvas, 100, 0, zeros.data(), 0, 4, scale);
  EXPECT_TRUE(canvas.primitives().empty());

  auto peak = Samples({0, 32767, 0, -32767});
  DrawWiggleTrace(canvas, 100, 0, peak.data(), 0, 4, scale);
  auto lines = canvas.OfKind(PrimitiveKind::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points[1], (Point{108, 1}));  // 8 pixels at gain 20, spacing 4
  EXPECT_EQ(lines[0].points[3], (Point{92, 3}));
  auto fill = canvas.OfKind(PrimitiveKind::PolyPolygon);
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].brush, kStockBlackBrush);
  EXPECT_EQ(fill[0].fill_mode, FillMode::Alternate);
  // One lobe: from the zero sample before it, the peak, and back at the
  // interpolated crossing half way to the negative sample.
  ASSERT_EQ(fill[0].counts, (std::vector<int>{3}));
  EXPECT_EQ(fill[0].points[0], (Point{100, 0}));
  EXPECT_EQ(fill[0].points[1], (Point{108, 1}));
  EXPECT_EQ(fill[0].points[2], (Point{100, 2}));
}

TEST(WiggleTrace, ReversePolarityFillsTheOtherLobesAtQuarterUnitCrossings) {
  WiggleScale reverse{4, 10, -1, 5};  // 5 units per sample
  auto s = Samples({-30000, 10000, -30000, 20000});
  RecordingCanvas canvas;
  DrawWiggleTrace(canvas, 50, 10, s.data(), 0, 4, reverse);
  auto fill = canvas.OfKind(PrimitiveKind::PolyPolygon);
  ASSERT_EQ(fill.size(), 1u);
  // Deflections 3, -1, 3, -2: lobes around samples 0 and 2.
  ASSERT_EQ(fill[0].counts, (std::vector<int>{3, 3}));
  EXPECT_EQ(fill[0].points[0], (Point{50, 10}));
  EXPECT_EQ(fill[0].points[1], (Point{53, 10}));
  EXPECT_EQ(fill[0].points[2], (Point{50, 13.75}));  // crossing at 3/4 of a sample
  EXPECT_EQ(fill[0].points[3], (Point{50, 16.25}));
  EXPECT_EQ(fill[0].points[4], (Point{53, 20}));
  EXPECT_EQ(fill[0].points[5], (Point{50, 23}));  // 2 + 3/5 samples
}

TEST(SectionColumns, FollowTheStepAndStopAtTheLastTrace) {
  TestSurvey survey(4, 30);
  SectionDescription in_line{
      .kind = SectionKind::InLine, .line_number = 11, .first = 105, .last = 120};
  SectionDisplay display;
  display.tr_inc = 5;
  auto columns = SectionColumns(survey.header, in_line, display);
  ASSERT_EQ(columns.size(), 4u);  // traces 105, 110, 115, 120
  EXPECT_EQ(columns[3].trace_index, 20);
  EXPECT_EQ(columns[3].line_index, 1);
  SectionDescription cross{.kind = SectionKind::CrossLine, .trace_number = 101};
  display.ln_inc = 2;
  columns = SectionColumns(survey.header, cross, display);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[1].line_index, 2);
  SectionDescription outside{.kind = SectionKind::InLine, .line_number = 99};
  EXPECT_TRUE(SectionColumns(survey.header, outside, display).empty());
}

TEST(SectionColumns, ArbitraryLinesDecodeOffsetsAndSkipEntriesOutsideTheSurvey) {
  TestSurvey survey(4, 30);
  const std::int32_t record = survey.header.trace_bytes;
  std::string file = {3, 0};
  for (std::int32_t entry : {(2 * 30 + 7) * record, -record, (9 * 30) * record}) {
    auto u = static_cast<std::uint32_t>(entry);
    for (int b = 0; b < 4; ++b) file.push_back(static_cast<char>(u >> (8 * b)));
  }
  SectionDescription arb{.kind = SectionKind::Arbitrary};
  arb.arb_entries = DecodeArbitraryLine(file + "\x01");  // a stray byte is ignored
  ASSERT_EQ(arb.arb_entries.size(), 3u);
  auto columns = SectionColumns(survey.header, arb, SectionDisplay{});
  ASSERT_EQ(columns.size(), 1u);
  EXPECT_EQ(columns[0].line_index, 2);
  EXPECT_EQ(columns[0].trace_index, 7);
  EXPECT_TRUE(DecodeArbitraryLine(std::string("\xFF\xFF", 2)).empty());
}

TEST(SectionLayout, ScreenScalesAndRightToLeftStart) {
  TestSurvey survey;
  SectionPlot plot = InLinePlot();
  SectionLayout l = PlanSection(survey.header, plot, Screen(), SectionMode::Wiggle);
  EXPECT_EQ(l.dx, 4);
  EXPECT_EQ(l.ColumnX(0), 48);
  EXPECT_EQ(l.ColumnX(1), 52);
  EXPECT_DOUBLE_EQ(l.sample_step, 96 * 3 * 4 / 1000.0);
  plot.display.left_to_right = false;
  l = PlanSection(survey.header, plot, Screen(), SectionMode::Wiggle);
  EXPECT_EQ(l.ColumnX(0), l.width - 48);
  EXPECT_EQ(l.ColumnX(1), l.width - 52);
  // Printers and metafiles use their own resolution, not the screen settings.
  DeviceInfo printer{.ppi_x = 600, .ppi_y = 600, .printing = true};
  EXPECT_EQ(PlanSection(survey.header, plot, printer, SectionMode::Wiggle).dx, 25);
}

TEST(WiggleSection, DrawsEveryTraceAndFillsTheEventPeaks) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(11);
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  SectionDrawResult result = DrawWiggleSection(canvas, source, plot);
  EXPECT_EQ(result.drawn, 30);
  EXPECT_FALSE(result.read_failed);
  auto fills = canvas.OfKind(PrimitiveKind::PolyPolygon);
  ASSERT_EQ(fills.size(), 30u);
  // The peak point of trace 7 sits at the event's sample, 30000 / 32767 x 8
  // pixels out.
  const double peak_y = result.layout.RowY(TestSurvey::EventSample(1, 7));
  bool found = false;
  for (const Point& p : fills[7].points) found |= p.y == peak_y && p.x == 76 + 7;
  EXPECT_TRUE(found);
  // Trace labels every 20 trace numbers: 100 and 120.
  auto texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "120"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "110"), texts.end());
  // No title block unless asked for.
  for (const std::string& t : texts) EXPECT_EQ(t.find("<In-Line"), std::string::npos);
}

TEST(WiggleSection, TimingLinesAndSideLabelsFollowTheTimes) {
  OpenTestSurvey survey;
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot();
  plot.section.start_ms = 400;
  plot.section.end_ms = 600;
  plot.display.timing_interval_ms = 50;
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  DrawWiggleSection(canvas, source, plot);
  std::map<PenStyle, int> styles;
  for (const auto& line : canvas.OfKind(PrimitiveKind::Line))
    if (line.points[0].y == line.points[1].y) styles[line.pen.style]++;
  EXPECT_EQ(styles[PenStyle::Solid], 1);       // 500
  EXPECT_EQ(styles[PenStyle::Dot], 2);         // 400, 600
  EXPECT_EQ(styles[PenStyle::DashDotDot], 2);  // 450, 550
  auto texts = canvas.Texts();
  for (const char* label : {"0.4", "0.5", "0.6"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
}

TEST(WiggleSection, StopsAtAReadFailureOrWhenCancelled) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionSource source = survey.Source();
  SectionPlot plot = InLinePlot(10);
  RecordingProgress progress(3);
  RecordingCanvas canvas(Screen());
  SectionDrawResult result = DrawWiggleSection(canvas, source, plot, &progress);
  EXPECT_TRUE(result.cancelled);
  // Positions go out at multiples of 5 % (traces 0, 3 and 6 of 30), and the
  // third one cancels before trace 7.
  EXPECT_EQ(progress.positions, (std::vector<int>{0, 10, 20}));
  EXPECT_EQ(result.drawn, 7);

  survey.project.amp.Close();
  std::filesystem::resize_file(survey.folder.File("demo.amp"),
                               survey.header.AmpFileBytes() - 5 * survey.header.trace_bytes);
  ASSERT_TRUE(survey.project.amp.Open(survey.folder.File("demo.amp"), AmpOpenMode::Read));
  plot = InLinePlot(13);
  RecordingCanvas partial(Screen());
  result = DrawWiggleSection(partial, source, plot);
  EXPECT_TRUE(result.read_failed);
  EXPECT_EQ(result.drawn, 25);
  EXPECT_EQ(partial.OfKind(PrimitiveKind::PolyPolygon).size(), 25u);
}

TEST(HorizonOverlay, NullTimesBreakTheLineIntoSegments) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  auto grid = survey.EventHorizon(10, 14);
  SectionPlot plot = InLinePlot(11);
  plot.horizons.push_back({"top_chalk.hor", std::make_shared<std::vector<std::int16_t>>(grid), 20});
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  SectionDrawResult result = DrawWiggleSection(canvas, source, plot);
  std::vector<DrawnPrimitive> segments;
  for (const auto& p : canvas.OfKind(PrimitiveKind::Polyline))
    if (p.pen.colour == HorizonColour(14)) segments.push_back(p);
  ASSERT_EQ(segments.size(), 2u) << "colour code 20 is drawn as 14";
  EXPECT_EQ(segments[0].points.size(), 10u);
  EXPECT_EQ(segments[1].points.size(), 15u);
  EXPECT_EQ(segments[1].points[0].y, result.layout.RowY(TestSurvey::EventSample(1, 15)));
  auto texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "top_chalk"), texts.end());
}

TEST(HorizonOverlay, LongHorizonNamesStayInsideThePageOnEitherSide) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  auto grid = survey.EventHorizon();
  for (int left_to_right : {1, 0}) {
    SectionPlot plot = InLinePlot(11);
    plot.display.left_to_right = left_to_right == 1;
    plot.horizons.push_back(
        {"a_rather_long_horizon_name.hor", std::make_shared<std::vector<std::int16_t>>(grid), 9});
    RecordingCanvas canvas(Screen());
    SectionSource source = survey.Source();
    SectionDrawResult result = DrawWiggleSection(canvas, source, plot);
    bool found = false;
    for (const DrawnPrimitive& p : canvas.OfKind(PrimitiveKind::Text)) {
      if (p.text != "a_rather_long_horizon_name") continue;
      found = true;
      Rect box = RecordingCanvas::TextBox(p);
      EXPECT_GE(box.left, 0) << "left to right " << left_to_right;
      EXPECT_LE(box.right, result.layout.width) << "left to right " << left_to_right;
    }
    EXPECT_TRUE(found);
  }
}

TEST(Flattening, TheDatumHorizonRunsAlongTheWindowStart) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  auto datum = survey.EventHorizon(5, 5);
  SectionPlot plot = InLinePlot(12);
  plot.section.start_ms = 100;
  plot.section.end_ms = 300;
  plot.datum = std::make_shared<std::vector<std::int16_t>>(datum);
  plot.horizons.push_back({"datum.hor", plot.datum, 12});
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  SectionDrawResult result = DrawColourSection(canvas, source, plot);
  auto images = canvas.OfKind(PrimitiveKind::Image);
  ASSERT_EQ(images.size(), 1u);
  const IndexedImage& image = images[0].image;
  for (int k = 0; k < image.width; ++k) {
    if (k == 5) {
      EXPECT_EQ(image.At(k, 0), 15) << "a null datum cell leaves its trace blank";
      continue;
    }
    EXPECT_EQ(image.At(k, 0), 0) << "trace " << k << ": the event peak is on the top row";
  }
  // The datum horizon itself is drawn flat along the top.
  for (const auto& p : canvas.OfKind(PrimitiveKind::Polyline))
    if (p.pen.colour == HorizonColour(12))
      for (const Point& point : p.points) EXPECT_EQ(point.y, result.layout.data.top);
}

TEST(ColourSection, MapsSamplesThroughTheBarIntoOneImage) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(10);
  plot.display.title_scale = 1.0;
  plot.project_title = "demo.hdr";
  plot.date = "07-Dec-2026";
  plot.time = "10:00:00";
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  SectionDrawResult result = DrawColourSection(canvas, source, plot);
  auto images = canvas.OfKind(PrimitiveKind::Image);
  ASSERT_EQ(images.size(), 1u);
  const IndexedImage& image = images[0].image;
  EXPECT_EQ(image.width, 30);
  EXPECT_EQ(image.height, result.layout.window_samples);
  EXPECT_EQ(image.palette.size(), 34u);
  EXPECT_EQ(image.At(3, TestSurvey::EventSample(0, 3)), 0);  // 30000: the top band
  EXPECT_EQ(image.At(3, 5), 15);                             // zero: white
  EXPECT_EQ(images[0].points[0].x, 48 - 2);
  EXPECT_EQ(images[0].points[1].x, 48 + 29 * 4 + 2);
  auto texts = canvas.Texts();
  EXPECT_NE(
      std::find(texts.begin(), texts.end(), "<In-Line 10>  demo.hdr   07-Dec-2026   10:00:00"),
      texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Normal Polarity  Gain 20  3.00 IPS  24.00 TPI"),
            texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), " 30000 "), texts.end()) << "the legend";

  // Right to left and reversed: the first trace is the image's last column,
  // and the peak (-30000 x 1.1) falls below the bar: its extra colour.
  plot.display.left_to_right = false;
  plot.display.polarity = -1;
  RecordingCanvas reversed(Screen());
  DrawColourSection(reversed, source, plot);
  const IndexedImage mirrored = reversed.OfKind(PrimitiveKind::Image)[0].image;
  EXPECT_EQ(mirrored.At(29 - 3, TestSurvey::EventSample(0, 3)), 32);
}

TEST(ColourSection, SmoothingAveragesTheLastThreeTraces) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(10);
  plot.display.smooth_colours = true;
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  DrawColourSection(canvas, source, plot);
  const IndexedImage image = canvas.OfKind(PrimitiveKind::Image)[0].image;
  ColourBar bar;
  SetDefaultColourBar(bar);
  ColourMapper mapper(bar, 1, 1);
  const int s = TestSurvey::EventSample(0, 5);
  const int expected = TestSurvey::Sample(0, 3, s) / 4 + TestSurvey::Sample(0, 4, s) / 2 +
                       TestSurvey::Sample(0, 5, s) / 4;
  EXPECT_EQ(image.At(5, s), mapper.Index(static_cast<std::int16_t>(expected)));
  EXPECT_EQ(image.At(0, s), mapper.Index(TestSurvey::Sample(0, 0, s)));
}

TEST(WellMarkers, WellsOnTheSectionGetTheirSymbolAndOverlay) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(11);
  plot.wells = {{11, 110, 9, "W-1"}, {13, 110, 1, "far"}};
  plot.display.ovwellstick = true;
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  SectionDrawResult result = DrawColourSection(canvas, source, plot);
  auto squares = canvas.OfKind(PrimitiveKind::Rectangle);
  bool symbol = false;
  for (const auto& r : squares)
    symbol |= r.brush.style == BrushStyle::Solid && (r.points[0].x + r.points[1].x) / 2 == 88;
  EXPECT_TRUE(symbol) << "filled square at trace 110 (x = 48 + 10 x 4)";
  auto texts = canvas.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "W-1"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "far"), texts.end()) << "two lines away";
  bool stick = false;
  for (const auto& line : canvas.OfKind(PrimitiveKind::Line))
    stick |= line.points[0].x == 88 && line.points[1].x == 88 &&
             line.points[0].y == result.layout.data.top && line.pen.colour == Rgb{0, 255, 0};
  EXPECT_TRUE(stick) << "well stick in the overlay colour (3, green)";
}

TEST(ArbitrarySection, LabelsLineAboveTraceUnderTheirRowHeadings) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot();
  plot.section.kind = SectionKind::Arbitrary;
  plot.section.arb_name = "diagonal.arb";
  for (int k = 0; k < 4; ++k)
    plot.section.arb_entries.push_back((k * 30 + 5 * k) * survey.header.trace_bytes);
  plot.display.lbl_inc = 2;
  RecordingCanvas canvas(Screen());
  SectionSource source = survey.Source();
  EXPECT_EQ(DrawWiggleSection(canvas, source, plot).drawn, 4);
  std::vector<std::pair<std::string, double>> labels;
  for (const auto& t : canvas.OfKind(PrimitiveKind::Text))
    labels.push_back({t.text, t.points[0].y});
  auto y_of = [&](const std::string& text) {
    for (const auto& [label, y] : labels)
      if (label == text) return y;
    return -1.0;
  };
  // List positions 0 and 2: (line 10, trace 100) and (line 12, trace 110).
  EXPECT_GT(y_of("110"), y_of("12"));
  EXPECT_EQ(y_of("105"), -1.0) << "position 1 carries no label";
  EXPECT_EQ(y_of("Trace"), y_of("110"));
  EXPECT_EQ(y_of("Line"), y_of("12"));
  EXPECT_EQ(PrintDocumentName(plot.section, true), "Arb-Line Plot diagonal.arb");
  EXPECT_EQ(PrintDocumentName(plot.section, false), "Trace Plot");
}

// A window shows part of a large plot: the renderers draw the traces that
// reach into that part, each where the whole drawing puts it.
DeviceInfo ScreenShowing(const SectionLayout& layout, double left, double right, double top_row,
                         double bottom_row) {
  DeviceInfo device = Screen();
  device.exposed = Rect{left, layout.data.top + top_row * layout.sample_step, right,
                        layout.data.top + bottom_row * layout.sample_step};
  return device;
}

TEST(ExposedPart, WiggleTracesOutsideItAreLeftOutAndTheRestDrawnInPlace) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(11);
  SectionSource source = survey.Source();
  RecordingCanvas whole(Screen());
  const SectionDrawResult all = DrawWiggleSection(whole, source, plot);
  // x 100..140 with a reach of 2 spacings (gain 20) and the pen's 8 units:
  // columns 9..27 (x = 48 + 4k).
  // Rows 40.5..119.5 with two more each side: 38..122.
  const DeviceInfo device = ScreenShowing(all.layout, 100, 140, 40.5, 119.5);
  RecordingCanvas part(device);
  const SectionDrawResult result = DrawWiggleSection(part, source, plot);
  EXPECT_EQ(result.drawn, 30) << "the mouse still finds every trace";
  EXPECT_EQ(result.layout.width, all.layout.width);
  const auto whole_lines = whole.OfKind(PrimitiveKind::Polyline);
  const auto lines = part.OfKind(PrimitiveKind::Polyline);
  const auto whole_fills = whole.OfKind(PrimitiveKind::PolyPolygon);
  const auto fills = part.OfKind(PrimitiveKind::PolyPolygon);
  ASSERT_EQ(whole_lines.size(), 30u);
  ASSERT_EQ(lines.size(), 19u);
  ASSERT_EQ(fills.size(), 19u);
  for (int j = 0; j < 19; ++j) {
    const auto& full = whole_lines[9 + j].points;
    const auto& drawn = lines[j].points;
    ASSERT_FALSE(drawn.empty());
    auto at = std::find(full.begin(), full.end(), drawn.front());
    ASSERT_NE(at, full.end()) << "column " << 9 + j;
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), at)) << "column " << 9 + j;
    EXPECT_EQ(drawn.front().y, all.layout.RowY(38));
    EXPECT_EQ(drawn.back().y, all.layout.RowY(121));
    EXPECT_EQ(fills[j].points, whole_fills[9 + j].points) << "the event's lobe, whole";
  }
}

TEST(ExposedPart, ColourColumnsAreTheMatchingBlockOfTheWholeImageEvenWhenSmoothed) {
  OpenTestSurvey survey(4, 30);
  ASSERT_TRUE(survey.project.amp.IsOpen());
  SectionPlot plot = InLinePlot(10);
  plot.display.smooth_colours = true;  // needs the two columns before the part
  SectionSource source = survey.Source();
  for (bool left_to_right : {true, false}) {
    plot.display.left_to_right = left_to_right;
    RecordingCanvas whole(Screen());
    const SectionDrawResult all = DrawColourSection(whole, source, plot);
    // 20 units from column 12 on, reach 16: columns 8..21; rows 28..92.
    const double x0 = all.layout.ColumnX(12), x1 = left_to_right ? x0 + 20 : x0 - 20;
    RecordingCanvas part(ScreenShowing(all.layout, std::min(x0, x1), std::max(x0, x1), 30.5, 89.5));
    DrawColourSection(part, source, plot);
    const auto whole_image = whole.OfKind(PrimitiveKind::Image).at(0);
    const auto image = part.OfKind(PrimitiveKind::Image).at(0);
    ASSERT_EQ(image.image.width, 14);
    ASSERT_EQ(image.image.height, 92 - 28);
    const int offset = left_to_right ? 8 : 30 - 22;
    for (int y = 0; y < image.image.height; ++y)
      for (int x = 0; x < image.image.width; ++x)
        ASSERT_EQ(image.image.At(x, y), whole_image.image.At(x + offset, y + 28))
            << x << ", " << y << (left_to_right ? "" : " right to left");
    const double rows = all.layout.window_samples;
    const Rect data = all.layout.data;
    EXPECT_DOUBLE_EQ(image.points[0].x, whole_image.points[0].x + offset * 4);
    EXPECT_DOUBLE_EQ(image.points[1].x, image.points[0].x + 14 * 4);
    EXPECT_DOUBLE_EQ(image.points[0].y, data.top + 28 * data.Height() / rows);
    EXPECT_DOUBLE_EQ(image.points[1].y, data.top + 92 * data.Height() / rows);
    EXPECT_EQ(part.OfKind(PrimitiveKind::Polyline).size(), 15u)
        << "an overlay wiggle on each column and the labelled trace 120's";
  }
}

}  // namespace
}  // namespace quarrix
