#pragma once
// The user settings the presentation horizon plot starts from, and back: the
// window leaves its changes (scale, grid and label increments, curve
// smoothing, the line rows and well colour of the "Attributes" page, the DXF
// line and text options, the 3-D camera and drawing modes) in them when it
// closes.
#include "app/setup_settings.h"
#include "map/horizon_plot.h"

namespace quarrix {

HorizonPlotSettings HorizonPlotSettingsFromSettings(const SetupSettings& settings);
void StoreHorizonPlotSettings(const HorizonPlotSettings& plot, SetupSettings& settings);

}  // namespace quarrix
