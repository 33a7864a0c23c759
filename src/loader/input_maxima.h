#pragma once
// The scale figures of a whole input found before its conversion: every
// trace decoded over the load's time window and its largest absolute sample
// counted in input order, exactly as the conversion counts it. With them the
// calculated scale value is known before any trace is placed, so every trace
// can be written at its final scale and the pass over the finished trace
// file is saved.
#include <cstddef>
#include <vector>

#include "loader/header_scan.h"
#include "loader/load_geometry.h"
#include "loader/segy_format.h"
#include "loader/trace_scaling.h"

namespace quarrix {

class InputMaxima {
 public:
  // Records are measured on this many threads; the figures are the same.
  InputMaxima(const SegyBinaryInfo& info, const TimeWindow& window, int threads);

  // Finds the maxima of records [first, first + count) of a scan's block
  // (in the file's byte order, left as they are) on the given worker; the
  // workers of one block may run at once.
  void Measure(int worker, const unsigned char* block, std::size_t first, std::size_t count);
  // Adds the maxima of the block's first count records in input order, on
  // the calling thread: the same sum and largest trace as on one thread.
  void Fold(std::size_t count);
  // Both, as the header scan calls them.
  RecordBlockVisitor Visitor();

  // Keeps every trace's maximum, in input order, as Fold counts it.
  void KeepEach() { keep_each_ = true; }
  const std::vector<float>& each() const { return each_; }

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
  std::vector<float> maxima_;                       // of the block being read
  std::vector<std::vector<float>> decoded_;         // one trace per worker
  std::vector<std::vector<unsigned char>> record_;  // one big-endian copy per worker
  ScaleStats stats_;
  long long traces_ = 0;
  bool keep_each_ = false;
  std::vector<float> each_;
};

}  // namespace quarrix
