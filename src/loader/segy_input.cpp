#include "loader/segy_input.h"

namespace quarrix {

bool SegyInput::Open(const std::string& path) {
  Close();
  buffer_.resize(1 << 20);
  file_.pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  return file_.open(path, std::ios::in | std::ios::binary) != nullptr;
}

void SegyInput::Close() {
  if (file_.is_open()) file_.close();
}

std::size_t SegyInput::Read(void* data, std::size_t count) {
  if (!IsOpen()) return 0;
  std::streamsize got = file_.sgetn(static_cast<char*>(data), static_cast<std::streamsize>(count));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool SegyInput::Seek(std::int64_t offset) {
  return IsOpen() && offset >= 0 &&
         file_.pubseekpos(static_cast<std::streamoff>(offset), std::ios::in) !=
             std::streampos(std::streamoff(-1));
}

bool SegyInput::ReadAt(std::int64_t offset, void* data, std::size_t count) {
  return Seek(offset) && Read(data, count) == count;
}

}  // namespace quarrix
