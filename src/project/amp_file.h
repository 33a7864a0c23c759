#pragma once
// The trace amplitude file: line-major fixed-length records of 16-bit
// little-endian samples, addressed by line and trace index. Offsets are
// 64-bit, so surveys beyond 2 GiB are read and written correctly. Every read
// and write is one positioned system call, so threads may share the file.
#include <bit>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/byte_order.h"
#include "platform/positioned_file.h"
#include "project/survey_header.h"

namespace quarrix {

enum class AmpOpenMode { Read, ReadWrite, Create };

class AmpFile {
 public:
  AmpFile() = default;
  AmpFile(const AmpFile&) = delete;
  AmpFile& operator=(const AmpFile&) = delete;

  // Closes any open file first; false when the file cannot be opened.
  bool Open(const std::string& path, AmpOpenMode mode);
  // False when the system reports a failure closing the file (a write that
  // did not reach the file may only show here, on a network file system).
  bool Close();
  bool IsOpen() const { return file_.IsOpen(); }
  const std::string& path() const { return path_; }

  // Reads or writes bytes at an absolute position; returns the byte count done.
  std::size_t ReadAt(std::int64_t offset, void* data, std::size_t count) const;
  std::size_t WriteAt(std::int64_t offset, const void* data, std::size_t count);
  // Writes go straight to the system, so there is nothing to flush; kept so
  // that callers say where their writes must be complete.
  bool Flush();
  // Tells the system how the coming pass reads the file.
  void Advise(AccessHint hint) const { file_.Advise(hint); }
  void WillNeed(std::int64_t offset, std::size_t count) const { file_.WillNeed(offset, count); }
  // The file's size in bytes; -1 when it cannot be had.
  std::int64_t Size() const { return file_.Size(); }
  // Sizes a new file, setting its disk space aside where the system can
  // (PositionedFile::Reserve).
  bool Reserve(std::int64_t bytes) { return file_.Reserve(bytes); }

 private:
  PositionedFile file_;
  std::string path_;
  bool writable_ = false;
};

// Start of the record of (line_index, trace_index).
std::int64_t TraceOffset(const SurveyHeader& header, int line_index, int trace_index);

// An in-place step applied to a trace after reading: the conditioning chain.
// Returns 0 on success and 1 on failure.
class TraceConditioner {
 public:
  virtual ~TraceConditioner() = default;
  virtual int Condition(std::int16_t* samples, int sample_count) = 0;
  // The same conditioning for another thread of a pass that tells the user
  // nothing itself; none when this one cannot be shared out (such a pass
  // runs on one thread).
  virtual std::unique_ptr<TraceConditioner> CloneForWorker() const { return nullptr; }
};

// Reads byte_count bytes of the trace (line_index, trace_index) into samples
// and, when conditioner is given, conditions them. 0 when the whole record was
// read and conditioning succeeded, else 1. Indexes are not range-checked.
int ReadTrace(const AmpFile& file, const SurveyHeader& header, std::int16_t* samples,
              int line_index, int trace_index, int byte_count,
              TraceConditioner* conditioner = nullptr);

// The end of every trace read: got bytes of byte_count arrived in file order;
// puts them in host order and conditions the trace. ReadTrace's result.
int FinishTraceRead(std::int16_t* samples, std::size_t got, int byte_count,
                    TraceConditioner* conditioner);

// Writes byte_count bytes of samples at the record (line_index, trace_index);
// 0 when all were written, else 1.
int WriteTrace(AmpFile& file, const SurveyHeader& header, const std::int16_t* samples,
               int line_index, int trace_index, int byte_count);

// Swaps 16-bit samples between file order (little-endian) and host order.
void SamplesFromFileOrder(std::int16_t* samples, std::size_t count);
// Tells the system that the records of these cells, in this order, are read
// next: a section across the lines (records far apart) then reads from a
// cold file with the disk fetching them together instead of one by one.
// Neighbouring records are announced as one run.
template <typename Cells>
void AnnounceTraceReads(const AmpFile& file, const SurveyHeader& header, const Cells& cells) {
  std::int64_t run_start = -1, run_end = -1;
  for (const auto& cell : cells) {
    const std::int64_t at = TraceOffset(header, cell.line_index, cell.trace_index);
    if (at == run_end) {
      run_end += header.trace_bytes;
      continue;
    }
    if (run_start >= 0) file.WillNeed(run_start, static_cast<std::size_t>(run_end - run_start));
    run_start = at;
    run_end = at + header.trace_bytes;
  }
  if (run_start >= 0) file.WillNeed(run_start, static_cast<std::size_t>(run_end - run_start));
}

// One sample in file order, in host order.
inline std::int16_t SampleFromFileOrder(std::int16_t sample) {
  if constexpr (std::endian::native == std::endian::big) return SwapBytes(sample);
  return sample;
}

}  // namespace quarrix
