#include "exchange/math_functions.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/numeric.h"
#include "platform/progress.h"

namespace quarrix {
namespace {

template <typename Change>
HorizonGrid MapCells(const HorizonGrid& grid, Change change) {
  HorizonGrid out = grid;
  for (std::int16_t& cell : out.cells) cell = change(cell);
  return out;
}

// Sample index of a time that includes the start time, inside the trace.
int SampleOf(int time, const SurveyHeader& header) {
  double index = (time - header.start_time) / header.sample_rate;
  return std::clamp(Trunc32(index), 0, std::max(0, header.num_samples - 1));
}

bool Counts(std::int16_t sample, IntervalMode mode) {
  return mode == IntervalMode::Positive   ? sample > 0
         : mode == IntervalMode::Negative ? sample < 0
                                          : true;
}

}  // namespace

HorizonGrid AbsValueGrid(const HorizonGrid& grid) {
  return MapCells(grid, [](std::int16_t v) {
    return v == HORIZON_NULL ? v : static_cast<std::int16_t>(std::min(std::abs(v), 32767));
  });
}

HorizonGrid NullToZeroGrid(const HorizonGrid& grid) {
  return MapCells(grid, [](std::int16_t v) { return v == HORIZON_NULL ? std::int16_t{0} : v; });
}

HorizonGrid ZeroToNullGrid(const HorizonGrid& grid) {
  return MapCells(grid, [](std::int16_t v) { return v == 0 ? HORIZON_NULL : v; });
}

int ProposedFlattenReference(const HorizonGrid& grid) {
  int low = 32767, high = -32768;
  for (std::int16_t v : grid.cells) {
    if (v == HORIZON_NULL) continue;
    low = std::min<int>(low, v);
    high = std::max<int>(high, v);
  }
  return low > high ? 0 : (low + high) / 2;
}

HorizonGrid FlattenGrid(const HorizonGrid& grid, int reference) {
  return MapCells(grid, [reference](std::int16_t v) {
    return v == HORIZON_NULL ? std::int16_t{0} : Trunc16(static_cast<double>(reference) - v);
  });
}

HorizonGrid IntervalAverageGrid(const HorizonGrid& top, const HorizonGrid& base, AmpFile& amp,
                                const SurveyHeader& header, IntervalMode mode, Progress& progress) {
  HorizonGrid out(top.rows, top.columns, HORIZON_NULL);
  if (header.sample_rate <= 0.0 || header.num_samples <= 0) return out;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(header.num_samples));
  progress.SetRange(0, top.rows);
  for (int i = 0; i < top.rows && !progress.Cancelled(); ++i) {
    for (int j = 0; j < top.columns; ++j) {
      if (top.At(i, j) == HORIZON_NULL || base.At(i, j) == HORIZON_NULL) continue;
      if (ReadTrace(amp, header, samples.data(), i, j, header.num_samples * 2) != 0) continue;
      int a = SampleOf(top.At(i, j), header), b = SampleOf(base.At(i, j), header);
      if (a > b) std::swap(a, b);
      long long sum = 0, count = 0;
      for (int k = a; k <= b; ++k) {
        std::int16_t s = samples[static_cast<std::size_t>(k)];
        if (!Counts(s, mode)) continue;
        sum += mode == IntervalMode::Absolute ? std::abs(s) : s;
        ++count;
      }
      out.At(i, j) = count == 0 ? std::int16_t{0} : Trunc16(static_cast<double>(sum / count));
    }
    progress.SetPosition(i + 1);
  }
  return out;
}

}  // namespace quarrix
