#include "fault/fault_interpolation.h"

#include <gtest/gtest.h>

#include "fault_test_support.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

using testing::Seed;

TEST(FaultLinear, FillsGapsAlongRowsTruncatingTheWholeValue) {
  // Rows 0 and 2 stay null, so smoothing leaves row 1 as filled.
  FaultGrid grid(3, 6);
  grid.At(1, 1) = Seed(100);
  grid.At(1, 3) = Seed(99);
  grid.At(1, 5) = Seed(120);
  grid.At(0, 0) = 55;  // an old interpolated value is replaced
  InterpolateFaultLinear(grid);
  EXPECT_EQ(grid.At(1, 0), FAULT_NULL);
  EXPECT_EQ(grid.At(1, 1), Seed(100));
  EXPECT_EQ(grid.At(1, 2), 99);  // 100 - 1/2 = 99.5
  EXPECT_EQ(grid.At(1, 3), Seed(99));
  EXPECT_EQ(grid.At(1, 4), 109);  // 99 + 21/2
  EXPECT_EQ(grid.At(0, 0), FAULT_NULL);
}

TEST(FaultLinear, FillsColumnsAfterRowsThenSmooths) {
  FaultGrid grid(5, 5);
  grid.At(0, 0) = Seed(100), grid.At(0, 4) = Seed(140);
  grid.At(4, 0) = Seed(500), grid.At(4, 4) = Seed(540);
  InterpolateFaultLinear(grid);
  // The filled work grid is the plane 100 + 10 c + 100 r; the symmetric
  // average reproduces it in the middle, the repeated edges pull the border.
  EXPECT_EQ(grid.At(2, 2), 320);
  EXPECT_EQ(grid.At(2, 0), 305);  // 10980 / 36 with the edge column repeated
  EXPECT_EQ(grid.At(0, 0), Seed(100));
  EXPECT_EQ(grid.At(4, 4), Seed(540));
  EXPECT_EQ(CountFaultCells(grid).filled, 25u);
}

TEST(FaultLinear, SmoothingWeightsAndNullNeighbourhoods) {
  FaultGrid work(5, 5, 10);
  work.At(2, 2) = 46;
  FaultGrid smoothed = SmoothFaultWorkGrid(work);
  EXPECT_EQ(smoothed.At(2, 2), 14);  // (4*46 + 16*10 + 16*10) / 36
  EXPECT_EQ(smoothed.At(1, 1), 12);  // 46 on the inner ring
  EXPECT_EQ(smoothed.At(0, 0), 11);  // 46 on the outer ring
  work.At(4, 4) = FAULT_NULL;
  smoothed = SmoothFaultWorkGrid(work);
  EXPECT_EQ(smoothed.At(2, 2), 46);  // a null within two cells: kept
  EXPECT_EQ(smoothed.At(4, 4), FAULT_NULL);
  EXPECT_EQ(smoothed.At(1, 1), 12);
}

TEST(FaultUninterpolate, RestoresTheSeedsOnlyGrid) {
  FaultGrid grid(6, 6);
  grid.At(0, 0) = Seed(300), grid.At(5, 5) = Seed(800), grid.At(0, 5) = Seed(400);
  grid.At(5, 0) = Seed(700);
  FaultGrid seeds = grid;
  InterpolateFaultLinear(grid);
  EXPECT_EQ(CountFaultCells(grid).filled, 36u);
  UninterpolateFault(grid);
  EXPECT_EQ(grid.cells, seeds.cells);
}

TEST(FaultGridding, FillsTheExtentFromTheSeedsOnly) {
  FaultGrid grid(6, 8);
  auto plane = [](int r, int c) { return 1000 + 10 * c + 20 * r; };
  for (auto [r, c] : {std::pair{1, 1}, {1, 6}, {4, 1}, {4, 6}, {2, 3}})
    grid.At(r, c) = Seed(plane(r, c));
  grid.At(3, 3) = 5;  // an interpolated cell is no data and stays
  FaultGrid seeds = grid;
  NullProgress progress;
  ScriptedPrompter prompter;
  ASSERT_EQ(InterpolateFaultGridding(grid, FaultGriddingDefaults(), progress, prompter),
            GriddingResult::Filled);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 8; ++c) {
      // Without extrapolation the seeds' hull edge may stay null.
      bool interior = r >= 2 && r <= 3 && c >= 2 && c <= 5;
      bool extent = r >= 1 && r <= 4 && c >= 1 && c <= 6;
      if (seeds.At(r, c) != FAULT_NULL)
        EXPECT_EQ(grid.At(r, c), seeds.At(r, c));
      else if (interior)
        EXPECT_EQ(grid.At(r, c), plane(r, c)) << r << "," << c;
      else if (!extent)
        EXPECT_EQ(grid.At(r, c), FAULT_NULL) << r << "," << c;
      else
        EXPECT_TRUE(grid.At(r, c) == FAULT_NULL || grid.At(r, c) == plane(r, c));
    }
}

TEST(FaultGridding, AnEmptyFaultIsLeftAlone) {
  FaultGrid grid(4, 4);
  NullProgress progress;
  ScriptedPrompter prompter;
  EXPECT_EQ(InterpolateFaultGridding(grid, FaultGriddingDefaults(), progress, prompter),
            GriddingResult::TooFewPoints);
  EXPECT_EQ(CountFaultCells(grid).filled, 0u);
}

}  // namespace
}  // namespace quarrix
