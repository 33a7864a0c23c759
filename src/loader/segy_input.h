#pragma once
// A SEG-Y disk file opened for reading: sequential record reads with a large
// buffer, and positioned reads for the header scan.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace quarrix {

class SegyInput {
 public:
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_.is_open(); }
  // Bytes actually read (fewer at the end of the file).
  std::size_t Read(void* data, std::size_t count);
  // True when all count bytes were read from offset.
  bool ReadAt(std::int64_t offset, void* data, std::size_t count);
  bool Seek(std::int64_t offset);

 private:
  std::filebuf file_;
  std::vector<char> buffer_;
};

}  // namespace quarrix
