#pragma once
// Contour levels from a colour file (".col" / ".aco"): the 648-byte colour bar
// record whose descending thresholds are the levels.
#include <string_view>
#include <vector>

namespace quarrix {

inline constexpr std::size_t kColourBarBytes = 648;

// The `count` thresholds of the record. A record shorter than 648 bytes with a
// non-zero increment gets linear thresholds from its maximum; a count of 0 means
// the default bar; counts beyond the record's 128 entries are cut to 128.
std::vector<int> ColourBarLevels(std::string_view bytes);

}  // namespace quarrix
