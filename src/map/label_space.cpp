#include "map/label_space.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarrix {
namespace {

// Whether the two convex boxes lie more than `gap` apart along some edge
// normal of either (separating axes).
bool Apart(const LabelSpace::Box& a, const LabelSpace::Box& b, double gap) {
  for (const LabelSpace::Box* box : {&a, &b})
    for (std::size_t k = 0; k < 4; ++k) {
      const Point p = (*box)[k], q = (*box)[(k + 1) % 4];
      double nx = -(q.y - p.y), ny = q.x - p.x;
      const double length = std::hypot(nx, ny);
      if (length == 0) continue;
      nx /= length, ny /= length;
      auto span = [&](const LabelSpace::Box& s) {
        double low = 1e300, high = -1e300;
        for (const Point& c : s) {
          const double d = c.x * nx + c.y * ny;
          low = std::min(low, d), high = std::max(high, d);
        }
        return std::pair{low, high};
      };
      const auto [a_low, a_high] = span(a);
      const auto [b_low, b_high] = span(b);
      if (a_high + gap <= b_low || b_high + gap <= a_low) return true;
    }
  return false;
}

}  // namespace

bool LabelSpace::Free(const Box& box, double gap) const {
  return std::all_of(boxes_.begin(), boxes_.end(),
                     [&](const Box& taken) { return Apart(box, taken, gap); });
}

bool LabelSpace::Take(const Box& box, double gap) {
  if (!Free(box, gap)) return false;
  boxes_.push_back(box);
  return true;
}

LabelSpace::Box LabelSpace::Turned(Point centre, double width, double height, double degrees) {
  const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  // Along the text (right on the page when upright) and up from it.
  const Point along{c * width / 2, -s * width / 2}, up{-s * height / 2, -c * height / 2};
  return {Point{centre.x - along.x + up.x, centre.y - along.y + up.y},
          {centre.x + along.x + up.x, centre.y + along.y + up.y},
          {centre.x + along.x - up.x, centre.y + along.y - up.y},
          {centre.x - along.x - up.x, centre.y - along.y - up.y}};
}

}  // namespace quarrix
