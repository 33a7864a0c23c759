#pragma once
// A small synthetic survey for the rendering tests: a project header and a
// trace file in a temporary folder, with a dipping event whose time is known
// at every trace.
#include <cmath>
#include <string>
#include <vector>

#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "section/section_render.h"
#include "support/test_support.h"

namespace quarrix::testing {

struct TestSurvey {
  TempFolder folder;
  std::string header_path;
  SurveyHeader header;

  // Lines 10..(10 + lines - 1), traces 100..(100 + traces - 1), 4 ms, start 0.
  TestSurvey(int lines = 4, int traces = 30, int samples = 250) {
    header.first_line = 10;
    header.last_line = 10 + lines - 1;
    header.first_trace = 100;
    header.last_trace = 100 + traces - 1;
    header.trace_bytes = 2 * samples;
    header.sample_rate = 4.0;
    header.trace_spacing = header.line_spacing = 25;
    SetLabelText(header.owner, "Quarrix");
    SetLabelText(header.line_name, "Test survey");
    SetLabelText(header.collector, "Synthetic");
    header.ComputeDerived();
    header_path = folder.File("demo.hdr");
    ScriptedPrompter prompter;
    SaveHeader(header_path, header, prompter);
    AmpFile amp;
    amp.Open(folder.File("demo.amp"), AmpOpenMode::Create);
    std::vector<std::int16_t> trace(static_cast<std::size_t>(samples));
    for (int l = 0; l < lines; ++l)
      for (int t = 0; t < traces; ++t) {
        for (int s = 0; s < samples; ++s) trace[s] = Sample(l, t, s);
        WriteTrace(amp, header, trace.data(), l, t, 2 * samples);
      }
  }

  // The event: a positive peak (Ricker-like) at EventTimeMs, full scale.
  static int EventSample(int line, int trace) { return 50 + trace + 2 * line; }
  static int EventTimeMs(int line, int trace) { return 4 * EventSample(line, trace); }
  static std::int16_t Sample(int line, int trace, int s) {
    const double u = (s - EventSample(line, trace)) / 3.0;
    return static_cast<std::int16_t>(std::lround(30000 * (1 - 2 * u * u) * std::exp(-u * u)));
  }

  // A horizon time grid that follows the event, null at the given traces.
  std::vector<std::int16_t> EventHorizon(int null_from = -1, int null_to = -1) const {
    std::vector<std::int16_t> grid;
    for (int l = 0; l < header.num_lines; ++l)
      for (int t = 0; t < header.traces_per_line; ++t)
        grid.push_back(
            t >= null_from && t <= null_to ? 32700 : static_cast<std::int16_t>(EventTimeMs(l, t)));
    return grid;
  }
};

// The survey opened as a project, ready to draw from.
struct OpenTestSurvey : TestSurvey {
  ProjectState project;

  explicit OpenTestSurvey(int lines = 4, int traces = 30) : TestSurvey(lines, traces) {
    ScriptedPrompter prompter;
    OpenProject(project, header_path, prompter);
  }
  SectionSource Source() { return {project.amp, project.header, nullptr}; }
};

}  // namespace quarrix::testing
