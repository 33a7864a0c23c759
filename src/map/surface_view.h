#pragma once
// The 3-D perspective view of a grid: a solid surface shaded and coloured by
// the plot's colour bar, or a fishnet (optionally coloured), seen from a camera
// at a distance, azimuth and elevation, with hidden surfaces removed by
// drawing the cells from the farthest to the nearest.
#include "horizon/horizon_grid.h"
#include "platform/canvas.h"
#include "section/colour_bar.h"

namespace quarrix {

struct SurfaceCamera {
  double distance = 12000;  // feet from the centre of the grid
  double azimuth = 45;      // degrees, clockwise from the line direction
  double elevation = 45;    // degrees above the horizon
  double z_scale = 0.3;     // feet of height per grid unit (ms or amplitude)
  bool solid = true;
  bool fishnet = false;
  bool colour_fishnet = false;
};

struct SurfaceGeometry {
  double column_feet = 1, row_feet = 1;  // ground size of a cell
  bool values_up = false;                // amplitudes rise with value; times deepen
  int first_line = 0, first_trace = 0, line_step = 1, trace_step = 1;  // axis numbers
};

// Draws the grid into the area; grids are thinned to at most about 160 cells
// a side so that the mesh stays readable. Null cells leave gaps.
void DrawSurfaceView(Canvas& canvas, Rect area, const HorizonGrid& grid, ColourBar& bar,
                     const SurfaceGeometry& geometry, const SurfaceCamera& camera);

}  // namespace quarrix
