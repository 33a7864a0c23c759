#pragma once
// Where a horizon plot puts the grid on the page: grid positions (row = line
// index, column = trace index, fractional) to device points at a scale in feet
// per inch, either in the survey's own orientation (traces across for
// orientation codes 1..4, lines across for 5..8) or rotated into true X/Y.
#include <optional>
#include <utility>

#include "map/horizon_map.h"
#include "map/map_overlays.h"
#include "platform/canvas.h"
#include "project/survey_header.h"
#include "project/xy_geometry.h"

namespace quarrix {

// Where the plot put the grid, kept after drawing so that the mouse can turn a
// device point back into a fractional grid position: the plot is an affine
// image of (row, column) in both orientations.
struct PlotGridFrame {
  Point origin;      // device point of row 0, column 0
  Point per_row;     // device step of one row
  Point per_column;  // device step of one column

  Point ToDevice(double row, double column) const;
  // (row, column) of a device point; nothing when the frame is degenerate.
  std::optional<std::pair<double, double>> ToGrid(Point device) const;
};

class PlotTransform {
 public:
  PlotTransform(const SurveyHeader& header, const SurveyPlacement& placement, const MapZoom& zoom,
                bool in_xy);

  // Size of the zoom window's cells on the ground, in feet (map units).
  double WidthFeet() const { return max_x_ - min_x_; }
  double HeightFeet() const { return max_y_ - min_y_; }
  bool InXy() const { return in_xy_; }

  // The largest plot that fits the area: the exact fitting scale rounded up
  // to whole feet per inch.
  int FitScale(Rect area, double ppi_x, double ppi_y) const;
  // Centres the grid in the area at the scale.
  void Place(Rect area, double feet_per_inch, double ppi_x, double ppi_y);

  Point ToDevice(double row, double column) const;
  PlotGridFrame Frame() const;
  // A world X/Y on the page; nothing when the project has no X/Y placement.
  std::optional<Point> WorldToDevice(double x, double y) const;
  // The device rectangle the zoom window's cells cover.
  Rect DataRect() const { return data_rect_; }
  // Device units per foot across and down.
  double UnitsPerFootX() const { return units_x_; }

 private:
  // Plan position in feet, y growing down the page.
  void Plan(double row, double column, double& x, double& y) const;

  const SurveyHeader& header_;
  const SurveyPlacement& placement_;
  MapZoom zoom_;
  bool in_xy_;
  double line_step_, trace_step_;  // feet per row and per column
  double min_x_ = 0, max_x_ = 0, min_y_ = 0, max_y_ = 0;
  double units_x_ = 1, units_y_ = 1, left_ = 0, top_ = 0;
  Rect data_rect_;
};

// World X/Y of fractional line and trace offsets (number units), without the
// truncation of the X/Y file's conversion.
void WorldOfOffsets(const SurveyHeader& header, const SurveyPlacement& placement, double dl,
                    double dt, double& x, double& y);

// The world box of the zoom window's corner cells, widened by a margin.
WorldWindow ZoomWorldWindow(const SurveyHeader& header, const SurveyPlacement& placement,
                            const MapZoom& zoom, double margin);

}  // namespace quarrix
