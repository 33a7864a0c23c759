#pragma once
// The synthetic survey the section benchmarks read: a few lines of sine
// traces with noise at 4 ms, written as a project header and trace file; the
// conditioning they run and their peer, reading a line's traces alone.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "cpu_timer.h"
#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/project_state.h"
#include "section/processing_params.h"

namespace quarrix::bench {

// Writes FOLDER/bench.hdr and bench.amp; gives the header's path.
inline std::string MakeSineSurvey(const std::string& folder, int lines, int traces, int samples,
                                  double noise_level) {
  SurveyHeader h;
  h.first_line = 1;
  h.last_line = lines;
  h.first_trace = 1;
  h.last_trace = traces;
  h.trace_bytes = 2 * samples;
  h.sample_rate = 4;
  h.ComputeDerived();
  ScriptedPrompter prompter;
  const std::string path = folder + "/bench.hdr";
  SaveHeader(path, h, prompter);
  AmpFile amp;
  amp.Open(folder + "/bench.amp", AmpOpenMode::Create);
  std::mt19937 random(5);
  std::normal_distribution<double> noise(0, noise_level);
  std::vector<std::int16_t> trace(static_cast<std::size_t>(samples));
  for (int l = 0; l < lines; ++l)
    for (int t = 0; t < traces; ++t) {
      for (int s = 0; s < samples; ++s)
        trace[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(
            std::clamp(9000 * std::sin(s * 0.21 + t * 0.01) + noise(random), -32767.0, 32767.0));
      WriteTrace(amp, h, trace.data(), l, t, 2 * samples);
    }
  return path;
}

// Band-pass 10-15-45-50 Hz, a 90-degree phase rotation and 100 ms AGC.
inline ProcessingParams FilterPhaseAndAgc() {
  ProcessingParams p;
  p.filter_on = p.phase_on = p.agc_on = 1;
  p.filter_hz = {10, 15, 45, 50};
  p.phase_deg = 90;
  p.agc_window_ms = 100;
  return p;
}

// Best CPU milliseconds of reading the first `traces` traces of a line,
// unconditioned, alternating between lines 0 and 1 (from the page cache).
inline double ReadLineAlone(ProjectState& project, int traces, int runs = 5) {
  std::vector<std::int16_t> trace(static_cast<std::size_t>(project.header.num_samples));
  int line = 0;
  return BestMilliseconds(
      [&] {
        line = 1 - line;
        for (int t = 0; t < traces; ++t)
          ReadTrace(project.amp, project.header, trace.data(), line, t,
                    static_cast<int>(2 * trace.size()), nullptr);
      },
      runs);
}

}  // namespace quarrix::bench
