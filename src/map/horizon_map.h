#pragma once
// The map of a grid file in a map window: one coloured cell per line/trace
// position of the zoom window, stretched into the window less a quarter-inch
// margin, oriented by the survey's orientation code, annotated with trace and
// line numbers. The pixel geometry it returns serves the mouse and overlays.
#include <cstdint>
#include <vector>

#include "horizon/horizon_grid.h"
#include "platform/canvas.h"
#include "project/survey_header.h"
#include "section/colour_bar.h"

namespace quarrix {

class Prompter;

// The rows (line indexes) and columns (trace indexes) shown, inclusive.
struct MapZoom {
  int first_row = 0, last_row = -1, first_column = 0, last_column = -1;
  int Rows() const { return last_row - first_row + 1; }
  int Columns() const { return last_column - first_column + 1; }
  bool Empty() const { return Rows() <= 0 || Columns() <= 0; }
};
MapZoom FullMapZoom(const SurveyHeader& header);

struct GridCell {
  int row = 0, column = 0;
  bool operator==(const GridCell&) const = default;
};

// Where the cells landed: the drawing area, the pixels per cell and the
// orientation, for converting between pixels and cells.
struct MapGeometry {
  Rect area;
  double cell_width = 0, cell_height = 0;
  int corner = 1;
  MapZoom zoom;

  bool Empty() const { return cell_width <= 0 || cell_height <= 0; }
  // The cell under a pixel, clamped to the zoom window.
  GridCell CellAt(Point pixel) const;
  // The pixel of a (fractional) grid position; whole positions are cell centres.
  Point PixelOf(double row, double column) const;
};

struct HorizonMapSource {
  const HorizonGrid* grid = nullptr;  // the survey's shape
  // One byte per cell for horizons (0xFF = blanked); slices have none.
  const std::vector<std::uint8_t>* registration = nullptr;
  bool is_slice = false;
  // Cells between axis labels; 0 = every 10 cells, widened until labels fit.
  int line_label_every = 0, trace_label_every = 0;
};

// The 8-bit image of the zoom window, one pixel per cell, already in screen
// orientation, rows padded to a multiple of 8 pixels; palette as MapColourIndex.
IndexedImage BuildMapImage(const HorizonMapSource& source, ColourBar& bar, const MapZoom& zoom,
                           int corner);

// Where a map of the zoom window lies in the client rectangle: a quarter inch
// margin on each side, the cells stretched over the rest in the survey's
// orientation. Empty when the client leaves no room.
MapGeometry MapLayout(Rect client, const DeviceInfo& device, const SurveyHeader& header,
                      const MapZoom& zoom);
// The "L%d" and "T%d" labels on both sides of a laid-out map.
// `line_step`/`trace_step`: cells between labels, 0 for automatic.
void DrawMapAxisLabels(Canvas& canvas, const MapGeometry& geometry, const SurveyHeader& header,
                       int line_step = 0, int trace_step = 0);

// Draws the map into the client rectangle. A horizon without a registration of
// the grid's size says "Pick Registration Failed" and draws nothing (the
// geometry is then empty).
MapGeometry DrawHorizonMap(Canvas& canvas, Rect client, const HorizonMapSource& source,
                           ColourBar& bar, const SurveyHeader& header, const MapZoom& zoom,
                           Prompter& prompter);

}  // namespace quarrix
