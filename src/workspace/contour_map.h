#pragma once
// The contour map of the workspace: a horizon or slice file drawn as filled
// or cell-filled contours with the colour bar's thresholds as levels, laid out
// like the other maps so that the mouse tools, the read-out and the overlays
// work unchanged. "Contour Options" sets how it is drawn.
#include <array>
#include <cstdint>
#include <string>

#include "map/contour_types.h"
#include "map/horizon_map.h"
#include "map/horizon_plot.h"

namespace quarrix {

class Progress;
class Prompter;
struct MapPicture;

struct ContourMapOptions {
  HorizonPlotType type = HorizonPlotType::Contour;  // Contour or LineContour
  int decimate = 0;                                 // "Decimate Data Skip"
  CurveSmoothing smoothing = CurveSmoothing::None;  // "Contour Curve Smooth"
  // Until the user sets the line classes, they follow the colour bar: a thin
  // line at every level (every fifth of a long bar) and a labelled one at
  // five times that.
  bool classes_from_bar = true;
  std::array<ContourLineClass, 3> classes{};
  double label_inches = 0.12;
};

// The dialog's fields as typed: numbers stay text until they are checked.
struct ContourOptionsForm {
  bool line_contour = false;
  std::string decimate = "0";
  int smoothing = 0;  // 0 None .. 3 Heavy
  struct ClassRow {
    std::string every = "0";
    bool label = false;
    std::string width = "1";
    int style = 0;  // pen: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    std::uint32_t colour = 0;
  };
  std::array<ClassRow, 3> rows;
  std::string label_inches = "0.12";
};

// The form showing the options, the classes the bar gives when they follow it.
ContourOptionsForm FormFromContourOptions(const ContourMapOptions& options, const ColourBar& bar);
// Checks the form and, when every value is usable, replaces the options and
// returns ""; otherwise returns what is wrong and leaves the options alone.
// A decimation that leaves fewer than two rows or columns of the survey, a
// negative "Modulo", a line thinner than 1 or thicker than 20 units and a
// label outside 0.02 .. 2 inches are refused.
std::string ApplyContourOptionsForm(const ContourOptionsForm& form, const SurveyHeader& header,
                                    ContourMapOptions& options);

// The horizon plot settings the contour map draws with.
HorizonPlotSettings ContourPlotSettings(const ContourMapOptions& options, const ColourBar& bar);

// Draws the picture's zoom window as contours in the map layout, with the
// axis labels. Progress shows "Contour Level %d" and may stop the drawing;
// what was drawn stays. The geometry is empty when nothing could be drawn.
MapGeometry DrawContourMap(Canvas& canvas, Rect client, const MapPicture& picture,
                           const SurveyHeader& header, const MapZoom& zoom,
                           const ContourMapOptions& options, Progress& progress,
                           Prompter& prompter);

}  // namespace quarrix
