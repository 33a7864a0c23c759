#include "support/test_support.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace quarrix::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device device;
  auto base = std::filesystem::temp_directory_path();
  path_ = (base / ("quarrix-test-" + std::to_string(device()) + "-" +
                   std::to_string(counter++)))
              .string();
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

FailingWrites::FailingWrites(WriteStep step, int count) : reached_(std::make_shared<int>(0)) {
  SetWriteFaultHook([step, count, reached = reached_](WriteStep at, const std::string&) {
    return at == step && ++*reached == count;
  });
}

FailingWrites::~FailingWrites() {
  SetWriteFaultHook({});
}

std::string SharedDataFolder() {
  std::error_code error;
  return std::filesystem::is_directory(QUARRIX_SHARED_DATA, error) ? QUARRIX_SHARED_DATA : "";
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quarrix::testing
