#include "project/survey_header.h"

#include <cmath>
#include <cstring>

#include "platform/numeric.h"
#include "platform/text_util.h"

namespace quarrix {

std::string LabelText(const LabelBuffer& label) {
  std::size_t length = 0;
  while (length < label.size() - 1 && label[length] != '\0') ++length;
  return std::string(label.data(), length);
}

void SetLabelText(LabelBuffer& label, const std::string& text) {
  std::size_t length = text.size() < label.size() - 1 ? text.size() : label.size() - 1;
  std::memcpy(label.data(), text.data(), length);
  label[length] = '\0';
}

namespace {

// trunc((last - first) / increment) + 1, in the 32-bit float arithmetic the
// files were made with.
std::int32_t CountOf(std::int32_t first, std::int32_t last, float increment) {
  if (!(increment > 0.0f)) return 0;
  float span = static_cast<float>(static_cast<std::int64_t>(last) - first);
  return Trunc32(std::trunc(static_cast<double>(span / increment)) + 1.0);
}

}  // namespace

void SurveyHeader::ComputeDerived() {
  num_samples = trace_bytes / 2;
  // Records hold whole samples: an odd byte count from a hand-edited header
  // would make every buffer sized by the sample count one byte short.
  trace_bytes = 2 * num_samples;
  end_time = Trunc32(static_cast<double>(start_time) + Trunc32(num_samples * sample_rate));
  num_lines = CountOf(first_line, last_line, line_increment);
  traces_per_line = CountOf(first_trace, last_trace, trace_increment);
}

int SurveyHeader::LineNumber(int line_index) const {
  return first_line + Trunc32(line_index * line_increment);
}

int SurveyHeader::TraceNumber(int trace_index) const {
  return first_trace + Trunc32(trace_index * trace_increment);
}

int SurveyHeader::LineIndex(int line_number) const {
  return Trunc32(static_cast<float>(line_number - first_line) / line_increment);
}

int SurveyHeader::TraceIndex(int trace_number) const {
  return Trunc32(static_cast<float>(trace_number - first_trace) / trace_increment);
}

int TraceLengthMs(const SurveyHeader& header) {
  return Trunc32(header.num_samples * header.sample_rate);
}

void SetTraceLengthMs(SurveyHeader& header, double length_ms) {
  if (header.sample_rate == 0.0) header.sample_rate = 2.0;
  header.num_samples = Trunc32(length_ms / header.sample_rate);
  header.trace_bytes = 2 * header.num_samples;
  header.ComputeDerived();
}

std::string HeaderProblem(const SurveyHeader& h) {
  if (!(h.line_increment > 0.0f))
    return FormatText("line increment must be above 0 (it is %g)", h.line_increment);
  if (!(h.trace_increment > 0.0f))
    return FormatText("trace increment must be above 0 (it is %g)", h.trace_increment);
  if (h.last_line < h.first_line)
    return FormatText("last line %d is below first line %d", h.last_line, h.first_line);
  if (h.last_trace < h.first_trace)
    return FormatText("last trace %d is below first trace %d", h.last_trace, h.first_trace);
  if (h.trace_bytes / 2 <= 0)
    return FormatText("the number of samples must be above 0 (trace bytes %d)", h.trace_bytes);
  if (h.trace_bytes % 2 != 0)
    return FormatText("trace bytes %d is not twice a whole number of samples", h.trace_bytes);
  if (!std::isfinite(h.sample_rate)) return "the sample rate is not a finite number";
  if (h.sample_rate < 0.0) return FormatText("sample rate %g ms is negative", h.sample_rate);
  SurveyHeader derived = h;
  derived.ComputeDerived();
  // Cells and trace records are counted in 32-bit numbers throughout.
  const double traces = static_cast<double>(derived.num_lines) * derived.traces_per_line;
  if (traces > 2147483647.0)
    return FormatText("a grid of %d lines x %d traces is beyond any survey", derived.num_lines,
                      derived.traces_per_line);
  // Beyond 2^50 bytes the trace file could never exist: the fields are garbage.
  double bytes =
      static_cast<double>(derived.num_lines) * derived.traces_per_line * derived.trace_bytes;
  if (bytes > 1125899906842624.0)
    return FormatText("a grid of %d lines x %d traces x %d bytes is beyond any disk",
                      derived.num_lines, derived.traces_per_line, derived.trace_bytes);
  return "";
}

bool DefaultViewAngles(int corner_index, double& azimuth, double& elevation) {
  switch (corner_index) {
    case 1:
    case 2:
      azimuth = 45;
      elevation = 45;
      return true;
    case 3:
    case 4:
      azimuth = 135;
      elevation = 45;
      return true;
    case 5:
    case 8:
      azimuth = 135;
      elevation = 135;
      return true;
    case 6:
    case 7:
      azimuth = 45;
      elevation = 135;
      return true;
    default: return false;
  }
}

}  // namespace quarrix
