#include "loader/trace_scaling.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

#include "loader/ibm_trace_kernels.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/progress.h"
#include "platform/text_util.h"
#include "project/amp_file.h"
#include "project/survey_header.h"

namespace quarrix {

ScaleSummary ScaleStats::Summary() const {
  ScaleSummary s;
  s.largest = overall_max;
  s.largest_trace = overall_max_trace;
  s.calculated = overall_max;
  s.mean = count > 0 ? sum / static_cast<double>(count) : 0.0;
  return s;
}

namespace {

// Trunc16, written without branches so that the loops over a trace
// vectorise: the same value for every input, not a number giving 0.
template <typename Real>
inline std::int16_t TruncWithoutBranches16(Real value) {
  value = value == value ? value : Real(0);
  value = value < Real(-32768) ? Real(-32768) : value;
  value = value > Real(32767) ? Real(32767) : value;
  return static_cast<std::int16_t>(static_cast<std::int32_t>(value));
}

}  // namespace

// Eight lanes that the compiler turns into one vector. The lanes give
// exactly the maximum a plain loop gives, as every value compared is 0 or
// above.
QUARRIX_VECTOR_CLONES
float LargestMagnitude(const float* samples, int count) {
  constexpr int kLanes = 8;
  float lanes[kLanes] = {};
  int n = 0;
  for (; n + kLanes <= count; n += kLanes)
    for (int l = 0; l < kLanes; ++l) {
      const float a = std::fabs(samples[n + l]);
      lanes[l] = a > lanes[l] ? a : lanes[l];
    }
  float m = 0.0f;
  for (; n < count; ++n) {
    const float a = std::fabs(samples[n]);
    m = a > m ? a : m;
  }
  for (float lane : lanes) m = lane > m ? lane : m;
  return m;
}

void ScaleStats::Add(float m, long long traces_before) {
  if (m != 0.0f) {
    sum += m;
    ++count;
  }
  if (m > overall_max) {
    overall_max = m;
    overall_max_trace = traces_before;
  }
}

QUARRIX_VECTOR_CLONES
float ScaleTrace(const float* samples, int count, bool no_scaling, std::int16_t* out) {
  const float m = LargestMagnitude(samples, count);
  float factor = m != 0.0f ? 32767.0f / m : 0.0f;
  if (no_scaling) factor = 1.0f;
  for (int n = 0; n < count; ++n) out[n] = TruncWithoutBranches16(samples[n] * factor);
  return m;
}

float NormaliseTrace(const float* samples, int count, bool no_scaling, long long traces_before,
                     ScaleStats& stats, std::int16_t* out) {
  const float m = ScaleTrace(samples, count, no_scaling, out);
  stats.Add(m, traces_before);
  return m;
}

// The division as written, once per sample, unless the processor runs the
// AVX2 kernel, which multiplies and divides only where the product is too
// near a whole number to be sure (the same samples either way).
QUARRIX_VECTOR_CLONES
void RescaleSamples(std::int16_t* samples, std::size_t count, double maximum, double used) {
  if (RescaleSamplesFast(samples, count, maximum, used)) return;
  for (std::size_t n = 0; n < count; ++n)
    samples[n] = TruncWithoutBranches16(samples[n] * maximum / used);
}

bool TraceMaxGrid::Allocate(int lines, int traces_per_line) {
  try {
    cells_.assign(static_cast<std::size_t>(lines) * static_cast<std::size_t>(traces_per_line),
                  0.0f);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  traces_per_line_ = traces_per_line;
  return true;
}

bool RescaleTraces(AmpFile& amp, const SurveyHeader& header, TraceMaxGrid& maxima, double used,
                   const char* label, Progress& progress, int threads) {
  // Records lie in grid order, so runs of them are read and written in one go.
  const std::size_t record = static_cast<std::size_t>(header.num_samples);
  const int run = std::max<int>(1, static_cast<int>(kRescaleChunkBytes / header.trace_bytes));
  const int workers = std::max(threads, 1);
  std::vector<std::vector<std::int16_t>> buffers(
      static_cast<std::size_t>(workers),
      std::vector<std::int16_t>(record * static_cast<std::size_t>(run)));
  std::vector<char> failed(static_cast<std::size_t>(workers), 0);
  auto rescale_lines = [&](int worker, int first_line, int end_line) {
    std::vector<std::int16_t>& samples = buffers[static_cast<std::size_t>(worker)];
    for (int i = first_line; i < end_line; ++i)
      for (int j0 = 0; j0 < header.traces_per_line; j0 += run) {
        int count = std::min(run, header.traces_per_line - j0);
        std::size_t bytes = static_cast<std::size_t>(count) * header.trace_bytes;
        std::int64_t offset = TraceOffset(header, i, j0);
        bool ok = amp.ReadAt(offset, samples.data(), bytes) == bytes;
        if (ok) {
          SamplesFromFileOrder(samples.data(), record * count);
          bool changed = false;
          for (int j = 0; j < count; ++j) {
            double m = maxima.At(i, j0 + j);
            // A trace that never arrived, or an all-zero one, stays as it is.
            if (m == 0.0) continue;
            changed = true;
            RescaleSamples(samples.data() + record * j, record, m, used);
          }
          if (!changed) continue;
          SamplesFromFileOrder(samples.data(), record * count);
          ok = amp.WriteAt(offset, samples.data(), bytes) == bytes;
        }
        if (!ok) {
          failed[static_cast<std::size_t>(worker)] = 1;
          return;
        }
      }
  };
  progress.SetLabel(label);
  progress.SetRange(0, header.num_lines);
  // One thread goes line by line, as the progress steps.
  const int lines_per_task = workers == 1 ? 1 : std::max(1, header.num_lines / (workers * 16));
  return ForEachLineBatch(header.num_lines, workers, lines_per_task, rescale_lines,
                          [&](int lines_done) {
                            for (char f : failed)
                              if (f) return false;
                            progress.SetPosition(lines_done);
                            return true;
                          });
}

std::optional<double> AskScaleValue(const ScaleStats& stats, LoadDecisions& decisions) {
  ScaleSummary summary = stats.Summary();
  std::optional<double> used = decisions.ScaleValue(summary);
  if (!used) return std::nullopt;
  decisions.AddMessage(
      FormatText("Scale value MAX %f  MEAN %f  USED %f", summary.largest, summary.mean, *used));
  return used;
}

}  // namespace quarrix
