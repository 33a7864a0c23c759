#pragma once
// The grid as contouring sees it: decimated, with node values as doubles and
// the mapping of grid positions to device points.
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/contour_types.h"

namespace quarrix {

// Every (k + 1)-th row and column; with k > 0 the last row and column become
// null, so that contours close before the cut edge.
HorizonGrid DecimateGrid(const HorizonGrid& grid, int k);

class ContourGrid {
 public:
  ContourGrid(const HorizonGrid& grid, const ContourFrame& frame);

  int rows() const { return rows_; }
  int columns() const { return columns_; }
  bool Usable() const { return rows_ >= 2 && columns_ >= 2; }
  std::int16_t Cell(int row, int column) const { return grid_.At(row, column); }
  // Node value for tracing: holes count as high ground (four times the null value).
  double TraceValue(int row, int column) const { return TraceInt(row, column); }
  std::int32_t TraceInt(int row, int column) const {
    return trace_values_[static_cast<std::size_t>(row) * columns_ + column];
  }
  // The device position of a fractional grid position.
  void ToDevice(double column, double row, double& x, double& y) const;
  DevicePoint DeviceAt(double column, double row) const;

 private:
  const HorizonGrid& grid_;
  const ContourFrame& frame_;
  int rows_, columns_;
  std::vector<std::int32_t> trace_values_;
};

}  // namespace quarrix
