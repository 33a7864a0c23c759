// The whole-survey passes give the same files whatever the thread count,
// with and without conditioning.
#include <gtest/gtest.h>

#include "horizon/autopick.h"
#include "horizon/flattening.h"
#include "horizon/time_slices.h"
#include "horizon_fixture.h"
#include "platform/progress.h"
#include "section/trace_conditioning.h"
#include "support/thread_job.h"

namespace quarrix::testing {
namespace {

// A reflector dipping across the survey, with a bump that differs per bin,
// over a background that names the bin.
std::int16_t Dipping(int i, int j, int k) {
  const double centre = 40.0 + 1.5 * i + 0.7 * j + (i * 7 + j * 3) % 5;
  return static_cast<std::int16_t>(RickerSample(k, centre) + (i * 31 + j * 17 + k) % 97);
}

class ParallelPasses : public ::testing::Test {
 protected:
  ParallelPasses() : project(23, 17, 150, Dipping) {
    params.agc_on = 1;
    params.agc_window_ms = 60;
    params.filter_on = 1;
    params.filter_hz = {5, 10, 60, 80};
  }

  // The horizon file and registration after an autopick from in-line seeds.
  std::string AutopickBytes(int threads, TraceConditioner* conditioner) {
    project.CreateHorizon();
    std::vector<HorizonCell> seeds;
    for (int i : {0, 9, 22})
      for (int j = 0; j < 17; ++j)
        seeds.push_back({i, j, static_cast<std::int16_t>(4 * (40 + i + j / 2)), 100});
    project.Seed(seeds);
    PickEnvironment env = project.Environment();
    env.conditioner = conditioner;
    AutopickRequest request{AutopickMode::FromInlineSeeds, true, {}, threads};
    NullProgress progress;
    EXPECT_EQ(Autopick(env, request, progress), AutopickOutcome::Finished);
    return ReadFileBytes(project.horizon.path) + project.Registration();
  }

  // Every slice file of one run, one after another.
  std::string SliceBytes(int threads, TraceConditioner* conditioner, const FlattenTable* flatten) {
    SliceRequest request{100, 400, 60, flatten, threads};
    NullProgress progress;
    SliceRun run = GenerateTimeSlices(project.header, project.amp, conditioner,
                                      project.folder.path(), request, progress, project.prompter);
    std::string bytes;
    for (const std::string& path : run.written) bytes += ReadFileBytes(path);
    EXPECT_EQ(run.written.size(), 6u);
    return bytes;
  }

  // The same as a job of `ranks` processes, each with its own trace file
  // handle, conditioner and prompter.
  std::string AutopickBytesAsJob(int ranks, bool conditioned) {
    project.CreateHorizon();
    std::vector<HorizonCell> seeds;
    for (int i : {0, 9, 22})
      for (int j = 0; j < 17; ++j)
        seeds.push_back({i, j, static_cast<std::int16_t>(4 * (40 + i + j / 2)), 100});
    project.Seed(seeds);
    ThreadJob::Run(ranks, [&](ProcessGroup& group) {
      AmpFile amp;
      amp.Open(project.amp.path(), AmpOpenMode::Read);
      ScriptedPrompter prompter;
      ProcessingConditioner conditioner(params, project.header.sample_rate, prompter);
      PickEnvironment env{project.header,
                          amp,
                          conditioned ? &conditioner : nullptr,
                          project.horizon,
                          FullSurveyZoom(project.header),
                          GridRegion{},
                          12,
                          prompter};
      AutopickRequest request{AutopickMode::FromInlineSeeds, true, {}, 2, &group};
      NullProgress progress;
      EXPECT_EQ(Autopick(env, request, progress), AutopickOutcome::Finished) << group.Rank();
    });
    return ReadFileBytes(project.horizon.path) + project.Registration();
  }

