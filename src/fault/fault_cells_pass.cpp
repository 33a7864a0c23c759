#include "fault/fault_cells_pass.h"

#include "fault/fault_drawing.h"

namespace quarrix {

void DrawFaultAlongCells(Canvas& canvas, const FaultGrid& grid,
                         const std::vector<std::pair<int, int>>& cells,
                         const std::string& fault_path, const Rect& trace_area,
                         const std::function<Point(int position, int time_ms)>& to_device) {
  PickSection section;
  for (const auto& [line, trace] : cells) section.bins.push_back({line, trace});
  DrawFaultPass(canvas, FaultSectionPolylines(grid, section, 1), FaultLabel(fault_path),
                FaultPass::Current, trace_area,
                [&](const FaultSectionPoint& p) { return to_device(p.position, p.time); });
}

}  // namespace quarrix
