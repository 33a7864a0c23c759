#pragma once
// The fault cells a section shows: the section's bin at each position (an
// in-line, a cross-line or a shifted arbitrary line, as the pick windows
// walk them) addressed in a fault grid.
#include "fault/fault_grid.h"
#include "horizon/pick_section.h"

namespace quarrix {

// The index in the grid of the cell at a section position, or -1 when the
// position is off the section or its bin off the grid.
long FaultCellIndex(const FaultGrid& grid, const PickSection& section, int position);

inline std::int16_t* FaultCell(FaultGrid& grid, const PickSection& section, int position) {
  long index = FaultCellIndex(grid, section, position);
  return index < 0 ? nullptr : &grid.cells[static_cast<std::size_t>(index)];
}

}  // namespace quarrix
