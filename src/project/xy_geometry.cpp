#include "project/xy_geometry.h"

#include <cmath>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

std::string BuildXyFile(const SurveyHeader& h, const XyCorners& corners) {
  const XyPoint& a = corners.a;
  double theta_t =
      std::atan2(static_cast<double>(corners.b.y) - a.y, static_cast<double>(corners.b.x) - a.x);
  double theta_l =
      std::atan2(static_cast<double>(corners.c.y) - a.y, static_cast<double>(corners.c.x) - a.x);
  std::int64_t lines = static_cast<std::int64_t>(h.last_line) - h.first_line + 1;
  std::int64_t traces = static_cast<std::int64_t>(h.last_trace) - h.first_trace + 1;
  std::string out;
  if (lines <= 0 || traces <= 0) return out;
  out.reserve(static_cast<std::size_t>(lines * traces * 8));
  double cos_l = std::cos(theta_l), sin_l = std::sin(theta_l);
  double cos_t = std::cos(theta_t), sin_t = std::sin(theta_t);
  for (std::int64_t i = 0; i < lines; ++i) {
    double line_x = a.x + cos_l * static_cast<double>(i) * h.line_spacing;
    double line_y = a.y + sin_l * static_cast<double>(i) * h.line_spacing;
    for (std::int64_t j = 0; j < traces; ++j) {
      le::Append<std::int32_t>(out,
                               Trunc32(static_cast<double>(j) * h.trace_spacing * cos_t + line_x));
      le::Append<std::int32_t>(out,
                               Trunc32(static_cast<double>(j) * h.trace_spacing * sin_t + line_y));
    }
  }
  return out;
}

bool WriteXyFile(const std::string& path, const SurveyHeader& header, const XyCorners& corners) {
  return WriteFileAtomically(path, BuildXyFile(header, corners));
}

SurveyPlacement PlacementFromXyBytes(const std::string& bytes, const SurveyHeader& h,
                                     const SurveyPlacement& previous) {
  std::size_t records = bytes.size() / 8;
  if (records == 0) return SurveyPlacement{};
  SurveyPlacement p = previous;
  p.xy_min_x = p.xy_min_y = 134217727;
  p.xy_max_x = p.xy_max_y = 0;
  for (std::size_t r = 0; r < records; ++r) {
    std::int32_t x = le::Get<std::int32_t>(bytes, r * 8),
                 y = le::Get<std::int32_t>(bytes, r * 8 + 4);
    if (x < p.xy_min_x) p.xy_min_x = x;
    if (x > p.xy_max_x) p.xy_max_x = x;
    if (y < p.xy_min_y) p.xy_min_y = y;
    if (y > p.xy_max_y) p.xy_max_y = y;
  }
  p.xy_origin_x = le::Get<std::int32_t>(bytes, 0);
  p.xy_origin_y = le::Get<std::int32_t>(bytes, 4);
  // The trace direction comes from the last of the first traces_per_line records.
  std::size_t last = h.traces_per_line > 0 ? static_cast<std::size_t>(h.traces_per_line) : 1;
  if (last > records) last = records;
  std::int32_t end_x = le::Get<std::int32_t>(bytes, (last - 1) * 8),
               end_y = le::Get<std::int32_t>(bytes, (last - 1) * 8 + 4);
  double theta0 = std::atan2(static_cast<double>(end_y) - p.xy_origin_y,
                             static_cast<double>(end_x) - p.xy_origin_x);
  switch (h.corner_index) {
    case 1:
    case 5: p.map_rotation = -theta0; break;
    case 2:
    case 6: p.map_rotation = theta0 + kPi; break;
    case 3:
    case 7: p.map_rotation = kPi - theta0; break;
    case 4:
    case 8: p.map_rotation = theta0; break;
    default: break;
  }
  p.map_rotation_cos = std::cos(p.map_rotation);
  p.map_rotation_sin = std::sin(p.map_rotation);
  return p;
}

SurveyPlacement LoadXyGeometry(const std::string& path, const SurveyHeader& header,
                               const SurveyPlacement& previous) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return SurveyPlacement{};
  return PlacementFromXyBytes(bytes, header, previous);
}

XyPoint LineTraceToXy(const SurveyHeader& h, const SurveyPlacement& p, int dl, int dt) {
  double c = p.map_rotation_cos, s = p.map_rotation_sin;
  double u = dt * static_cast<double>(h.trace_spacing);
  double v = dl * static_cast<double>(h.line_spacing);
  double a, b;
  if (h.corner_index >= 1 && h.corner_index <= 4) {
    a = u * c - v * s;
    b = u * s + v * c;
  } else {
    a = u * c + v * s;
    b = v * c - u * s;
  }
  // Signs of (X, Y) per corner 1..8.
  static const int kSignX[9] = {0, +1, -1, -1, +1, +1, -1, -1, +1};
  static const int kSignY[9] = {0, -1, -1, +1, +1, +1, +1, -1, -1};
  if (h.corner_index < 1 || h.corner_index > 8) return XyPoint{};
  XyPoint point;
  point.x = Trunc32(p.xy_origin_x + kSignX[h.corner_index] * a);
  point.y = Trunc32(p.xy_origin_y + kSignY[h.corner_index] * b);
  return point;
}

std::optional<LineTraceOffset> XyToLineTrace(const SurveyHeader& h, const SurveyPlacement& p,
                                             std::int32_t x, std::int32_t y) {
  if (h.line_spacing == 0.0f || h.trace_spacing == 0.0f) return std::nullopt;
  double dx = static_cast<double>(x) - p.xy_origin_x;
  double dy = static_cast<double>(y) - p.xy_origin_y;
  double c = p.map_rotation_cos, s = p.map_rotation_sin;
  double cc, ss;
  switch (h.corner_index) {
    case 1:
    case 5:
      cc = c;
      ss = s;
      break;
    case 2:
    case 6:
      cc = -c;
      ss = s;
      break;
    case 3:
    case 7:
      cc = -c;
      ss = -s;
      break;
    case 4:
    case 8:
      cc = c;
      ss = -s;
      break;
    default: return std::nullopt;
  }
  LineTraceOffset offset;
  offset.dl = (dx * ss + dy * cc) / h.line_spacing;
  if (h.corner_index == 1 || h.corner_index == 3 || h.corner_index == 6 || h.corner_index == 8)
    offset.dl = -offset.dl;
  offset.dt = (dx * cc - dy * ss) / h.trace_spacing;
  return offset;
}

int RoundedLine(const SurveyHeader& h, double dl) {
  return Trunc32(h.first_line + dl + 0.5);
}

int RoundedTrace(const SurveyHeader& h, double dt) {
  return Trunc32(h.first_trace + dt + 0.5);
}

}  // namespace quarrix
