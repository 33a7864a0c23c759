#pragma once
// Helpers shared by the test programs.
#include <string>

namespace quarrix::testing {

// A fresh empty folder for one test, removed when the object goes.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
  std::string path_;
};

// The folder of real outside SEG-Y files, or "" when it is absent.
std::string SharedDataFolder();

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace quarrix::testing
