// The whole-survey passes give the same files whatever the thread count,
// with and without conditioning.
#include <gtest/gtest.h>

#include "horizon/autopick.h"
#include "horizon/flattening.h"
#include "horizon/time_slices.h"
#include "horizon_fixture.h"
#include "platform/progress.h"
#include "section/trace_conditioning.h"

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

}  // namespace
}  // namespace quarrix::testing
