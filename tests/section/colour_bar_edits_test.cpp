#include "section/colour_bar_edits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/progress.h"
#include "project/project_state.h"
#include "section/section_furniture.h"
#include "section/trace_conditioning.h"
#include "survey_fixture.h"

namespace quarrix {
namespace {

ColourBar DefaultBar() {
  ColourBar bar;
  SetDefaultColourBar(bar);
  return bar;
}

TEST(ColourScale, TheDefaultScaleRebuildsTheDefaultBar) {
  ColourBar bar = DefaultBar();
  ApplyColourScale(bar, ScaleOf(bar));
  ColourBar expected = DefaultBar();
  EXPECT_EQ(bar.count, 32);
  EXPECT_TRUE(
      std::equal(bar.thresholds.begin(), bar.thresholds.begin() + 32, expected.thresholds.begin()));
  EXPECT_EQ(bar.colours, expected.colours);
}

TEST(ColourScale, ALinearScaleMakesBandsOfTheIncrementAndKeepsTheBarsLook) {
  ColourBar bar = DefaultBar();
  bar.colours[32] = {1, 2, 3};  // below every band
  ApplyColourScale(bar, {-1000, 1000, 300});
  ASSERT_EQ(bar.count, 7);  // 2000 / 300, rounded up
  EXPECT_EQ(bar.thresholds[0], 700);
  EXPECT_EQ(bar.thresholds[6], -1100);
  EXPECT_EQ(bar.colours[0], (Rgb{0, 0, 255}));  // the top stays blue
  EXPECT_EQ(bar.colours[6], (Rgb{255, 0, 0}));  // the bottom stays red
  EXPECT_EQ(bar.colours[7], (Rgb{1, 2, 3}));    // the extra colour moves along
  EXPECT_EQ(bar.min_value, -1000);
  // A non-linear bar keeps its bands; only the shown range changes.
  ColourBar bands = DefaultBar();
  ApplyColourScale(bands, {-5, 5, 0});
  EXPECT_EQ(bands.count, 32);
  EXPECT_EQ(bands.thresholds, DefaultBar().thresholds);
  EXPECT_EQ(bands.increment, 0);
}

TEST(ColourScale, ScalesTheBarCannotHoldAreRefused) {
  EXPECT_EQ(ColourScaleProblem({-32000, 32000, 2000}), "");
  EXPECT_EQ(ColourScaleProblem({0, 0, 0}), "");  // a non-linear bar's range is free
  EXPECT_EQ(ColourScaleProblem({-32000, 32000, 100}),
            "Increment must be at least 501 for this range (128 colors at most)");
  EXPECT_EQ(ColourScaleProblem({100, 100, 10}),
            "Maximum Value must be above Minimum Value for a linear color bar");
  EXPECT_EQ(ColourScaleProblem({-40000, 0, 0}),
            "Minimum and Maximum Value must lie between -32768 and 32767");
  // The scan's proposal always fits: 128 bands become 127 and the extra colour.
  MinMaxScan scan{-32768, 32767};
  const ColourScale proposed{scan.minimum, scan.maximum, scan.MinIncrement(kTracePlotScanDivisor)};
  ASSERT_EQ(ColourScaleProblem(proposed), "");
  ColourBar bar = DefaultBar();
  ApplyColourScale(bar, proposed);
  EXPECT_EQ(bar.count, 127);
  // The horizon plot never keeps a scale of 0 to 0.
  EXPECT_EQ(StoredScale({0, 0, 5}, ColourBarOwner::HorizonPlot).max_value, 1);
  EXPECT_EQ(StoredScale({0, 0, 5}, ColourBarOwner::TracePlot).max_value, 0);
}

TEST(ColourScan, GridScanLeavesNullCellsOutAndSuggestsIncrements) {
  const std::int16_t cells[] = {kHorizonNullTime, 1200, -300, kHorizonNullTime, 900};
  std::optional<MinMaxScan> scan = ScanGridMinMax(cells);
  ASSERT_TRUE(scan);
  EXPECT_EQ(scan->minimum, -300);
  EXPECT_EQ(scan->maximum, 1200);
  EXPECT_EQ(scan->Difference(), 1500);
  EXPECT_EQ(scan->MinIncrement(kHorizonPlotScanDivisor), 13);
  EXPECT_EQ(scan->MinIncrement(kTracePlotScanDivisor), 12);
  const std::int16_t nulls[] = {kHorizonNullTime};
  EXPECT_FALSE(ScanGridMinMax(nulls));
}

class TraceScan : public ::testing::Test {
 protected:
  TraceScan() : survey(4, 5, 100) { OpenProject(project, survey.HeaderPath(), prompter); }

