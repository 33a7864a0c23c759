#pragma once
// What maps and horizon plots draw over the grid: wells (singly or by group),
// fault traces, poly faults, arbitrary lines, a region outline and DXF culture.
// The overlays are plain data; the readers of their files hand them over.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "horizon/horizon_grid.h"
#include "map/label_space.h"
#include "platform/canvas.h"

namespace quarrix {

// Grid positions (row = line index, column = trace index, fractional) and
// world X/Y to device points. `world` is empty when the project has no X/Y.
struct OverlayPlacer {
  std::function<Point(double row, double column)> grid;
  std::function<std::optional<Point>(double x, double y)> world;
};

struct LineStyle {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Rgb colour = kBlack;
  bool operator==(const LineStyle&) const = default;
};

// How wells are posted: the map's own settings, or a group's attributes.
struct WellStyle {
  Rgb symbol_colour = kBlack, label_colour = kBlack;
  double symbol_inches = 0.12, character_inches = 0.1;
  bool erase_symbol_background = false, erase_label_background = false;
  int thickness = 1;
  // 0 right, 1 above right, 2 above, 3 above left, 4 left, 5 below left,
  // 6 below, 7 below right.
  int label_position = 0;
  friend bool operator==(const WellStyle&, const WellStyle&) = default;
};

struct PostedWell {
  std::string name, title;
  double line_row = 0, trace_column = 0;  // line and trace indexes
  std::int32_t x = 0, y = 0;
  int symbol = 1;
  int depth = 0, time = 0;
  std::optional<int> map_value;  // the plotted grid's value under the well
};

struct WellGroupPost {
  std::vector<PostedWell> wells;
  WellStyle style;
};

// "Well Sort Parameters": which wells are posted by depth (feet), and which
// are marked. A bound of 0 is no bound.
struct WellSort {
  int below_feet = 0;       // post wells deeper than this
  int above_feet = 0;       // and shallower than this
  int mark_below_feet = 0;  // ring wells deeper than this
  bool operator==(const WellSort&) const = default;
  bool Posts(int depth) const {
    return (below_feet <= 0 || depth > below_feet) && (above_feet <= 0 || depth < above_feet);
  }
  bool Marks(int depth) const { return mark_below_feet > 0 && depth > mark_below_feet; }
};

inline constexpr Rgb kMarkedWellColour{255, 0, 0};

struct WellPostingOptions {
  bool label = true, title = false, depth = false;
  bool map_value = false;  // a line with the plotted grid's value
  bool use_xy = false;     // place by X/Y instead of line/trace
  bool trap = false;       // round X/Y positions to the nearest line and trace
  bool sort = false;       // only the wells `well_sort` posts
  WellSort well_sort;
  bool operator==(const WellPostingOptions&) const = default;
};

// A polyline in grid positions (row, column) pairs.
struct GridPolyline {
  std::vector<std::pair<double, double>> points;
};

// DXF culture of one file in world coordinates.
struct CultureDrawing {
  struct Polyline {
    std::vector<std::pair<std::int32_t, std::int32_t>> points;
    std::int32_t width = 0;  // map units; 0 = the options' pen
  };
  struct Segment {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  };
  struct Circle {
    std::int32_t x = 0, y = 0, radius = 0;
  };
  struct Label {
    std::int32_t x = 0, y = 0;
    float height = 0;
    int rotation = 0;                  // tenths of a degree
    int horizontal = 0, vertical = 0;  // DXF justification codes 72 and 73
    std::string text;
  };
  std::vector<Polyline> polylines;
  std::vector<Segment> lines;
  std::vector<Circle> circles;
  std::vector<Label> texts;
};

struct CultureOptions {
  bool plot_text = true, plot_lines = true;
  LineStyle line;
  Rgb text_colour = kBlack;
  double text_scale = 1.0;
  double margin_feet = 0;  // the world window widened by this on every side
  bool operator==(const CultureOptions&) const = default;
};

// A world window; anchors outside it are skipped.
struct WorldWindow {
  double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
  bool Contains(double x, double y) const {
    return x >= min_x && x <= max_x && y >= min_y && y <= max_y;
  }
};

// Labels go to the style's label position, else to the first of the other
// seven that is free in `space`, else are left out; no space, always drawn.
void DrawWells(Canvas& canvas, const OverlayPlacer& place, const WellGroupPost& group,
               const WellPostingOptions& options, LabelSpace* space = nullptr);

// Whether the options post a well of that depth.
bool PostsWell(const WellPostingOptions& options, int depth);

// The label lines of a well: its name, its title when it says more than the
// name, its depth and the grid value as the options ask.
std::vector<std::string> WellLabelLines(const PostedWell& well, const WellPostingOptions& options);

// Polylines through grid positions, smoothed as open B-splines with `smooth`
// points per span when it is 2 or more.
void DrawGridPolylines(Canvas& canvas, const OverlayPlacer& place,
                       const std::vector<GridPolyline>& lines, const LineStyle& style,
                       int smooth = 1);

// Draws the culture clipped to `clip`; world units per device unit convert
// polyline widths.
// The texts stand where the drawing puts them; with a label space they take
// their room in it first, so that labels drawn later keep off them.
void DrawCulture(Canvas& canvas, const OverlayPlacer& place, const CultureDrawing& culture,
                 const CultureOptions& options, const WorldWindow& window, Rect clip,
                 double device_units_per_foot, LabelSpace* space = nullptr);

}  // namespace quarrix
