#pragma once
// Picking a fault segment: the gesture's two ends (section position, ms) are
// joined by a DDA walk whose points set the section's cells to their time plus
// the seed flag; erasing passes 32700 for both times and nulls the cells.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "fault/fault_section.h"
#include "platform/numeric.h"

namespace quarrix {

// The DDA walk from (x1, y1) towards (x2, y2): one point per step along the
// longer axis, the other rounded to nearest, stopping before the end point.
template <typename Visit>
void WalkLine(int x1, int y1, int x2, int y2, Visit&& visit) {
  const long long dx = static_cast<long long>(x2) - x1, dy = static_cast<long long>(y2) - y1;
  const long long steps = std::max(std::llabs(dx), std::llabs(dy));
  for (long long k = 0; k < steps; ++k) {
    double f = static_cast<double>(k) / static_cast<double>(steps);
    visit(Trunc32(std::floor(x1 + dx * f + 0.5)), Trunc32(std::floor(y1 + dy * f + 0.5)));
  }
}

// The cell value of a time with a flag (8192 for seeds, 0 when erasing),
// kept within 16 bits.
inline std::int16_t FaultCellValue(int time_ms, int flag) {
  return TruncateTo<std::int16_t>(static_cast<double>(time_ms) + flag);
}

// Sets the walked cells and the two end cells. Positions off the section and
// bins off the grid are skipped.
void AddFaultSegment(FaultGrid& grid, const PickSection& section, int position1, int time1,
                     int position2, int time2);

// The erase gesture: nulls the walked cells between two positions.
void EraseFaultSegment(FaultGrid& grid, const PickSection& section, int position1, int position2);

}  // namespace quarrix
