#include "platform/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/safe_write.h"

namespace quarrix {

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFileSafely(path, bytes);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // One read of the size the file has; anything after it (a file that grew
  // meanwhile, or one whose size cannot be told) is read on.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  bytes.clear();
  if (!error && size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() < size) return true;
  }
  std::ostringstream rest;
  rest << in.rdbuf();
  bytes += rest.str();
  return true;
}

}  // namespace quarrix
