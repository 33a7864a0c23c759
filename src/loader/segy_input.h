#pragma once
// A SEG-Y disk file opened for reading. SegyInput reads at a position of
// its own (the file headers); SegyRecordReader reads the trace records that
// follow them in large blocks of whole records, one system call per block,
// with the system told that the file is read from start to end.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/positioned_file.h"

namespace quarrix {

class SegyInput {
 public:
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }
  // Bytes actually read (fewer at the end of the file).
  std::size_t Read(void* data, std::size_t count);
  // True when all count bytes were read from offset.
  bool ReadAt(std::int64_t offset, void* data, std::size_t count);
  bool Seek(std::int64_t offset);

 private:
  PositionedFile file_;
  std::int64_t position_ = 0;
};

class SegyRecordReader {
 public:
  // Opens the file at its first trace record; false when it cannot be opened.
  bool Open(const std::string& path, std::size_t record_bytes);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }
  std::size_t record_bytes() const { return record_bytes_; }
  // A block is read in this many pieces at once (the copying from the
  // system's cache then runs on as many cores); the bytes are the same.
  void SetThreads(int threads) { threads_ = threads; }

  // Reads up to count whole records into out and returns how many arrived.
  // Fewer arrive only at the end of the file (or where it cannot be read);
  // the bytes of a record cut off there follow the whole ones in out, and
  // cut_bytes() says how many there are.
  std::size_t Read(unsigned char* out, std::size_t count);
  std::size_t cut_bytes() const { return cut_bytes_; }

  // Sees whole records of a block on the thread that read them, while they
  // are still in the cache: out + first * record_bytes() holds count of
  // them. Each record arriving is seen once; the calls of one block may come
  // in any order.
  using PieceVisitor =
      std::function<void(int worker, unsigned char* out, std::size_t first, std::size_t count)>;
  // Read, with every record that arrives shown to visit by the worker that
  // read it (worker in [0, threads)). When the reading is shared out, the
  // calling thread runs first_on_caller before it joins (RunParallel); when
  // it is not, the hook may not run at all.
  std::size_t Read(unsigned char* out, std::size_t count, const PieceVisitor& visit,
                   const std::function<void()>& first_on_caller = {});

 private:
  std::size_t ReadPieces(unsigned char* out, std::size_t count, const PieceVisitor& visit,
                         const std::function<void()>& first_on_caller);

  PositionedFile file_;
  std::size_t record_bytes_ = 0, cut_bytes_ = 0;
  int threads_ = 1;
  std::int64_t position_ = 0;
  bool ended_ = false;
};

// The number of records of record_bytes in a block of about block_bytes
// (at least one).
std::size_t RecordsPerBlock(std::size_t record_bytes, std::size_t block_bytes);

}  // namespace quarrix
