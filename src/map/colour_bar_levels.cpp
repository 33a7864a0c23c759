#include "map/colour_bar_levels.h"

#include <algorithm>
#include <cstdint>

#include "platform/byte_order.h"

namespace quarrix {
namespace {

constexpr std::size_t kThresholdsOffset = 392;
constexpr int kMaxBands = 128;

std::int16_t Int16At(std::string_view bytes, std::size_t offset) {
  if (offset + 2 > bytes.size()) return 0;
  return le::Get<std::int16_t>(bytes, offset);
}

}  // namespace

std::vector<int> ColourBarLevels(std::string_view bytes) {
  int count = Int16At(bytes, 0);
  int max_value = Int16At(bytes, 2);
  int increment = Int16At(bytes, 6);
  if (count == 0) {
    // "Default Colors": 32 bands from 30000 down in steps of 2000.
    count = 32;
    max_value = 30000;
    increment = 2000;
    bytes = {};
  }
  count = std::clamp(count, 0, kMaxBands);
  bool linear = bytes.size() < kColourBarBytes && increment != 0;
  std::vector<int> levels;
  for (int k = 0; k < count; ++k)
    levels.push_back(linear ? static_cast<std::int16_t>(max_value - increment * k)
                            : Int16At(bytes, kThresholdsOffset + 2 * k));
  return levels;
}

}  // namespace quarrix
