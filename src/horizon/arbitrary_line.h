#pragma once
// Arbitrary lines: an ordered list of at most 10 000 bins, stored in an
// ".arb" file as a 16-bit count and one 32-bit trace-file offset per bin.
#include <string>
#include <string_view>
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

struct ArbitraryBin {
  int trace_index = 0, line_index = 0;
  bool operator==(const ArbitraryBin&) const = default;
};

inline constexpr std::size_t kMaxArbitraryBins = 10000;

struct ArbitraryLine {
  std::string name;
  std::vector<ArbitraryBin> bins;
};

// The bins a line through the vertices visits: for each pair of vertices the
// DDA walk from the first up to, not including, the second, then the last
// vertex. Stops at 10 000 bins; the rest is ignored.
std::vector<ArbitraryBin> WalkArbitraryLine(const std::vector<ArbitraryBin>& vertices);

std::string EncodeArbitraryLine(const std::vector<ArbitraryBin>& bins, const SurveyHeader& header);
// Decodes as far as the bytes go (at most the stored count, never past 10 000).
std::vector<ArbitraryBin> DecodeArbitraryLine(std::string_view bytes, const SurveyHeader& header);

// Walks the vertices and writes the file; on failure says "Cannot create arb
// file" and returns false.
class Prompter;
bool SaveArbitraryLine(const std::string& path, const std::vector<ArbitraryBin>& vertices,
                       const SurveyHeader& header, Prompter& prompter);
// False when the file cannot be opened.
bool ReadArbitraryLine(const std::string& path, const SurveyHeader& header, ArbitraryLine& line);

}  // namespace quarrix
