#include "fault/fault_grid.h"

#include <algorithm>

#include "platform/numeric.h"

namespace quarrix {

FaultExtent ComputeFaultExtent(const FaultGrid& grid) {
  int first_row = grid.rows, first_column = grid.columns, last_row = 0, last_column = 0;
  for (int r = 0; r < grid.rows; ++r) {
    const std::int16_t* row = grid.Row(r);
    for (int c = 0; c < grid.columns; ++c) {
      if (row[c] == FAULT_NULL) continue;
      first_row = std::min(first_row, r);
      last_row = std::max(last_row, r);
      first_column = std::min(first_column, c);
      last_column = std::max(last_column, c);
    }
  }
  return {Trunc16(first_row), Trunc16(first_column), Trunc16(last_row), Trunc16(last_column)};
}

FaultExtent NewFaultExtent(int rows, int columns) {
  return {0, 0, Trunc16(rows), Trunc16(columns)};
}

FaultCounts CountFaultCells(const FaultGrid& grid) {
  FaultCounts counts;
  for (std::int16_t cell : grid.cells) {
    counts.filled += cell != FAULT_NULL;
    counts.seeds += IsFaultSeed(cell);
  }
  return counts;
}

}  // namespace quarrix
