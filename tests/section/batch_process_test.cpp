#include "section/batch_process.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/progress.h"
#include "platform/safe_write.h"
#include "platform/scripted_prompter.h"
#include "project/project_state.h"
#include "section/trace_conditioning.h"
#include "support/thread_job.h"
#include "survey_fixture.h"

namespace quarrix {
namespace {

using testing::SurveyFixture;
using testing::Trace;

class BatchProcessing : public ::testing::Test {
 protected:
  BatchProcessing() : survey(20, 3, 120) {
    OpenProject(project, survey.HeaderPath(), prompter);
    params.phase_on = params.filter_on = params.shift_on = params.agc_on = 1;
    params.phase_deg = 90;
    params.filter_hz = {4, 8, 50, 60};
    params.shift_ms = -8;
    chosen = params;
  }

  // A trace conditioned with the parameters as they were chosen.
  Trace Expected(int line, int trace) {
    Trace samples = survey.RawTrace(line, trace);
    ConditionTrace(samples, chosen, survey.header.sample_rate, prompter);
    return samples;
  }

  Trace Stored(AmpFile& file, int line, int trace) {
    Trace samples(static_cast<std::size_t>(survey.header.num_samples));
    EXPECT_EQ(
        ReadTrace(file, survey.header, samples.data(), line, trace, survey.header.trace_bytes), 0);
    return samples;
  }

  void ExpectSwitchesAfterSuccess() {
    EXPECT_FALSE(params.phase_on || params.filter_on || params.shift_on);
    EXPECT_TRUE(params.agc_on);
  }

