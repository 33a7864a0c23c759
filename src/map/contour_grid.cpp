#include "map/contour_grid.h"

#include "platform/numeric.h"

namespace quarrix {

HorizonGrid DecimateGrid(const HorizonGrid& grid, int k) {
  if (k <= 0) return grid;
  int step = k + 1;
  HorizonGrid out(grid.rows / step, grid.columns / step);
  for (int r = 0; r < out.rows; ++r)
    for (int c = 0; c < out.columns; ++c) out.At(r, c) = grid.At(r * step, c * step);
  for (int c = 0; c < out.columns; ++c) out.At(out.rows - 1, c) = HORIZON_NULL;
  for (int r = 0; r < out.rows; ++r) out.At(r, out.columns - 1) = HORIZON_NULL;
  return out;
}

ContourGrid::ContourGrid(const HorizonGrid& grid, const ContourFrame& frame)
    : grid_(grid), frame_(frame), rows_(grid.rows), columns_(grid.columns) {
  trace_values_.reserve(grid.CellCount());
  for (std::int16_t v : grid.cells) trace_values_.push_back(v == HORIZON_NULL ? 130800 : v);
}

void ContourGrid::ToDevice(double column, double row, double& x, double& y) const {
  x = column * frame_.width / (columns_ - 1) + frame_.left;
  y = row * frame_.height / (rows_ - 1) + frame_.top;
  if (frame_.orient) frame_.orient(x, y);
}

DevicePoint ContourGrid::DeviceAt(double column, double row) const {
  double x, y;
  ToDevice(column, row, x, y);
  return {Trunc32(x), Trunc32(y)};
}

}  // namespace quarrix
