#include "section/conditioning_commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "survey_fixture.h"

namespace quarrix {
namespace {

using testing::SurveyFixture;
using testing::Trace;

struct CommandRun {
  int status;
  std::string out, err;
};

CommandRun RunBatch(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
                    const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

std::string Lines(const Trace& trace) {
  std::string text;
  for (std::int16_t v : trace) text += std::to_string(v) + "\n";
  return text;
}

TEST(ConditionCommand, PrintsTheConditionedTrace) {
  SurveyFixture survey(2, 4, 50);
  CommandRun raw = RunBatch(RunConditionCommand,
                            {survey.HeaderPath(), "--line-index", "1", "--trace-index", "3"});
  EXPECT_EQ(raw.status, 0) << raw.err;
  EXPECT_EQ(raw.out, Lines(survey.RawTrace(1, 3)));

  CommandRun agc =
      RunBatch(RunConditionCommand, {survey.HeaderPath(), "--line-index", "0", "--trace-index", "2",
                                     "--agc", "20,100", "--phase", "-90", "--json"});
  ASSERT_EQ(agc.status, 0) << agc.err;
  ProcessingParams params;
  params.agc_on = params.phase_on = 1;
  params.agc_window_ms = 20;
  params.agc_scale = 100.0f;
  params.phase_deg = 270;
  Trace expected = survey.RawTrace(0, 2);
  ScriptedPrompter prompter;
  ConditionTrace(expected, params, 4.0, prompter);
  std::string samples;
  for (std::int16_t v : expected) samples += (samples.empty() ? "" : ",") + std::to_string(v);
  EXPECT_EQ(agc.out, "{\"samples\":[" + samples + "],\"result\":0}\n");
}

TEST(ConditionCommand, ReportsFailuresWithTheExitStatus) {
  SurveyFixture survey(2, 4, 50);
  const std::string hdr = survey.HeaderPath();
  CommandRun bad_filter = RunBatch(RunConditionCommand, {hdr, "--line-index", "0", "--trace-index",
                                                         "0", "--filter", "10,5,20,30", "--json"});
  EXPECT_EQ(bad_filter.status, 1);
  EXPECT_NE(bad_filter.err.find("Bad filter params"), std::string::npos);
  EXPECT_NE(bad_filter.out.find("\"result\":1"), std::string::npos);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{hdr, "--line-index", "2", "--trace-index", "0"},
        {hdr, "--line-index", "0", "--trace-index", "-1"},
        {hdr, "--line-index", "0", "--trace-index", "0", "--filter", "1,2,3"},
        {hdr, "--line-index", "0", "--trace-index", "0", "--agc", "x"},
        {hdr, "--line-index", "0", "--trace-index", "0", "--attribute", "phase", "--shift", "4"},
        {hdr, "--line-index", "0", "--trace-index", "0", "--attribute", "colour"},
        {hdr, "--line-index", "0", "--trace-index", "0", "--bogus"}})
    EXPECT_EQ(RunBatch(RunConditionCommand, args).status, 2) << args[2] << ' ' << args.back();
  EXPECT_EQ(RunBatch(RunConditionCommand,
                     {survey.folder.File("none.hdr"), "--line-index", "0", "--trace-index", "0"})
                .status,
            1);
  CommandRun help = RunBatch(RunConditionCommand, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--attribute"), std::string::npos);
}

TEST(ProcessCommand, WritesANewFileOrProcessesInPlace) {
  SurveyFixture survey(3, 2, 64);
  std::string out = survey.folder.File("flipped.amp");
  CommandRun made =
      RunBatch(RunProcessCommand, {survey.HeaderPath(), "--phase", "180", "--out", out});
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out, out + "\n");
  AmpFile file;
  ASSERT_TRUE(file.Open(out, AmpOpenMode::Read));
  Trace flipped(64);
  ASSERT_EQ(ReadTrace(file, survey.header, flipped.data(), 2, 1, 128), 0);
  Trace raw = survey.RawTrace(2, 1);
  for (int k = 0; k < 64; ++k) EXPECT_LE(std::abs(flipped[k] + raw[k]), 1) << k;

  ASSERT_EQ(RunBatch(RunProcessCommand, {survey.HeaderPath(), "--shift", "8", "--in-place"}).status,
            0);
  ProjectState project;
  ScriptedPrompter prompter;
  ASSERT_TRUE(OpenProject(project, survey.HeaderPath(), prompter));
  Trace shifted(64);
  ASSERT_EQ(ReadTrace(project.amp, survey.header, shifted.data(), 2, 1, 128), 0);
  EXPECT_EQ(shifted[0], raw[2]);
  EXPECT_EQ(shifted[63], 0);

  EXPECT_EQ(RunBatch(RunProcessCommand, {survey.HeaderPath(), "--shift", "8"}).status, 2);
  EXPECT_EQ(RunBatch(RunProcessCommand, {survey.HeaderPath(), "--in-place", "--out", out}).status,
            2);
}

}  // namespace
}  // namespace quarrix
