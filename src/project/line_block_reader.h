#pragma once
// Trace access for passes that visit the traces of a survey in file order:
// runs of whole records are read a block at a time (one read per block, with
// the system told that the file is read sequentially), and each trace is then
// handed out with exactly ReadTrace's contract. A block is kept small enough
// to stay in the processor's cache while its traces are used. Random access (a cross-line,
// one trace) goes through ReadTrace: one positioned read per trace.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "project/amp_file.h"

namespace quarrix {

// The most bytes of whole records read in one go (at least one record).
constexpr std::size_t kLineBlockBytes = std::size_t{256} << 10;

// Whole lines in a block of at most block_bytes (at least 1, at most the survey).
int LinesPerBlock(const SurveyHeader& header, std::size_t block_bytes);

class LineBlockReader {
 public:
  LineBlockReader(const AmpFile& file, const SurveyHeader& header,
                  std::size_t block_bytes = kLineBlockBytes);

  // ReadTrace's contract: byte_count bytes of the trace into samples (bytes
  // past the end of the file are left as they were), conditioned when a
  // conditioner is given; 0 when all were read and conditioning succeeded.
  // A request outside the grid or longer than a record is passed to
  // ReadTrace unchanged.
  int Read(std::int16_t* samples, int line_index, int trace_index, int byte_count,
           TraceConditioner* conditioner = nullptr);

  // The whole record (line_index, trace_index) in place in the block, in the
  // file's byte order, for a pass that needs a few samples of every trace and
  // no conditioning; nullptr when the file does not hold all of it (the pass
  // then reads the trace with Read). Valid until the next call.
  // *held, when given, is set to the number of whole records the block holds
  // from this one on, one after another trace_bytes apart.
  const std::int16_t* Record(int line_index, int trace_index, int* held = nullptr);

 private:
  void LoadBlockAt(std::int64_t record);
  std::size_t PlaceOf(int line_index, int trace_index);

  const AmpFile& file_;
  const SurveyHeader& header_;
  std::int64_t total_records_ = 0;
  std::int64_t records_per_block_ = 1;
  std::int64_t first_record_ = -1;  // first record held; -1 before the first read
  std::size_t bytes_held_ = 0;
  std::vector<char> block_;
};

// The conditioning of a pass split over threads: worker 0 (the calling
// thread) uses the given conditioner, the others clones of it. When there is
// one that cannot be cloned, the pass keeps to one thread.
class WorkerConditioners {
 public:
  WorkerConditioners(TraceConditioner* conditioner, int threads);
  int threads() const { return static_cast<int>(workers_.size()); }
  TraceConditioner* For(int worker) const { return workers_[static_cast<std::size_t>(worker)]; }

 private:
  std::vector<std::unique_ptr<TraceConditioner>> clones_;
  std::vector<TraceConditioner*> workers_;
};

// The most bytes of whole lines a worker of a pass takes at once (at least one line).
constexpr std::size_t kLineTaskBytes = std::size_t{4} << 20;

// How a pass over lines is shared out: one thread goes line by line (so that
// a cancel stops after the current line); several take runs of consecutive
// lines, as many as kLineTaskBytes hold but no more than an even share.
struct LinePassPlan {
  int threads = 1;
  int lines_per_task = 1;
  std::size_t block_bytes = kLineBlockBytes;
};
LinePassPlan PlanLinePass(const SurveyHeader& header, int lines, int threads);

// The threads a whole-file pass over amp may use: one when the file is
// shorter than the grid, so that traces missing from it leave the same
// leftovers in the pass's buffer as a pass in file order.
int ThreadsForWholeFile(const AmpFile& amp, const SurveyHeader& header, int threads);

}  // namespace quarrix
