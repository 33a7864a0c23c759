#pragma once
// Reading the time grid of a horizon-format file for a project, as the batch
// commands need it, with the problems worded for the user.
#include <string>

#include "horizon/horizon_grid.h"
#include "project/survey_header.h"

namespace quarrix {

struct LoadedGridFile {
  SurveyHeader header;
  std::string bytes;  // the whole file
  HorizonGrid time;   // its first grid
};

// Loads the project header and the grid file; on failure returns false with the
// reason in `problem`. A file too short for one grid of the project is refused.
bool LoadGridFile(const std::string& header_path, const std::string& grid_path,
                  LoadedGridFile& loaded, std::string& problem, std::ostream& err);

}  // namespace quarrix
