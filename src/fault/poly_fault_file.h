#pragma once
// Polygon faults: closed outlines of fault gaps digitised in plan view, kept
// beside a horizon in a ".flp" file: the polygon count P, P vertex counts, then
// every vertex as two 32-bit values (x, y) in plot coordinates, little-endian.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrix {

class Prompter;

inline constexpr std::size_t kMaxPolyFaults = 100;

struct PolyFaultPoint {
  std::int32_t x = 0, y = 0;
  bool operator==(const PolyFaultPoint&) const = default;
};

struct PolyFaults {
  std::string path;                      // the open file
  std::vector<std::int32_t> counts;      // vertices per closed polygon
  std::vector<PolyFaultPoint> vertices;  // of all closed polygons, then the open one
  int digitising = 0;                    // vertices of the polygon being digitised

  std::size_t ClosedVertexCount() const { return vertices.size() - digitising; }
  // Adds a vertex to the polygon being digitised; false once 100 polygons are
  // closed (no further polygon can be started).
  bool AddVertex(PolyFaultPoint point);
  // Closes the polygon being digitised (nothing to close: false).
  bool ClosePolygon();
};

// The ".flp" name of a horizon: in the project folder, the horizon's file name
// with its extension replaced.
std::string PolyFaultPath(const std::string& project_folder, const std::string& horizon_name);

std::string EncodePolyFaults(const PolyFaults& faults);
// Decodes whole files only: a count outside 0..100, a negative vertex count or
// bytes that end before the vertices do give nothing.
std::optional<PolyFaults> DecodePolyFaults(std::string_view bytes);

// Create mode makes a new empty file and clears the polygons; otherwise the
// existing file is read. On failure says "Cannot Open POLY FAULT File" and
// leaves the polygons empty.
bool OpenPolyFaultFile(const std::string& path, bool create, PolyFaults& faults,
                       Prompter& prompter);
// Closes a polygon being digitised, then writes the whole file.
bool SavePolyFaultFile(PolyFaults& faults, Prompter& prompter);

}  // namespace quarrix
