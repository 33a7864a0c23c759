#pragma once
// The open project of a program: its header, base path, placement on the map
// and the open trace amplitude file, with the operations that open and close it.
#include <memory>
#include <string>

#include "project/amp_file.h"
#include "project/survey_header.h"
#include "project/xy_geometry.h"

namespace quarrix {

class Prompter;
class Progress;

struct ProjectState {
  SurveyHeader header;
  std::string header_path;
  // The header path cut after the dot of its extension; every project file
  // name is project_base plus an extension.
  std::string project_base;
  SurveyPlacement placement;
  AmpFile amp;
  // Set at the first successful header load and kept for the rest of the run.
  bool is_open = false;
  // Perspective view angles, defaulted from the corner on open.
  double view_azimuth = 45.0, view_elevation = 45.0;

  std::string ProjectFile(const std::string& extension) const { return project_base + extension; }
  std::string AmpPath() const { return ProjectFile("amp"); }
  std::string XyPath() const { return ProjectFile("x_y"); }
};

// Opens a project from its header: loads the header (telling the user on
// failure, leaving the state as it was), derives the values, reads the X/Y
// placement and opens the trace file for reading (a missing trace file leaves
// it closed without a message). A trace file whose size disagrees with the
// header is reported, and one far too small for the header's grid refuses the
// project (see TraceFileAgrees).
bool OpenProject(ProjectState& project, const std::string& header_path, Prompter& prompter);

// Re-reads the placement from the project's X/Y file.
void RefreshPlacement(ProjectState& project);

// Creates a zero-filled trace file for the project after the two questions
// ("Create Dummy Amp File???" and the size); does nothing when a trace file is
// already open. True when a file was made and opened.
bool CreateZeroAmpFile(ProjectState& project, Prompter& prompter, Progress& progress);

// Writes zero records over the whole grid of an open file, line by line;
// false on a write failure or when cancelled.
bool FillWithZeroTraces(AmpFile& file, const SurveyHeader& header, Progress& progress);

}  // namespace quarrix
