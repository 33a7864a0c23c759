#include "horizon/pick_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "horizon/bulk_edits.h"
#include "horizon_fixture.h"
#include "platform/progress.h"

namespace quarrix::testing {
namespace {

// A peak at sample 50 + j on every line: the event dips one sample (4 ms) per
// trace. Times are absolute with start time 100 ms.
std::int16_t Dipping(int, int j, int k) {
  return RickerSample(k, 50 + j);
}
int PeakTime(int j) {
  return 100 + 4 * (50 + j);
}

class PickLineTest : public ::testing::Test {
 protected:
  PickLineTest() : project(4, 8, 120, Dipping, 4.0, 100) { project.CreateHorizon(); }

  PickOutcome Click(int line_index, int trace_number, int time,
                    TrackDirection direction = TrackDirection::Both, bool left_to_right = true) {
    PickGesture g;
    g.start_position = g.end_position = trace_number;
    g.start_time = g.end_time = time;
    g.direction = direction;
    g.left_to_right = left_to_right;
    return PickLine(project.Environment(), InlineSection(project.header, line_index), g);
  }

  // Every picked cell is a seed and every null cell is not, as after gestures.
  void ExpectRegistrationAgrees() {
    HorizonGrid time = project.Time();
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 8; ++j) {
        std::uint8_t reg = project.RegistrationAt(i, j);
        if (time.At(i, j) != HORIZON_NULL)
          EXPECT_EQ(reg, 1) << i << "," << j;
        else
          EXPECT_NE(reg, 1) << i << "," << j;
      }
  }

