#include "workspace/section_layers.h"

#include <algorithm>

#include "project/project_state.h"
#include "workspace/fault_mode.h"
#include "workspace/workspace.h"

namespace quarrix {

SectionLayers SplitLayers(SectionPlot plot) {
  SectionLayers layers;
  layers.overlays.section = plot.section;
  layers.overlays.display = plot.display;
  layers.overlays.datum = plot.datum;
  layers.overlays.horizons = std::move(plot.horizons);
  layers.overlays.overlays = std::move(plot.overlays);
  plot.horizons.clear();
  plot.overlays.clear();
  layers.traces = std::move(plot);
  return layers;
}

std::optional<SectionPlot> LoadPickWindowPlot(Workspace& workspace, const PickWindowState& window,
                                              Prompter& prompter) {
  std::optional<SectionPlot> plot =
      LoadSectionPlot(workspace.project, PickWindowRequest(workspace, window), prompter);
  if (!plot) return std::nullopt;
  AddFlattening(workspace, *plot);
  AddPreviousPicks(workspace, window, *plot);
  AddFaultLayers(workspace, window, *plot, prompter);
  return plot;
}

void DrawOverlayLayer(Canvas& canvas, const SurveyHeader& header, const SectionPlot& overlays,
                      const TracePlotGeometry& geometry) {
  if (geometry.columns.empty()) return;
  const int start_ms = std::max(overlays.section.start_ms, header.start_time);
  DrawHorizonOverlay(canvas, geometry.layout, header, geometry.columns, start_ms, overlays.horizons,
                     overlays.datum ? overlays.datum->data() : nullptr,
                     overlays.display.horizon_line_width);
  for (const SectionOverlay& overlay : overlays.overlays)
    if (overlay) overlay(canvas, geometry.layout, geometry.columns);
}

}  // namespace quarrix
