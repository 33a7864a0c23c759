#pragma once
// The files a map plot reads besides its grid: the colour bar, wells, fault
// grids and arbitrary lines, each decoded for the project's survey.
#include <string>
#include <string_view>

#include "horizon/horizon_grid.h"
#include "map/map_overlays.h"
#include "project/survey_header.h"
#include "section/colour_bar.h"

namespace quarrix {

// The bar a grid is plotted with when no colour file is given: the horizon's
// own colour file beside it (".col" for times, ".aco" for amplitudes) when
// there is one, else the first time colour set ("Rainbow") or the first
// amplitude set ("Blue - Red") stretched over the grid's values. The name
// shown in the title comes back in `name`.
ColourBar PlotColourBar(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        std::string& name);

// A well file (".wll") as a posted well: line and trace made indexes.
bool DecodePostedWell(std::string_view bytes, const SurveyHeader& header, PostedWell& well);

// The fault grid of a fault file (cells from byte 12); false when the file is
// too short for the survey's grid.
bool DecodeFaultGrid(std::string_view bytes, const SurveyHeader& header, HorizonGrid& grid);

// An arbitrary-line file as a polyline through its bins.
GridPolyline DecodeArbitraryPolyline(std::string_view bytes, const SurveyHeader& header);

}  // namespace quarrix
