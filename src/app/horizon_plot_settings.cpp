#include "app/horizon_plot_settings.h"

#include <algorithm>
#include <cmath>

#include "map/contour_painter.h"

namespace quarrix {
namespace {

CurveSmoothing CurveOf(int value) {
  return static_cast<CurveSmoothing>(std::clamp(value, 1, 4));
}

// Colours are kept as 32-bit values with red in the low byte.
int ColourValue(Rgb c) {
  return c.r | c.g << 8 | c.b << 16;
}

PenStyle StyleOf(int code) {
  return static_cast<PenStyle>(std::clamp(code, 0, 4));
}

// The line rows of the "Attributes" page. A file the plot never wrote has
// every thickness 0; the rows then keep the plot's own defaults (contour
// classes fitted to the colour bar), not a line at every value.
void ReadLineRows(const SetupSettings& s, HorizonPlotSettings& plot) {
  if (std::any_of(s.linewidth, s.linewidth + 3, [](std::int16_t w) { return w > 0; }))
    for (int k = 0; k < 3; ++k)
      plot.classes[k] = {s.freq[k], s.label[k] != 0,
                         static_cast<std::int16_t>(std::max<int>(1, s.linewidth[k])),
                         static_cast<std::int16_t>(std::clamp<int>(s.linestyle[k], 0, 4)),
                         static_cast<std::uint32_t>(s.linecolor[k])};
  LineStyle* rows[3] = {&plot.grid_style, &plot.arbitrary_style, &plot.fault_style};
  for (int k = 0; k < 3; ++k)
    if (s.linewidth[k + 3] > 0)
      *rows[k] = {StyleOf(s.linestyle[k + 3]), s.linewidth[k + 3],
                  ClassColour(static_cast<std::uint32_t>(s.linecolor[k + 3]))};
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
  plot.well_style.symbol_colour = ClassColour(static_cast<std::uint32_t>(s.wellcolor));
  ReadLineRows(s, plot);
  // The DXF overlay options; a line width of 0 is the thinnest pen.
  plot.culture.line = {StyleOf(s.overlay_line_style), std::max<int>(1, s.overlay_line_width),
                       ClassColour(static_cast<std::uint32_t>(s.overlay_line_color))};
  plot.culture.text_colour = ClassColour(static_cast<std::uint32_t>(s.overlay_text_color));
  if (s.tsize > 0) plot.culture.text_scale = s.tsize;
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
  s.wellcolor = ColourValue(plot.well_style.symbol_colour);
  s.welllinewidth = plot.well_style.thickness;
  for (int k = 0; k < 3; ++k) {
    const ContourLineClass& c = plot.classes[k];
    s.freq[k] = c.every;
    s.label[k] = c.label ? 1 : 0;
    s.linewidth[k] = std::max<std::int16_t>(1, c.width);
    s.linestyle[k] = c.style;
    s.linecolor[k] = static_cast<int>(c.colour & 0xFFFFFF);
  }
  const LineStyle* rows[3] = {&plot.grid_style, &plot.arbitrary_style, &plot.fault_style};
  for (int k = 0; k < 3; ++k) {
    s.linestyle[k + 3] = static_cast<std::int16_t>(rows[k]->style);
    s.linewidth[k + 3] = static_cast<std::int16_t>(std::max(1, rows[k]->width));
    s.linecolor[k + 3] = ColourValue(rows[k]->colour);
  }
  s.overlay_line_style = static_cast<std::int16_t>(plot.culture.line.style);
  s.overlay_line_width = static_cast<std::int16_t>(plot.culture.line.width);
  s.overlay_line_color = ColourValue(plot.culture.line.colour);
  s.overlay_text_color = ColourValue(plot.culture.text_colour);
  s.tsize = static_cast<float>(plot.culture.text_scale);
  s.camdist = plot.camera.distance;
  s.camazi = plot.camera.azimuth;
  s.camelev = plot.camera.elevation;
  s.zscale = plot.camera.z_scale;
  s.solid = plot.camera.solid ? 1 : 0;
  s.fishnet = plot.camera.fishnet ? 1 : 0;
  s.colfishnet = plot.camera.colour_fishnet ? 1 : 0;
}

}  // namespace quarrix
