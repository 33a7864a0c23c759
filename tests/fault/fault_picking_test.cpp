#include <gtest/gtest.h>

#include "fault/fault_edits.h"
#include "fault/fault_segment.h"
#include "fault_test_support.h"
#include "horizon/arbitrary_line.h"

namespace quarrix {
namespace {

using testing::Seed;
using testing::SmallSurvey;

class FaultPicking : public ::testing::Test {
 protected:
  SurveyHeader header = SmallSurvey(6, 20);
  FaultGrid grid{6, 20};
};

TEST_F(FaultPicking, ASegmentSetsEveryTraceBetweenItsEndsWithSeeds) {
  AddFaultSegment(grid, InlineSection(header, 3), 10, 1000, 12, 1100);
  EXPECT_EQ(grid.At(3, 10), 9192);
  EXPECT_EQ(grid.At(3, 12), 9292);
  // The middle trace keeps the last walked time on it (steps along time,
  // trace rounded to nearest: trace 11 is left at step 74).
  EXPECT_EQ(grid.At(3, 11), Seed(1074));
  EXPECT_EQ(CountFaultCells(grid).filled, 3u);
}

TEST_F(FaultPicking, ASegmentWalkedBackwardsEndsOnItsOwnEndCells) {
  AddFaultSegment(grid, InlineSection(header, 0), 5, 600, 2, 600);
  for (int j = 2; j <= 5; ++j) EXPECT_EQ(grid.At(0, j), Seed(600)) << j;
  EXPECT_EQ(CountFaultCells(grid).seeds, 4u);
}

TEST_F(FaultPicking, CrossLineAndArbitrarySectionsAddressTheirBins) {
  AddFaultSegment(grid, CrosslineSection(header, 7), 1, 800, 2, 804);
  EXPECT_EQ(grid.At(1, 7), Seed(800));
  EXPECT_EQ(grid.At(2, 7), Seed(804));

  ArbitraryLine line{"diagonal.arb", {{0, 0}, {1, 1}, {2, 2}, {3, 3}}};
  PickSection moved = ArbitrarySection(line, 5, true);  // five traces along
  AddFaultSegment(grid, moved, 0, 500, 3, 500);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(grid.At(k, k + 5), Seed(500)) << k;
  PickSection by_lines = ArbitrarySection(line, -2, false);  // bins 0, 1 off the grid
  AddFaultSegment(grid, by_lines, 0, 900, 3, 900);
  EXPECT_EQ(grid.At(0, 2), Seed(900));
  EXPECT_EQ(grid.At(1, 3), Seed(900));
}

TEST_F(FaultPicking, PositionsOffTheSectionAreSkipped) {
  AddFaultSegment(grid, InlineSection(header, 2), -3, 700, 1, 700);
  AddFaultSegment(grid, InlineSection(header, 2), 18, 700, 25, 700);
  EXPECT_EQ(CountFaultCells(grid).filled, 4u);
  EXPECT_EQ(grid.At(2, 0), Seed(700));
  EXPECT_EQ(grid.At(2, 19), Seed(700));
}

TEST_F(FaultPicking, TheEraseGestureNullsTheWalkedCells) {
  PickSection section = InlineSection(header, 4);
  AddFaultSegment(grid, section, 0, 1000, 9, 1200);
  EraseFaultSegment(grid, section, 3, 6);
  for (int j = 0; j < 10; ++j) EXPECT_EQ(grid.At(4, j) == FAULT_NULL, j >= 3 && j <= 6) << j;
}

TEST_F(FaultPicking, EraseRangeNullsTheInclusiveRangeOfSurveyNumbers) {
  std::fill(grid.cells.begin(), grid.cells.end(), Seed(1000));
  EraseFaultRangeByNumbers(grid, header, 101, 102, 215, 210);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 20; ++c)
      EXPECT_EQ(grid.At(r, c) == FAULT_NULL, r >= 1 && r <= 2 && c >= 10 && c <= 15);
  EraseFaultRange(grid, -5, 50, -5, 50);  // clipped to the grid
  EXPECT_EQ(CountFaultCells(grid).filled, 0u);
}

TEST_F(FaultPicking, FromPreviousCopiesTheWholeSection) {
  AddFaultSegment(grid, InlineSection(header, 1), 4, 800, 8, 900);
  grid.At(2, 0) = Seed(100);
  SetFaultFromPrevious(grid, InlineSection(header, 2), InlineSection(header, 1));
  for (int j = 0; j < 20; ++j) EXPECT_EQ(grid.At(2, j), grid.At(1, j)) << j;
}

TEST_F(FaultPicking, SidewaysShiftsFollowTheScreenAndKeepTheVacatedEnd) {
  PickSection section = InlineSection(header, 0);
  for (int j = 0; j < 20; ++j) grid.At(0, j) = static_cast<std::int16_t>(100 + j);
  FaultGrid original = grid;
  ShiftFaultSideways(grid, section, ScreenSide::Left, true);
  for (int j = 0; j < 19; ++j) EXPECT_EQ(grid.At(0, j), 101 + j);
  EXPECT_EQ(grid.At(0, 19), 119);

  grid = original;
  ShiftFaultSideways(grid, section, ScreenSide::Right, true);
  EXPECT_EQ(grid.At(0, 0), 100);
  for (int j = 1; j < 20; ++j) EXPECT_EQ(grid.At(0, j), 99 + j);

  // Drawn right to left, the screen's left is the end of the section.
  grid = original;
  ShiftFaultSideways(grid, section, ScreenSide::Left, false);
  EXPECT_EQ(grid.At(0, 0), 100);
  for (int j = 1; j < 20; ++j) EXPECT_EQ(grid.At(0, j), 99 + j);
}

TEST_F(FaultPicking, TimeShiftsMoveOnlySetCellsOfTheSection) {
  PickSection section = CrosslineSection(header, 3);
  grid.At(0, 3) = Seed(1000);
  grid.At(1, 3) = 500;
  grid.At(0, 4) = Seed(1000);
  ShiftFaultInTime(grid, section, -2.5);
  EXPECT_EQ(grid.At(0, 3), Seed(997));  // 9189.5 truncated
  EXPECT_EQ(grid.At(1, 3), 497);
  EXPECT_EQ(grid.At(2, 3), FAULT_NULL);
  EXPECT_EQ(grid.At(0, 4), Seed(1000));
  ShiftFaultInTime(grid, section, 4);
  EXPECT_EQ(grid.At(1, 3), 501);
}

TEST(FaultExtent, CoversTheSetCellsOrIsRowsColumnsZeroZero) {
  FaultGrid grid(5, 7);
  EXPECT_EQ(ComputeFaultExtent(grid), (FaultExtent{5, 7, 0, 0}));
  EXPECT_TRUE(ComputeFaultExtent(grid).Empty());
  grid.At(3, 1) = 10;
  grid.At(1, 5) = Seed(20);
  EXPECT_EQ(ComputeFaultExtent(grid), (FaultExtent{1, 1, 3, 5}));
}

}  // namespace
}  // namespace quarrix
