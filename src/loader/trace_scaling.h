#pragma once
// Scaling of floating-point traces into 16-bit samples: each trace is first
// normalised to span +-32767, and after the load a second pass brings every
// trace to one global scale so that relative amplitudes survive.
#include <cstdint>
#include <optional>
#include <vector>

#include "loader/load_decisions.h"

namespace quarrix {

class AmpFile;
class Progress;
struct SurveyHeader;

struct ScaleStats {
  double overall_max = 0.0;
  long long overall_max_trace = 0;
  double sum = 0.0;  // per-trace maxima of the non-zero traces
  long long count = 0;

  ScaleSummary Summary() const;
  // Counts a trace whose largest absolute sample is m; traces_before is the
  // number of input traces read before it.
  void Add(float m, long long traces_before);
};

// The largest absolute sample of a trace; not a number never wins.
float LargestMagnitude(const float* samples, int count);

// Brings one trace to 16 bits and returns its largest absolute sample m:
// unless no_scaling, samples are multiplied by 32767 / m (0 for an all-zero
// trace); values are truncated toward zero and saturate at the 16-bit ends.
// Depends on the trace alone, so traces may be scaled on several threads.
float ScaleTrace(const float* samples, int count, bool no_scaling, std::int16_t* out);

// ScaleTrace, then the trace counted in stats.
float NormaliseTrace(const float* samples, int count, bool no_scaling, long long traces_before,
                     ScaleStats& stats, std::int16_t* out);

// The second scaling step of one trace whose largest absolute sample was
// maximum: every sample becomes trunc(sample x maximum / used).
void RescaleSamples(std::int16_t* samples, std::size_t count, double maximum, double used);

// The per-cell trace maxima of a load, one float per grid cell (line-major).
class TraceMaxGrid {
 public:
  // False when the memory cannot be had.
  bool Allocate(int lines, int traces_per_line);
  float& At(int line_index, int trace_index) {
    return cells_[static_cast<std::size_t>(line_index) * traces_per_line_ + trace_index];
  }

 private:
  std::vector<float> cells_;
  int traces_per_line_ = 0;
};

// The most bytes of trace records the scaling pass holds at once.
constexpr std::size_t kRescaleChunkBytes = 256 * 1024;

// The scaling pass: every record with a non-zero maximum becomes
// trunc(sample x max / used). Stops at the first short read; false when a
// record could not be read or written back. The lines are shared out among
// threads (each record depends on itself alone, so the file is the same).
bool RescaleTraces(AmpFile& amp, const SurveyHeader& header, TraceMaxGrid& maxima, double used,
                   const char* label, Progress& progress, int threads = 1);

// The "Set Scale Value" step shared by the loads: asks for the value, logs
// "Scale value MAX ... MEAN ... USED ..." and returns the value to use, or
// nothing when scaling is skipped.
std::optional<double> AskScaleValue(const ScaleStats& stats, LoadDecisions& decisions);

}  // namespace quarrix
