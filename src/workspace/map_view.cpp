#include "workspace/map_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "horizon/colour_files.h"
#include "horizon/pick_registration.h"
#include "map/plot_map_inputs.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "workspace/workspace.h"

namespace quarrix {
namespace {

void Remember(MapViewState& view) {
  if (view.zoom_stack.size() < kZoomStackSize)
    view.zoom_stack.push_back(view.zoom);
  else
    view.zoom_stack.back() = view.zoom;  // a full stack keeps its oldest windows
}

// One axis of the zoom window: a span of `size` cells placed to start at
// `first`, slid back inside 0..count-1.
void PlaceSpan(int& first, int& last, int size, int count) {
  size = std::clamp(size, 1, count);
  first = std::clamp(first, 0, count - size);
  last = first + size - 1;
}

}  // namespace

MapViewState NewMapView(const SurveyHeader& header, MapKind kind) {
  MapViewState view;
  view.kind = kind;
  view.zoom = FullMapZoom(header);
  return view;
}

bool ZoomToCells(MapViewState& view, GridCell a, GridCell b) {
  MapZoom zoom{std::min(a.row, b.row), std::max(a.row, b.row), std::min(a.column, b.column),
               std::max(a.column, b.column)};
  if (zoom.Rows() < kMinimumZoomCells || zoom.Columns() < kMinimumZoomCells) return false;
  Remember(view);
  view.zoom = zoom;
  return true;
}

void ZoomBack(MapViewState& view, const SurveyHeader& header) {
  if (view.zoom_stack.empty()) {
    view.zoom = FullMapZoom(header);
    return;
  }
  view.zoom = view.zoom_stack.back();
  view.zoom_stack.pop_back();
}

void ZoomHome(MapViewState& view, const SurveyHeader& header) {
  const MapZoom full = FullMapZoom(header);
  if (view.zoom.first_row == full.first_row && view.zoom.last_row == full.last_row &&
      view.zoom.first_column == full.first_column && view.zoom.last_column == full.last_column)
    return;
  Remember(view);
  view.zoom = full;
}

void ZoomAbout(MapViewState& view, const SurveyHeader& header, GridCell centre, double factor) {
  const MapZoom old = view.zoom;
  auto scaled = [&](int span, int count) {
    const int floor = std::min(kMinimumZoomCells, count);
    return std::clamp(static_cast<int>(std::lround(span * factor)), floor, count);
  };
  const int rows = scaled(old.Rows(), header.num_lines);
  const int columns = scaled(old.Columns(), header.traces_per_line);
  if (rows == old.Rows() && columns == old.Columns()) return;
  // The centre cell keeps its fraction of the way across the window.
  auto start = [&](int first, int span, int at, int new_span) {
    const double fraction = span > 1 ? (at - first) / static_cast<double>(span - 1) : 0.5;
    return at - static_cast<int>(std::lround(fraction * (new_span - 1)));
  };
  MapZoom zoom;
  zoom.first_row = start(old.first_row, old.Rows(), centre.row, rows);
  zoom.first_column = start(old.first_column, old.Columns(), centre.column, columns);
  PlaceSpan(zoom.first_row, zoom.last_row, rows, header.num_lines);
  PlaceSpan(zoom.first_column, zoom.last_column, columns, header.traces_per_line);
  Remember(view);
  view.zoom = zoom;
}

void PanBy(MapViewState& view, const SurveyHeader& header, int rows, int columns) {
  MapZoom& z = view.zoom;
  const int row_span = z.Rows(), column_span = z.Columns();
  z.first_row += rows;
  z.first_column += columns;
  PlaceSpan(z.first_row, z.last_row, row_span, header.num_lines);
  PlaceSpan(z.first_column, z.last_column, column_span, header.traces_per_line);
}

ZoomWindow ZoomWindowOf(const MapZoom& zoom, const SurveyHeader& header) {
  return {header.LineNumber(zoom.first_row), header.LineNumber(zoom.last_row),
          header.TraceNumber(zoom.first_column), header.TraceNumber(zoom.last_column)};
}

void ClosePolygon(MapViewState& view) {
  std::vector<RegionVertex> vertices;
  for (const GridCell& cell : view.vertices)
    vertices.push_back({static_cast<double>(cell.column), static_cast<double>(cell.row)});
  view.region = vertices.size() >= 3 ? GridRegion(std::move(vertices)) : GridRegion{};
  view.vertices.clear();
  view.anchor.reset();
  view.cursor.reset();
  view.mode = MapViewState::Mode::Pointer;
}

std::optional<GridCell> SnapToWell(const MapViewState& view, GridCell cell) {
  for (const GridCell& well : view.wells)
    if (std::abs(well.row - cell.row) < view.snap_bins &&
        std::abs(well.column - cell.column) < view.snap_bins)
      return well;
  return std::nullopt;
}

std::string MapCaption(MapKind kind, const std::string& path) {
  switch (kind) {
    case MapKind::Time: return "Time -- " + path;
    case MapKind::Amplitude: return "Amp -- " + path;
    case MapKind::Slice: return "Slice --  " + path;
    case MapKind::Contour: return "Contour -- " + path;
  }
  return path;
}

MapPicture LoadMapPicture(const Workspace& workspace, const MapViewState& view,
                          Prompter& prompter) {
  const SurveyHeader& header = workspace.header();
  MapPicture picture;
  picture.grid = HorizonGrid(header.num_lines, header.traces_per_line);
  const bool amplitude = view.kind == MapKind::Amplitude;
  if (view.kind == MapKind::Slice || view.kind == MapKind::Contour) {
    picture.path = view.slice_path;
    picture.is_slice = view.kind == MapKind::Slice || HasExtension(picture.path, "slc");
    picture.readable = !picture.path.empty() &&
                       ReadHorizon(picture.path, &picture.grid, nullptr) == HorizonReadResult::Ok;
  } else if (auto horizon = CurrentHorizon(workspace)) {
    picture.path = LocateHorizon(workspace.folder, horizon->path).path;
    picture.readable = ReadHorizon(picture.path, amplitude ? nullptr : &picture.grid,
                                   amplitude ? &picture.grid : nullptr) == HorizonReadResult::Ok;
    if (picture.readable) {
      auto registration = LoadPickRegistration(*horizon, header, prompter);
      if (registration) picture.registration = std::move(registration->bytes);
    }
  }
  if (!picture.readable) return picture;
  const MapColours colours = BuildMapColours(
      picture.path, picture.grid, amplitude || picture.is_slice,
      {MapColourSchemeOf(picture, view), false}, LoadColourSets(ConfigFile("colorset.ini")));
  picture.bar = colours.bar;
  picture.bar_name = colours.name;
  return picture;
}

namespace {

bool AmplitudeBar(const MapPicture& picture, const MapViewState& view) {
  return view.kind == MapKind::Amplitude || picture.is_slice;
}

}  // namespace

int MapColourSchemeOf(const MapPicture& picture, const MapViewState& view) {
  return MapColourScheme(picture.path, view.kind == MapKind::Amplitude, view.slice_colour_scheme);
}

bool ApplyColourScheme(const MapPicture& picture, MapViewState& view,
                       const ColourSchemeChoice& choice, const ColourSets& sets,
                       Prompter& prompter) {
  if (!picture.readable) return false;
  if (picture.is_slice) view.slice_colour_scheme = choice.scheme;
  if (!StoreMapColourScheme(picture.path, view.kind == MapKind::Amplitude, choice.scheme)) {
    prompter.Tell("Cannot write the color scheme to " + picture.path, "Select Color Scheme");
    return false;
  }
  if (!choice.replace_colour_file) return true;
  const MapColours colours =
      BuildMapColours(picture.path, picture.grid, AmplitudeBar(picture, view), choice, sets);
  if (colours.write_failed) {
    prompter.Tell("Cannot Create Color File!", "", MessageIcon::Warning);
    return false;
  }
  return true;
}

MapReadout MapReadoutAt(const SurveyHeader& header, const HorizonGrid& grid, GridCell cell) {
  int value = HORIZON_NULL;
  if (cell.row >= 0 && cell.row < grid.rows && cell.column >= 0 && cell.column < grid.columns)
    value = grid.At(cell.row, cell.column);
  return {FormatText("Line %d", header.LineNumber(cell.row)),
          FormatText("Trace %d", header.TraceNumber(cell.column)), FormatText("Value %d", value)};
}

}  // namespace quarrix
