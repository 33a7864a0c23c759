#pragma once
// Everything a running interpretation program holds: the open project and the
// user settings. The programs create one and pass it down by reference.
#include "app/setup_settings.h"
#include "exchange/well_file.h"
#include "horizon/colour_files.h"
#include "project/project_state.h"

namespace quarrix {

struct Session {
  ProjectState project;
  SetupSettings settings;
  // The corners last typed into the "Generate X/Y File" dialog.
  XyCorners last_xy_corners;
  // The sixteen colour sets, read at start-up and written at exit.
  ColourSets colour_sets = DefaultColourSets();
  // The well last shown in "Well Parameters" and its file.
  WellRecord current_well;
  std::string current_well_path;
};

}  // namespace quarrix
