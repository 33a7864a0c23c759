// The coverage of a disk file that "Determine Direction" shows: every cell a
// trace falls on is marked, gaps keep their "no trace" value.
#include "loader/disk_coverage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "loader/demo_survey.h"
#include "support/test_support.h"

namespace quarrix {
namespace {

CoverageGrid EmptyGrid(int first_line, int first_trace, int rows, int columns) {
  CoverageGrid grid{
      .first_line = first_line, .first_trace = first_trace, .rows = rows, .columns = columns};
  grid.cells.assign(static_cast<std::size_t>(rows) * columns, CoverageGrid::kNoTrace);
  return grid;
}

long Covered(const CoverageGrid& grid) {
  return std::count(grid.cells.begin(), grid.cells.end(), 1);
}

const HeaderWordChoice kLineAndTraceAt189And193{{48, 4}, {49, 4}};

TEST(DiskCoverage, MarksEveryTraceAndLeavesGapsAndOutsideTracesAlone) {
  testing::TempFolder folder;
  DemoSurveySize size{4, 5, 6};
  ASSERT_TRUE(WriteDemoSegy(folder.File("demo.sgy"), size));
  // One line more than the file has, and one trace fewer: the extra line is
  // a gap and the last trace of every line falls outside.
  CoverageGrid grid = EmptyGrid(1001, 2001, size.lines + 1, size.traces - 1);
  const SegyBinaryInfo ibm{size.samples, 4000, 1};
  ASSERT_TRUE(MarkDiskCoverage(folder.File("demo.sgy"), ibm, grid, kLineAndTraceAt189And193));
  EXPECT_EQ(Covered(grid), size.lines * (size.traces - 1));
  for (int column = 0; column < grid.columns; ++column)
    EXPECT_EQ(grid.cells[size.lines * grid.columns + column], CoverageGrid::kNoTrace);
  EXPECT_FALSE(MarkDiskCoverage(folder.File("absent.sgy"), ibm, grid, kLineAndTraceAt189And193));
}

TEST(DiskCoverage, TheCroppedF3SurveyIsCoveredEverywhere) {
  std::string shared = testing::SharedDataFolder();
  if (shared.empty()) GTEST_SKIP() << "the outside sample files are absent";
  CoverageGrid grid = EmptyGrid(111, 875, 23, 18);
  const SegyBinaryInfo int16{75, 4000, 3};
  ASSERT_TRUE(MarkDiskCoverage(shared + "/f3.sgy", int16, grid, kLineAndTraceAt189And193));
  EXPECT_EQ(Covered(grid), 23 * 18);
}

}  // namespace
}  // namespace quarrix
