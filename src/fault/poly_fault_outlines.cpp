#include "fault/poly_fault_outlines.h"

#include <algorithm>
#include <cmath>

#include "platform/atomic_file.h"
#include "platform/numeric.h"

namespace quarrix {

std::vector<GridPolyline> PolyFaultOutlines(const PolyFaults& faults) {
  std::vector<GridPolyline> outlines;
  std::size_t next = 0;
  for (std::int32_t count : faults.counts) {
    GridPolyline outline;
    for (std::int32_t k = 0; k < count && next < faults.vertices.size(); ++k, ++next)
      outline.points.emplace_back(faults.vertices[next].y / kPolyFaultUnitsPerCell,
                                  faults.vertices[next].x / kPolyFaultUnitsPerCell);
    outlines.push_back(std::move(outline));
  }
  return outlines;
}

PolyFaults PolyFaultsOfOutlines(const std::vector<GridPolyline>& outlines, std::string path) {
  PolyFaults faults;
  faults.path = std::move(path);
  auto units = [](double cells) { return Trunc32(std::round(cells * kPolyFaultUnitsPerCell)); };
  for (const GridPolyline& outline : outlines) {
    if (outline.points.size() < 3) continue;
    for (const auto& [row, column] : outline.points)
      if (!faults.AddVertex({units(column), units(row)})) return faults;
    faults.ClosePolygon();
  }
  return faults;
}

bool ReadPolyFaultOutlines(const std::string& path, std::vector<GridPolyline>& outlines,
                           std::string& problem) {
  std::string bytes;
  std::optional<PolyFaults> faults;
  if (!ReadWholeFile(path, bytes) || !(faults = DecodePolyFaults(bytes))) {
    problem = "Cannot Open POLY FAULT File " + path;
    return false;
  }
  outlines = PolyFaultOutlines(*faults);
  return true;
}

}  // namespace quarrix
