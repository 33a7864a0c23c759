#pragma once
// The room labels take on a plot. Every label drawn inside the plotted area
// (contour values, well names, titles and depths) asks for its box first and
// is drawn only when the box is free, so labels never cover one another.
#include <array>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

class LabelSpace {
 public:
  // A label's four corners, in order round the box (it may be rotated).
  using Box = std::array<Point, 4>;

  // Takes the box when it keeps at least `gap` device units from every box
  // already taken; false (and nothing taken) when it would come closer.
  bool Take(const Box& box, double gap = 0);
  // Takes the box whatever lies there (a symbol labels keep off).
  void Reserve(const Box& box) { boxes_.push_back(box); }
  // Whether the box would be free.
  bool Free(const Box& box, double gap = 0) const;
  std::size_t size() const { return boxes_.size(); }

  // The box of an unrotated label by its corners.
  static Box Upright(Rect r) {
    return {Point{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  }
  // The box of text `width` long and `height` high centred on `centre`,
  // turned by `degrees` counter-clockwise (y grows downward on the device).
  static Box Turned(Point centre, double width, double height, double degrees);

 private:
  std::vector<Box> boxes_;
};

}  // namespace quarrix
