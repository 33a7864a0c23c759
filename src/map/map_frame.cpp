#include "map/map_frame.h"

#include "platform/numeric.h"

namespace quarrix {
namespace {

// Sign classes of the orientation codes: A (1, 5), B (2, 6), C (3, 7), D (4, 8).
int SignClass(int corner) {
  return (corner - 1) % 4;
}
bool LinesAcross(int corner) {
  return corner >= 5;
}
bool FlipsU(int corner) {
  int k = SignClass(corner);
  return k == 1 || k == 2;
}
bool FlipsV(int corner) {
  int k = SignClass(corner);
  return k == 2 || k == 3;
}

}  // namespace

MapFrame ProjectMapFrame(const SurveyHeader& header, const SurveyPlacement& placement,
                         int zoom_first_line, int zoom_first_trace, bool plot_in_xy) {
  MapFrame frame;
  frame.corner = header.corner_index >= 1 && header.corner_index <= 8 ? header.corner_index : 1;
  frame.cos = placement.HasXy() ? placement.map_rotation_cos : 1.0;
  frame.sin = placement.HasXy() ? placement.map_rotation_sin : 0.0;
  frame.plot_in_xy = plot_in_xy && placement.HasXy();
  frame.zoom_first_line = zoom_first_line;
  frame.zoom_first_trace = zoom_first_trace;
  return frame;
}

void UpdateMapScale(MapFrame& frame) {
  frame.scale_u = frame.width_px / frame.extent_u;
  frame.scale_v = frame.height_px / frame.extent_v;
}

MapPixel GridToMap(const MapFrame& f, double trace_offset, double line_offset) {
  const bool swap = LinesAcross(f.corner);
  double p = (swap ? line_offset : trace_offset) * kSubUnitsPerBin;
  double q = (swap ? trace_offset : line_offset) * kSubUnitsPerBin;
  p = (p - f.origin_u) * f.scale_u;
  q = (q - f.origin_v) * f.scale_v;
  if (f.plot_in_xy) {
    double rp, rq;
    if (!swap) {
      rp = p * f.cos - q * f.sin;
      rq = p * f.sin + q * f.cos;
    } else {
      rp = q * f.cos + p * f.sin;
      rq = q * f.sin - p * f.cos;
    }
    p = rp;
    q = rq;
  }
  double a = f.offset_u * f.scale_u + p, b = f.offset_v * f.scale_v + q;
  double x = FlipsU(f.corner) ? f.width_px - a : a;
  double y = FlipsV(f.corner) ? f.height_px - b : b;
  return {Trunc32(x + 0.5), Trunc32(y + 0.5)};
}

GridOffsets MapToGrid(const MapFrame& f, double x, double y) {
  if (f.plot_in_xy) return {0, 0};
  double u = FlipsU(f.corner) ? -(x - f.width_px) / f.scale_u + f.origin_u - f.offset_u
                              : x / f.scale_u - f.offset_u + f.origin_u;
  double v = FlipsV(f.corner) ? -(y - f.height_px) / f.scale_v + f.origin_v - f.offset_v
                              : y / f.scale_v - f.offset_v + f.origin_v;
  std::int32_t iu = Trunc32((u + 30) / kSubUnitsPerBin);
  std::int32_t iv = Trunc32((v + 30) / kSubUnitsPerBin);
  return LinesAcross(f.corner) ? GridOffsets{iv, iu} : GridOffsets{iu, iv};
}

XyPoint MapToWorld(const MapFrame& f, const SurveyHeader& header, const SurveyPlacement& placement,
                   double x, double y) {
  if (!placement.HasXy() || f.plot_in_xy) return {0, 0};
  const double su = f.width_px / f.extent_u, sv = f.height_px / f.extent_v;
  const double W = f.width_px, H = f.height_px;
  const double ou = f.origin_u, ov = f.origin_v, fu = f.offset_u, fv = f.offset_v;
  double u = 0, v = 0;
  switch (f.corner) {
    case 1:
      u = x / su - fu + ou;
      v = -(y / sv - fv + ov);
      break;
    case 2:
      u = -(x - W) / su + ou - fu;
      v = y / sv + ov - fv;
      break;
    case 3:
      u = -(x - W) / su + ou - fu;
      v = -(-(y - H) / sv + ov - fv);
      break;
    case 4:
      u = x / su + ou - fu;
      v = -(y - H) / sv + ov - fv;
      break;
    case 5:
      u = x / su + ou - fu;
      v = y / sv + ov - fv;
      break;
    case 6:
      u = -(-(x - W) / su + ou - fu);
      v = y / sv + ov - fv;
      break;
    case 7:
      u = -(x - W) / su + ou - fu;
      v = -(y - H) / sv + ov - fv;
      break;
    default:
      u = -(x / su + ou - fu);
      v = -(y - H) / sv + ov - fv;
      break;
  }
  XyPoint r = LineTraceToXy(header, placement, f.zoom_first_line - header.first_line,
                            f.zoom_first_trace - header.first_trace);
  const int k = SignClass(f.corner);
  const double c = (k == 0 || k == 3) ? placement.map_rotation_cos : -placement.map_rotation_cos;
  const double s = (k <= 1) ? placement.map_rotation_sin : -placement.map_rotation_sin;
  if (LinesAcross(f.corner)) {
    double A = u * header.line_spacing / kSubUnitsPerBin;
    double B = v * header.trace_spacing / kSubUnitsPerBin;
    return {Trunc32(A * s + B * c + r.x), Trunc32(A * c - B * s + r.y)};
  }
  double A = u * header.trace_spacing / kSubUnitsPerBin;
  double B = v * header.line_spacing / kSubUnitsPerBin;
  return {Trunc32(B * s + A * c + r.x), Trunc32(B * c - A * s + r.y)};
}

}  // namespace quarrix