  std::string SliceBytesAsJob(int ranks, const FlattenTable* flatten) {
    std::vector<std::string> written;
    ThreadJob::Run(ranks, [&](ProcessGroup& group) {
      AmpFile amp;
      amp.Open(project.amp.path(), AmpOpenMode::Read);
      ScriptedPrompter prompter;
      SliceRequest request{100, 400, 60, flatten, 2, &group};
      NullProgress progress;
      SliceRun run = GenerateTimeSlices(project.header, amp, nullptr, project.folder.path(),
                                        request, progress, prompter);
      EXPECT_EQ(run.written.size(), 6u) << group.Rank();
      // Only the first process tells the outcome.
      EXPECT_EQ(prompter.messages().size(), group.IsFirst() ? 1u : 0u) << group.Rank();
      if (group.IsFirst()) written = run.written;
    });
    std::string bytes;
    for (const std::string& path : written) bytes += ReadFileBytes(path);
    return bytes;
  }

  HorizonProject project;
  ProcessingParams params;
};

TEST_F(ParallelPasses, SnapPassGivesTheSameHorizonOnEveryThreadCount) {
  const std::string plain = AutopickBytes(1, nullptr);
  ProcessingConditioner conditioner(params, project.header.sample_rate, project.prompter);
  const std::string conditioned = AutopickBytes(1, &conditioner);
  EXPECT_NE(plain, conditioned);
  for (int threads : {2, 3, 8}) {
    EXPECT_TRUE(AutopickBytes(threads, nullptr) == plain) << threads;
    EXPECT_TRUE(AutopickBytes(threads, &conditioner) == conditioned) << threads;
  }
}

TEST_F(ParallelPasses, SlicesAreTheSameOnEveryThreadCount) {
  FlattenTable flatten;
  flatten.on = true;
  flatten.shift = HorizonGrid(23, 17);
  for (int i = 0; i < 23; ++i)
    for (int j = 0; j < 17; ++j) flatten.shift.At(i, j) = static_cast<std::int16_t>(4 * (i - j));
  ProcessingConditioner conditioner(params, project.header.sample_rate, project.prompter);
  const std::string plain = SliceBytes(1, nullptr, nullptr);
  const std::string flattened = SliceBytes(1, nullptr, &flatten);
  const std::string conditioned = SliceBytes(1, &conditioner, nullptr);
  for (int threads : {2, 5}) {
    EXPECT_TRUE(SliceBytes(threads, nullptr, nullptr) == plain) << threads;
    EXPECT_TRUE(SliceBytes(threads, nullptr, &flatten) == flattened) << threads;
    EXPECT_TRUE(SliceBytes(threads, &conditioner, nullptr) == conditioned) << threads;
  }
}

// A job of several processes (more than there are lines, too) writes the
// same slices and the same autopicked horizon as one process.
TEST_F(ParallelPasses, AJobOfProcessesWritesWhatOneProcessWrites) {
  FlattenTable flatten;
  flatten.on = true;
  flatten.shift = HorizonGrid(23, 17);
  for (int i = 0; i < 23; ++i)
    for (int j = 0; j < 17; ++j) flatten.shift.At(i, j) = static_cast<std::int16_t>(4 * (i - j));
  const std::string plain = SliceBytes(1, nullptr, nullptr);
  const std::string flattened = SliceBytes(1, nullptr, &flatten);
  ProcessingConditioner conditioner(params, project.header.sample_rate, project.prompter);
  const std::string picked = AutopickBytes(1, nullptr);
  const std::string conditioned = AutopickBytes(1, &conditioner);
  for (int ranks : {3, 30}) {
    EXPECT_TRUE(SliceBytesAsJob(ranks, nullptr) == plain) << ranks;
    EXPECT_TRUE(SliceBytesAsJob(ranks, &flatten) == flattened) << ranks;
    EXPECT_TRUE(AutopickBytesAsJob(ranks, false) == picked) << ranks;
    EXPECT_TRUE(AutopickBytesAsJob(ranks, true) == conditioned) << ranks;
  }
}

}  // namespace
}  // namespace quarrix::testing
