#include "fault/fault_edits.h"

#include <algorithm>
#include <utility>

#include "platform/numeric.h"
#include "project/survey_header.h"

namespace quarrix {
namespace {

// The section's cells that lie on the grid, in screen order from the left.
std::vector<std::int16_t*> CellsLeftToRight(FaultGrid& grid, const PickSection& section,
                                            bool left_to_right) {
  std::vector<std::int16_t*> cells;
  for (int p = 0; p < section.count(); ++p)
    if (std::int16_t* cell = FaultCell(grid, section, p)) cells.push_back(cell);
  if (!left_to_right) std::reverse(cells.begin(), cells.end());
  return cells;
}

}  // namespace

void EraseFaultRange(FaultGrid& grid, int first_row, int last_row, int first_column,
                     int last_column) {
  if (first_row > last_row) std::swap(first_row, last_row);
  if (first_column > last_column) std::swap(first_column, last_column);
  first_row = std::max(first_row, 0), last_row = std::min(last_row, grid.rows - 1);
  first_column = std::max(first_column, 0), last_column = std::min(last_column, grid.columns - 1);
  for (int r = first_row; r <= last_row; ++r)
    std::fill(grid.Row(r) + first_column, grid.Row(r) + last_column + 1, FAULT_NULL);
}

void EraseFaultRangeByNumbers(FaultGrid& grid, const SurveyHeader& header, int start_line,
                              int end_line, int start_trace, int end_trace) {
  EraseFaultRange(grid, header.LineIndex(start_line), header.LineIndex(end_line),
                  header.TraceIndex(start_trace), header.TraceIndex(end_trace));
}

void SetFaultFromPrevious(FaultGrid& grid, const PickSection& current,
                          const PickSection& previous) {
  const FaultGrid source = grid;  // the two sections may share bins
  for (int p = 0; p < std::min(current.count(), previous.count()); ++p) {
    long from = FaultCellIndex(source, previous, p);
    std::int16_t* target = FaultCell(grid, current, p);
    if (target && from >= 0) *target = source.cells[static_cast<std::size_t>(from)];
  }
}

void ShiftFaultSideways(FaultGrid& grid, const PickSection& section, ScreenSide towards,
                        bool left_to_right) {
  std::vector<std::int16_t*> cells = CellsLeftToRight(grid, section, left_to_right);
  if (towards == ScreenSide::Right) std::reverse(cells.begin(), cells.end());
  // Walking away from the side the fault moves to, each cell takes its neighbour.
  for (std::size_t k = 0; k + 1 < cells.size(); ++k) *cells[k] = *cells[k + 1];
}

void ShiftFaultInTime(FaultGrid& grid, const PickSection& section, double delta_ms) {
  for (int p = 0; p < section.count(); ++p) {
    std::int16_t* cell = FaultCell(grid, section, p);
    if (cell && *cell != FAULT_NULL) *cell = Trunc16(*cell + delta_ms);
  }
}

}  // namespace quarrix
