#include "dxf/dxf_overlay.h"

#include <algorithm>

namespace quarrix {

void DxfBounds::Widen(std::int32_t x, std::int32_t y) {
  min_x = std::min(min_x, x);
  max_x = std::max(max_x, x);
  min_y = std::min(min_y, y);
  max_y = std::max(max_y, y);
}

void DxfBounds::Widen(const DxfBounds& other) {
  min_x = std::min(min_x, other.min_x);
  max_x = std::max(max_x, other.max_x);
  min_y = std::min(min_y, other.min_y);
  max_y = std::max(max_y, other.max_y);
}

std::string SkippedEntitiesText(const DxfSlot& slot) {
  std::string text;
  for (const auto& [type, count] : slot.skipped)
    text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + type;
  return text.empty() ? "none" : text;
}

void SetDxfSelection(DxfOverlays& overlays, const std::vector<std::string>& paths) {
  overlays = DxfOverlays{};
  overlays.count = static_cast<int>(std::min<std::size_t>(paths.size(), kDxfSlotCount));
  for (int i = 0; i < overlays.count; ++i) overlays.names[static_cast<std::size_t>(i)] = paths[i];
}

}  // namespace quarrix
