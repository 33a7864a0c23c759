#pragma once
// Natural-neighbour gridding: fills the null cells of a horizon grid rectangle
// from the picked cells around them (Sibson interpolation over a Delaunay
// triangulation, optionally blended with local gradient planes). Picked cells
// never change; only null cells inside the area receive values.
#include "horizon/horizon_grid.h"
#include "map/grid_region.h"

namespace quarrix {

class Progress;
class Prompter;

// What the "Gridding Options" window sets; every run starts from these defaults.
struct GriddingOptions {
  bool extrapolate = true;      // give nodes outside the data's triangulation a value too
  bool apply_gradient = false;  // blend in gradient planes
  double tautness1 = 1.5;
  double tautness2 = 7.0;
  // The nodes' rows are shared out among this many threads; the values are
  // the same for every count.
  int threads = 1;
};

// Fault interpolation starts with extrapolation off.
inline GriddingOptions FaultGriddingDefaults() {
  GriddingOptions options;
  options.extrapolate = false;
  return options;
}

// A rectangle of cells: columns are trace indexes, rows line indexes.
struct GridRectangle {
  int first_column = 0;
  int first_row = 0;
  int columns = 0;
  int rows = 0;
};

enum class GriddingResult {
  Filled,        // ran to the end, or was cancelled (rows done so far are written)
  TooFewPoints,  // fewer than 4 data points: nothing changes, nothing is said
  ScaleRatio,    // gradients asked for on data whose scales are unsuitable (said)
  OutOfMemory,   // a work array could not be had (said); nothing changes
};

// Fills every null cell of the rectangle that lies in the region (the whole
// rectangle when the region is empty). Progress is labelled "Gridding Data",
// ranges over the rows and steps once per row; cancelling stops after the row
// (with several threads, after the current batch of rows).
GriddingResult GridHorizonArea(HorizonGrid& grid, const GridRectangle& area,
                               const GridRegion& region, const GriddingOptions& options,
                               Progress& progress, Prompter& prompter);

// Fault-grid variant: over the whole grid, cells above 8192 (and not null) are
// data with the value less 8192; afterwards every null cell of the rectangle
// gets the gridded value.
GriddingResult InterpolateFaultGrid(HorizonGrid& grid, const GridRectangle& area,
                                    const GriddingOptions& options, Progress& progress,
                                    Prompter& prompter);

// Fault cells carry this offset above their value.
inline constexpr int kFaultValueOffset = 8192;

}  // namespace quarrix
