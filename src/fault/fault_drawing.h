#pragma once
// Faults drawn over a section, after its horizons: each fault's cells along
// the section's displayed positions as polylines broken at empty cells, with
// the fault's name once beside the first segment. The previous section's
// fault comes first in a thin blue pen, this section's in a thick red one.
#include <functional>
#include <string>
#include <vector>

#include "fault/fault_section.h"
#include "platform/canvas.h"

namespace quarrix {

// A section position and the time (ms) there.
struct FaultSectionPoint {
  int position = 0;
  int time = 0;
  bool operator==(const FaultSectionPoint&) const = default;
};
using FaultPolyline = std::vector<FaultSectionPoint>;

// The polylines of a fault along the section, visiting positions 0, step,
// 2 step, ...; seeds stand for their time less 8192; an empty cell (or a bin
// off the grid) ends the current polyline. Single points are kept.
std::vector<FaultPolyline> FaultSectionPolylines(const FaultGrid& grid, const PickSection& section,
                                                 int step);

// The label of a fault: its file name without the four-character extension,
// in upper case.
std::string FaultLabel(const std::string& file_name);

enum class FaultPass { Previous, Current };

// Draws one pass of a fault, clipped to the trace area. to_device places a
// (position, time) point on the canvas as the section's picks are placed;
// an empty label writes no name.
void DrawFaultPass(Canvas& canvas, const std::vector<FaultPolyline>& polylines,
                   const std::string& label, FaultPass pass, const Rect& trace_area,
                   const std::function<Point(const FaultSectionPoint&)>& to_device);

}  // namespace quarrix
