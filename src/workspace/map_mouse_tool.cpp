#include "workspace/map_mouse_tool.h"

namespace quarrix {

using Mode = MapViewState::Mode;

MapMouseTool::MapMouseTool(MapViewState& view, std::function<const MapGeometry*()> geometry,
                           Listener listener)
    : view_(view), geometry_(std::move(geometry)), listener_(std::move(listener)) {}

const MapGeometry* MapMouseTool::Geometry() const {
  const MapGeometry* g = geometry_ ? geometry_() : nullptr;
  return g && !g->Empty() ? g : nullptr;
}

bool MapMouseTool::Digitising() const {
  return view_.mode == Mode::Polygon || view_.mode == Mode::ArbitraryLine;
}

ToolEffect MapMouseTool::Press(Point p, unsigned keys) {
  const MapGeometry* g = Geometry();
  if (!g) return {};
  const GridCell cell = g->CellAt(p);
  const bool right = keys & kToolRightButton;
  if (view_.mode == Mode::Zoom && !right) {
    view_.anchor = view_.cursor = cell;
    return {};
  }
  if (!Digitising()) return {};
  if (right) {
    if (!view_.vertices.empty()) view_.vertices.pop_back();
    return {true, {}};
  }
  if (keys & kToolShift)
    if (auto well = SnapToWell(view_, cell)) {
      view_.vertices.push_back(*well);
      return {true, kSnappedToWellNotice};
    }
  view_.vertices.push_back(cell);
  return {true, {}};
}

ToolEffect MapMouseTool::Move(Point p, unsigned) {
  const MapGeometry* g = Geometry();
  if (!g) return {};
  const bool drawing =
      (view_.mode == Mode::Zoom && view_.anchor) || (Digitising() && !view_.vertices.empty());
  if (!drawing) return {};
  const GridCell cell = g->CellAt(p);
  if (view_.cursor && *view_.cursor == cell) return {};
  view_.cursor = cell;
  return {true, {}};
}

ToolEffect MapMouseTool::Release(Point p, unsigned keys) {
  const MapGeometry* g = Geometry();
  if (!g) return {};
  const GridCell cell = g->CellAt(p);
  const bool right = keys & kToolRightButton;
  if (view_.mode == Mode::Zoom) {
    if (right || !view_.anchor) return {};
    const bool zoomed = ZoomToCells(view_, *view_.anchor, cell);
    view_.anchor.reset();
    view_.cursor.reset();
    if (!zoomed) return {true, "The zoom rectangle must span 6 lines and 6 traces"};
    view_.mode = Mode::Pointer;
    if (listener_.zoomed) listener_.zoomed();
    return {true, {}};
  }
  if (view_.mode != Mode::Pointer || !(keys & kToolShift) || !listener_.section) return {};
  if (right)
    listener_.section(false, cell.column);
  else
    listener_.section(true, cell.row);
  return {};
}

ToolEffect MapMouseTool::Escape() {
  if (view_.mode == Mode::ArbitraryLine) {
    const std::vector<GridCell> vertices = std::move(view_.vertices);
    view_.vertices.clear();
    view_.cursor.reset();
    view_.mode = Mode::Pointer;
    if (listener_.arbitrary_line && !vertices.empty()) listener_.arbitrary_line(vertices);
    return {true, {}};
  }
  if (view_.mode == Mode::Polygon) {
    ClosePolygon(view_);
    return {true, {}};
  }
  if (view_.mode == Mode::Zoom) {
    view_.mode = Mode::Pointer;
    view_.anchor.reset();
    view_.cursor.reset();
    return {true, {}};
  }
  return {};
}

}  // namespace quarrix
