#pragma once
// What a plot window's mouse does, kept out of the window: a tool gets the
// pointer in plot coordinates (the drawing's own units, scrolling taken out)
// and says whether the plot must be redrawn and what to tell the user.
#include <string>

#include "platform/canvas.h"

namespace quarrix {

struct ToolEffect {
  bool repaint = false;
  std::string notice;  // for the status bar; empty leaves it as it is
};

enum ToolKeys : unsigned { kToolShift = 1, kToolControl = 2 };

class InteractionTool {
 public:
  virtual ~InteractionTool() = default;
  virtual ToolEffect Press(Point, unsigned /*keys*/) { return {}; }
  virtual ToolEffect Move(Point, unsigned /*keys*/) { return {}; }
  virtual ToolEffect Release(Point, unsigned /*keys*/) { return {}; }
  virtual ToolEffect Escape() { return {}; }
  // The wheel turned by `steps` notches (positive away from the user). A tool
  // that takes the wheel says so by asking for a repaint; otherwise it scrolls.
  virtual ToolEffect Wheel(Point, double /*steps*/, unsigned /*keys*/) { return {}; }
};

}  // namespace quarrix
