#pragma once
// Creating horizon files and editing their cells in place.
#include <cstdint>
#include <string>
#include <vector>

#include "horizon/horizon_grid.h"
#include "horizon/horizon_location.h"
#include "horizon/horizon_style.h"
#include "project/survey_header.h"

namespace quarrix {

// An empty horizon grid of the survey's shape (every cell null).
HorizonGrid SurveyGrid(const SurveyHeader& header);

// Creates the horizon at the chosen path: both grids null, style 12/13/1/1/0,
// an all-zero ".hop" and the default ".col" and ".aco" colour files beside
// the project. Replaces any old files of those names. False when a file
// cannot be written, or when the path lies outside the project folder, which
// would split the horizon from its companions (the caller says so).
bool CreateHorizonFile(const HorizonLocation& horizon, const SurveyHeader& header);

// Writes a grid as the time grid of a new horizon (style 12/13/0/1/1, the
// amplitude part left as the file had it) and its default ".col" file.
bool SaveGridAsHorizon(const HorizonLocation& horizon, const HorizonGrid& grid);

// One cell of both grids at grid position (row, column).
struct HorizonCell {
  int row = 0, column = 0;
  std::int16_t time = HORIZON_NULL, amplitude = HORIZON_NULL;
};
// Writes each cell's time and amplitude at its place in the file; false when
// the file cannot be opened or a write fails.
bool WriteHorizonCells(const std::string& path, const SurveyHeader& header,
                       const std::vector<HorizonCell>& cells);

}  // namespace quarrix
