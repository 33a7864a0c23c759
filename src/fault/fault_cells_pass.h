#pragma once
// A fault drawn along any run of grid cells in drawing order (the columns a
// section plot drew), in the current fault's pen.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fault/fault_grid.h"
#include "platform/canvas.h"

namespace quarrix {

// cells: (line index, trace index) per drawn position; the label is the
// fault file's name as FaultLabel gives it; to_device places a
// position and a time (ms) on the canvas.
void DrawFaultAlongCells(Canvas& canvas, const FaultGrid& grid,
                         const std::vector<std::pair<int, int>>& cells,
                         const std::string& fault_path, const Rect& trace_area,
                         const std::function<Point(int position, int time_ms)>& to_device);

}  // namespace quarrix
