#include <gtest/gtest.h>

#include <string>

#include "exchange/depth_function.h"
#include "exchange/math_expression.h"
#include "exchange/math_run.h"
#include "exchange_fixture.h"
#include "platform/paths.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

using testing::ExchangeProject;

std::int16_t Eval(const std::string& text, std::int16_t h1, std::int16_t h2 = 0,
                  std::int16_t h3 = 0) {
  std::string error;
  auto expression = ParseExpression(text, error);
  EXPECT_TRUE(expression) << text << ": " << error;
  if (!expression) return -1;
  const std::int16_t inputs[3] = {h1, h2, h3};
  return EvaluateCell(*expression, inputs);
}

TEST(MathExpression, RewriteAndLeftToRightEvaluation) {
  EXPECT_EQ(RewriteExpression("= h1 * -2 + 10"), "h1,*,-2,+,10");
  EXPECT_EQ(RewriteExpression("-5-h2"), "-5,-,h2");
  EXPECT_EQ(Eval("h1 * 2 + 10", 7), 24);
  EXPECT_EQ(Eval("10 + h1 * 2", 7), 34);
  EXPECT_EQ(Eval("h1 - h2", 1000, 250), 750);
  EXPECT_EQ(Eval("h1 - h2", 1000, HORIZON_NULL), HORIZON_NULL);
  EXPECT_EQ(Eval("h2 * 0 + 5", HORIZON_NULL, HORIZON_NULL), HORIZON_NULL);
  EXPECT_EQ(Eval("h1 / h2", 7, 2), 3);
  EXPECT_EQ(Eval("h1 / h2", -7, 2), -3);
  EXPECT_EQ(Eval("h1 / h2", 7, 0), HORIZON_NULL);
  EXPECT_EQ(Eval("h1*-1", 12), -12);
  EXPECT_EQ(Eval("H3 * 1000", 0, 0, 100), 32767);
  EXPECT_EQ(Eval("1e300 * h1", 1), 32767);
  EXPECT_EQ(Eval("h1 + 0.9", 1), 1);

  std::string error;
  EXPECT_FALSE(ParseExpression("h1 +", error));
  EXPECT_FALSE(ParseExpression("h4 + 1", error));
  EXPECT_NE(error.find("h4"), std::string::npos);
  EXPECT_FALSE(ParseExpression("", error));
  EXPECT_FALSE(ParseExpression("h1 h2", error));
}

