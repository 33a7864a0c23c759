#pragma once
// The fault file ".ffl": a pen colour word (12) and a zero word written at
// creation, the extent (four 16-bit values) at offset 4 and the fault grid
// from offset 12, row-major by line, all little-endian.
#include <string>
#include <string_view>

#include "fault/fault_grid.h"

namespace quarrix {

class Prompter;
struct SurveyHeader;

inline constexpr std::size_t kFaultExtentOffset = 4;
inline constexpr std::size_t kFaultGridOffset = 12;
inline constexpr std::int16_t kFaultPenColour = 12;

// A fault grid of the survey's shape with every cell null.
FaultGrid SurveyFaultGrid(const SurveyHeader& header);

// The whole bytes of a fault file: 12, 0, the extent, the grid.
std::string EncodeFaultFile(const FaultGrid& grid, const FaultExtent& extent);
// Reads the extent and the grid (already shaped for the project) from the
// bytes, as far as they go; cells beyond the bytes stay null. Returns the
// number of whole cells read.
std::size_t DecodeFaultFile(std::string_view bytes, FaultGrid& grid, FaultExtent& extent);

// Reads a fault file into a grid shaped for the project. When the file cannot
// be opened says "Cannot Open FAULT File" and returns false.
bool ReadFault(const std::string& path, FaultGrid& grid, FaultExtent& extent, Prompter& prompter);
bool ReadFault(const std::string& path, FaultGrid& grid, Prompter& prompter);

// Recomputes the extent and writes it and the grid over the existing file,
// keeping its first four bytes; the file is replaced whole or not at all.
// When the file cannot be opened or written says "Cannot Save FAULT File"
// and returns false, the file as it was.
bool SaveFault(const std::string& path, const FaultGrid& grid, Prompter& prompter);

// Writes a new fault file (replacing an old one) holding the grid with its
// extent; "Cannot Create Fault File!" on failure.
bool WriteNewFaultFile(const std::string& path, const FaultGrid& grid, Prompter& prompter);
// A new, empty fault file: every cell null, extent (0, 0, rows, columns).
bool CreateFaultFile(const std::string& path, const SurveyHeader& header, Prompter& prompter);

}  // namespace quarrix