  MinMaxScan Expected(const ProcessingParams& params) {
    MinMaxScan scan{INT32_MAX, INT32_MIN};
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 5; ++j) {
        testing::Trace trace = survey.RawTrace(i, j);
        ConditionTrace(trace, params, survey.header.sample_rate, prompter);
        auto [low, high] = std::minmax_element(trace.begin(), trace.end());
        scan.minimum = std::min<int>(scan.minimum, *low);
        scan.maximum = std::max<int>(scan.maximum, *high);
      }
    return scan;
  }

  testing::SurveyFixture survey;
  ProjectState project;
  ScriptedPrompter prompter;
  NullProgress progress;
};

TEST_F(TraceScan, EveryTraceIsScannedAsConditioned) {
  ProcessingParams params;
  auto raw = ScanTraceMinMax(project.amp, project.header, params, prompter, progress);
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->maximum, Expected(params).maximum);
  EXPECT_EQ(raw->minimum, Expected(params).minimum);
  params.agc_on = 1;
  auto agc = ScanTraceMinMax(project.amp, project.header, params, prompter, progress);
  ASSERT_TRUE(agc);
  EXPECT_EQ(agc->maximum, Expected(params).maximum);
  EXPECT_NE(agc->maximum, raw->maximum);
}

TEST_F(TraceScan, AFailingChainIsToldOnceAndCancellingGivesNothing) {
  ProcessingParams params;
  params.filter_on = 1;
  params.filter_hz = {10, 5, 20, 30};
  EXPECT_FALSE(ScanTraceMinMax(project.amp, project.header, params, prompter, progress));
  ASSERT_EQ(prompter.messages().size(), 1u);
  EXPECT_EQ(prompter.last_text(), "Bad filter params");
  RecordingProgress cancelling(2);
  EXPECT_FALSE(ScanTraceMinMax(project.amp, project.header, {}, prompter, cancelling));
}

TEST(BandEdits, ColoursAreSetBlankedInterpolatedAndSpread) {
  ColourBar bar = DefaultBar();
  SetBandColour(bar, 2, {0, 0, 0});
  SetBandColour(bar, 6, {200, 100, 0});
  InterpolateBands(bar, 6, 2);
  EXPECT_EQ(bar.colours[4], (Rgb{100, 50, 0}));
  BlankBands(bar, 3, 4);
  EXPECT_EQ(bar.colours[3], kBlankBandColour);
  EXPECT_EQ(bar.colours[5], (Rgb{150, 75, 0}));
  SetBandColour(bar, 40, {9, 9, 9});  // beyond the bands: ignored
  EXPECT_EQ(bar.colours[40], (Rgb{}));

  ColourBar small = DefaultBar();
  ApplyColourScale(small, {0, 400, 100});
  small.colours[4] = {7, 7, 7};
  BlankBands(small, 0, 3);
  AutoColours(small);
  EXPECT_EQ(small.colours[0], (Rgb{0, 0, 255}));
  EXPECT_EQ(small.colours[3], (Rgb{255, 0, 0}));
  EXPECT_EQ(small.colours[4], (Rgb{7, 7, 7}));
}

TEST(BandEdits, NonLinearThresholdsMustKeepDescending) {
  ColourBar bar = DefaultBar();
  MakeNonLinear(bar);
  EXPECT_EQ(bar.increment, 0);
  EXPECT_EQ(SetBandThreshold(bar, 1, 27000), "");
  EXPECT_EQ(bar.thresholds[1], 27000);
  EXPECT_EQ(SetBandThreshold(bar, 1, 30000),
            "The threshold of band 2 must lie between 26001 and 29999");
  EXPECT_EQ(bar.thresholds[1], 27000);
  EXPECT_EQ(SetBandThreshold(bar, 31, -32768), "");
}

}  // namespace
}  // namespace quarrix
