#pragma once
// A map window of the workspace without its window: what it shows (the time
// or amplitude grid of the current horizon, a time slice, or the contours of
// a horizon or slice file), the zoom window
// with its stack of earlier windows, the mouse mode and the polygon region.
// The map's zoom window is the workspace's: zooming on a map narrows what the
// section windows, autopicking and erasing work on.
#include <optional>
#include <string>
#include <vector>

#include "horizon/grid_region.h"
#include "horizon/horizon_grid.h"
#include "horizon/horizon_location.h"
#include "map/horizon_map.h"
#include "map/map_colour_scheme.h"
#include "project/survey_header.h"
#include "section/colour_bar.h"

namespace quarrix {

class Prompter;
struct Workspace;

enum class MapKind { Time, Amplitude, Slice, Contour };

inline constexpr std::size_t kZoomStackSize = 10;
inline constexpr int kMinimumZoomCells = 6;  // a zoom rectangle spans at least this many

struct MapViewState {
  enum class Mode { Pointer, Zoom, Polygon, ArbitraryLine };

  MapKind kind = MapKind::Time;
  std::string slice_path;  // the time slice a slice map shows, or a contour map's file
  MapZoom zoom;
  std::vector<MapZoom> zoom_stack;  // earlier windows, newest last
  Mode mode = Mode::Pointer;
  std::vector<GridCell> vertices;  // the polygon or arbitrary line being drawn
  std::string arbitrary_path;      // where the arbitrary line being drawn goes
  std::vector<GridCell> wells;     // the posted wells' cells, for Shift snapping
  int snap_bins = 4;               // how near (strictly) a well must be to snap
  GridRegion region;               // the closed polygon
  std::optional<GridCell> anchor;  // where the rubber band or the next edge starts
  std::optional<GridCell> cursor;  // the cell under the pointer while drawing
  // The colour scheme of a slice map (a horizon keeps its own in its file).
  int slice_colour_scheme = 1;
  int line_label_every = 0, trace_label_every = 0;  // cells between axis labels
};

MapViewState NewMapView(const SurveyHeader& header, MapKind kind);

// Zooms to the rectangle between two cells when it spans at least
// kMinimumZoomCells lines and traces; false (nothing changed) otherwise.
bool ZoomToCells(MapViewState& view, GridCell a, GridCell b);
// The previous zoom window, or the whole survey when the stack is empty.
void ZoomBack(MapViewState& view, const SurveyHeader& header);
// The whole survey, the present window remembered.
void ZoomHome(MapViewState& view, const SurveyHeader& header);
// Zooms about a cell by a factor (below 1 closer, above 1 further out),
// keeping the cell under the same place; never closer than kMinimumZoomCells
// nor beyond the survey.
void ZoomAbout(MapViewState& view, const SurveyHeader& header, GridCell centre, double factor);
// Moves the zoom window by whole cells, stopping at the survey's edges.
void PanBy(MapViewState& view, const SurveyHeader& header, int rows, int columns);
// The zoom window in line and trace numbers, as the workspace keeps it.
ZoomWindow ZoomWindowOf(const MapZoom& zoom, const SurveyHeader& header);

// Closes the polygon being drawn: with three or more vertices it becomes the
// region (cells whose centres it encloses), otherwise the region is cleared.
void ClosePolygon(MapViewState& view);

// The first posted well whose line and trace both lie strictly within the
// snap distance of a cell.
std::optional<GridCell> SnapToWell(const MapViewState& view, GridCell cell);

// "Time -- %s", "Amp -- %s", "Slice --  %s" or "Contour -- %s" with the file shown.
std::string MapCaption(MapKind kind, const std::string& path);

// What the map shows, read afresh for each drawing.
struct MapPicture {
  std::string path;  // the grid file
  HorizonGrid grid;
  std::vector<std::uint8_t> registration;  // horizons only
  ColourBar bar;
  std::string bar_name;  // the colour file or colour set
  bool is_slice = false;
  bool readable = false;
};

// Reads the map's grid and builds its colour bar: the current horizon's time
// or amplitude grid with its registration and its colour scheme, or the
// slice; a contour map's file is a slice (".slc") or a horizon's time grid.
// Without a current horizon (or slice) the picture is not readable. A grid
// without a colour file gets one (see BuildMapColours).
MapPicture LoadMapPicture(const Workspace& workspace, const MapViewState& view, Prompter& prompter);

// The scheme the map's colours come from, and "Select Color Scheme" applied:
// a horizon's style word takes the scheme (a slice map keeps it), and the
// colour file is replaced when the choice asks for it. False with the
// problem told when the horizon or its colour file cannot be written.
int MapColourSchemeOf(const MapPicture& picture, const MapViewState& view);
bool ApplyColourScheme(const MapPicture& picture, MapViewState& view,
                       const ColourSchemeChoice& choice, const ColourSets& sets,
                       Prompter& prompter);

// The status bar's "Line %d", "Trace %d" and "Value %d" for a cell.
struct MapReadout {
  std::string line, trace, value;
};
MapReadout MapReadoutAt(const SurveyHeader& header, const HorizonGrid& grid, GridCell cell);

}  // namespace quarrix
