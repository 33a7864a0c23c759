#pragma once
// Which traces a load keeps and where it puts them.
#include <optional>

#include "loader/trace_header.h"

namespace quarrix {

struct SurveyHeader;

struct GridCell {
  int line_index = 0, trace_index = 0;
};

// A trace is kept when its line and trace numbers lie in the header's ranges
// on the grid of the (truncated) increments; its cell is the number of steps
// from the first line and trace. Cells beyond the grid (possible with
// fractional increments) are refused too.
std::optional<GridCell> PlaceTrace(const SurveyHeader& header, const LineTrace& position);

}  // namespace quarrix
