#pragma once
// The presentation horizon plot: one grid laid out on a page at a scale in
// feet per inch, drawn as a colour raster, filled or line contours or a 3-D
// surface, with grid lines and circles, trace and line labels, faults, poly
// faults, arbitrary lines, wells, DXF culture, the colour bar and title lines.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/contour_types.h"
#include "map/horizon_map.h"
#include "map/label_space.h"
#include "map/map_overlays.h"
#include "map/plot_transform.h"
#include "map/surface_view.h"
#include "platform/canvas.h"
#include "project/survey_header.h"
#include "project/xy_geometry.h"
#include "section/colour_bar.h"

namespace quarrix {

class Progress;
class Prompter;

enum class HorizonPlotType { Horizon, Contour, Surface, LineContour };
enum class DataSmoothing { None, Light, Heavy };

struct HorizonPlotSettings {
  int scale_feet_per_inch = 0;  // 0 fits the page
  // "Color Gain 1-15": an amplitude plot colours a value v as v x gain, so
  // weak amplitudes reach the outer colours of the bar.
  int colour_gain = 1;
  bool label_traces_lines = true;
  bool grid_lines = false, grid_circles = false;
  bool palette = true;
  bool in_xy = false;
  bool title = true;
  bool fill_holes = false;
  bool plot_dxf = true;
  bool plot_polyfaults = true;
  bool label_faults = false, label_arbitrary_lines = false;  // their file names
  int decimate = 0;
  int grid_line_increment = 10, grid_trace_increment = 10;
  int label_line_increment = 10, label_trace_increment = 10;
  DataSmoothing smoothing = DataSmoothing::None;
  HorizonPlotType type = HorizonPlotType::Horizon;
  CurveSmoothing contour_curve = CurveSmoothing::None;
  CurveSmoothing other_curve = CurveSmoothing::None;
  std::array<ContourLineClass, 3> classes{};
  LineStyle grid_style{PenStyle::Solid, 1, {96, 96, 96}};
  LineStyle arbitrary_style{PenStyle::Solid, 2, {0, 0, 200}};
  LineStyle fault_style{PenStyle::Solid, 2, {200, 0, 0}};
  double label_inches = 0.12;
  WellStyle well_style;
  WellPostingOptions well_options;
  CultureOptions culture;
  double dxf_margin_feet = 0;
  std::string comment1, comment2;
  SurfaceCamera camera;
};

// Everything the plot shows besides its settings.
struct HorizonPlotData {
  const HorizonGrid* grid = nullptr;  // the survey's shape
  // The horizon's times, which faults are drawn against; the plotted grid
  // when null (an amplitude plot keeps them here).
  const HorizonGrid* times = nullptr;
  bool amplitude = false;  // values are amplitudes, not times
  ColourBar bar;
  std::string colour_name = kDefaultColourBarName;
  const SurveyHeader* header = nullptr;
  const SurveyPlacement* placement = nullptr;
  MapZoom zoom;
  std::string plot_name, file_name, date, time;
  std::vector<WellGroupPost> wells;
  std::vector<HorizonGrid> faults;                        // fault grids of the survey's shape
  std::vector<std::string> fault_names, arbitrary_names;  // labels, in the files' order
  std::vector<GridPolyline> poly_faults;  // closed outlines, (row, column) of the survey
  GridPolyline poly_fault_open;           // the outline being digitised
  std::vector<GridPolyline> arbitrary_lines;
  std::vector<CultureDrawing> culture;
};

struct HorizonPlotResult {
  bool drawn = false;
  int scale_feet_per_inch = 0;
  Rect data_rect;
  PlotGridFrame frame;  // survey (row, column) to device, for the mouse
};

// The grid as the plot draws it: the zoom window, holes filled when asked,
// smoothed by the light or heavy kernel.
HorizonGrid PreparePlotGrid(const HorizonGrid& grid, const MapZoom& zoom, bool fill_holes,
                            DataSmoothing smoothing);

// The bar an amplitude plot draws with at a colour gain: thresholds (and the
// scale's ends) divided by the gain, 1..15. Time plots keep their bar.
ColourBar GainedColourBar(const ColourBar& bar, int colour_gain);

// The title lines: "Horizon Plot ..." (or "Amplitude Plot ..."), the comments,
// the colour information.
std::vector<std::string> HorizonPlotTitle(const HorizonPlotData& data,
                                          const HorizonPlotSettings& settings, int scale);

// The page a plot takes on a device: the given fit size when the scale is 0
// (fit) or the plot is a surface view, else the grid at its scale with the
// margins, colour bar and title band: never smaller than the fit size, at most
// kMaxPlotPageUnits a side.
inline constexpr double kMaxPlotPageUnits = 16000;
Point HorizonPlotPageSize(const HorizonPlotSettings& settings, const HorizonPlotData& data,
                          double ppi_x, double ppi_y, Point fit);

// A fractional survey (row, column) on the device.
using GridToDevice = std::function<Point(double row, double column)>;

// The contours of a grid prepared by PreparePlotGrid (the zoom window's cells)
// with the bar's thresholds as levels: "Contour" fills each level's area with
// its colour, "L Contour" fills cell by cell; both then trace the lines of the
// enabled classes, their labels kept clear of those in `labels`. False when
// the contouring stopped with an error (told).
bool DrawContourPlot(Canvas& canvas, const GridToDevice& to_device, const HorizonGrid& grid,
                     const MapZoom& zoom, ColourBar& bar, const HorizonPlotSettings& settings,
                     LabelSpace& labels, Progress& progress, Prompter& prompter);

// Draws the plot on the page. Contouring errors are told through the prompter
// and end the plot after what was drawn.
HorizonPlotResult DrawHorizonPlot(Canvas& canvas, Rect page, const HorizonPlotSettings& settings,
                                  HorizonPlotData& data, Progress& progress, Prompter& prompter);

}  // namespace quarrix
