#pragma once
// A fault grid: one 16-bit cell per line/trace bin, laid out like a horizon
// grid. A cell holds 32700 (no fault), a picked time plus 8192 (a seed), or a
// plain time below 8192 (filled by interpolation or taken from a horizon).
#include <cstdint>

#include "horizon/horizon_grid.h"

namespace quarrix {

using FaultGrid = HorizonGrid;

inline constexpr std::int16_t FAULT_NULL = HORIZON_NULL;
inline constexpr int kFaultSeedFlag = 8192;

inline bool IsFaultSeed(std::int16_t cell) {
  return cell > kFaultSeedFlag && cell != FAULT_NULL;
}

// The time a set cell stands for: seeds lose the flag.
inline int FaultCellTime(std::int16_t cell) {
  return IsFaultSeed(cell) ? cell - kFaultSeedFlag : cell;
}

// First row, first column, last row, last column of the set cells. A grid
// without set cells has (rows, columns, 0, 0); a new file has (0, 0, rows, columns).
struct FaultExtent {
  std::int16_t first_row = 0;
  std::int16_t first_column = 0;
  std::int16_t last_row = 0;
  std::int16_t last_column = 0;
  bool operator==(const FaultExtent&) const = default;
  bool Empty() const { return last_row < first_row || last_column < first_column; }
};

FaultExtent ComputeFaultExtent(const FaultGrid& grid);
FaultExtent NewFaultExtent(int rows, int columns);

// Set cells and seed cells of a grid.
struct FaultCounts {
  std::size_t filled = 0;
  std::size_t seeds = 0;
};
FaultCounts CountFaultCells(const FaultGrid& grid);

}  // namespace quarrix
