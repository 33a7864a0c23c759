#pragma once
// The Scan/Contour window's mouse: in corner selection a left click records a
// corner; in contour mode a click adds a point to the polyline and Esc ends
// it into seeds; in append mode a click on a digitised contour takes up its
// value; in erase mode a click or a drag clears the seeds under it and Esc
// ends the mode. Points arrive in device pixels of the drawing and are
// turned into bitmap pixels by the view scale.
#include <functional>
#include <string>

#include "platform/interaction_tool.h"
#include "scan/scan_document.h"

namespace quarrix {

class ScanMouseTool : public InteractionTool {
 public:
  // told: a message to show in a box (a corner in the wrong place).
  ScanMouseTool(ScanDocument& document, std::function<void(const std::string&)> told);

  ToolEffect Press(Point p, unsigned keys) override;
  ToolEffect Move(Point p, unsigned keys) override;
  ToolEffect Release(Point p, unsigned keys) override;
  ToolEffect Escape() override;

 private:
  Point ToBitmap(Point p) const;

  ScanDocument& document_;
  std::function<void(const std::string&)> told_;
  bool erasing_ = false;
};

}  // namespace quarrix
