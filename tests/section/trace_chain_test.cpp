#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "section/band_pass.h"
#include "section/phase_rotation.h"
#include "section/rms_agc.h"
#include "section/static_shift.h"
#include "section/trace_conditioning.h"
#include "survey_fixture.h"

namespace quarrix {
namespace {

using testing::SurveyFixture;
using testing::Trace;

class TraceChain : public ::testing::Test {
 protected:
  TraceChain() : survey(2, 3, 300) { OpenProject(project, survey.HeaderPath(), prompter); }

  int Read(int line, int trace, Trace& samples, const ProcessingParams& params) {
    samples.assign(static_cast<std::size_t>(project.header.num_samples), 0);
    ProcessingConditioner conditioner(params, project.header.sample_rate, prompter);
    return ReadTrace(project.amp, project.header, samples.data(), line, trace,
                     project.header.trace_bytes, &conditioner);
  }

  SurveyFixture survey;
  ProjectState project;
  ScriptedPrompter prompter;
};

TEST_F(TraceChain, WithNothingSwitchedOnReturnsTheRawSamples) {
  Trace samples;
  EXPECT_EQ(Read(1, 2, samples, ProcessingParams{}), 0);
  EXPECT_EQ(samples, survey.RawTrace(1, 2));
}

TEST_F(TraceChain, RunsPhaseFilterShiftAndAgcInThatOrder) {
  ProcessingParams params;
  params.phase_on = params.filter_on = params.shift_on = params.agc_on = 1;
  params.phase_deg = 45;
  params.filter_hz = {5, 10, 40, 50};
  params.shift_ms = 12;
  params.agc_window_ms = 40;
  Trace samples;
  ASSERT_EQ(Read(0, 1, samples, params), 0);

  Trace expected = survey.RawTrace(0, 1);
  const float corners[4] = {5, 10, 40, 50};
  ASSERT_EQ(PhaseAndPower(expected, 4.0, 0.0f, 0.25f, prompter), 0);
  ASSERT_EQ(BandPassFilter(expected, 4.0, corners, 4, nullptr, 0, prompter), 0);
  StaticShift(expected, 4.0, 12);
  RmsAgc(expected, 4.0, 40, 4000.0f);
  EXPECT_EQ(samples, expected);
}

TEST_F(TraceChain, AFailingStepEndsTheChainWithItsMessage) {
  ProcessingParams params;
  params.filter_on = params.shift_on = 1;
  params.filter_hz = {10, 5, 20, 30};
  params.shift_ms = 40;
  Trace samples;
  EXPECT_EQ(Read(1, 0, samples, params), 1);
  EXPECT_EQ(prompter.last_text(), "Bad filter params");
  EXPECT_EQ(samples, survey.RawTrace(1, 0));  // not shifted
}

TEST_F(TraceChain, AShortReadIsConditionedAndStillReportsFailure) {
  project.amp.Close();
  std::string bytes = testing::ReadFileBytes(survey.AmpPath());
  testing::WriteFileBytes(survey.AmpPath(), bytes.substr(0, bytes.size() - 200));
  project.amp.Open(survey.AmpPath(), AmpOpenMode::Read);
  ProcessingParams params;
  params.attribute = kAttributeAmplitude;
  Trace samples;
  EXPECT_EQ(Read(1, 2, samples, params), 1);
  EXPECT_TRUE(prompter.messages().empty());
  for (std::int16_t v : samples) EXPECT_GE(v, 0);
}

}  // namespace
}  // namespace quarrix
