#pragma once
// Colours of horizon maps: the band index of a grid value, the map palette
// with its two fixed entries (white for unpicked cells, light grey for blanked
// ones), and colour bars stretched from a colour set's anchor colours over a
// grid's range.
#include <cstdint>
#include <vector>

#include "horizon/horizon_grid.h"
#include "section/colour_bar.h"

namespace quarrix {

inline constexpr Rgb kUnpickedColour{255, 255, 255};
inline constexpr Rgb kBlankedColour{240, 240, 240};

// Looks up the palette index of every 16-bit value in one step.
class MapColourIndex {
 public:
  explicit MapColourIndex(ColourBar& bar);
  // The value clamped to at most max_value and at least min_value + increment;
  // then the first band whose threshold is at or below it (the last band when
  // none is). Null values take the white entry.
  std::uint8_t Of(std::int16_t value) const { return table_[value + 32768]; }
  std::uint8_t Blanked() const { return static_cast<std::uint8_t>(count_ + 2); }
  std::uint8_t Unpicked() const { return static_cast<std::uint8_t>(count_ + 1); }
  int count() const { return count_; }
  // Colours 0..count, then white and light grey (count + 3 entries).
  const std::vector<Rgb>& palette() const { return palette_; }

 private:
  int count_;
  std::vector<std::uint8_t> table_;
  std::vector<Rgb> palette_;
};

// Smallest and largest non-null value of a grid; false when every cell is null.
bool GridRange(const HorizonGrid& grid, int& low, int& high);

// A colour bar from a colour set's anchor colours (empty slots left out)
// stretched over low..high: an increment of about range/120 in whole minimum
// increments (at least one), the ends widened to whole increments so that
// every threshold is a multiple of the increment, count = range / increment
// bands (1..127), and colours interpolated linearly between consecutive
// anchors.
ColourBar StretchColourSet(const std::vector<Rgb>& anchors, int min_increment, int low, int high);

}  // namespace quarrix
