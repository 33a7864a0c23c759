#pragma once
// Messages about a file that could not be found, opened or written: the
// message's own text, then the file's path on a second line, so the user
// knows which file is meant.
#include <string>
#include <string_view>

namespace quarrix {

inline std::string NamingFile(std::string_view message, std::string_view path) {
  return std::string(message) + "\n" + std::string(path);
}

}  // namespace quarrix
