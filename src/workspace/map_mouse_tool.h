#pragma once
// The map windows' mouse. In zoom mode a left drag draws the zoom rectangle;
// in polygon mode left clicks add vertices, a right click removes the last
// and Esc closes the polygon into the region. Otherwise Shift with a left
// click asks for the in-line at the cursor and Shift with a right click for
// the cross-line there. Arbitrary lines are digitised like the polygon, Esc
// ending the line; with Shift a vertex snaps to a nearby well.
#include <functional>
#include <vector>

#include "platform/interaction_tool.h"
#include "workspace/map_view.h"

namespace quarrix {

// The notice of a vertex snapped to a well (the window beeps).
inline constexpr const char* kSnappedToWellNotice = "Snapped to a well";

class MapMouseTool : public InteractionTool {
 public:
  struct Listener {
    std::function<void()> zoomed;                                      // the zoom window changed
    std::function<void(bool inline_window, int index)> section;        // a section is wanted
    std::function<void(const std::vector<GridCell>&)> arbitrary_line;  // digitised, Esc pressed
  };
  // geometry: the window's last drawing (null or empty before the first).
  MapMouseTool(MapViewState& view, std::function<const MapGeometry*()> geometry, Listener listener);

  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Move(Point p, unsigned keys) override;
  ToolEffect Release(Point p, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  const MapGeometry* Geometry() const;
  bool Digitising() const;

  MapViewState& view_;
  std::function<const MapGeometry*()> geometry_;
  Listener listener_;
};

}  // namespace quarrix
