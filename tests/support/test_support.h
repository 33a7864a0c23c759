#pragma once
// Helpers shared by the test programs.
#include <string>
#include <memory>
#include <vector>

#include "platform/safe_write.h"

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

// The names in a folder, sorted.
std::vector<std::string> ListFolder(const std::string& folder);

// Makes one step of every write fail while it lives: the step on the
// count-th time it is reached (1 = the first), on any path.
class FailingWrites {
public:
  FailingWrites(WriteStep step, int count);
  ~FailingWrites();
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;
  // How often the step was reached.
  int reached() const { return *reached_; }

private:
  std::shared_ptr<int> reached_;
};

}  // namespace quarrix::testing
