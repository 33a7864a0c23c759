#pragma once
// The presentation horizon plot as one document: the survey, the plotted grid,
// its colour bar and every overlay read once from the files a request names.
// quarrix-batch plot-map and the "HORIZON" window assemble it the same way
// and differ only in the canvas they draw it on.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "horizon/colour_files.h"
#include "map/horizon_plot.h"
#include "platform/plot_output.h"

namespace quarrix {

// Readers of overlay files whose formats belong to folders above the maps;
// the program supplies them. An absent reader makes the matching overlay
// unavailable.
struct PlotMapReaders {
  // A well group list (".lgv") with its attributes (".wga") beside it; the
  // style passed in holds the map's defaults.
  std::function<bool(const std::string& path, const SurveyHeader& header, WellGroupPost& group,
                     std::string& problem)>
      well_group;
  // A DXF drawing.
  std::function<bool(const std::string& path, CultureDrawing& culture, std::string& problem)> dxf;
  // A poly-fault file (".flp") as closed outlines in survey (row, column).
  std::function<bool(const std::string& path, std::vector<GridPolyline>& outlines,
                     std::string& problem)>
      poly_faults;
};

struct HorizonPlotRequest {
  std::string header_path, grid_path;
  bool amplitude = false;          // the amplitude grid of a horizon
  std::string colour_file;         // "" for the grid's own colours
  std::vector<std::string> wells;  // well files (".wll") and well groups (".lgv")
  WellStyle well_style;            // how single well files are posted
  std::vector<std::string> faults, arbitrary_lines, dxf;
  std::string poly_faults;      // a ".flp" file, "" for none
  std::optional<MapZoom> zoom;  // the whole survey when absent
};

struct HorizonPlotDocument {
  HorizonPlotRequest request;
  SurveyHeader header;
  SurveyPlacement placement;
  HorizonGrid grid;
  HorizonGrid times;  // the horizon's times under an amplitude grid, else empty
  // What the renderer takes; its survey, placement and grid point into this
  // document and are pointed again whenever the document is copied or moved.
  HorizonPlotData data;

  HorizonPlotDocument() = default;
  HorizonPlotDocument(const HorizonPlotDocument& other) { *this = other; }
  HorizonPlotDocument& operator=(const HorizonPlotDocument& other);
};

// Reads the survey, the grid, its colours and every overlay the request names.
// Nothing (with the reason in `problem`) when a file cannot be read; passing
// remarks (no X/Y file for "Plot in X/Y") go to `remarks`.
std::optional<HorizonPlotDocument> LoadHorizonPlot(const HorizonPlotRequest& request,
                                                   const PlotMapReaders& readers,
                                                   const ColourSets& sets, std::string& problem,
                                                   std::ostream& remarks);

// Contour line classes of a bar: about ten thin lines over its values at a
// round interval, every fifth of them heavier and labelled.
void DefaultLineClasses(const ColourBar& bar, HorizonPlotSettings& settings);

// A zoom window of line and trace numbers as rows and columns, clipped to the
// survey; nothing when it holds no cell.
std::optional<MapZoom> ZoomOfNumbers(const SurveyHeader& header, int first_line, int last_line,
                                     int first_trace, int last_trace);

// Draws the document on a page.
HorizonPlotResult DrawHorizonPlotDocument(Canvas& canvas, Rect page,
                                          const HorizonPlotSettings& settings,
                                          HorizonPlotDocument& document, Progress& progress,
                                          Prompter& prompter);

// The page of a plot file: size, resolution and the bitmap palette (the bar's
// colours, white and black).
PlotPage HorizonPlotPage(const HorizonPlotDocument& document, double width_in, double height_in,
                         int dpi);

}  // namespace quarrix