TEST(DepthFunction, FileAndHalfOpenInterpolation) {
  DepthFunction f = {{100, 150}, {1000, 1500}, {2000, 2000}};
  std::string bytes = EncodeDepthFunction(f);
  ASSERT_EQ(bytes.size(), 800u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x64\0\0\0\x96\0\0\0", 8));
  EXPECT_EQ(DecodeDepthFunction(bytes).size(), 3u);
  EXPECT_EQ(DecodeDepthFunction(bytes.substr(0, 12)).size(), 1u);
  EXPECT_EQ(TimeToDepth(f, 500), 750);
  EXPECT_EQ(TimeToDepth(f, 1000), 1500);
  EXPECT_EQ(TimeToDepth(f, 99), std::nullopt);
  EXPECT_EQ(TimeToDepth(f, 2000), std::nullopt);
  EXPECT_EQ(TimeToDepth({{100, 150}, {1000, 1500}}, 1000), std::nullopt);
  EXPECT_EQ(TimeToDepth(f, 101), 152);  // 151.5 + 0.5, truncated
  EXPECT_EQ(DepthToTime(f, 750), 500);
  EXPECT_EQ(DepthToTime(f, 1750), 1500);

  HorizonGrid time(1, 4, HORIZON_NULL);
  time.cells = {500, HORIZON_NULL, 1000, 50};
  HorizonGrid depth = GridTimeToDepth(time, {{100, 150}, {1000, 1500}});
  EXPECT_EQ(depth.cells,
            (std::vector<std::int16_t>{750, HORIZON_NULL, HORIZON_NULL, HORIZON_NULL}));
}

TEST(DepthFunction, SheetConversions) {
  SheetTable table;
  table.SetBlockText(1, 1, "0\t0\r\n100\t150\r\n1000\t1500\r\n0\t0\r\n3000\t9000\r\n");
  ScriptedPrompter prompter;
  EXPECT_FALSE(SheetToDepthFunction(table, prompter));
  table.AssignRole(ColumnRole::FtnTime, 1);
  table.AssignRole(ColumnRole::FtnDepth, 2);
  EXPECT_TRUE(SheetToDepthFunction(table, prompter)->empty());  // row 1 is (0, 0)
  table.DeleteRow(1);
  DepthFunction f = *SheetToDepthFunction(table, prompter);
  ASSERT_EQ(f.size(), 2u);
  // Times that do not increase would convert to wrong depths: refused.
  SheetTable unordered;
  unordered.LoadTabText("100\t150\r\n1000\t1500\r\n900\t1400\r\n");
  unordered.AssignRole(ColumnRole::FtnTime, 1);
  unordered.AssignRole(ColumnRole::FtnDepth, 2);
  EXPECT_FALSE(SheetToDepthFunction(unordered, prompter));
  EXPECT_EQ(prompter.last_text(), "The times of a depth function must increase (row 3)");

  SheetTable edit;
  LoadDepthFunctionIntoSheet(edit, f);
  EXPECT_EQ(edit.Heading(1), "(A)Time");
  EXPECT_EQ(edit.Heading(2), "(B)Depth");
  EXPECT_EQ(edit.Cell(2, 2), "1500");

  SheetTable values;
  values.SetBlockText(1, 1, "500\t750\r\n1000\t5\r\n\t\r\n");
  EXPECT_EQ(ConvertSheetColumns(values, f, 1, 2, true), 2);
  EXPECT_EQ(values.Heading(2), "Depth1");
  EXPECT_EQ(values.Heading(4), "Depth2");
  EXPECT_EQ(values.BlockText(1, 1, 3, 4), "500\t750\t750\t1125\r\n1000\t\t5\t\r\n\t\t\t\r\n");
  EXPECT_EQ(ConvertSheetColumns(values, f, 3, 3, false), 1);
  EXPECT_EQ(values.Heading(4), "Time3");
  EXPECT_EQ(values.Cell(1, 4), "500");
}

// A project with a trace file whose sample k of trace (i, j) is k - 10 + i.
class MathProject : public ::testing::Test {
 protected:
  void SetUp() override {
    const SurveyHeader& h = p.project.header;
    AmpFile amp;
    ASSERT_TRUE(amp.Open(p.project.AmpPath(), AmpOpenMode::Create));
    std::vector<std::int16_t> samples(static_cast<std::size_t>(h.num_samples));
    for (int i = 0; i < h.num_lines; ++i)
      for (int j = 0; j < h.traces_per_line; ++j) {
        for (int k = 0; k < h.num_samples; ++k)
          samples[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k - 10 + i);
        WriteTrace(amp, h, samples.data(), i, j, h.trace_bytes);
      }
    amp.Close();
    ASSERT_TRUE(OpenProject(p.project, p.HeaderPath(), p.prompter));
    top = HorizonGrid(h.num_lines, h.traces_per_line, 20);   // sample 5
    base = HorizonGrid(h.num_lines, h.traces_per_line, 60);  // sample 15
    top.At(0, 1) = HORIZON_NULL;
    base.At(0, 2) = 4;  // reversed order: samples 1..5
    WriteHorizon(File("top.hor"), &top, &top);
    WriteHorizon(File("base.hor"), &base, &base);
  }
  std::string File(const std::string& name) { return p.folder.File(name); }
  HorizonGrid Run(MathRequest request) {
    NullProgress progress;
    auto path = RunMath(request, p.project, progress, p.prompter);
    EXPECT_TRUE(path);
    HorizonGrid grid(10, 12);
    if (path) ReadHorizon(*path, &grid, nullptr);
    return grid;
  }

  ExchangeProject p;
  HorizonGrid top, base;
};

TEST_F(MathProject, IntervalAverageModes) {
  MathRequest r;
  r.function = MathFunction::IntervalAverage;
  r.inputs[0] = MathInput{File("top.hor"), false, {}};
  r.inputs[1] = MathInput{File("base.hor"), false, {}};
  r.output = File("avg.msc");
  // Line 0 samples 5..15 are -5..5; line 3 they are -2..8.
  HorizonGrid avg = Run(r);
  EXPECT_EQ(avg.At(0, 0), 0);
  EXPECT_EQ(avg.At(0, 1), HORIZON_NULL);
  EXPECT_EQ(avg.At(0, 2), -7);  // samples 1..5: -9..-5
  EXPECT_EQ(avg.At(3, 0), 3);
  EXPECT_EQ(p.prompter.last_text(), "Math Function is Complete.");
  r.interval_mode = IntervalMode::Absolute;
  EXPECT_EQ(Run(r).At(0, 0), 30 / 11);
  r.interval_mode = IntervalMode::Positive;
  EXPECT_EQ(Run(r).At(3, 0), 36 / 8);
  r.interval_mode = IntervalMode::Negative;
  EXPECT_EQ(Run(r).At(0, 0), -3);
  EXPECT_EQ(Run(r).At(9, 0), 0);  // line 9: samples 4..14, none negative
  EXPECT_EQ(testing::ReadFileBytes(File("avg.msc")).size(), 4u + 240u);
}

TEST_F(MathProject, FunctionsAndOutputs) {
  MathRequest r;
  r.inputs[0] = MathInput{File("top.hor"), false, {}};
  r.output = File("flat.isp");
  r.function = MathFunction::Flatten;
  r.flatten_reference = 100;
  HorizonGrid flat = Run(r);
  EXPECT_TRUE(FileExists(File("flat.flt")));
  EXPECT_EQ(flat.At(0, 0), 80);
  EXPECT_EQ(flat.At(0, 1), 0);

  r.function = MathFunction::Expression;
  r.expression = "h1 - h2";
  r.inputs[1] = MathInput{"", false, 5.0};
  r.output = File("diff.hor");
  HorizonGrid diff = Run(r);
  EXPECT_EQ(diff.At(0, 0), 15);
  EXPECT_EQ(diff.At(0, 1), HORIZON_NULL);
  EXPECT_EQ(testing::ReadFileBytes(File("diff.hor")).substr(0, 2), std::string("\x0c\x00", 2));

  r.function = MathFunction::CombineAmp;
  r.inputs[1] = MathInput{File("base.hor"), false, {}};
  r.output = File("combined.hor");
  Run(r);
  HorizonGrid time(10, 12), amp(10, 12);
  ReadHorizon(File("combined.hor"), &time, &amp);
  EXPECT_EQ(time.cells, top.cells);
  EXPECT_EQ(amp.cells, base.cells);

  WriteDepthFunctionFile(File("v.ftn"), {{0, 1}, {100, 201}});
  r.function = MathFunction::DepthFunction;
  r.depth_function_path = File("v.ftn");
  r.output = File("d.dth");
  EXPECT_EQ(Run(r).At(0, 0), 41);
  r.depth_function_path = File("none.ftn");
  NullProgress progress;
  EXPECT_FALSE(RunMath(r, p.project, progress, p.prompter));
  EXPECT_EQ(p.prompter.last_text(), "Cannot Open File\n" + File("none.ftn"));

  r.function = MathFunction::AbsValue;
  r.inputs[0] = MathInput{File("missing.hor"), false, {}};
  r.output = File("abs.msc");
  EXPECT_EQ(Run(r).At(0, 0), 0);  // an input that cannot be read is zeros, and said
  EXPECT_NE(p.prompter.messages()[p.prompter.messages().size() - 2].text.find("H1"),
            std::string::npos);

  r.function = MathFunction::Expression;
  r.expression = "h1 +";
  EXPECT_FALSE(RunMath(r, p.project, progress, p.prompter));
  EXPECT_EQ(MathFunctionByName("Fill-Holes"), MathFunction::FillHoles);
  EXPECT_EQ(MathFunctionByName("nope"), std::nullopt);
}

TEST(MathFunctions, GridFunctionsOnSmallGrids) {
  HorizonGrid g(1, 5, HORIZON_NULL);
  g.cells = {-5, HORIZON_NULL, 0, -32768, 7};
  EXPECT_EQ(AbsValueGrid(g).cells, (std::vector<std::int16_t>{5, HORIZON_NULL, 0, 32767, 7}));
  EXPECT_EQ(NullToZeroGrid(g).cells, (std::vector<std::int16_t>{-5, 0, 0, -32768, 7}));
  EXPECT_EQ(ZeroToNullGrid(g).cells[2], HORIZON_NULL);
  EXPECT_EQ(ProposedFlattenReference(g), (-32768 + 7) / 2);
  EXPECT_EQ(ProposedFlattenReference(HorizonGrid(2, 2)), 0);
  EXPECT_EQ(FlattenGrid(g, 32000).cells[3], 32767);
}

}  // namespace
}  // namespace quarrix
