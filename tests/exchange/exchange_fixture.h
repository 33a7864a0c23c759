#pragma once
// A small project on disk for the exchange tests: header (lines 1001..1010,
// traces 2001..2012, 4 ms, 100 samples), an X/Y file, and the open state.
#include <string>

#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "project/xy_geometry.h"
#include "support/test_support.h"

namespace quarrix::testing {

class ExchangeProject {
 public:
  explicit ExchangeProject(bool with_xy = true, int samples = 100) {
    SurveyHeader header;
    header.first_line = 1001;
    header.last_line = 1010;
    header.first_trace = 2001;
    header.last_trace = 2012;
    header.line_spacing = header.trace_spacing = 25.0f;
    header.trace_bytes = 2 * samples;
    header.sample_rate = 4.0;
    header.corner_index = 1;
    header.ComputeDerived();
    SaveHeader(HeaderPath(), header, prompter);
    if (with_xy) {
      XyCorners corners{{500000, 6000000}, {500000 + 11 * 25, 6000000}, {500000, 6000000 + 9 * 25}};
      WriteXyFile(folder.File("survey.x_y"), header, corners);
    }
    OpenProject(project, HeaderPath(), prompter);
  }

  std::string HeaderPath() const { return folder.File("survey.hdr"); }

  TempFolder folder;
  ScriptedPrompter prompter;
  ProjectState project;
};

}  // namespace quarrix::testing
