#pragma once
// The coverage of a SEG-Y disk file for the "Determine Direction" picture:
// which cells of the line/trace grid hold a trace, from the trace headers.
#include <cstdint>
#include <string>

#include "loader/load_decisions.h"
#include "loader/trace_header.h"

namespace quarrix {

// Marks with 1 every cell of grid that a trace of the file at path falls on
// (records of record_bytes after the file headers); other cells keep their
// value. Traces outside the grid are passed over. False when the file cannot
// be read.
bool MarkDiskCoverage(const std::string& path, std::int64_t record_bytes, CoverageGrid& grid,
                      const HeaderWordChoice& choice);

}  // namespace quarrix
