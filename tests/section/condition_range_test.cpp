#include "section/condition_range.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "survey_fixture.h"

namespace quarrix {
namespace {

using testing::SurveyFixture;
using testing::Trace;

class ConditionRange : public ::testing::Test {
 protected:
  ConditionRange() : survey(9, 5, 80) {
    OpenProject(project, survey.HeaderPath(), prompter);
    params.phase_on = params.agc_on = 1;
    params.phase_deg = 60;
    params.agc_window_ms = 40;
  }

  // What "condition" prints for one trace, as a line of the listing.
  std::string Expected(int line, int trace) {
    Trace samples = survey.RawTrace(line, trace);
    ConditionTrace(samples, params, survey.header.sample_rate, prompter);
    std::ostringstream text;
    text << line << ' ' << trace;
    for (std::int16_t v : samples) text << ' ' << v;
    text << '\n';
    return text.str();
  }

  ConditionedListing List(LineRange lines, int threads) {
    ProcessingConditioner conditioner(params, survey.header.sample_rate, prompter);
    NullProgress progress;
    return ListConditionedLines(project.amp, survey.header, &conditioner, lines, threads, progress);
  }

  SurveyFixture survey;
  ProjectState project;
  ScriptedPrompter prompter;
  ProcessingParams params;
};

TEST_F(ConditionRange, ListsEveryTraceOfTheLinesConditionedForEveryThreadCount) {
  std::string expected;
  for (int i = 2; i < 7; ++i)
    for (int j = 0; j < 5; ++j) expected += Expected(i, j);
  for (int threads : {1, 2, 3, 8}) {
    ConditionedListing listing = List({2, 7}, threads);
    EXPECT_TRUE(listing.text == expected) << threads << " threads";
    EXPECT_EQ(listing.failed, 0);
    EXPECT_FALSE(listing.cancelled);
  }
  // Shares of the lines put together give the whole listing.
  EXPECT_EQ(List({2, 4}, 2).text + List({4, 7}, 1).text, expected);
  EXPECT_EQ(List({3, 3}, 2).text, "");
}

TEST_F(ConditionRange, TracesMissingFromAShortFileAreCountedAndListedAsRead) {
  project.amp.Close();
  std::filesystem::resize_file(survey.AmpPath(), 8 * 5 * 160 + 3 * 160 + 20);
  ASSERT_TRUE(project.amp.Open(survey.AmpPath(), AmpOpenMode::Read));
  params = {};
  for (int threads : {1, 3}) {
    ConditionedListing listing = List({7, 9}, threads);
    EXPECT_EQ(listing.failed, 2) << threads;  // the part-read trace and the one after it
    // The part that was read is listed, the rest as zeros.
    Trace partial = survey.RawTrace(8, 3);
    std::fill(partial.begin() + 10, partial.end(), std::int16_t{0});
    std::ostringstream line;
    line << "8 3";
    for (std::int16_t v : partial) line << ' ' << v;
    EXPECT_NE(listing.text.find(line.str() + '\n'), std::string::npos);
    EXPECT_EQ(std::count(listing.text.begin(), listing.text.end(), '\n'), 10);
  }
}

}  // namespace
}  // namespace quarrix
