#include "fault/fault_interpolation.h"

#include <algorithm>
#include <cstdlib>

#include "platform/numeric.h"

namespace quarrix {
namespace {

// Fills each run of nulls between two values along a line of cells reached
// by index(k), k = 0..length-1.
template <typename Index>
void FillGaps(FaultGrid& work, int length, Index index) {
  int left = -1;  // position of the last value seen
  for (int k = 0; k < length; ++k) {
    std::int16_t& cell = work.cells[index(k)];
    if (cell == FAULT_NULL) continue;
    if (left >= 0 && k - left > 1) {
      const double from = work.cells[index(left)], to = cell;
      const int gap = k - left - 1;
      for (int g = 1; g <= gap; ++g)
        work.cells[index(left + g)] = Trunc16(from + g * (to - from) / (gap + 1));
    }
    left = k;
  }
}

}  // namespace

FaultGrid SmoothFaultWorkGrid(const FaultGrid& work) {
  FaultGrid smoothed = work;
  if (work.rows == 0 || work.columns == 0) return smoothed;
  auto padded = [&](int r, int c) {
    return work.At(std::clamp(r, 0, work.rows - 1), std::clamp(c, 0, work.columns - 1));
  };
  for (int r = 0; r < work.rows; ++r)
    for (int c = 0; c < work.columns; ++c) {
      long sum = 0;
      bool any_null = false;
      for (int dr = -2; dr <= 2 && !any_null; ++dr)
        for (int dc = -2; dc <= 2; ++dc) {
          std::int16_t v = padded(r + dr, c + dc);
          if (v == FAULT_NULL) {
            any_null = true;
            break;
          }
          int ring = std::max(std::abs(dr), std::abs(dc));
          sum += v * (ring == 2 ? 1 : ring == 1 ? 2 : 4);
        }
      if (!any_null) smoothed.At(r, c) = static_cast<std::int16_t>(sum / 36);
    }
  return smoothed;
}

void InterpolateFaultLinear(FaultGrid& grid) {
  FaultGrid work(grid.rows, grid.columns);
  for (std::size_t i = 0; i < grid.CellCount(); ++i)
    if (IsFaultSeed(grid.cells[i]))
      work.cells[i] = static_cast<std::int16_t>(grid.cells[i] - kFaultSeedFlag);
  const std::size_t columns = static_cast<std::size_t>(grid.columns);
  for (int r = 0; r < grid.rows; ++r)
    FillGaps(work, grid.columns, [&](int k) { return r * columns + k; });
  for (int c = 0; c < grid.columns; ++c)
    FillGaps(work, grid.rows, [&](int k) { return k * columns + c; });
  FaultGrid smoothed = SmoothFaultWorkGrid(work);
  for (std::size_t i = 0; i < grid.CellCount(); ++i)
    if (grid.cells[i] == FAULT_NULL || grid.cells[i] < kFaultSeedFlag)
      grid.cells[i] = smoothed.cells[i];
}

GriddingResult InterpolateFaultGridding(FaultGrid& grid, const GriddingOptions& options,
                                        Progress& progress, Prompter& prompter) {
  FaultExtent e = ComputeFaultExtent(grid);
  if (e.Empty()) return GriddingResult::TooFewPoints;
  GridRectangle area{e.first_column, e.first_row, e.last_column - e.first_column + 1,
                     e.last_row - e.first_row + 1};
  return InterpolateFaultGrid(grid, area, options, progress, prompter);
}

void UninterpolateFault(FaultGrid& grid) {
  for (std::int16_t& cell : grid.cells)
    if (cell < kFaultSeedFlag) cell = FAULT_NULL;
}

}  // namespace quarrix
