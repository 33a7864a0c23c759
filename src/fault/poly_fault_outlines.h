#pragma once
// Poly faults as the horizon plot draws them: each closed polygon of a ".flp"
// file as an outline of survey (row, column) positions. The file keeps a
// position in sixtieths of a grid step (x across the traces, y down the lines,
// counted from the survey's first line and trace), so that an outline stays on
// the cells it was digitised over at any scale, zoom or device.
#include <string>
#include <vector>

#include "fault/poly_fault_file.h"
#include "map/map_overlays.h"

namespace quarrix {

inline constexpr double kPolyFaultUnitsPerCell = 60;

std::vector<GridPolyline> PolyFaultOutlines(const PolyFaults& faults);
// The closed outlines as a file's polygons (at most 100; outlines of fewer
// than three points are left out).
PolyFaults PolyFaultsOfOutlines(const std::vector<GridPolyline>& outlines, std::string path);

// Reads a ".flp" file; false with the reason when it cannot be read.
bool ReadPolyFaultOutlines(const std::string& path, std::vector<GridPolyline>& outlines,
                           std::string& problem);

}  // namespace quarrix
