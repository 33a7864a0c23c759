#include "workspace/horizon_pick_tool.h"

#include "project/project_state.h"
#include "workspace/workspace.h"

namespace quarrix {

HorizonPickTool::HorizonPickTool(Workspace& workspace, PickWindowState& window, Prompter& prompter,
                                 std::function<const TracePlotGeometry*()> geometry,
                                 std::function<void()> picked,
                                 std::function<void(SectionColumn)> band_click)
    : workspace_(workspace),
      window_(window),
      prompter_(prompter),
      geometry_(std::move(geometry)),
      picked_(std::move(picked)),
      band_click_(std::move(band_click)) {}

std::optional<SectionPoint> HorizonPickTool::At(Point p) const {
  const TracePlotGeometry* g = geometry_ ? geometry_() : nullptr;
  if (!g) return std::nullopt;
  return SectionPointAt(*g, workspace_.header(), window_.kind, p);
}

ToolEffect HorizonPickTool::Press(Point p, unsigned keys) {
  start_.reset();
  if (workspace_.settings.interaction_mode != kModeHorizons) return {};
  auto point = At(p);
  if (!point) return {};
  if (keys & kToolRightButton) {
    if (!(keys & kToolControl) || point->in_band) return {};
    return Pick(*point, *point, TrackDirection::Left);
  }
  if (point->in_band) {
    if (band_click_) band_click_(point->column);
    return {};
  }
  start_ = point;
  return {};
}

ToolEffect HorizonPickTool::Release(Point p, unsigned keys) {
  if (!start_ || (keys & kToolRightButton)) return {};
  const SectionPoint start = *start_;
  start_.reset();
  auto end = At(p);
  if (!end) return {};
  if (end->in_band) end->time_ms = start.time_ms;
  return Pick(start, *end, keys & kToolControl ? TrackDirection::Right : TrackDirection::Both);
}

ToolEffect HorizonPickTool::Escape() {
  start_.reset();
  return {};
}

bool PickFromPreviousSection(Workspace& workspace, const PickWindowState& window,
                             Prompter& prompter) {
  if (!window.previous) return false;
  const PickSection previous = SectionAt(workspace.header(), window, *window.previous);
  PickGesture gesture;
  gesture.previous = &previous;
  gesture.pick_style = workspace.settings.pick_style;
  gesture.left_to_right = workspace.settings.plot_direction != 0;
  return PickOnSection(workspace, SectionOf(workspace.header(), window), gesture, prompter) ==
         PickOutcome::Picked;
}

ToolEffect HorizonPickTool::Pick(const SectionPoint& start, const SectionPoint& end,
                                 TrackDirection direction) {
  PickGesture gesture;
  gesture.start_position = start.number;
  gesture.start_time = start.time_ms;
  gesture.end_position = end.number;
  gesture.end_time = end.time_ms;
  gesture.direction = direction;
  gesture.pick_style = workspace_.settings.pick_style;
  gesture.left_to_right = workspace_.settings.plot_direction != 0;
  if (workspace_.flatten.on) gesture.flatten = &workspace_.flatten.shift;
  const PickSection section = SectionOf(workspace_.header(), window_);
  switch (PickOnSection(workspace_, section, gesture, prompter_)) {
    case PickOutcome::Picked:
      if (picked_) picked_();
      return {true, ""};
    case PickOutcome::OutsideZoom: return {false, kOutsideZoomNotice};
    default: return {};
  }
}

}  // namespace quarrix
