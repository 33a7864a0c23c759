#pragma once
// The scale figures of a whole input found before its conversion: every
// trace decoded over the load's time window and its largest absolute sample
// counted in input order, exactly as the conversion counts it. With them the
// calculated scale value is known before any trace is placed, so every trace
// can be written at its final scale and the pass over the finished trace
// file is saved.
#include <cstddef>
#include <vector>

#include "loader/load_geometry.h"
#include "loader/segy_format.h"
#include "loader/trace_scaling.h"

namespace quarrix {

class InputMaxima {
 public:
  // Traces are decoded on this many threads; the figures are the same.
  InputMaxima(const SegyBinaryInfo& info, const TimeWindow& window, int threads);

  // Counts a block of whole records in the file's byte order (they are
  // brought to big-endian in place).
  void Count(unsigned char* records, std::size_t count);

  const ScaleStats& stats() const { return stats_; }
  long long traces() const { return traces_; }
  // Whether the figures hold for a conversion over this time window.
  bool Covers(const TimeWindow& window) const {
    return window.first_sample == window_.first_sample && window.num_samples == window_.num_samples;
  }

 private:
  SegyBinaryInfo info_;
  TimeWindow window_;
  int threads_;
  std::size_t record_bytes_;
  std::vector<float> maxima_;                // of the block being counted
  std::vector<std::vector<float>> decoded_;  // one trace per worker
  ScaleStats stats_;
  long long traces_ = 0;
};

}  // namespace quarrix
