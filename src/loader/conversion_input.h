#pragma once
// The conversion's side of a disk load's input: records read a block at a
// time from the first file and the files appended to it (asking for them at
// each end of file) and brought to 16 bits a block at a time.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "loader/load_geometry.h"
#include "loader/segy_format.h"
#include "loader/segy_input.h"

namespace quarrix {

class LoadDecisions;
class Prompter;

extern const char kCannotOpenInput[];

// Whether a file can continue the load; tells why not when it cannot
// (unless quiet).
bool AppendableFile(const std::string& path, const SegyBinaryInfo& info, Prompter& prompter,
                    bool quiet);

// Reads input records in blocks; at the end of a file asks for a file to
// append and goes on at its first trace. Once the input has ended it is not
// asked again (that would repeat the end-of-file question).
class AppendingInput {
 public:
  AppendingInput(const SegyBinaryInfo& info, int threads, LoadDecisions& decisions,
                 Prompter& prompter);

  bool Open(const std::string& path);

  // Reads up to count records into out, in the file's byte order, the first
  // done of them already there; fewer only when the input has ended. visit
  // sees the records as they arrive, on the threads that read them (numbered
  // from out).
  std::size_t Next(unsigned char* out, std::size_t count,
                   const SegyRecordReader::PieceVisitor& visit, std::size_t done = 0);

  // Next, but from the file being read alone: it never asks or tells
  // anything. The calling thread may run first_on_caller before it joins
  // the readers (SegyRecordReader::Read).
  std::size_t ReadOn(unsigned char* out, std::size_t done, std::size_t count,
                     const SegyRecordReader::PieceVisitor& visit,
                     const std::function<void()>& first_on_caller = {});

 private:
  bool OpenAppended(const std::string& path);

  SegyBinaryInfo info_;
  int threads_;
  std::size_t record_bytes_;
  LoadDecisions& decisions_;
  Prompter& prompter_;
  SegyRecordReader input_;
  std::string path_;  // the file being read
  bool ended_ = false;
};

// Input records read a block at a time and brought to 16 bits together: the
// decoding and scaling of a block's traces is shared out among threads. Each
// trace depends on its own record alone, so a block gives what reading one
// trace at a time gives. With a final scale value the traces come out at it.
class DecodedBatch {
 public:
  DecodedBatch(const SegyBinaryInfo& info, const TimeWindow& window, bool no_scaling, int threads,
               std::optional<double> final_scale);

  // Reads and converts up to a block of records; false when none was left.
  // Each thread converts the records it read while they are in its cache.
  bool Fill(AppendingInput& input) {
    Prefetch(input);
    return Complete(input);
  }
  // Fill in two steps: Prefetch reads what the file being read holds,
  // Complete goes on into appended files. The calling thread runs
  // meanwhile, once, before it joins the threads that read: on several
  // threads the last block's traces are placed while the next is read.
  void Prefetch(AppendingInput& input, const std::function<void()>& meanwhile = {});
  bool Complete(AppendingInput& input);

  int size() const { return size_; }
  const unsigned char* record(int k) const { return records_.data() + Offset(k, record_bytes_); }
  const std::int16_t* scaled(int k) const { return scaled_.data() + Offset(k, samples_); }
  float maximum(int k) const { return maxima_[static_cast<std::size_t>(k)]; }

 private:
  static std::size_t Offset(int k, std::size_t size) { return static_cast<std::size_t>(k) * size; }
  SegyRecordReader::PieceVisitor Converter();

  SegyBinaryInfo info_;
  TimeWindow window_;
  bool no_scaling_;
  int threads_;
  std::optional<double> final_scale_;
  std::size_t record_bytes_, samples_, capacity_;
  int size_ = 0;
  std::vector<unsigned char> records_;
  std::vector<std::int16_t> scaled_;
  std::vector<float> maxima_;
  std::vector<std::vector<float>> decoded_;  // one per worker
};

}  // namespace quarrix
