#pragma once
// The fault cells a section shows: one bin per section position. In-line
// sections run along the traces of one line, cross-line sections along the
// lines of one trace, arbitrary sections along an arbitrary line's bins moved
// by the window's offset.
#include <vector>

#include "fault/fault_grid.h"

namespace quarrix {

struct SurveyHeader;

struct SectionCell {
  int row = 0, column = 0;  // line index, trace index; may lie outside the grid
  bool operator==(const SectionCell&) const = default;
};

struct FaultSection {
  std::vector<SectionCell> cells;  // by section position

  int count() const { return static_cast<int>(cells.size()); }
  // The index in the grid of the cell at a section position, or -1 when the
  // position is off the section or its bin off the grid.
  long CellIndex(const FaultGrid& grid, int position) const;
  std::int16_t* Cell(FaultGrid& grid, int position) const {
    long index = CellIndex(grid, position);
    return index < 0 ? nullptr : &grid.cells[static_cast<std::size_t>(index)];
  }
};

FaultSection InlineFaultSection(const SurveyHeader& header, int line_index);
FaultSection CrosslineFaultSection(const SurveyHeader& header, int trace_index);
// line_bins hold (row = line index, column = trace index) per bin; the offset
// moves them by traces (by_traces) or by lines.
FaultSection ArbitraryFaultSection(const std::vector<SectionCell>& line_bins, int offset,
                                   bool by_traces);

}  // namespace quarrix