  HorizonProject project;
};

TEST_F(PickLineTest, ClickTracksTheEventAlongTheWholeLine) {
  ASSERT_EQ(Click(1, 13, PeakTime(3) + 5), PickOutcome::Picked);
  HorizonGrid time = project.Time(), amplitude = project.Amplitude();
  for (int j = 0; j < 8; ++j) {
    EXPECT_EQ(time.At(1, j), PeakTime(j)) << j;
    EXPECT_EQ(amplitude.At(1, j), 10000) << j;
    EXPECT_EQ(project.RegistrationAt(1, j), 1);
    EXPECT_EQ(time.At(0, j), HORIZON_NULL);
  }
}

TEST_F(PickLineTest, DirectionFollowsTheScreenAndThePlotDirection) {
  Click(0, 14, PeakTime(4), TrackDirection::Right);
  Click(1, 14, PeakTime(4), TrackDirection::Right, /*left_to_right=*/false);
  HorizonGrid time = project.Time();
  for (int j = 0; j < 8; ++j) {
    EXPECT_EQ(time.At(0, j) != HORIZON_NULL, j >= 4) << j;
    EXPECT_EQ(time.At(1, j) != HORIZON_NULL, j <= 4) << j;
  }
}

TEST_F(PickLineTest, ExistingPickStaysAndGuidesTheTracking) {
  project.Seed({{2, 5, 400, 0}});  // far from the event
  Click(2, 12, PeakTime(2));
  HorizonGrid time = project.Time();
  EXPECT_EQ(time.At(2, 4), PeakTime(4));
  EXPECT_EQ(time.At(2, 5), 400);
  // Past the odd pick the guess is 400 ms, where the traces are silent: blanks.
  EXPECT_EQ(time.At(2, 6), HORIZON_NULL);
  EXPECT_EQ(project.RegistrationAt(2, 6), 0xFF);
}

TEST_F(PickLineTest, EraseFlagNullsEveryCellReachedAndClearsRegistration) {
  Click(1, 10, PeakTime(0));
  project.SetPickType(kPickPeak | kPickErase);
  PickGesture drag;
  drag.start_position = 12;
  drag.end_position = 15;
  drag.start_time = drag.end_time = 300;
  PickLine(project.Environment(), InlineSection(project.header, 1), drag);
  HorizonGrid time = project.Time();
  for (int j = 0; j < 8; ++j) {
    bool erased = j >= 2 && j <= 5;
    EXPECT_EQ(time.At(1, j) == HORIZON_NULL, erased) << j;
    EXPECT_EQ(project.RegistrationAt(1, j), erased ? 0 : 1) << j;
  }
}

TEST_F(PickLineTest, DragInterpolatesTheGuessBetweenItsEnds) {
  // Ends given in reverse order, with the window at 0 the guesses are stored as they are.
  PickGesture drag;
  drag.start_position = 16;
  drag.start_time = 400;
  drag.end_position = 12;
  drag.end_time = 300;
  PickLine(project.Environment(0), InlineSection(project.header, 0), drag);
  HorizonGrid time = project.Time();
  EXPECT_EQ(time.At(0, 1), HORIZON_NULL);
  EXPECT_EQ(time.At(0, 2), 300);
  EXPECT_EQ(time.At(0, 3), 325);
  EXPECT_EQ(time.At(0, 6), 400);
  EXPECT_EQ(time.At(0, 7), HORIZON_NULL);
}

TEST_F(PickLineTest, ZoomWindowAndRegionLimitTheGesture) {
  PickEnvironment env = project.Environment();
  env.zoom.first_line = 101;
  PickGesture click;
  click.start_position = click.end_position = 12;
  click.start_time = click.end_time = PeakTime(2);
  EXPECT_EQ(PickLine(env, InlineSection(project.header, 0), click), PickOutcome::OutsideZoom);
  env.zoom.first_trace = 12;
  env.region = GridRegion({{0, 0}, {5, 0}, {5, 4}, {0, 4}});  // columns 0..4
  EXPECT_EQ(PickLine(env, InlineSection(project.header, 1), click), PickOutcome::Picked);
  HorizonGrid time = project.Time();
  for (int j = 0; j < 8; ++j) EXPECT_EQ(time.At(1, j) != HORIZON_NULL, j >= 2 && j <= 4) << j;
}

TEST_F(PickLineTest, PickFromPreviousFollowsTheOtherSection) {
  Click(0, 10, PeakTime(0));
  project.Seed({{1, 6, 999, 1}});  // a seed is never repicked
  PickSection previous = InlineSection(project.header, 0);
  PickGesture g;
  g.previous = &previous;
  PickLine(project.Environment(), InlineSection(project.header, 1), g);
  HorizonGrid time = project.Time();
  for (int j = 0; j < 8; ++j) EXPECT_EQ(time.At(1, j), j == 6 ? 999 : PeakTime(j)) << j;
}

TEST_F(PickLineTest, CrosslineSectionsPickAlongTheLines) {
  PickGesture g;
  g.start_position = g.end_position = 101;  // a line number
  g.start_time = g.end_time = PeakTime(3);
  PickLine(project.Environment(), CrosslineSection(project.header, 3), g);
  HorizonGrid time = project.Time();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(time.At(i, 3), PeakTime(3));
}

TEST_F(PickLineTest, UnreadableTraceEndsThePassWithFilesConsistent) {
  // Cut the trace file inside line 2, trace 3.
  std::filesystem::resize_file(project.folder.File("survey.amp"), (2 * 8 + 3) * 240 + 100);
  Click(2, 10, PeakTime(0));
  HorizonGrid time = project.Time();
  for (int j = 0; j < 8; ++j) EXPECT_EQ(time.At(2, j) != HORIZON_NULL, j < 3) << j;
  ExpectRegistrationAgrees();
}

TEST_F(PickLineTest, SnapMovesPicksToTheEventAndKeepsRegistration) {
  project.Seed({{0, 0, static_cast<std::int16_t>(PeakTime(0) + 4), 0}, {0, 1, 120, 0}});
  project.SetPickType(kPickPeak | kPickErase);
  std::string registration = project.Registration();
  NullProgress progress;
  ASSERT_EQ(SnapHorizon(project.Environment(), progress), EditOutcome::Done);
  HorizonGrid time = project.Time();
  EXPECT_EQ(time.At(0, 0), PeakTime(0));
  EXPECT_EQ(project.Amplitude().At(0, 0), 10000);
  EXPECT_EQ(time.At(0, 1), HORIZON_NULL);  // nothing but zeros near 120 ms
  EXPECT_EQ(project.Registration(), registration);
  EXPECT_EQ(ReadHorizonStyle(project.horizon.path)->pick_type, kPickPeak);
}

TEST_F(PickLineTest, EraseAndClearEditsTouchTheRightCells) {
  project.Seed({{0, 0, 300, 1}, {3, 7, 300, 1}});
  WriteHorizonCells(project.horizon.path, project.header, {{1, 1, 500, 2}});  // an autopick
  PickEnvironment env = project.Environment();
  ASSERT_EQ(ClearAutoPicks(env), EditOutcome::Done);
  EXPECT_EQ(project.Time().At(1, 1), HORIZON_NULL);
  EXPECT_EQ(project.Time().At(0, 0), 300);

  env.region = GridRegion({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
  ASSERT_EQ(ErasePicksInRegion(env, false), EditOutcome::Done);
  EXPECT_EQ(project.Time().At(0, 0), 300);
  EXPECT_EQ(project.Time().At(3, 7), HORIZON_NULL);
  EXPECT_EQ(project.RegistrationAt(3, 7), 0);

  project.prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_EQ(ErasePicksInWindow(env), EditOutcome::Declined);
  EXPECT_EQ(project.Time().At(0, 0), 300);
  EXPECT_EQ(ErasePicksInWindow(env), EditOutcome::Done);
  EXPECT_EQ(project.Time().At(0, 0), HORIZON_NULL);
  EXPECT_EQ(project.Registration(), std::string(32, '\0'));
}

}  // namespace
}  // namespace quarrix::testing
