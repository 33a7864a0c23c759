#include "section/trace_plot.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/recording_canvas.h"
#include "platform/text_util.h"
#include "section/trace_plot_commands.h"
#include "section_test_survey.h"

namespace quarrix {
namespace {

using testing::OpenTestSurvey;
using testing::TestSurvey;
using namespace trace_plot_command;

// Lines 10..29, traces 100..129.
TracePlotDocument TwentyLines() {
  static const TestSurvey survey(20, 30, 50);
  return NewTracePlotDocument(survey.header, SectionDisplay{});
}

TEST(TracePlotStepping, InLinesStepByTheLineIncrementWithinTheRange) {
  TracePlotDocument doc = TwentyLines();
  StepSection(doc, -1);
  EXPECT_EQ(doc.line_index, 0) << "\"-\" on line 0 keeps line 0";
  doc.request.display.ln_inc = 2;
  StepSection(doc, 10);
  EXPECT_EQ(doc.line_index, 19) << "+10 by 2 stops at the survey's last line";
  doc.line_index = 0;
  StepSection(doc, 1);
  StepSection(doc, 1);
  EXPECT_EQ(doc.line_index, 4);
  EXPECT_EQ(CurrentSection(doc).line_number, 14);

  TracePlotLines lines = DefaultLines(doc.header, SectionKind::InLine);
  lines.start_line = 12;
  lines.end_line = 16;
  ApplyLines(doc, lines);
  EXPECT_EQ(doc.line_index, 2);
  StepSection(doc, 10);
  EXPECT_EQ(CurrentSection(doc).line_number, 16) << "never past the End Line";
}

TEST(TracePlotStepping, CrossLinesStepTracesAndArbitraryLinesStay) {
  TracePlotDocument doc = TwentyLines();
  TracePlotLines lines = DefaultLines(doc.header, SectionKind::CrossLine);
  lines.start_trace = 105;
  ApplyLines(doc, lines);
  doc.request.display.tr_inc = 3;
  StepSection(doc, 1);
  EXPECT_EQ(CurrentSection(doc).trace_number, 108);
  EXPECT_EQ(CurrentSection(doc).kind, SectionKind::CrossLine);
  StepSection(doc, -10);
  EXPECT_EQ(CurrentSection(doc).trace_number, 100);

  lines.kind = SectionKind::Arbitrary;
  lines.arb_path = "/p/west.arb";
  ApplyLines(doc, lines);
  const int line = doc.line_index, trace = doc.trace_index;
  doc.redraw_needed = false;
  StepSection(doc, 10);
  EXPECT_EQ(doc.line_index, line);
  EXPECT_EQ(doc.trace_index, trace);
  EXPECT_TRUE(doc.redraw_needed) << "stepping an arbitrary line only redraws";
  EXPECT_EQ(CurrentSection(doc).arb_name, "west.arb");
  EXPECT_EQ(doc.request.arb_path, "/p/west.arb");
}

TEST(TracePlotSetLine, FieldsAreLimitedToTheSurvey) {
  TracePlotDocument doc = TwentyLines();
  TracePlotLines lines;
  lines.start_line = 3;     // below the first line
  lines.end_line = 500;     // beyond the last
  lines.start_trace = 110;  // in range
  lines.end_trace = 0;      // unset
  ApplyLines(doc, lines);
  EXPECT_EQ(doc.lines.start_line, 10);
  EXPECT_EQ(doc.lines.end_line, 29);
  EXPECT_EQ(doc.lines.end_trace, 129);
  EXPECT_EQ(doc.line_index, 0);
  EXPECT_EQ(doc.trace_index, 10);
  const SectionDescription section = CurrentSection(doc);
  EXPECT_EQ(section.first, 110) << "an in-line is drawn from the start trace";
  EXPECT_EQ(section.last, 129);
}

TEST(TracePlotSetup, GainTimesAndColourGainAreStoredAsTheWindowUsesThem) {
  TracePlotDocument doc = TwentyLines();
  doc.header.start_time = 100;
  TracePlotSetup setup = SetupOf(doc);
  setup.display.gain = 30;
  setup.display.colour_gain = 0;
  setup.start_ms = 20;
  setup.end_ms = 180;
  ApplySetup(doc, setup);
  EXPECT_DOUBLE_EQ(doc.max_defl, 3.0) << "\"Plot Gain\" 30 sets max_defl to 3.0";
  EXPECT_EQ(doc.request.display.colour_gain, 1);
  EXPECT_EQ(doc.request.section.start_ms, 100) << "raised to the first sample time";
  EXPECT_EQ(doc.request.section.end_ms, 180);
}

TEST(TracePlotAutomatic, InLineSeriesRunsFromTheCurrentLineToTheEndLine) {
  TracePlotDocument doc = TwentyLines();
  TracePlotLines lines = DefaultLines(doc.header, SectionKind::InLine);
  lines.start_line = 20;
  lines.end_line = 25;
  ApplyLines(doc, lines);
  doc.request.display.ln_inc = 2;
  auto series = AutomaticSeries(doc);
  ASSERT_EQ(series.size(), 3u);
  std::vector<std::string> names;
  for (const auto& section : series) names.push_back(PrintDocumentName(section, true));
  EXPECT_EQ(names,
            (std::vector<std::string>{"In-Line Plot 20", "In-Line Plot 22", "In-Line Plot 24"}));
  lines.kind = SectionKind::Arbitrary;
  lines.arb_path = "east.arb";
  ApplyLines(doc, lines);
  series = AutomaticSeries(doc);
  ASSERT_EQ(series.size(), 1u);
  EXPECT_EQ(PrintDocumentName(series[0], true), "Arb-Line Plot east.arb");
}

TEST(TracePlotCommands, ModesAreExclusiveAndTheWindowGetsItsOwnCommands) {
  TracePlotDocument doc = TwentyLines();
  int replots = 0;
  std::vector<int> window;
  CommandTable table = TracePlotCommands(
      doc, [&] { ++replots; }, [&](int id) { window.push_back(id); });
  EXPECT_FALSE(CommandEnabled(*FindCommand(table, kPrint))) << "nothing to print before a mode";
  RunCommand(table, kPlotColour);
  EXPECT_TRUE(CommandChecked(*FindCommand(table, kPlotColour)));
  RunCommand(table, kPlotVar);
  EXPECT_TRUE(doc.var_mode);
  EXPECT_FALSE(doc.colour_mode);
  EXPECT_FALSE(CommandChecked(*FindCommand(table, kPlotColour)));
  EXPECT_TRUE(CommandEnabled(*FindCommand(table, kPrint)));
  RunCommand(table, kPlotDirect);
  RunCommand(table, kAutomatic);
  EXPECT_TRUE(CommandChecked(*FindCommand(table, kAutomatic)));
  RunCommand(table, kForwardTen);
  EXPECT_EQ(doc.line_index, 10);
  RunCommand(table, kDefaultColours);
  EXPECT_EQ(doc.colour_bar.count, 32);
  EXPECT_EQ(replots, 4);
  RunCommand(table, kSetLine);
  RunCommand(table, kSaveMetafile);
  EXPECT_EQ(window, (std::vector<int>{kSetLine, kSaveMetafile}));
}

// Draws an in-line of the test survey on a 96 pixel-per-inch screen.
TracePlotGeometry DrawInLine(OpenTestSurvey& survey, SectionPlot& plot) {
  plot.section.kind = SectionKind::InLine;
  plot.section.line_number = 11;
  plot.section.end_ms = survey.header.end_time;
  RecordingCanvas canvas(DeviceInfo{.ppi_x = 96, .ppi_y = 96});
  SectionSource source = survey.Source();
  return DrawTracePlot(canvas, source, plot, SectionMode::Wiggle, nullptr);
}

TEST(TracePlotReadout, APointOnTheEventGivesItsTimeTraceAndAmplitude) {
  OpenTestSurvey survey(4, 30);
  SectionPlot plot;
  const TracePlotGeometry g = DrawInLine(survey, plot);
  ASSERT_EQ(g.columns.size(), 30u);
  const int k = 7, sample = TestSurvey::EventSample(1, k);
  const Point p{g.layout.ColumnX(k) + 1, g.layout.data.top + (sample + 0.5) * g.layout.sample_step};
  SectionSource source = survey.Source();
  const TracePlotReadout readout = ReadoutAt(g, p, source);
  EXPECT_EQ(readout.time, FormatText("%4d ms", TestSurvey::EventTimeMs(1, k)));
  EXPECT_EQ(readout.trace, "trace 8");
  EXPECT_EQ(readout.amplitude, "amplitude 30000");

  EXPECT_FALSE(PositionAt(g, {p.x, g.layout.data.top - 2}, 4)) << "above the traces";
  EXPECT_FALSE(PositionAt(g, {g.layout.ColumnX(29) + g.layout.dx, p.y}, 4)) << "past the last";
  plot.display.left_to_right = false;
  const TracePlotGeometry reversed = DrawInLine(survey, plot);
  auto position = PositionAt(reversed, {reversed.layout.ColumnX(k), p.y}, 4);
  ASSERT_TRUE(position);
  EXPECT_EQ(position->trace_index, k) << "right to left plots count from the right";
}

TEST(SectionPlotLoading, AMissingOverlayFileIsNamedAndNothingIsDrawn) {
  OpenTestSurvey survey(4, 30);
  SectionPlotRequest request;
  request.section.kind = SectionKind::InLine;
  request.horizon_paths = {survey.folder.File("missing.hor")};
  ScriptedPrompter prompter;
  EXPECT_FALSE(LoadSectionPlot(survey.project, request, prompter));
  EXPECT_EQ(prompter.last_text(), "Cannot open " + survey.folder.File("missing.hor"));

  // A horizon file (4-byte style word, then the time grid) is owned by the plot.
  auto grid = survey.EventHorizon();
  std::string bytes(4, '\0');
  bytes.append(reinterpret_cast<const char*>(grid.data()), grid.size() * 2);
  ASSERT_TRUE(WriteFileAtomically(survey.folder.File("event.hor"), bytes));
  request.horizon_paths = {survey.folder.File("event.hor")};
  request.datum_path = survey.folder.File("event.hor");
  request.params.phase_on = 1;
  request.params.phase_deg = 90;
  auto plot = LoadSectionPlot(survey.project, request, prompter);
  ASSERT_TRUE(plot);
  ASSERT_EQ(plot->horizons.size(), 1u);
  EXPECT_EQ((*plot->horizons[0].times)[5], TestSurvey::EventTimeMs(0, 5));
  EXPECT_EQ((*plot->datum)[5], TestSurvey::EventTimeMs(0, 5));
  ASSERT_TRUE(plot->conditioning);
  EXPECT_EQ(plot->conditioning->phase, 90);
}

}  // namespace
}  // namespace quarrix
