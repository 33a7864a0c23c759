#pragma once
// The coverage of a SEG-Y disk file for the "Determine Direction" picture:
// which cells of the line/trace grid hold a trace, from the trace headers.
#include <string>

#include "loader/load_decisions.h"
#include "loader/segy_format.h"
#include "loader/trace_header.h"

namespace quarrix {

// Marks with 1 every cell of grid that a trace of the file at path falls on
// (records laid out and ordered as info says, after the file headers); other
// cells keep their value. Traces outside the grid are passed over. False when
// the file cannot be read.
bool MarkDiskCoverage(const std::string& path, const SegyBinaryInfo& info, CoverageGrid& grid,
                      const HeaderWordChoice& choice);

}  // namespace quarrix
