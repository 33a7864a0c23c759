#pragma once
// DXF culture held for drawing over maps: ten overlay slots, one per selected
// file, each with its polylines, lines, texts and circles in world coordinates
// truncated to whole numbers, and the bounding boxes of what was read.
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quarrix {

inline constexpr int kDxfSlotCount = 10;
// Longest text kept from a TEXT entity.
inline constexpr std::size_t kDxfTextChars = 38;

struct DxfPoint {
  std::int32_t x = 0, y = 0;
};

struct DxfPoint3 {
  std::int32_t x = 0, y = 0, z = 0;
};

struct DxfLine {
  DxfPoint3 start, end;
};

struct DxfText {
  DxfPoint3 anchor;  // insertion point, or alignment point when justified
  float height = 0.0f;
  std::int16_t rotation = 0;                  // tenths of a degree
  std::int16_t vertical_justification = 0;    // group 73
  std::int16_t horizontal_justification = 0;  // group 72
  std::string text;                           // at most kDxfTextChars characters
};

struct DxfCircle {
  DxfPoint3 centre;
  std::int32_t radius = 0;
};

// One file's entities. Records are stored in reverse file order, and each
// polyline's points in reverse order of its vertices (the reader keeps them as
// lists that grow at the head); drawing does not depend on the order.
struct DxfSlot {
  std::vector<DxfPoint> polyline_points;
  std::vector<std::int32_t> polyline_sizes;   // points per polyline, in storage order
  std::vector<std::int32_t> polyline_widths;  // start width (group 40); 0 = default pen
  std::vector<DxfLine> lines;
  std::vector<DxfText> texts;
  std::vector<DxfCircle> circles;
  // Entities of other types, which the overlay does not draw: how many of
  // each were passed over.
  std::map<std::string, long long> skipped;

  bool Empty() const {
    return polyline_sizes.empty() && lines.empty() && texts.empty() && circles.empty();
  }
};

// "none", or how many entities of which types a slot passed over
// ("3 ARC, 1 SPLINE").
std::string SkippedEntitiesText(const DxfSlot& slot);

struct DxfBounds {
  std::int32_t min_x = INT_MAX, max_x = INT_MIN;
  std::int32_t min_y = INT_MAX, max_y = INT_MIN;

  void Widen(std::int32_t x, std::int32_t y);
  void Widen(const DxfBounds& other);
  bool Valid() const { return min_x <= max_x && min_y <= max_y; }
};

// The selected files and what was read from them.
struct DxfOverlays {
  std::array<DxfSlot, kDxfSlotCount> slots;
  std::array<std::string, kDxfSlotCount> names;
  int count = 0;          // loaded slots
  int current = 0;        // the slot the reader fills and the plotter draws
  DxfBounds all_points;   // every point of every entity
  DxfBounds line_points;  // end points of LINE entities only
};

// Takes a new selection: slots and bounds are emptied and the first ten paths
// become the slot names (further ones are dropped).
void SetDxfSelection(DxfOverlays& overlays, const std::vector<std::string>& paths);

}  // namespace quarrix
