#pragma once
// The fault toolbar's edits of the grid in memory: erase a range of bins,
// copy the previous section, shift a section sideways or in time.
#include "fault/fault_section.h"

namespace quarrix {

struct SurveyHeader;

// Nulls every cell whose row and column lie in the inclusive index ranges
// (clipped to the grid; reversed bounds are taken in order).
void EraseFaultRange(FaultGrid& grid, int first_row, int last_row, int first_column,
                     int last_column);
// The same from survey line and trace numbers, as "Erase Faults Range" takes them.
void EraseFaultRangeByNumbers(FaultGrid& grid, const SurveyHeader& header, int start_line,
                              int end_line, int start_trace, int end_trace);

// Copies the previous section's cells, position by position, into the current
// section; positions whose bin is off the grid on either side are skipped.
void SetFaultFromPrevious(FaultGrid& grid, const PickSection& current, const PickSection& previous);

enum class ScreenSide { Left, Right };

// Moves the section's cells one position towards a side of the screen. On a
// section drawn right to left the screen order of positions is reversed. Each
// cell takes its neighbour's value from the side the fault moves away from;
// the cell at the vacated end keeps its value.
void ShiftFaultSideways(FaultGrid& grid, const PickSection& section, ScreenSide towards,
                        bool left_to_right);

// Adds delta_ms to every set cell of the section (truncated to a whole ms):
// -sample_rate moves the fault up, +sample_rate down.
void ShiftFaultInTime(FaultGrid& grid, const PickSection& section, double delta_ms);

}  // namespace quarrix
