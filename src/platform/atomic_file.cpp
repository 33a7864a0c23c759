#include "platform/atomic_file.h"

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
  std::ostringstream text;
  text << in.rdbuf();
  bytes = text.str();
  return true;
}

}  // namespace quarrix
