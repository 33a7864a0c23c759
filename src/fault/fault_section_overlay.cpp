#include "fault/fault_section_overlay.h"

#include <memory>

#include "fault/fault_cells_pass.h"
#include "fault/fault_file.h"

namespace quarrix {

std::optional<SectionOverlay> FaultSectionOverlay(const std::string& path,
                                                  const SurveyHeader& header, Prompter& prompter) {
  auto grid = std::make_shared<FaultGrid>();
  if (!ReadFault(path, *grid, prompter)) return std::nullopt;
  return [grid, path, header](Canvas& canvas, const SectionLayout& layout,
                              const std::vector<SectionColumn>& columns) {
    std::vector<std::pair<int, int>> cells;
    for (const SectionColumn& c : columns) cells.emplace_back(c.line_index, c.trace_index);
    const double top_ms = header.start_time + layout.first_sample * double(header.sample_rate);
    DrawFaultAlongCells(canvas, *grid, cells, path, layout.data, [&](int position, int time) {
      return Point{layout.ColumnX(position),
                   layout.data.top + (time - top_ms) * layout.units_per_ms};
    });
  };
}

}  // namespace quarrix
