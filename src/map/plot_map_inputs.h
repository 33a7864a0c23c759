#pragma once
// The files a map plot reads besides its grid: the colour bar, wells, fault
// grids and arbitrary lines, each decoded for the project's survey.
#include <string>
#include <string_view>
#include <vector>

#include "horizon/colour_files.h"
#include "horizon/horizon_grid.h"
#include "map/map_overlays.h"
#include "project/survey_header.h"
#include "section/colour_bar.h"

namespace quarrix {

// The anchor colours of a colour set, empty slots left out.
std::vector<Rgb> ColourSetAnchors(const ColourSetRecord& set);

// The bar a grid is plotted with when no colour file is given. A horizon's
// style word chooses: scheme 0 its own colour file beside it (".col" for
// times, ".aco" for amplitudes), schemes 1..8 that time or amplitude colour
// set stretched over the grid's values. Other grids take their own colour
// file when there is one, else the first set of their kind. The name shown
// in the title comes back in `name`.
ColourBar PlotColourBar(const std::string& grid_path, const HorizonGrid& grid, bool amplitude,
                        const ColourSets& sets, std::string& name);

// "Set Current as Default": the bar becomes the grid's own colour file (the
// ".col" or ".aco" PlotColourBar reads) and, for a horizon, that kind's colour
// scheme becomes 0, its own files, so every later plot of the grid starts
// from this bar. The written file's name comes back in `name`; false when the
// colour file cannot be written (the style word is then left alone).
bool SetPlotColoursAsDefault(const std::string& grid_path, bool amplitude, const ColourBar& bar,
                             std::string& name);

// A well file (".wll") as a posted well: line and trace made indexes.
bool DecodePostedWell(std::string_view bytes, const SurveyHeader& header, PostedWell& well);

// The fault grid of a fault file (cells from byte 12); false when the file is
// too short for the survey's grid.
bool DecodeFaultGrid(std::string_view bytes, const SurveyHeader& header, HorizonGrid& grid);

// An arbitrary-line file as a polyline through its bins.
GridPolyline DecodeArbitraryPolyline(std::string_view bytes, const SurveyHeader& header);

}  // namespace quarrix
