#include "map/map_colours.h"

#include <algorithm>

namespace quarrix {

MapColourIndex::MapColourIndex(ColourBar& bar) : count_(UsableBandCount(bar)), table_(65536) {
  const int low = bar.min_value + bar.increment, high = bar.max_value;
  for (int v = -32768; v <= 32767; ++v) {
    int value = std::max(std::min(v, high), low);
    int index = count_ - 1;
    for (int i = 0; i < count_; ++i)
      if (bar.thresholds[i] <= value) {
        index = i;
        break;
      }
    table_[v + 32768] = static_cast<std::uint8_t>(index);
  }
  table_[HORIZON_NULL + 32768] = Unpicked();
  palette_.assign(bar.colours.begin(), bar.colours.begin() + count_ + 1);
  palette_.push_back(kUnpickedColour);
  palette_.push_back(kBlankedColour);
}

bool GridRange(const HorizonGrid& grid, int& low, int& high) {
  bool any = false;
  low = 32767;
  high = -32768;
  for (std::int16_t v : grid.cells) {
    if (v == HORIZON_NULL) continue;
    any = true;
    low = std::min<int>(low, v);
    high = std::max<int>(high, v);
  }
  return any;
}

ColourBar StretchColourSet(const std::vector<Rgb>& anchors, int min_increment, int low, int high) {
  ColourBar bar;
  const int step = std::max(min_increment, 1);
  // An increment of about a 120th of the range in whole steps, and ends on
  // whole increments inside the range (the bottom below it) so that every
  // threshold is a multiple of the increment.
  const int range = std::max(high / step * step - low / step * step, step);
  const int increment = std::max((range / 120 + step - 1) / step * step, step);
  int top = high / increment * increment, bottom = low / increment * increment;
  if (top > high) top -= increment;
  if (bottom > low) bottom -= increment;
  int count = std::clamp((top - bottom) / increment, 1, kColourBarSlots - 1);
  bar.count = static_cast<std::int16_t>(count);
  bar.max_value = static_cast<std::int16_t>(std::clamp(top, -32768, 32767));
  bar.min_value = static_cast<std::int16_t>(std::clamp(bottom, -32768, 32767));
  bar.increment = static_cast<std::uint16_t>(std::min(increment, 65535));
  for (int k = 0; k < count; ++k)
    bar.thresholds[k] = static_cast<std::int16_t>(std::clamp(top - increment * k, -32768, 32767));
  if (anchors.empty()) return bar;
  // Colours 0..count spread along the anchors.
  const int segments = static_cast<int>(anchors.size()) - 1;
  for (int k = 0; k <= count; ++k) {
    if (segments == 0) {
      bar.colours[k] = anchors[0];
      continue;
    }
    double position = static_cast<double>(k) * segments / count;
    int a = std::min(static_cast<int>(position), segments - 1);
    double f = position - a;
    auto mix = [f](std::uint8_t x, std::uint8_t y) {
      return static_cast<std::uint8_t>(x + (y - x) * f + 0.5);
    };
    const Rgb& p = anchors[a];
    const Rgb& q = anchors[a + 1];
    bar.colours[k] = {mix(p.r, q.r), mix(p.g, q.g), mix(p.b, q.b)};
  }
  return bar;
}

}  // namespace quarrix
