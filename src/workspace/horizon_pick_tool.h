#pragma once
// The section windows' mouse in horizon mode: a left drag (or click) picks
// from where the button went down to where it came up, tracking both ways,
// or towards the screen's right with Ctrl; Ctrl with the right button tracks
// to the screen's left at once; Esc drops a gesture in progress. A left click
// in the annotation band above the traces asks for the crossing section.
#include <functional>
#include <optional>

#include "horizon/pick_line.h"
#include "platform/interaction_tool.h"
#include "workspace/pick_window.h"

namespace quarrix {

class Prompter;
struct Workspace;

// The notice of a pick on a section outside the zoom window (the window beeps).
inline constexpr const char* kOutsideZoomNotice = "The section is outside the zoom window";

// "Pick From Previous": the window's section picked along the section it
// showed before; false when it has shown no other.
bool PickFromPreviousSection(Workspace& workspace, const PickWindowState& window,
                             Prompter& prompter);

class HorizonPickTool : public InteractionTool {
 public:
  // geometry: the window's last drawing (null before the first);
  // picked: told after a pick changed the horizon; band_click: told the
  // column clicked in the annotation band.
  HorizonPickTool(Workspace& workspace, PickWindowState& window, Prompter& prompter,
                  std::function<const TracePlotGeometry*()> geometry, std::function<void()> picked,
                  std::function<void(SectionColumn)> band_click);

  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Release(Point p, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  std::optional<SectionPoint> At(Point p) const;
  ToolEffect Pick(const SectionPoint& start, const SectionPoint& end, TrackDirection direction);

  Workspace& workspace_;
  PickWindowState& window_;
  Prompter& prompter_;
  std::function<const TracePlotGeometry*()> geometry_;
  std::function<void()> picked_;
  std::function<void(SectionColumn)> band_click_;
  std::optional<SectionPoint> start_;
};

}  // namespace quarrix
