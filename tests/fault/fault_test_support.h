#pragma once
// A small survey and grid helpers for the fault tests.
#include <string>

#include "fault/fault_grid.h"
#include "platform/scripted_prompter.h"
#include "project/header_file.h"
#include "project/survey_header.h"

namespace quarrix::testing {

// Lines first_line.., traces first_trace.., 4 ms, 1000 samples.
inline SurveyHeader SmallSurvey(int lines, int traces, int first_line = 100,
                                int first_trace = 200) {
  SurveyHeader h;
  h.trace_bytes = 2000;
  h.sample_rate = 4;
  h.first_line = first_line, h.last_line = first_line + lines - 1;
  h.first_trace = first_trace, h.last_trace = first_trace + traces - 1;
  h.ComputeDerived();
  return h;
}

inline void SaveSurvey(const std::string& path, const SurveyHeader& header) {
  ScriptedPrompter prompter;
  SaveHeader(path, header, prompter);
}

// A 16-bit little-endian field as file bytes.
inline std::string Le16(int value) {
  auto bits = static_cast<std::uint16_t>(value);
  return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

inline std::int16_t Seed(int time_ms) {
  return static_cast<std::int16_t>(time_ms + kFaultSeedFlag);
}

}  // namespace quarrix::testing
