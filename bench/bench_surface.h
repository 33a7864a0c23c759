#pragma once
// The synthetic horizon the benchmarks work on: gentle folds with some faulting.
#include <cmath>

#include "horizon/horizon_grid.h"

namespace quarrix::bench {

inline double SurfaceAt(double row, double column) {
  return 1500 + 220 * std::sin(column / 83.0) * std::cos(row / 141.0) + 0.35 * row - 0.2 * column +
         60 * std::sin((row + column) / 23.0) + (column > 600 ? 40 : 0);
}

inline HorizonGrid FullSurface(int rows, int columns) {
  HorizonGrid g(rows, columns);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) g.At(r, c) = static_cast<std::int16_t>(SurfaceAt(r, c));
  return g;
}

}  // namespace quarrix::bench
