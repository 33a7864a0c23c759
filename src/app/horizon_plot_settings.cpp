#include "app/horizon_plot_settings.h"

#include <algorithm>

namespace quarrix {
namespace {

CurveSmoothing CurveOf(int value) {
  return static_cast<CurveSmoothing>(std::clamp(value, 1, 4));
}

}  // namespace

HorizonPlotSettings HorizonPlotSettingsFromSettings(const SetupSettings& s) {
  HorizonPlotSettings plot;
  plot.scale_feet_per_inch = std::max(0, s.pscale);
  plot.grid_line_increment = std::max(1, s.gridlineinc);
  plot.grid_trace_increment = std::max(1, s.gridtrcinc);
  plot.label_line_increment = std::max(1, s.lablineinc);
  plot.label_trace_increment = std::max(1, s.labtrcinc);
  plot.contour_curve = CurveOf(s.curve);
  plot.other_curve = CurveOf(s.curve1);
  plot.well_style.thickness = std::max(1, s.welllinewidth);
  SurfaceCamera& camera = plot.camera;
  if (s.camdist > 0) camera.distance = s.camdist;
  camera.azimuth = s.camazi;
  camera.elevation = std::clamp(s.camelev, 5.0, 90.0);
  camera.z_scale = s.zscale;
  camera.solid = s.solid != 0;
  camera.fishnet = s.fishnet != 0 || s.colfishnet != 0;
  camera.colour_fishnet = s.colfishnet != 0;
  return plot;
}

void StoreHorizonPlotSettings(const HorizonPlotSettings& plot, SetupSettings& s) {
  s.pscale = plot.scale_feet_per_inch;
  s.gridlineinc = plot.grid_line_increment;
  s.gridtrcinc = plot.grid_trace_increment;
  s.lablineinc = plot.label_line_increment;
  s.labtrcinc = plot.label_trace_increment;
  s.curve = static_cast<int>(plot.contour_curve);
  s.curve1 = static_cast<int>(plot.other_curve);
  s.camdist = plot.camera.distance;
  s.camazi = plot.camera.azimuth;
  s.camelev = plot.camera.elevation;
  s.zscale = plot.camera.z_scale;
  s.solid = plot.camera.solid ? 1 : 0;
  s.fishnet = plot.camera.fishnet ? 1 : 0;
  s.colfishnet = plot.camera.colour_fishnet ? 1 : 0;
}

}  // namespace quarrix
