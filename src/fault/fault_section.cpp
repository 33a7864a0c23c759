#include "fault/fault_section.h"

namespace quarrix {

long FaultCellIndex(const FaultGrid& grid, const PickSection& section, int position) {
  if (position < 0 || position >= section.count()) return -1;
  const GridBin& bin = section.bins[static_cast<std::size_t>(position)];
  if (bin.row < 0 || bin.row >= grid.rows || bin.column < 0 || bin.column >= grid.columns)
    return -1;
  return static_cast<long>(bin.row) * grid.columns + bin.column;
}

}  // namespace quarrix