  SurveyFixture survey;
  ProjectState project;
  ScriptedPrompter prompter;
  ProcessingParams params, chosen;
};

TEST_F(BatchProcessing, InPlaceRewritesEveryTraceAndReopensTheFileForReading) {
  RecordingProgress progress;
  ASSERT_TRUE(BatchProcessTraces(project, params, {true, ""}, prompter, progress));
  EXPECT_TRUE(prompter.messages().empty()) << prompter.last_text();
  for (int i = 0; i < 20; ++i)
    for (int j = 0; j < 3; ++j)
      ASSERT_EQ(Stored(project.amp, i, j), Expected(i, j)) << i << ' ' << j;
  ExpectSwitchesAfterSuccess();
  EXPECT_EQ(project.amp.path(), survey.AmpPath());
  Trace probe(1, 0);
  EXPECT_EQ(project.amp.WriteAt(0, probe.data(), 2), 0u);  // read-only again
  EXPECT_EQ(progress.range_max, 100);
  std::vector<int> fives;
  for (int p = 0; p < 100; p += 5) fives.push_back(p);
  EXPECT_EQ(progress.positions, fives);
}

TEST_F(BatchProcessing, NewFileGetsTheProcessedTracesAndTheProjectKeepsItsOwn) {
  std::string out = survey.folder.File("processed.amp");
  testing::WriteFileBytes(out, std::string(100000, 'x'));  // replaced, not overwritten in part
  NullProgress progress;
  ASSERT_TRUE(BatchProcessTraces(project, params, {false, out}, prompter, progress));
  EXPECT_EQ(std::filesystem::file_size(out),
            static_cast<std::uintmax_t>(survey.header.AmpFileBytes()));
  AmpFile written;
  ASSERT_TRUE(written.Open(out, AmpOpenMode::Read));
  for (int i = 0; i < 20; i += 7)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(Stored(written, i, j), Expected(i, j)) << i << ' ' << j;
  ExpectSwitchesAfterSuccess();
  EXPECT_EQ(project.amp.path(), survey.AmpPath());
  EXPECT_EQ(Stored(project.amp, 4, 1), survey.RawTrace(4, 1));
}

TEST_F(BatchProcessing, EveryThreadCountWritesTheSameFileNewOrInPlace) {
  NullProgress progress;
  ProcessingParams with = params;
  std::string one = survey.folder.File("one.amp");
  ASSERT_TRUE(BatchProcessTraces(project, with, {false, one, 1}, prompter, progress));
  const std::string expected = testing::ReadFileBytes(one);
  for (int threads : {2, 3, 7}) {
    with = params;
    std::string out = survey.folder.File("t" + std::to_string(threads) + ".amp");
    ASSERT_TRUE(BatchProcessTraces(project, with, {false, out, threads}, prompter, progress));
    EXPECT_TRUE(testing::ReadFileBytes(out) == expected) << threads << " threads";
  }
  ASSERT_TRUE(BatchProcessTraces(project, params, {true, "", 3}, prompter, progress));
  EXPECT_TRUE(testing::ReadFileBytes(survey.AmpPath()) == expected);
  EXPECT_TRUE(prompter.messages().empty()) << prompter.last_text();
}

// A job of processes (as many as the lines, more, and fewer), each with its
// own project, writes the file one process writes, new or in place; a
// refusal seen by the first process fails every process and is told once.
TEST_F(BatchProcessing, AJobOfProcessesWritesTheFileOneProcessWrites) {
  NullProgress progress;
  ProcessingParams with = params;
  const std::string one = survey.folder.File("one.amp");
  ASSERT_TRUE(BatchProcessTraces(project, with, {false, one, 1}, prompter, progress));
  const std::string expected = testing::ReadFileBytes(one);
  project.amp.Close();
  auto run_job = [&](int ranks, const BatchTarget& target) {
    std::vector<int> told(static_cast<std::size_t>(ranks));
    std::vector<int> succeeded(static_cast<std::size_t>(ranks));
    testing::ThreadJob::Run(ranks, [&](ProcessGroup& group) {
      ScriptedPrompter mine;
      ProjectState own;
      OpenProject(own, survey.HeaderPath(), mine);
      ProcessingParams chosen_here = params;
      BatchTarget here = target;
      here.group = &group;
      NullProgress quiet;
      succeeded[static_cast<std::size_t>(group.Rank())] =
          BatchProcessTraces(own, chosen_here, here, mine, quiet);
      told[static_cast<std::size_t>(group.Rank())] = static_cast<int>(mine.messages().size());
    });
    return std::make_pair(succeeded, told);
  };
  for (int ranks : {3, 20, 26}) {
    const std::string out = survey.folder.File("job" + std::to_string(ranks) + ".amp");
    auto [succeeded, told] = run_job(ranks, {false, out, 2});
    EXPECT_EQ(succeeded, std::vector<int>(static_cast<std::size_t>(ranks), 1));
    EXPECT_EQ(told, std::vector<int>(static_cast<std::size_t>(ranks), 0));
    EXPECT_TRUE(testing::ReadFileBytes(out) == expected) << ranks << " processes";
  }
  auto [refused, told] = run_job(3, {false, survey.HeaderPath(), 1});
  EXPECT_EQ(refused, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(told, (std::vector<int>{1, 0, 0}));
  run_job(4, {true, "", 1});
  EXPECT_TRUE(testing::ReadFileBytes(survey.AmpPath()) == expected);
  for (const auto& entry : std::filesystem::directory_iterator(survey.folder.path()))
    EXPECT_EQ(entry.path().string().find("~"), std::string::npos) << entry.path();
}

// A new file whose filling, last write or closing fails is not put in place.
TEST_F(BatchProcessing, AFailureFinishingTheNewFileLeavesNoFile) {
  const std::string out = survey.folder.File("closed.amp");
  // The flush after the last trace, and the closing.
  for (int failing = 1; failing <= 2; ++failing) {
    NullProgress progress;
    ProcessingParams with = params;
    testing::FailingWrites fail(WriteStep::Close, failing);
    EXPECT_FALSE(BatchProcessTraces(project, with, {false, out, 2}, prompter, progress)) << failing;
    EXPECT_GE(fail.reached(), failing);
    EXPECT_FALSE(std::filesystem::exists(out)) << failing;
    EXPECT_EQ(testing::ListFolder(survey.folder.path()).size(), 2u) << failing;
  }
}

TEST_F(BatchProcessing, BadParametersAreToldOnceAndNothingIsWritten) {
  params.filter_hz = {30, 20, 40, 50};
  NullProgress progress;
  std::string out = survey.folder.File("never.amp");
  EXPECT_FALSE(BatchProcessTraces(project, params, {false, out}, prompter, progress));
  EXPECT_FALSE(BatchProcessTraces(project, params, {true, ""}, prompter, progress));
  ASSERT_EQ(prompter.messages().size(), 2u);
  EXPECT_EQ(prompter.last_text(), "Bad filter params");
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(Stored(project.amp, 0, 0), survey.RawTrace(0, 0));
  EXPECT_TRUE(params.phase_on && params.filter_on && params.shift_on);
}

TEST_F(BatchProcessing, RefusesToCreateOverTheProjectsOwnFile) {
  NullProgress progress;
  std::string same = survey.folder.path() + "/./survey.amp";
  EXPECT_FALSE(BatchProcessTraces(project, params, {false, same}, prompter, progress));
  EXPECT_NE(prompter.last_text().find("in place"), std::string::npos);
  EXPECT_EQ(Stored(project.amp, 19, 2), survey.RawTrace(19, 2));
}

TEST_F(BatchProcessing, NeverReplacesTheHeaderXyFileOrAFileThatIsNoTraceFile) {
  NullProgress progress;
  testing::WriteFileBytes(project.XyPath(), "placement");
  const std::string notes = survey.folder.File("notes.txt");
  testing::WriteFileBytes(notes, "my notes");
  const std::string header_bytes = testing::ReadFileBytes(survey.HeaderPath());
  for (const std::string& path : {survey.HeaderPath(), project.XyPath(), notes}) {
    EXPECT_FALSE(BatchProcessTraces(project, params, {false, path}, prompter, progress)) << path;
    EXPECT_NE(prompter.last_text().find(path), std::string::npos);
  }
  EXPECT_EQ(testing::ReadFileBytes(survey.HeaderPath()), header_bytes);
  EXPECT_EQ(testing::ReadFileBytes(project.XyPath()), "placement");
  EXPECT_EQ(testing::ReadFileBytes(notes), "my notes");
  // An older trace file is replaced when the user chose it.
  const std::string older = survey.folder.File("older.AMP");
  testing::WriteFileBytes(older, "old");
  EXPECT_TRUE(BatchProcessTraces(project, params, {false, older}, prompter, progress));
  EXPECT_EQ(std::filesystem::file_size(older),
            static_cast<std::uintmax_t>(20 * 3 * survey.header.trace_bytes));
}

TEST_F(BatchProcessing, TracesMissingFromAShortFileAreLeftAloneAndReported) {
  project.amp.Close();
  std::string bytes = testing::ReadFileBytes(survey.AmpPath());
  std::size_t kept = bytes.size() - 3 * survey.header.trace_bytes - 10;
  testing::WriteFileBytes(survey.AmpPath(), bytes.substr(0, kept));
  project.amp.Open(survey.AmpPath(), AmpOpenMode::Read);
  NullProgress progress;
  // A new file is whole, its missing traces zero.
  const std::string out = survey.folder.File("new.amp");
  ASSERT_TRUE(BatchProcessTraces(project, params, {false, out, 2}, prompter, progress));
  EXPECT_EQ(std::filesystem::file_size(out),
            static_cast<std::uintmax_t>(survey.header.AmpFileBytes()));
  AmpFile written;
  ASSERT_TRUE(written.Open(out, AmpOpenMode::Read));
  const int last_line = survey.header.num_lines - 1, last = survey.header.traces_per_line - 1;
  EXPECT_EQ(Stored(written, last_line, last), Trace(survey.header.num_samples, 0));
  EXPECT_NE(Stored(written, 0, 0), Trace(survey.header.num_samples, 0));

  ASSERT_TRUE(BatchProcessTraces(project, params, {true, "", 3}, prompter, progress));
  EXPECT_EQ(std::filesystem::file_size(survey.AmpPath()), kept);
  EXPECT_NE(prompter.last_text().find("4 traces could not be read"), std::string::npos)
      << prompter.last_text();
}

TEST_F(BatchProcessing, CancellingStopsAndKeepsTheSwitches) {
  RecordingProgress progress(3);
  EXPECT_FALSE(BatchProcessTraces(project, params, {true, ""}, prompter, progress));
  EXPECT_TRUE(params.phase_on && params.filter_on && params.shift_on);
  EXPECT_TRUE(project.amp.IsOpen());
}

TEST_F(BatchProcessing, TheMenuCommandAsksWhereToWrite) {
  NullProgress progress;
  prompter.QueueAnswer(MessageAnswer::No);
  prompter.QueueFile(std::nullopt);  // the save dialog is cancelled
  EXPECT_FALSE(BatchProcess(project, params, prompter, progress));
  ASSERT_EQ(prompter.file_requests().size(), 1u);
  EXPECT_EQ(prompter.file_requests()[0].title, "Create Amplitude File");
  EXPECT_EQ(prompter.messages()[0].text, "Do INPLACE processing");
  EXPECT_TRUE(params.phase_on);

  std::string out = survey.folder.File("chosen.amp");
  prompter.QueueAnswer(MessageAnswer::No);
  prompter.QueueFile(out);
  EXPECT_TRUE(BatchProcess(project, params, prompter, progress));
  EXPECT_TRUE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace quarrix
