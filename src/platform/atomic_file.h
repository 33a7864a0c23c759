#pragma once
// Whole-file rewrites go through a temporary file beside the target and a
// rename, so a failure never leaves a half-written file behind.
#include <string>
#include <string_view>

namespace quarrix {

bool WriteFileAtomically(const std::string& path, std::string_view bytes);
// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace quarrix
