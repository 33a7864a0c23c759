#include "fault/fault_section.h"

#include "project/survey_header.h"

namespace quarrix {

long FaultSection::CellIndex(const FaultGrid& grid, int position) const {
  if (position < 0 || position >= count()) return -1;
  const SectionCell& c = cells[static_cast<std::size_t>(position)];
  if (c.row < 0 || c.row >= grid.rows || c.column < 0 || c.column >= grid.columns) return -1;
  return static_cast<long>(c.row) * grid.columns + c.column;
}

FaultSection InlineFaultSection(const SurveyHeader& header, int line_index) {
  FaultSection section;
  for (int j = 0; j < header.traces_per_line; ++j) section.cells.push_back({line_index, j});
  return section;
}

FaultSection CrosslineFaultSection(const SurveyHeader& header, int trace_index) {
  FaultSection section;
  for (int i = 0; i < header.num_lines; ++i) section.cells.push_back({i, trace_index});
  return section;
}

FaultSection ArbitraryFaultSection(const std::vector<SectionCell>& line_bins, int offset,
                                   bool by_traces) {
  FaultSection section;
  for (SectionCell bin : line_bins) {
    (by_traces ? bin.column : bin.row) += offset;
    section.cells.push_back(bin);
  }
  return section;
}

}  // namespace quarrix
