#pragma once
// A small project on disk for the trace-file tests: header and trace file of
// deterministic, varied samples.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/scripted_prompter.h"
#include "project/amp_file.h"
#include "project/header_file.h"
#include "project/survey_header.h"
#include "support/test_support.h"

namespace quarrix::testing {

using Trace = std::vector<std::int16_t>;

class SurveyFixture {
 public:
  SurveyFixture(int lines, int traces, int samples, double sample_rate_ms = 4.0) {
    header.first_line = 1;
    header.last_line = lines;
    header.first_trace = 1;
    header.last_trace = traces;
    header.trace_bytes = 2 * samples;
    header.sample_rate = sample_rate_ms;
    header.ComputeDerived();
    ScriptedPrompter prompter;
    SaveHeader(HeaderPath(), header, prompter);
    AmpFile amp;
    amp.Open(AmpPath(), AmpOpenMode::Create);
    for (int i = 0; i < lines; ++i)
      for (int j = 0; j < traces; ++j)
        WriteTrace(amp, header, RawTrace(i, j).data(), i, j, header.trace_bytes);
  }

  std::string HeaderPath() const { return folder.File("survey.hdr"); }
  std::string AmpPath() const { return folder.File("survey.amp"); }

  // A different mix of a low and a high frequency and a spike on every trace.
  Trace RawTrace(int line_index, int trace_index) const {
    Trace trace(static_cast<std::size_t>(header.num_samples));
    for (int k = 0; k < header.num_samples; ++k) {
      double t = k * header.sample_rate / 1000.0;
      double value = 3000.0 * std::sin(2.0 * 3.14159265 * (8.0 + line_index) * t) +
                     1500.0 * std::cos(2.0 * 3.14159265 * (60.0 - trace_index) * t + line_index);
      if (k == (line_index * 7 + trace_index * 3) % header.num_samples) value += 9000.0;
      trace[k] = static_cast<std::int16_t>(value);
    }
    return trace;
  }

  TempFolder folder;
  SurveyHeader header;
};

}  // namespace quarrix::testing
