#pragma once
// A file read and written at absolute positions, with no shared file position
// and no user-space buffer: one system call per request (repeated only when
// the system returns less than asked), so several threads can read one file
// at once. The access hints tell the system how a pass will go through it.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quarrix {

enum class FileAccessMode { Read, ReadWrite, Create };

// How a pass is going to use the file, for the system's read-ahead.
enum class AccessHint { Normal, Sequential, Random };

class PositionedFile {
 public:
  PositionedFile() = default;
  ~PositionedFile();
  PositionedFile(const PositionedFile&) = delete;
  PositionedFile& operator=(const PositionedFile&) = delete;

  // Closes any open file first; Create replaces an existing file.
  bool Open(const std::string& path, FileAccessMode mode);
  // False when the system reports a failure closing the file.
  bool Close();
  bool IsOpen() const { return handle_ >= 0; }

  // Bytes read or written at offset (less than count at the end of the file
  // or on failure).
  std::size_t ReadAt(std::int64_t offset, void* data, std::size_t count) const;
  std::size_t WriteAt(std::int64_t offset, const void* data, std::size_t count);
  void Advise(AccessHint hint) const;
  // Tells the system these bytes are read soon, so that it starts fetching
  // them all at once (only a hint).
  void WillNeed(std::int64_t offset, std::size_t count) const;
  // Size in bytes; -1 when it cannot be had.
  std::int64_t Size() const;
  // Makes a file that was empty this many bytes long, reading as zeros. Where
  // the system can, its disk space is set aside now, so the writes that
  // follow need no allocation; otherwise (or without that much space) the
  // file is only extended, as before.
  bool Reserve(std::int64_t bytes);

 private:
  int handle_ = -1;
};

}  // namespace quarrix
