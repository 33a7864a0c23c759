#pragma once
// The survey geometry of a project, as its header file holds it, with the
// values derived from it.
#include <array>
#include <cstdint>
#include <string>

namespace quarrix {

// A 40-byte label buffer as held in memory: text, a NUL, then whatever bytes
// the buffer held before. Kept whole so that a load and save is byte-exact.
using LabelBuffer = std::array<char, 40>;

std::string LabelText(const LabelBuffer& label);
// Sets the text (at most 39 characters) followed by a NUL; the rest of the
// buffer is left as it was.
void SetLabelText(LabelBuffer& label, const std::string& text);

struct SurveyHeader {
  LabelBuffer owner{};
  LabelBuffer line_name{};
  LabelBuffer collector{};
  float trace_spacing = 0.0f;
  float line_spacing = 0.0f;
  std::int32_t trace_bytes = 0;
  double sample_rate = 0.0;  // milliseconds per sample
  std::int32_t first_line = 0;
  std::int32_t last_line = 0;
  std::int32_t first_trace = 0;
  std::int32_t last_trace = 0;
  std::int32_t corner_index = 1;  // 1..8
  float line_increment = 1.0f;
  float trace_increment = 1.0f;
  std::int32_t start_time = 0;  // milliseconds

  // Derived values, recomputed by ComputeDerived after every load and edit.
  std::int32_t num_samples = 0;
  std::int32_t end_time = 0;
  std::int32_t num_lines = 0;
  std::int32_t traces_per_line = 0;

  void ComputeDerived();
  // Size of one trace record and of the whole trace amplitude file in bytes.
  std::int64_t TraceRecordBytes() const { return trace_bytes; }
  std::int64_t AmpFileBytes() const {
    return static_cast<std::int64_t>(num_lines) * traces_per_line * trace_bytes;
  }
  // Line index i is line number first_line + i x line_increment.
  int LineNumber(int line_index) const;
  int TraceNumber(int trace_index) const;
  // Index of a line or trace number (truncated), not range-checked.
  int LineIndex(int line_number) const;
  int TraceIndex(int trace_number) const;
};

// Trace length in whole milliseconds as the header dialog shows it.
int TraceLengthMs(const SurveyHeader& header);
// Sets num_samples from a trace length in ms as the header dialog does on OK:
// trunc(length / sample_rate), with a zero sample rate taken as 2.0.
void SetTraceLengthMs(SurveyHeader& header, double length_ms);

// A description of what makes a header unusable (a field whose value would
// divide by zero or give an empty or negative grid), or "" when it is sound.
std::string HeaderProblem(const SurveyHeader& header);

// The perspective view's default camera angles (azimuth, elevation) for a
// corner; false for a corner outside 1..8, which leaves them unchanged.
bool DefaultViewAngles(int corner_index, double& azimuth, double& elevation);

}  // namespace quarrix
