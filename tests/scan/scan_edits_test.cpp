#include "scan/scan_edits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "scan_test_support.h"

namespace quarrix {
namespace {

using testing::RegisteredScan;

// Pixel of the centre of a cell for the registered test scan (corner code 1).
Point PixelOf(int row, int column) {
  return {10.0 + 20 * column, 10.0 + 20 * row};
}

std::vector<std::pair<int, int>> SeedCells(const ScanDocument& d) {
  std::vector<std::pair<int, int>> cells;
  for (int r = 0; r < d.grid.rows; ++r)
    for (int c = 0; c < d.grid.columns; ++c)
      if (d.registration.At(r, c) == kRegSeed) cells.emplace_back(r, c);
  return cells;
}

TEST(ScanContourValue, TakesWholeNumbersACellCanHold) {
  std::string problem;
  EXPECT_EQ(ParseContourValue(" 1500 ", problem), 1500);
  EXPECT_EQ(ParseContourValue("-32768", problem), -32768);
  EXPECT_EQ(ParseContourValue("+12", problem), 12);
  for (const char* bad : {"", "12.5", "abc", "40000", "-40000", "1e3"}) {
    problem.clear();
    EXPECT_FALSE(ParseContourValue(bad, problem)) << bad;
    EXPECT_FALSE(problem.empty()) << bad;
  }
  // The null value would turn the contour into empty cells.
  EXPECT_FALSE(ParseContourValue("32700", problem));
  EXPECT_NE(problem.find("32700"), std::string::npos);
}

TEST(ScanDigitising, APolylineBecomesSeedsAlongItsCells) {
  ScanDocument d = RegisteredScan();
  StartContour(d, 1200);
  AddContourPoint(d, PixelOf(0, 0));
  AddContourPoint(d, PixelOf(0, 3));
  AddContourPoint(d, PixelOf(3, 3));
  EXPECT_EQ(FinishContour(d), 7);
  const std::vector<std::pair<int, int>> expected = {{0, 0}, {0, 1}, {0, 2}, {0, 3},
                                                     {1, 3}, {2, 3}, {3, 3}};
  EXPECT_EQ(SeedCells(d), expected);
  EXPECT_EQ(d.grid.At(2, 3), 1200);
  EXPECT_EQ(d.mode, ScanMode::Idle);
  EXPECT_TRUE(d.unsaved);
  ASSERT_EQ(d.polylines.size(), 1u);
  EXPECT_EQ(d.polylines[0].size(), 3u);
  // A diagonal is walked as a digital line: one cell per step.
  StartContour(d, 1300);
  AddContourPoint(d, PixelOf(4, 4));
  AddContourPoint(d, PixelOf(0, 8));
  EXPECT_EQ(FinishContour(d), 5);
  EXPECT_EQ(d.grid.At(2, 6), 1300);
}

TEST(ScanDigitising, ProtectedCellsNeverChange) {
  ScanDocument d = RegisteredScan();
  d.registration.At(1, 2) = kRegProtected;
  d.grid.At(1, 2) = 777;
  d.registration.At(1, 4) = kRegBlanked;
  StartContour(d, 900);
  AddContourPoint(d, PixelOf(1, 0));
  AddContourPoint(d, PixelOf(1, 6));
  EXPECT_EQ(FinishContour(d), 5);
  EXPECT_EQ(d.grid.At(1, 2), 777);
  EXPECT_EQ(d.registration.At(1, 2), kRegProtected);
  EXPECT_EQ(d.grid.At(1, 4), HORIZON_NULL);
  EXPECT_EQ(d.registration.At(1, 4), kRegBlanked);
  // Erasing over them leaves them too.
  StartErase(d);
  EXPECT_EQ(EraseAt(d, PixelOf(1, 2)), 0);
  EXPECT_EQ(EraseAt(d, {40, 30}), 1);  // the border of cells (1, 1) and (1, 2)
  EXPECT_EQ(d.grid.At(1, 2), 777);
  EXPECT_EQ(d.registration.At(1, 2), kRegProtected);
  EXPECT_EQ(d.grid.At(1, 1), HORIZON_NULL);
  EXPECT_EQ(d.registration.At(1, 1), kRegNone);
}

TEST(ScanDigitising, EraseClearsOnlyTheCellsNearTheClick) {
  ScanDocument d = RegisteredScan();
  StartContour(d, 500);
  AddContourPoint(d, PixelOf(2, 0));
  AddContourPoint(d, PixelOf(2, 9));
  FinishContour(d);
  d.unsaved = false;
  StartErase(d);
  // Eight pixels either side of a cell centre stays within that cell.
  EXPECT_EQ(EraseAt(d, PixelOf(2, 5)), 1);
  EXPECT_EQ(d.grid.At(2, 5), HORIZON_NULL);
  EXPECT_EQ(d.grid.At(2, 4), 500);
  EXPECT_TRUE(d.unsaved);
  // On a cell border both neighbours go.
  EXPECT_EQ(EraseAt(d, {PixelOf(2, 1).x + 10, PixelOf(2, 1).y}), 2);
  EXPECT_EQ(EraseAt(d, PixelOf(0, 0)), 0);  // nothing there
}

TEST(ScanDigitising, AppendTakesUpTheValueNearTheClick) {
  ScanDocument d = RegisteredScan();
  StartContour(d, 2500);
  AddContourPoint(d, PixelOf(1, 1));
  AddContourPoint(d, PixelOf(1, 4));
  FinishContour(d);
  StartAppend(d);
  EXPECT_FALSE(AppendAt(d, PixelOf(4, 8)));  // nothing digitised near
  EXPECT_EQ(d.mode, ScanMode::Append);
  EXPECT_TRUE(AppendAt(d, {PixelOf(1, 4).x + 3, PixelOf(1, 4).y + 3}));
  EXPECT_EQ(d.mode, ScanMode::Contour);
  EXPECT_EQ(d.contour_value, 2500);
  AddContourPoint(d, PixelOf(3, 4));
  FinishContour(d);
  EXPECT_EQ(d.grid.At(3, 4), 2500);
  EXPECT_EQ(d.grid.At(2, 4), 2500);
}

TEST(ScanGridding, FillsTheGridAndUnGridRestoresTheSeeds) {
  ScanDocument d = RegisteredScan();
  // A plane: value 100 * column + 10 * row along three contours.
  for (int row : {0, 2, 4}) {
    for (int column = 0; column < 10; ++column) {
      d.contour_value = static_cast<std::int16_t>(100 * column + 10 * row);
      StartContour(d, d.contour_value);
      AddContourPoint(d, PixelOf(row, column));
      FinishContour(d);
    }
  }
  d.registration.At(1, 1) = kRegProtected;  // protected and empty
  d.registration.At(3, 3) = kRegBlanked;
  const HorizonGrid seeds = d.grid;
  ScriptedPrompter prompter;
  NullProgress progress;
  std::vector<std::string> status;
  EXPECT_EQ(GridScan(d, progress, prompter, [&](const std::string& s) { status.push_back(s); }),
            GriddingResult::Filled);
  EXPECT_EQ(status, (std::vector<std::string>{"Start Gridding", "Gridding Finished"}));
  EXPECT_NEAR(d.grid.At(1, 5), 510, 15);
  EXPECT_NEAR(d.grid.At(3, 8), 830, 15);
  EXPECT_EQ(d.grid.At(1, 1), HORIZON_NULL);  // protected cells stay as they were
  EXPECT_EQ(d.grid.At(3, 3), HORIZON_NULL);
  EXPECT_GT(UnGridScan(d), 0);
  EXPECT_EQ(d.grid.cells, seeds.cells);
  EXPECT_EQ(UnGridScan(d), 0);
}

TEST(ScanGridding, TooFewSeedsIsSaid) {
  ScanDocument d = RegisteredScan();
  StartContour(d, 10);
  AddContourPoint(d, PixelOf(0, 0));
  FinishContour(d);
  ScriptedPrompter prompter;
  NullProgress progress;
  EXPECT_EQ(GridScan(d, progress, prompter), GriddingResult::TooFewPoints);
  EXPECT_NE(prompter.last_text().find("Too few"), std::string::npos);
}

}  // namespace
}  // namespace quarrix
