#include "horizon/autopick.h"

#include <gtest/gtest.h>

#include "horizon_fixture.h"
#include "platform/progress.h"

namespace quarrix::testing {
namespace {

std::vector<std::int16_t> Interpolated(std::vector<std::int16_t> cells,
                                       const std::vector<int>& seeds) {
  InterpolateRun(
      0, static_cast<int>(cells.size()) - 1, [&](int k) -> std::int16_t& { return cells[k]; },
      [&](int k) { return std::find(seeds.begin(), seeds.end(), k) != seeds.end(); });
  return cells;
}

constexpr std::int16_t N = HORIZON_NULL;

TEST(Interpolation, LinearBetweenSeedsTruncatedAndConstantBeyond) {
  EXPECT_EQ(Interpolated({N, N, 1000, N, N, N, 1010, N}, {2, 6}),
            (std::vector<std::int16_t>{1000, 1000, 1000, 1002, 1005, 1007, 1010, 1010}));
  EXPECT_EQ(Interpolated({N, N, 1200, N}, {2}),
            (std::vector<std::int16_t>{1200, 1200, 1200, 1200}));
  // A seed at time 0 counts as no previous seed: the next seed extends back to the start.
  EXPECT_EQ(Interpolated({N, 0, N, 900, N}, {1, 3}),
            (std::vector<std::int16_t>{900, 0, 900, 900, 900}));
  // No seeds: nothing changes.
  EXPECT_EQ(Interpolated({N, 5, N}, {}), (std::vector<std::int16_t>{N, 5, N}));
  // A null seed flattens the slope on either side instead of running to 32700.
  EXPECT_EQ(Interpolated({800, N, N, N}, {0, 2}), (std::vector<std::int16_t>{800, 800, N, N}));
}

// A flat peak at sample 60 (240 ms) everywhere except trace 3 of line 2, which is silent.
std::int16_t Flat(int i, int j, int k) {
  return i == 2 && j == 3 ? 0 : RickerSample(k, 60);
}

class AutopickTest : public ::testing::Test {
 protected:
  AutopickTest() : project(5, 6, 120, Flat) {
    project.CreateHorizon();
    project.Seed({{0, 1, 244, 7}, {4, 1, 236, 9}, {0, 4, 240, 5}});
  }
  AutopickOutcome Pick(AutopickMode mode, bool snap) {
    AutopickRequest request{mode, snap, {}};
    NullProgress progress;
    return Autopick(project.Environment(), request, progress);
  }
  HorizonProject project;
};

TEST_F(AutopickTest, InlineSeedsFillAcrossLinesWithoutSnapping) {
  ASSERT_EQ(Pick(AutopickMode::FromInlineSeeds, false), AutopickOutcome::Finished);
  HorizonGrid time = project.Time(), amplitude = project.Amplitude();
  EXPECT_EQ(time.At(2, 1), 240);
  EXPECT_EQ(time.At(3, 1), 238);
  EXPECT_EQ(time.At(4, 4), 240);
  EXPECT_EQ(time.At(2, 0), HORIZON_NULL);       // a trace without seeds
  EXPECT_EQ(amplitude.At(2, 1), HORIZON_NULL);  // amplitudes only come from snapping
  EXPECT_EQ(time.At(0, 1), 244);                // seeds stay
  EXPECT_EQ(project.RegistrationAt(2, 1), 0);
}

TEST_F(AutopickTest, CrosslineSeedsFillAlongLines) {
  ASSERT_EQ(Pick(AutopickMode::FromCrosslineSeeds, false), AutopickOutcome::Finished);
  HorizonGrid time = project.Time();
  EXPECT_EQ(time.At(0, 0), 244);
  EXPECT_EQ(time.At(0, 2), 242);
  EXPECT_EQ(time.At(0, 5), 240);
  EXPECT_EQ(time.At(4, 5), 236);
  EXPECT_EQ(time.At(2, 2), HORIZON_NULL);
}

TEST_F(AutopickTest, SnapPassMovesFilledCellsToTheEventAndBlanksSilentTraces) {
  project.SetPickType(kPickPeak | kPickErase);  // the erase flag is cleared first
  ASSERT_EQ(Pick(AutopickMode::FromInlineSeeds, true), AutopickOutcome::Finished);
  HorizonGrid time = project.Time(), amplitude = project.Amplitude();
  EXPECT_EQ(time.At(3, 1), 240);
  EXPECT_EQ(amplitude.At(3, 1), 10000);
  EXPECT_EQ(project.RegistrationAt(3, 1), 0);
  EXPECT_EQ(time.At(2, 3), HORIZON_NULL);
  EXPECT_EQ(project.RegistrationAt(2, 3), 0xFF);
  EXPECT_EQ(time.At(2, 0), HORIZON_NULL);  // never filled, so blanked
  EXPECT_EQ(project.RegistrationAt(2, 0), 0xFF);
  // Seeds keep their times and amplitudes, even off the event.
  EXPECT_EQ(time.At(0, 1), 244);
  EXPECT_EQ(amplitude.At(0, 1), 7);
  EXPECT_EQ(ReadHorizonStyle(project.horizon.path)->pick_type, kPickPeak);
}

TEST_F(AutopickTest, GriddingModeHandsTheAreaAndRegionToTheGridder) {
  PickEnvironment env = project.Environment();
  env.zoom.first_line = 101;
  env.region = GridRegion({{0, 0}, {3, 0}, {3, 5}, {0, 5}});
  IndexArea seen;
  int calls = 0;
  AutopickRequest request{AutopickMode::FromInlineSeeds, false,
                          [&](HorizonGrid& time, const IndexArea& area, const GridRegion& region,
                              Progress&, Prompter&) {
                            ++calls;
                            seen = area;
                            EXPECT_FALSE(region.Empty());
                            time.At(3, 2) = 555;
                          }};
  NullProgress progress;
  ASSERT_EQ(Autopick(env, request, progress), AutopickOutcome::Finished);
  EXPECT_EQ(calls, 1);  // a region forces gridding
  EXPECT_EQ(seen.first_row, 1);
  EXPECT_EQ(seen.last_column, 5);
  EXPECT_EQ(project.Time().At(3, 2), 555);
}

TEST_F(AutopickTest, DeclinedRegistrationChangesNothing) {
  std::remove(project.horizon.Companion(".hop").c_str());
  std::string before = ReadFileBytes(project.horizon.path);
  project.prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_EQ(Pick(AutopickMode::FromInlineSeeds, true), AutopickOutcome::NoRegistration);
  // Only the erase flag of the style word may have been cleared.
  EXPECT_EQ(ReadFileBytes(project.horizon.path).substr(4), before.substr(4));
}

}  // namespace
}  // namespace quarrix::testing
