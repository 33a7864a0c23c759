#pragma once
// Placement of the survey grid on the map: the X/Y coordinate file written
// from three corner points, the origin, rotation and extents read back from
// it, and the conversions between (line, trace) and world (X, Y).
#include <cstdint>
#include <optional>
#include <string>

#include "project/survey_header.h"

namespace quarrix {

// map_rotation when the project has no X/Y file.
constexpr double kNoXyRotation = 1000.0;

struct SurveyPlacement {
  std::int32_t xy_origin_x = 0, xy_origin_y = 0;
  double map_rotation = kNoXyRotation;
  double map_rotation_cos = 0.0, map_rotation_sin = 0.0;
  std::int32_t xy_min_x = 0, xy_min_y = 0, xy_max_x = 0, xy_max_y = 0;

  bool HasXy() const { return map_rotation != kNoXyRotation; }
};

struct XyPoint {
  std::int32_t x = 0, y = 0;
};

// The corner points of the writer: A = first line and first trace,
// B = first line and last trace, C = last line and first trace.
struct XyCorners {
  XyPoint a, b, c;
};

// The bytes of the X/Y file: one 8-byte record (X, Y little-endian 32-bit) per
// line and trace number from first to last, all traces of the first line first.
std::string BuildXyFile(const SurveyHeader& header, const XyCorners& corners);
bool WriteXyFile(const std::string& path, const SurveyHeader& header, const XyCorners& corners);

// Derives the placement from X/Y file bytes; an empty buffer gives the
// no-X/Y placement.
SurveyPlacement PlacementFromXyBytes(const std::string& bytes, const SurveyHeader& header,
                                     const SurveyPlacement& previous = {});
// Reads the X/Y file at path; a missing file gives the no-X/Y placement.
SurveyPlacement LoadXyGeometry(const std::string& path, const SurveyHeader& header,
                               const SurveyPlacement& previous = {});

// World X/Y of a line and trace offset (line - first_line, trace - first_trace).
// A corner outside 1..8 gives (0, 0).
XyPoint LineTraceToXy(const SurveyHeader& header, const SurveyPlacement& placement, int dl, int dt);

struct LineTraceOffset {
  double dl = 0.0, dt = 0.0;
};
// Line and trace offsets of a world X/Y; nothing when a spacing is 0.
std::optional<LineTraceOffset> XyToLineTrace(const SurveyHeader& header,
                                             const SurveyPlacement& placement, std::int32_t x,
                                             std::int32_t y);

// Whole line and trace numbers of an offset, rounded as the well dialog does.
int RoundedLine(const SurveyHeader& header, double dl);
int RoundedTrace(const SurveyHeader& header, double dt);

}  // namespace quarrix
